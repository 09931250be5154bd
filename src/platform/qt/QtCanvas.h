#pragma once

#include <QPainter>

#include "canvas/Canvas.h"
#include "platform/qt/QtPictureLoader.h"

namespace velmora {

// The canvas on a QPainter: an on-screen or off-screen QImage or a recorded QPicture page.
// Shapes are drawn without anti-aliasing so that pixels land where the plan computes them.
class QtCanvas : public Canvas {
public:
    // The painter must be active for the canvas's whole life. width x height is the logical
    // extent in the painter's units; pixelsPerInch the resolution font points refer to.
    QtCanvas(QPainter& painter, int width, int height, int pixelsPerInch);
    // The painter settings the canvas relies on; again after the painter is begun anew.
    static void prepare(QPainter& painter);

    int width() const override { return width_; }
    int height() const override { return height_; }
    int pixelsPerInch() const override { return pixelsPerInch_; }
    void fillRect(const TRect& rect) override;
    void rectangle(const TRect& rect) override;
    void roundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) override;
    void polygon(const TPoints& points) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void textRect(const TRect& clip, TPoint start, const std::string& text) override;
    void stretchDraw(const TRect& rect, const Picture& picture) override;
    PictureLoader& pictureLoader() override { return loader_; }
    std::unique_ptr<RasterImage> createRasterImage(int width, int height) override;
    void copyRect(const TRect& rect, const RasterImage& image) override;

protected:
    void drawLine(TPoint from, TPoint to) override;

private:
    void usePenAndBrush();
    QFont qtFont() const;

    QPainter& painter_;
    int width_;
    int height_;
    int pixelsPerInch_;
    QtPictureLoader loader_;
};

}  // namespace velmora
