#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/qt/QtRasterImage.h"

namespace velmora {

namespace {

QColor qtColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

QRect qtRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

bool isEmpty(const TRect& rect) {
    return rect.Right <= rect.Left || rect.Bottom <= rect.Top;
}

QBrush qtBrush(const Brush& brush) {
    switch (brush.style) {
        case BrushStyle::Clear:
            return Qt::NoBrush;
        case BrushStyle::CrossHatch:
            return QBrush(qtColor(brush.color), Qt::DiagCrossPattern);
        case BrushStyle::Solid:
            break;
    }
    return QBrush(qtColor(brush.color));
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, int width, int height, int pixelsPerInch)
    : painter_(painter), width_(width), height_(height), pixelsPerInch_(pixelsPerInch) {
    prepare(painter_);
}

void QtCanvas::prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Hatches scale with the page instead of staying device pixels (print pages).
    painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
}

void QtCanvas::usePenAndBrush() {
    QPen pen(qtColor(this->pen().color));
    pen.setWidth(std::max(this->pen().width, 0));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.setBrush(qtBrush(brush()));
}

QFont QtCanvas::qtFont() const {
    const Font& font = this->font();
    QFont result(QString::fromStdString(font.name));
    // Unhinted outlines keep measured widths true at every scale (print pages).
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setBold(font.style & fontStyle::bold);
    result.setItalic(font.style & fontStyle::italic);
    result.setUnderline(font.style & fontStyle::underline);
    result.setStrikeOut(font.style & fontStyle::strikeOut);
    int pixelSize = -font.height;
    if (font.height > 0) {
        // A positive height is the cell height: scale the em size to fit it.
        result.setPixelSize(1000);
        pixelSize =
            static_cast<int>(std::lround(font.height * 1000.0 / QFontMetricsF(result).height()));
    }
    result.setPixelSize(std::max(pixelSize, 1));
    return result;
}

void QtCanvas::fillRect(const TRect& rect) {
    if (brush().style != BrushStyle::Clear && !isEmpty(rect)) {
        painter_.fillRect(qtRect(rect), qtBrush(brush()));
    }
}

void QtCanvas::rectangle(const TRect& rect) {
    roundRect(rect, 0, 0);
}

void QtCanvas::roundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    if (isEmpty(rect)) {
        return;
    }
    usePenAndBrush();
    // The outline lies inside the rectangle, as the layout's pixel arithmetic expects.
    const int penWidth = std::max(pen().width, 1);
    const QRect inner(rect.Left + penWidth / 2, rect.Top + penWidth / 2,
                      rect.Right - rect.Left - penWidth, rect.Bottom - rect.Top - penWidth);
    if (ellipseWidth > 0 && ellipseHeight > 0) {
        painter_.drawRoundedRect(inner, ellipseWidth / 2.0, ellipseHeight / 2.0, Qt::AbsoluteSize);
    } else {
        painter_.drawRect(inner);
    }
}

void QtCanvas::polygon(const TPoints& points) {
    if (points.empty()) {
        return;
    }
    usePenAndBrush();
    QPolygon polygon;
    for (TPoint p : points) {
        polygon << QPoint(p.X, p.Y);
    }
    painter_.drawPolygon(polygon, Qt::OddEvenFill);
}

void QtCanvas::drawLine(TPoint from, TPoint to) {
    if (from == to) {
        return;
    }
    // The flat cap of usePenAndBrush leaves a thin line's end point undrawn.
    usePenAndBrush();
    painter_.drawLine(QPoint(from.X, from.Y), QPoint(to.X, to.Y));
}

int QtCanvas::textWidth(const std::string& text) {
    return QFontMetrics(qtFont(), painter_.device())
        .horizontalAdvance(QString::fromStdString(text));
}

int QtCanvas::textHeight(const std::string&) {
    return QFontMetrics(qtFont(), painter_.device()).height();
}

void QtCanvas::textRect(const TRect& clip, TPoint start, const std::string& text) {
    if (brush().style == BrushStyle::Solid && !isEmpty(clip)) {
        painter_.fillRect(qtRect(clip), qtColor(brush().color));
    }
    const QFont font = qtFont();
    painter_.save();
    painter_.setClipRect(qtRect(clip));
    painter_.setFont(font);
    painter_.setPen(qtColor(this->font().color));
    painter_.translate(start.X, start.Y);
    // Escapement turns counter-clockwise on a y-up device, so clockwise here.
    painter_.rotate(-this->font().escapement / 10.0);
    painter_.drawText(QPointF(0, QFontMetricsF(font, painter_.device()).ascent()),
                      QString::fromStdString(text));
    painter_.restore();
}

void QtCanvas::stretchDraw(const TRect& rect, const Picture& picture) {
    const auto& qtPicture = dynamic_cast<const QtPicture&>(picture);
    if (isEmpty(rect)) {
        return;
    }
    painter_.save();
    // Keyed pictures must keep exact pixels so that no white halo blends into the key.
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           qtPicture.transparency() == Transparency::Opaque);
    painter_.drawImage(qtRect(rect), qtPicture.image());
    painter_.restore();
}

std::unique_ptr<RasterImage> QtCanvas::createRasterImage(int width, int height) {
    return std::make_unique<QtRasterImage>(width, height);
}

void QtCanvas::copyRect(const TRect& rect, const RasterImage& image) {
    const auto* raster = dynamic_cast<const QtRasterImage*>(&image);
    if (!raster) {
        throw std::invalid_argument("QtCanvas::copyRect: not an image of a QtCanvas");
    }
    if (isEmpty(rect)) {
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(qtRect(rect), raster->image());
    painter_.restore();
}

}  // namespace velmora
