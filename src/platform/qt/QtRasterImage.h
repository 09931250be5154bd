#pragma once

#include <QImage>
#include <QPainter>

#include "canvas/Canvas.h"
#include "platform/qt/QtCanvas.h"

namespace velmora {

// A white QImage with a QtCanvas that stays ready for drawing for the image's whole life:
// the plan images of the window and the off-screen plan of a printout.
class QtRasterImage : public RasterImage {
public:
    // width x height logical pixels; devicePixelRatio physical pixels per logical one, so that
    // a plan drawn in logical pixels stays sharp on a high-resolution screen.
    QtRasterImage(int width, int height, double devicePixelRatio = 1.0);
    ~QtRasterImage() override;
    QtRasterImage(const QtRasterImage&) = delete;
    QtRasterImage& operator=(const QtRasterImage&) = delete;

    Canvas& canvas() override { return canvas_; }
    int width() const override { return canvas_.width(); }
    int height() const override { return canvas_.height(); }
    // The pixels drawn so far.
    const QImage& image() const { return image_; }

private:
    QImage image_;
    QPainter painter_;
    QtCanvas canvas_;
};

}  // namespace velmora
