#include "platform/qt/QtPagePrinting.h"

#include <QBuffer>
#include <QByteArray>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <numeric>

#include "platform/qt/QtOffscreen.h"
#include "platform/qt/QtRecordedDocument.h"

namespace velmora {

bool printRecordedPages(QPagedPaintDevice& device, const QtRecordedDocument& document,
                        const std::vector<int>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    bool first = true;
    for (int number : pages) {
        if (!first) {
            device.newPage();
        }
        first = false;
        // The page's 2100 x 2970 units fill the A4 paper: one unit is 0.1 mm. Every page gets
        // a fresh mapping; nothing else of the painter's state is shared by the pages.
        painter.resetTransform();
        painter.setViewport(0, 0, device.width(), device.height());
        painter.setWindow(0, 0, QtRecordedPage::pageWidth, QtRecordedPage::pageHeight);
        document.page(number).replay(
            painter, QRectF(0, 0, QtRecordedPage::pageWidth, QtRecordedPage::pageHeight));
    }
    return painter.end();
}

bool writePdfAtomically(const QtRecordedDocument& document, const std::string& file,
                        std::string& error) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle(QString::fromStdString(document.jobTitle()));
        writer.setCreator(QStringLiteral("Velmora"));
        std::vector<int> pages(static_cast<std::size_t>(document.pageCount()));
        std::iota(pages.begin(), pages.end(), 1);
        if (!printRecordedPages(writer, document, pages)) {
            error = "Das PDF konnte nicht erzeugt werden.";
            return false;
        }
    }
    return writeBytesAtomically(file, bytes, error);
}

}  // namespace velmora
