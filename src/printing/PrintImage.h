#pragma once

#include <string>

#include "printing/PrintItem.h"

namespace velmora {

// A picture file stretched to the item's rectangle, read anew at every drawing. The
// format follows the file extension (.jpg/.jpeg, .bmp, .png, .gif); any other extension,
// a missing or an unreadable file draws nothing.
class TPrintImage : public TPrintItem {
public:
    TPrintImage(TPrintItem& AParent, std::string AImageFile, const TRect& ARect);

    void Draw() override;

    std::string ImageFile;
};

}  // namespace velmora
