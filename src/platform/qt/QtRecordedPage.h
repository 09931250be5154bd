#pragma once

#include <QPainter>
#include <QPicture>
#include <QRectF>

#include "canvas/Canvas.h"
#include "platform/qt/QtCanvas.h"

namespace velmora {

// One print page recorded as vector drawing in units of 0.1 mm on A4 (2100 x 2970), to be
// shown in the preview and replayed onto a printer page.
class QtRecordedPage {
public:
    static constexpr int pageWidth = 2100;
    static constexpr int pageHeight = 2970;
    // 0.1 mm units: 254 per inch.
    static constexpr int unitsPerInch = 254;

    // Starts recording.
    QtRecordedPage();
    ~QtRecordedPage();
    QtRecordedPage(const QtRecordedPage&) = delete;
    QtRecordedPage& operator=(const QtRecordedPage&) = delete;

    // The surface of the page; only while recording.
    Canvas& canvas() { return canvas_; }
    // Ends recording; further drawing on canvas() is ignored. Safe to call twice.
    void finish();
    bool isFinished() const { return !painter_.isActive(); }

    // Draws the finished page scaled into `target` (in the painter's current coordinates),
    // independent of the painter device's resolution; hatches scale with the page.
    void replay(QPainter& painter, const QRectF& target) const;

private:
    QPicture picture_;
    QPainter painter_;
    QtCanvas canvas_;
};

}  // namespace velmora
