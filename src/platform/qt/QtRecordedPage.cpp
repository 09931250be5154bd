#include "platform/qt/QtRecordedPage.h"

namespace velmora {

QtRecordedPage::QtRecordedPage()
    : painter_(&picture_), canvas_(painter_, pageWidth, pageHeight, unitsPerInch) {}

QtRecordedPage::~QtRecordedPage() {
    finish();
}

void QtRecordedPage::finish() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void QtRecordedPage::replay(QPainter& painter, const QRectF& target) const {
    painter.save();
    painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / pageWidth, target.height() / pageHeight);
    // QPicture::play scales by the device's resolution over the recording's; undo that.
    const QPaintDevice* device = painter.device();
    painter.scale(static_cast<double>(picture_.logicalDpiX()) / device->logicalDpiX(),
                  static_cast<double>(picture_.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture_);
    painter.restore();
}

}  // namespace velmora
