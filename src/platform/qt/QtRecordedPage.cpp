#include "platform/qt/QtRecordedPage.h"

#include <stdexcept>

#include "platform/qt/QtPictureLoader.h"
#include "platform/qt/QtRasterImage.h"

namespace velmora {

namespace {

QRect qtRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

}  // namespace

// The canvas of a recorded page: pictures and copied raster images go to the page's image
// list.
class QtRecordedPage::PageCanvas : public QtCanvas {
public:
    PageCanvas(QtRecordedPage& page, QPainter& painter)
        : QtCanvas(painter, pageWidth, pageHeight, unitsPerInch), page_(page) {}

    void stretchDraw(const TRect& rect, const Picture& picture) override {
        const auto& qtPicture = dynamic_cast<const QtPicture&>(picture);
        if (rect.Right > rect.Left && rect.Bottom > rect.Top && !page_.isFinished()) {
            // Keyed pictures keep exact pixels so that no white halo blends into the key.
            page_.appendImage(qtRect(rect), qtPicture.image(),
                              qtPicture.transparency() == Transparency::Opaque);
        }
    }

    void copyRect(const TRect& rect, const RasterImage& image) override {
        const auto* raster = dynamic_cast<const QtRasterImage*>(&image);
        if (!raster) {
            throw std::invalid_argument("QtRecordedPage: not an image of a QtCanvas");
        }
        if (rect.Right > rect.Left && rect.Bottom > rect.Top && !page_.isFinished()) {
            page_.appendImage(qtRect(rect), raster->image(), false);
        }
    }

private:
    QtRecordedPage& page_;
};

QtRecordedPage::QtRecordedPage() {
    pictures_.push_back(std::make_unique<QPicture>());
    painter_.begin(pictures_.back().get());
    canvas_ = std::make_unique<PageCanvas>(*this, painter_);
}

QtRecordedPage::~QtRecordedPage() {
    finish();
}

Canvas& QtRecordedPage::canvas() {
    return *canvas_;
}

void QtRecordedPage::finish() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void QtRecordedPage::appendImage(const QRect& target, const QImage& image, bool smooth) {
    painter_.end();
    // A deep copy: the image's own painter may still draw into the shared pixels.
    images_.push_back(ImageCopy{target, image.copy(), smooth});
    pictures_.push_back(std::make_unique<QPicture>());
    painter_.begin(pictures_.back().get());
    QtCanvas::prepare(painter_);
}

void QtRecordedPage::replay(QPainter& painter, const QRectF& target) const {
    painter.save();
    painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / pageWidth, target.height() / pageHeight);
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        const QPicture& picture = *pictures_[i];
        painter.save();
        // QPicture::play scales by the device's resolution over the recording's; undo that.
        const QPaintDevice* device = painter.device();
        painter.scale(static_cast<double>(picture.logicalDpiX()) / device->logicalDpiX(),
                      static_cast<double>(picture.logicalDpiY()) / device->logicalDpiY());
        painter.drawPicture(0, 0, picture);
        painter.restore();
        if (i < images_.size()) {
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, images_[i].smooth);
            painter.drawImage(images_[i].target, images_[i].image);
            painter.restore();
        }
    }
    painter.restore();
}

}  // namespace velmora
