#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "canvas/PrintTarget.h"
#include "platform/qt/QtRecordedDocument.h"
#include "printing/ui/PrintRange.h"

class QComboBox;
class QFrame;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTabBar;
class QToolButton;

namespace velmora {

class PageView;

// The print preview: the pages of one printout as they are recorded, shown zoomed with a
// thumbnail strip and page tabs, and printed in full or in part through the printer dialog.
// A printout draws into it as its print target. Every control carries its object name.
class Tfrm_prnpreview : public QWidget, public PrintTarget {
public:
    enum class ZoomState { Custom, FitWidth, FitHeight, WholePage };

    explicit Tfrm_prnpreview(QWidget* parent = nullptr);
    ~Tfrm_prnpreview() override;

    // Print target: beginDoc sets the job title, opens the direct-print panel, starts the
    // recording and shows the window without waiting.
    void beginDoc(const std::string& jobTitle) override;
    void newPage() override;
    void endDoc() override;
    Canvas& canvas() override;

    // The printer setup step before printing; false cancels. By default the print dialog.
    using PrinterSetup = std::function<bool(QPrinter&)>;
    void setPrinterSetup(PrinterSetup setup) { printerSetup_ = std::move(setup); }

    // Where "PDF erstellen" writes: asks for the file (empty cancels). Without it the button
    // stays disabled.
    using PdfFile = std::function<QString(QWidget* parent)>;
    void setPdfFile(PdfFile ask);

    const QtRecordedDocument& document() const { return document_; }
    const std::string& PrintJobTitle() const { return printJobTitle_; }
    bool isPrinting() const { return is_printing_; }

    int zoom() const { return zoom_; }
    ZoomState zoomState() const { return zoomState_; }
    void setZoom(int percent);
    void setZoomState(ZoomState state);
    int currentPage() const;
    void setCurrentPage(int page);

    // Shows the setup step, then prints the pages the direct-print panel selects.
    void PrintButtonClick();
    // Asks for the file and writes every page into it as a PDF.
    void SavePdfClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keeps a fitting zoom fitted when the page area changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildToolbar();
    QFrame* buildDirectPrintPanel();
    void PrintPreviewBeginDoc();
    void PrintPreviewEndDoc();
    void PrintPreviewChange();
    void PrintPreviewZoomChange();
    void applyZoom();
    void updateThumbnails();
    // The print and PDF buttons, usable once the recording is done.
    void updatePrintButton();
    PrintRange selectedRange() const;

    QtRecordedDocument document_;
    std::string printJobTitle_ = "Druckvorschau";
    bool is_printing_ = false;
    int zoom_ = 100;
    ZoomState zoomState_ = ZoomState::WholePage;
    PrinterSetup printerSetup_;
    PdfFile pdfFile_;

    QComboBox* zoomComboBox_ = nullptr;
    QToolButton* spbDirectPrint_ = nullptr;
    QListWidget* thumbnails_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    PageView* pageView_ = nullptr;
    QTabBar* pageNavigator_ = nullptr;
    QFrame* pnlDPrint_ = nullptr;
    QRadioButton* rdbAll_ = nullptr;
    QRadioButton* rdbAuszug_ = nullptr;
    QRadioButton* rdbCurrentOnly_ = nullptr;
    QRadioButton* rdbUngerade_ = nullptr;
    QRadioButton* rdbGerade_ = nullptr;
    QSpinBox* speStartPage_ = nullptr;
    QSpinBox* speEndPage_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* spbSaverPDF_ = nullptr;
};

}  // namespace velmora
