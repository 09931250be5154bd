#pragma once

#include <memory>
#include <string>

#include "base/GeometryTypes.h"
#include "canvas/CanvasTypes.h"
#include "canvas/Picture.h"
#include "canvas/PictureLoader.h"

namespace velmora {

class RasterImage;

// A drawing surface: the plan images, the off-screen print image and the recorded print
// pages. Brush, pen, font and pen position are state that every later call uses until it
// is changed. Coordinates are surface units (pixels, or 0.1 mm on a print page), origin
// top left, y downward; a rectangle covers [Left, Right) x [Top, Bottom).
class Canvas {
public:
    virtual ~Canvas() = default;

    const Brush& brush() const { return brush_; }
    void setBrush(const Brush& brush) { brush_ = brush; }
    const Pen& pen() const { return pen_; }
    void setPen(const Pen& pen) { pen_ = pen; }
    const Font& font() const { return font_; }
    void setFont(const Font& font) { font_ = font; }

    TPoint penPosition() const { return penPosition_; }
    void moveTo(TPoint point) { penPosition_ = point; }
    // A line with the pen from the pen position to `point` (a width-1 pen leaves the end
    // point itself undrawn); the pen position moves to `point`.
    void lineTo(TPoint point);

    // Logical extent of the surface (2100 x 2970 on a recorded print page).
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Vertical resolution of the surface's device, for converting font points to units.
    virtual int pixelsPerInch() const = 0;

    // The rectangle filled with the brush, without outline; a clear brush draws nothing.
    virtual void fillRect(const TRect& rect) = 0;
    // Outlined with the pen along the rectangle's inner edge, filled with the brush.
    virtual void rectangle(const TRect& rect) = 0;
    // As rectangle, with corners rounded by an ellipse of the given size (0: square).
    virtual void roundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) = 0;
    // Outlined with the pen through all points and back to the first, filled with the brush.
    virtual void polygon(const TPoints& points) = 0;

    // Extent of a one-line text in the current font, unrotated, in surface units.
    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;
    // The text with its top-left corner at `start` (rotated about it by the font's
    // escapement), clipped to `clip`; a solid brush first fills `clip` as background.
    virtual void textRect(const TRect& clip, TPoint start, const std::string& text) = 0;

    // The picture stretched into the rectangle; it must come from pictureLoader().
    virtual void stretchDraw(const TRect& rect, const Picture& picture) = 0;
    // Loads pictures that this canvas can draw.
    virtual PictureLoader& pictureLoader() = 0;

    // A white off-screen raster image compatible with this canvas; the caller owns it.
    virtual std::unique_ptr<RasterImage> createRasterImage(int width, int height) = 0;
    // The image copied into the rectangle, one image pixel to one surface unit when the
    // sizes agree; it must come from createRasterImage of this kind of canvas.
    virtual void copyRect(const TRect& rect, const RasterImage& image) = 0;

protected:
    Canvas() = default;
    Canvas(const Canvas&) = default;
    Canvas& operator=(const Canvas&) = default;

    // Draws the line of lineTo; the state is already in force.
    virtual void drawLine(TPoint from, TPoint to) = 0;

private:
    Brush brush_;
    Pen pen_;
    Font font_;
    TPoint penPosition_;
};

// An off-screen raster image with its own canvas (the plan picture of a printout).
class RasterImage {
public:
    virtual ~RasterImage() = default;
    virtual Canvas& canvas() = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

}  // namespace velmora
