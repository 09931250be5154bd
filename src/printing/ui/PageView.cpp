#include "printing/ui/PageView.h"

#include <QPainter>

#include <cmath>

#include "platform/qt/QtRecordedDocument.h"

namespace velmora {

PageView::PageView(const QtRecordedDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(background);
}

void PageView::setPage(int page) {
    page_ = page;
    update();
}

void PageView::setScale(double pixelsPerUnit) {
    scale_ = pixelsPerUnit;
    resize(sizeHint());
    updateGeometry();
    update();
}

QSize PageView::paperSize() const {
    return QSize(static_cast<int>(std::lround(QtRecordedPage::pageWidth * scale_)),
                 static_cast<int>(std::lround(QtRecordedPage::pageHeight * scale_)));
}

QSize PageView::sizeHint() const {
    return paperSize() + QSize(2 * margin + shadow, 2 * margin + shadow);
}

void PageView::paintEvent(QPaintEvent*) {
    if (page_ < 1 || page_ > document_.pageCount()) {
        return;
    }
    QPainter painter(this);
    const QSize paper = paperSize();
    // Centred when the view is wider or taller than the paper.
    const int left = std::max(margin, (width() - paper.width() - shadow) / 2);
    const int top = std::max(margin, (height() - paper.height() - shadow) / 2);
    const QRect sheet(QPoint(left, top), paper);
    painter.fillRect(sheet.translated(shadow, shadow), Qt::black);
    painter.fillRect(sheet, Qt::white);
    const QtRecordedPage& recorded = document_.page(page_);
    if (recorded.isFinished()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        recorded.replay(painter, QRectF(sheet));
    }
    painter.setPen(QColor(0, 0, 128));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
}

}  // namespace velmora
