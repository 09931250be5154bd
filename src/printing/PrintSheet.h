#pragma once

#include "printing/PrintItem.h"

namespace velmora {

// The root of one page: holds the page's surface (not owned); its children use page
// coordinates, and its size is the surface's logical extent.
class TPrintSheet : public TPrintItem {
public:
    explicit TPrintSheet(Canvas& ACanvas);

    TRect GetAbsRect() const override;
    Canvas* GetCanvas() const override;
    int GetHeight() const override;
    int GetWidth() const override;
    void SetCanvas(Canvas* ACanvas) override;

    // Fills the whole page white; the surface's brush is kept.
    void Clear();

private:
    Canvas* FCanvas;
};

}  // namespace velmora
