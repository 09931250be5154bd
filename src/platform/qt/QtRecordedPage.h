#pragma once

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRect>
#include <QRectF>

#include <memory>
#include <vector>

#include "canvas/Canvas.h"
#include "platform/qt/QtCanvas.h"

namespace velmora {

// One print page recorded as vector drawing in units of 0.1 mm on A4 (2100 x 2970), to be
// shown in the preview and replayed onto a printer page. Raster images copied onto the page
// and pictures are kept as they are between the vector parts: a vector page would store
// each one as a compressed PNG and decode it again at every replay.
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
    Canvas& canvas();
    // Ends recording; further drawing on canvas() is ignored. Safe to call twice.
    void finish();
    bool isFinished() const { return !painter_.isActive(); }

    // Draws the finished page scaled into `target` (in the painter's current coordinates),
    // independent of the painter device's resolution; hatches scale with the page.
    void replay(QPainter& painter, const QRectF& target) const;

private:
    class PageCanvas;
    struct ImageCopy {
        QRect target;
        QImage image;
        bool smooth;
    };

    // Ends the current vector part, keeps the image (drawn stretched into target, smoothly
    // or pixel for pixel) and starts the next vector part.
    void appendImage(const QRect& target, const QImage& image, bool smooth);

    // Vector part n is followed by image n, when there is one.
    std::vector<std::unique_ptr<QPicture>> pictures_;
    std::vector<ImageCopy> images_;
    QPainter painter_;
    std::unique_ptr<PageCanvas> canvas_;
};

}  // namespace velmora
