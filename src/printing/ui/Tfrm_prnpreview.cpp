#include "printing/ui/Tfrm_prnpreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "base/Host.h"
#include "platform/qt/QtPagePrinting.h"
#include "printing/ui/PageView.h"

namespace velmora {

namespace {

constexpr int thumbnailZoom = 5;
constexpr int firstTabs = 5;

// Screen pixels per page unit at a zoom of `percent`: 100 % shows the paper at its size.
double pixelsPerUnit(const QWidget& widget, double percent) {
    return percent / 100.0 * widget.logicalDpiX() / QtRecordedPage::unitsPerInch;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

bool showPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

Tfrm_prnpreview::Tfrm_prnpreview(QWidget* parent)
    : QWidget(parent, Qt::Window), printerSetup_(showPrintDialog) {
    setFont(QFont(QStringLiteral("Arial"), 8));
    buildControls();
    resize(694, 587);

    document_.onBeginDoc = [this] { PrintPreviewBeginDoc(); };
    document_.onEndDoc = [this] { PrintPreviewEndDoc(); };
    document_.onChange = [this] { PrintPreviewChange(); };

    setZoomState(ZoomState::WholePage);
    setWindowTitle(QString::fromStdString(printJobTitle_));
    updatePrintButton();
}

Tfrm_prnpreview::~Tfrm_prnpreview() = default;

void Tfrm_prnpreview::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    thumbnails_ = new QListWidget(splitter);
    thumbnails_->setObjectName(QStringLiteral("ThumbnailPreview"));
    thumbnails_->setViewMode(QListView::IconMode);
    thumbnails_->setFlow(QListView::TopToBottom);
    thumbnails_->setMovement(QListView::Static);
    thumbnails_->setMinimumWidth(110);
    thumbnails_->setSpacing(6);

    auto* centre = new QWidget(splitter);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    scrollArea_ = new QScrollArea(centre);
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setBackgroundRole(QPalette::Dark);
    pageView_ = new PageView(document_, scrollArea_);
    pageView_->setObjectName(QStringLiteral("PrintPreview"));
    scrollArea_->setWidget(pageView_);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->viewport()->installEventFilter(this);
    centreLayout->addWidget(scrollArea_, 1);
    pageNavigator_ = new QTabBar(centre);
    pageNavigator_->setObjectName(QStringLiteral("PageNavigator"));
    pageNavigator_->setShape(QTabBar::RoundedSouth);
    pageNavigator_->setFixedHeight(26);
    pageNavigator_->setExpanding(false);
    pageNavigator_->setUsesScrollButtons(true);
    for (int tab = 1; tab <= firstTabs; ++tab) {
        pageNavigator_->addTab(QString::number(tab));
    }
    centreLayout->addWidget(pageNavigator_);
    splitter->addWidget(thumbnails_);
    splitter->addWidget(centre);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({129, 380});
    splitter->setChildrenCollapsible(false);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(splitter, 1);
    body->addWidget(buildDirectPrintPanel());
    layout->addLayout(body, 1);

    connect(pageNavigator_, &QTabBar::currentChanged, this, [this](int index) {
        // Selecting the tab of the shown page must not move the page.
        if (index >= 0 && index + 1 != currentPage()) {
            setCurrentPage(index + 1);
        }
    });
    connect(thumbnails_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row + 1 != currentPage()) {
            setCurrentPage(row + 1);
        }
    });
}

QWidget* Tfrm_prnpreview::buildToolbar() {
    auto* toolbar = new QFrame(this);
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setFixedHeight(29);
    toolbar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(toolbar);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);

    auto* original = toolButton(toolbar, "SpeedButton1", QStringLiteral("100 %"),
                                QStringLiteral("Originalgröße (100%)"));
    auto* wholePage = toolButton(toolbar, "SpeedButton2", QStringLiteral("Seite"),
                                 QStringLiteral("Ganze Seite anzeigen"));
    auto* pageWidth = toolButton(toolbar, "SpeedButton3", QStringLiteral("Breite"),
                                 QStringLiteral("An Seitenbreite anpassen"));
    auto* zoomIn = toolButton(toolbar, "SpeedButton4", QStringLiteral("+"), QString());
    auto* zoomOut = toolButton(toolbar, "SpeedButton5", QStringLiteral("−"), QString());
    spbDirectPrint_ =
        toolButton(toolbar, "spbDirectPrint", QStringLiteral("Direkt Drucken"), QString());
    spbDirectPrint_->setCheckable(true);
    for (QToolButton* button : {original, wholePage, pageWidth, zoomIn, zoomOut, spbDirectPrint_}) {
        row->addWidget(button);
    }

    auto* zoomLabel = new QLabel(QStringLiteral("Zoom:"), toolbar);
    zoomLabel->setObjectName(QStringLiteral("Label1"));
    zoomComboBox_ = new QComboBox(toolbar);
    zoomComboBox_->setObjectName(QStringLiteral("ZoomComboBox"));
    zoomComboBox_->addItems({QStringLiteral("%50"), QStringLiteral("%100"), QStringLiteral("%150"),
                             QStringLiteral("%200"), QStringLiteral("Page Width"),
                             QStringLiteral("Page Height"), QStringLiteral("Whole Page")});
    auto* directPrintLabel = new QLabel(QStringLiteral("Direct Print"), toolbar);
    directPrintLabel->setObjectName(QStringLiteral("DirectPrint"));
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{zoomLabel, zoomComboBox_, directPrintLabel}) {
        row->addWidget(hidden);
        hidden->setVisible(false);
    }
    row->addStretch(1);

    connect(original, &QToolButton::clicked, this, [this] { setZoom(100); });
    connect(wholePage, &QToolButton::clicked, this, [this] { setZoomState(ZoomState::WholePage); });
    connect(pageWidth, &QToolButton::clicked, this, [this] { setZoomState(ZoomState::FitWidth); });
    connect(zoomIn, &QToolButton::clicked, this,
            [this] { setZoom(static_cast<int>(std::lround(zoom_ * 1.5))); });
    connect(zoomOut, &QToolButton::clicked, this,
            [this] { setZoom(static_cast<int>(std::lround(zoom_ * 2.0 / 3.0))); });
    connect(spbDirectPrint_, &QToolButton::toggled, this,
            [this](bool pressed) { pnlDPrint_->setVisible(pressed); });
    connect(zoomComboBox_, &QComboBox::activated, this, [this](int index) {
        switch (index) {
            case 0:
                setZoom(50);
                break;
            case 1:
                setZoom(100);
                break;
            case 2:
                setZoom(150);
                break;
            case 3:
                setZoom(200);
                break;
            case 4:
                setZoomState(ZoomState::FitWidth);
                break;
            case 5:
                setZoomState(ZoomState::FitHeight);
                break;
            default:
                setZoomState(ZoomState::WholePage);
                break;
        }
    });
    return toolbar;
}

QFrame* Tfrm_prnpreview::buildDirectPrintPanel() {
    pnlDPrint_ = new QFrame(this);
    pnlDPrint_->setObjectName(QStringLiteral("pnlDPrint"));
    pnlDPrint_->setFixedWidth(185);
    pnlDPrint_->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(pnlDPrint_);
    // Narrow margins leave the longest choice its whole text in the fixed width.
    column->setContentsMargins(4, 6, 4, 6);

    auto* titleBar = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("Direkt Drucken"), pnlDPrint_);
    title->setObjectName(QStringLiteral("Label2"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* closeButton = toolButton(pnlDPrint_, "SpeedButton6", QStringLiteral("X"), QString());
    titleBar->addWidget(title, 1);
    titleBar->addWidget(closeButton);
    column->addLayout(titleBar);

    const auto radio = [this](const char* name, const QString& text) {
        auto* button = new QRadioButton(text, pnlDPrint_);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    rdbAll_ = radio("rdbAll", QStringLiteral("Alles"));
    rdbAuszug_ = radio("rdbAuszug", QStringLiteral("Seiten von"));
    rdbCurrentOnly_ = radio("rdbCurrentOnly", QStringLiteral("Aktuelle Seite"));
    rdbUngerade_ = radio("rdbUngerade", QStringLiteral("Nur ungerade Seitennummern "));
    rdbGerade_ = radio("rdbGerade", QStringLiteral("Nur gerade Seitennummern "));
    rdbAll_->setChecked(true);

    const auto pageField = [this](const char* name) {
        auto* field = new QSpinBox(pnlDPrint_);
        field->setObjectName(QString::fromLatin1(name));
        field->setRange(1, 50);
        field->setValue(1);
        field->setEnabled(false);
        return field;
    };
    speStartPage_ = pageField("speStartPage");
    speEndPage_ = pageField("speEndPage");
    auto* until = new QLabel(QStringLiteral("bis"), pnlDPrint_);
    until->setObjectName(QStringLiteral("Label3"));
    auto* range = new QHBoxLayout;
    range->addSpacing(18);
    range->addWidget(speStartPage_);
    range->addWidget(until);
    range->addWidget(speEndPage_);

    column->addWidget(rdbAll_);
    column->addWidget(rdbAuszug_);
    column->addLayout(range);
    column->addWidget(rdbCurrentOnly_);
    column->addWidget(rdbUngerade_);
    column->addWidget(rdbGerade_);
    column->addSpacing(8);
    printButton_ = new QPushButton(QStringLiteral("Drucken"), pnlDPrint_);
    printButton_->setObjectName(QStringLiteral("PrintButton"));
    column->addWidget(printButton_);
    column->addStretch(1);
    spbSaverPDF_ = new QPushButton(QStringLiteral("PDF erstellen"), pnlDPrint_);
    spbSaverPDF_->setObjectName(QStringLiteral("spbSaverPDF"));
    column->addWidget(spbSaverPDF_);
    pnlDPrint_->setVisible(false);

    connect(closeButton, &QToolButton::clicked, this,
            [this] { spbDirectPrint_->setChecked(false); });
    connect(rdbAuszug_, &QRadioButton::toggled, this, [this](bool selected) {
        speStartPage_->setEnabled(selected);
        speEndPage_->setEnabled(selected);
    });
    connect(printButton_, &QPushButton::clicked, this, [this] { PrintButtonClick(); });
    connect(spbSaverPDF_, &QPushButton::clicked, this, [this] { SavePdfClick(); });
    return pnlDPrint_;
}

void Tfrm_prnpreview::beginDoc(const std::string& jobTitle) {
    printJobTitle_ = jobTitle;
    setWindowTitle(QString::fromStdString(printJobTitle_));
    spbDirectPrint_->setChecked(true);
    document_.beginDoc(jobTitle);
    show();
}

void Tfrm_prnpreview::newPage() {
    document_.newPage();
}

void Tfrm_prnpreview::endDoc() {
    document_.endDoc();
}

Canvas& Tfrm_prnpreview::canvas() {
    return document_.canvas();
}

void Tfrm_prnpreview::PrintPreviewBeginDoc() {
    setWindowTitle(QString::fromStdString(printJobTitle_ + " - Seiten werden erstellt..."));
    printButton_->setEnabled(false);
    is_printing_ = true;
    setCurrentPage(1);
}

void Tfrm_prnpreview::PrintPreviewEndDoc() {
    is_printing_ = false;
    setWindowTitle(QString::fromStdString(printJobTitle_));
    const int pages = document_.pageCount();
    for (QSpinBox* field : {speStartPage_, speEndPage_}) {
        field->setMaximum(pages);
    }
    speStartPage_->setValue(1);
    speEndPage_->setValue(pages);
    PrintPreviewChange();
    pageView_->update();
}

void Tfrm_prnpreview::PrintPreviewChange() {
    const int pages = document_.pageCount();
    while (pageNavigator_->count() < pages) {
        pageNavigator_->addTab(QStringLiteral(" %1 ").arg(pageNavigator_->count() + 1));
    }
    // While recording the strip only grows, so that it does not flicker page by page.
    while (!is_printing_ && pageNavigator_->count() > pages) {
        pageNavigator_->removeTab(pageNavigator_->count() - 1);
    }
    if (currentPage() > pages) {
        setCurrentPage(pages);
    }
    const QSignalBlocker blocker(pageNavigator_);
    pageNavigator_->setCurrentIndex(currentPage() - 1);
    updateThumbnails();
    if (is_printing_) {
        QApplication::processEvents();
    } else {
        updatePrintButton();
    }
}

void Tfrm_prnpreview::updatePrintButton() {
    // The print dialog always offers its PDF printer, so a printer is always installed.
    const bool recorded = !is_printing_ && document_.pageCount() > 0;
    printButton_->setEnabled(recorded);
    spbSaverPDF_->setEnabled(recorded && pdfFile_);
}

void Tfrm_prnpreview::setPdfFile(PdfFile ask) {
    pdfFile_ = std::move(ask);
    updatePrintButton();
}

void Tfrm_prnpreview::updateThumbnails() {
    const double scale = pixelsPerUnit(*this, thumbnailZoom);
    const QSize size(static_cast<int>(std::lround(QtRecordedPage::pageWidth * scale)),
                     static_cast<int>(std::lround(QtRecordedPage::pageHeight * scale)));
    thumbnails_->setIconSize(size);
    while (thumbnails_->count() > document_.pageCount()) {
        delete thumbnails_->takeItem(thumbnails_->count() - 1);
    }
    for (int page = 1; page <= document_.pageCount(); ++page) {
        if (page > thumbnails_->count()) {
            thumbnails_->addItem(new QListWidgetItem(QString::number(page)));
        }
        QListWidgetItem* item = thumbnails_->item(page - 1);
        const QtRecordedPage& recorded = document_.page(page);
        if (item->data(Qt::UserRole).toBool() || !recorded.isFinished()) {
            continue;
        }
        QPixmap thumbnail(size);
        thumbnail.fill(Qt::white);
        {
            QPainter painter(&thumbnail);
            painter.setRenderHint(QPainter::Antialiasing, true);
            recorded.replay(painter, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.setPen(Qt::black);
            painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
        }
        // The selected page keeps its picture untinted; only its number is highlighted.
        QIcon icon;
        icon.addPixmap(thumbnail, QIcon::Normal);
        icon.addPixmap(thumbnail, QIcon::Selected);
        item->setIcon(icon);
        item->setData(Qt::UserRole, true);
    }
    const QSignalBlocker blocker(thumbnails_);
    thumbnails_->setCurrentRow(currentPage() - 1);
}

int Tfrm_prnpreview::currentPage() const {
    return pageView_->page();
}

void Tfrm_prnpreview::setCurrentPage(int page) {
    pageView_->setPage(std::clamp(page, std::min(1, document_.pageCount()), document_.pageCount()));
    const QSignalBlocker tabBlocker(pageNavigator_);
    pageNavigator_->setCurrentIndex(currentPage() - 1);
    const QSignalBlocker thumbnailBlocker(thumbnails_);
    thumbnails_->setCurrentRow(currentPage() - 1);
}

void Tfrm_prnpreview::setZoom(int percent) {
    zoomState_ = ZoomState::Custom;
    zoom_ = std::clamp(percent, 5, 1000);
    applyZoom();
}

void Tfrm_prnpreview::setZoomState(ZoomState state) {
    zoomState_ = state;
    applyZoom();
}

void Tfrm_prnpreview::applyZoom() {
    if (zoomState_ != ZoomState::Custom) {
        const QSize room =
            // The size without scroll bars, which a fitted page does not need.
            scrollArea_->maximumViewportSize() -
            QSize(2 * PageView::margin + PageView::shadow, 2 * PageView::margin + PageView::shadow);
        const double atFull = pixelsPerUnit(*this, 100);
        const double byWidth = room.width() / (QtRecordedPage::pageWidth * atFull);
        const double byHeight = room.height() / (QtRecordedPage::pageHeight * atFull);
        const double fit = zoomState_ == ZoomState::FitWidth    ? byWidth
                           : zoomState_ == ZoomState::FitHeight ? byHeight
                                                                : std::min(byWidth, byHeight);
        zoom_ = std::max(static_cast<int>(std::floor(fit * 100)), 5);
    }
    pageView_->setScale(pixelsPerUnit(*this, zoom_));
    PrintPreviewZoomChange();
}

void Tfrm_prnpreview::PrintPreviewZoomChange() {
    int entry = -1;
    switch (zoomState_) {
        case ZoomState::FitWidth:
            entry = 4;
            break;
        case ZoomState::FitHeight:
            entry = 5;
            break;
        case ZoomState::WholePage:
            entry = 6;
            break;
        case ZoomState::Custom:
            entry = zoom_ == 50 ? 0 : zoom_ == 100 ? 1 : zoom_ == 150 ? 2 : zoom_ == 200 ? 3 : -1;
            break;
    }
    zoomComboBox_->setCurrentIndex(entry);
}

PrintRange Tfrm_prnpreview::selectedRange() const {
    if (rdbAuszug_->isChecked())
        return PrintRange::FromTo;
    if (rdbCurrentOnly_->isChecked())
        return PrintRange::CurrentOnly;
    if (rdbUngerade_->isChecked())
        return PrintRange::Odd;
    if (rdbGerade_->isChecked())
        return PrintRange::Even;
    return PrintRange::All;
}

void Tfrm_prnpreview::PrintButtonClick() {
    if (is_printing_) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setDocName(QString::fromStdString(printJobTitle_));
    if (!printerSetup_ || !printerSetup_(printer)) {
        return;
    }
    printButton_->setEnabled(false);
    printRecordedPages(printer, document_,
                       pagesToPrint(selectedRange(), document_.pageCount(), currentPage(),
                                    speStartPage_->value(), speEndPage_->value()));
    updatePrintButton();
}

void Tfrm_prnpreview::SavePdfClick() {
    if (!spbSaverPDF_->isEnabled()) {
        return;
    }
    const QString file = pdfFile_(this);
    std::string error;
    if (!file.isEmpty() && !writePdfAtomically(document_, file.toStdString(), error)) {
        host().showError(error);
    }
}

void Tfrm_prnpreview::closeEvent(QCloseEvent* event) {
    if (is_printing_) {
        event->ignore();
        return;
    }
    event->accept();
}

bool Tfrm_prnpreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollArea_->viewport() && event->type() == QEvent::Resize &&
        zoomState_ != ZoomState::Custom) {
        applyZoom();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
