#include "printing/ui/Tfrm_prnpreview.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/TDaten.h"
#include "canvas/Canvas.h"
#include "printing/TAusdruck.h"
#include "printing/ui/PrintRange.h"

namespace velmora {
namespace {

template <typename T>
T* control(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Records a printout of `pages` pages, each with its number as text.
void record(Tfrm_prnpreview& preview, int pages, bool finish = true) {
    preview.beginDoc("Druck Velmora");
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) {
            preview.newPage();
        }
        Canvas& canvas = preview.canvas();
        canvas.setBrush(Brush{colors::white, BrushStyle::Clear});
        canvas.textRect(TRect{200, 200, 1000, 300}, TPoint{200, 200},
                        "Seitentext " + std::to_string(page));
    }
    if (finish) {
        preview.endDoc();
    }
}

std::vector<std::string> tabs(const Tfrm_prnpreview& preview) {
    const auto* bar = control<QTabBar>(preview, "PageNavigator");
    std::vector<std::string> texts;
    for (int i = 0; i < bar->count(); ++i) {
        texts.push_back(bar->tabText(i).toStdString());
    }
    return texts;
}

TEST(PrintRangeTest, SelectsThePagesOfEachChoice) {
    struct Fall {
        PrintRange range;
        int pages, current, first, last;
        std::vector<int> expected;
    };
    const std::vector<Fall> faelle{
        {PrintRange::All, 3, 1, 1, 1, {1, 2, 3}},   {PrintRange::FromTo, 5, 1, 2, 4, {2, 3, 4}},
        {PrintRange::FromTo, 5, 1, 3, 2, {}},       {PrintRange::FromTo, 2, 1, 1, 9, {1, 2}},
        {PrintRange::CurrentOnly, 5, 4, 1, 1, {4}}, {PrintRange::Odd, 5, 1, 1, 1, {1, 3, 5}},
        {PrintRange::Even, 5, 1, 1, 1, {2, 4}},     {PrintRange::Even, 1, 1, 1, 1, {}},
        {PrintRange::All, 0, 0, 1, 1, {}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(pagesToPrint(f.range, f.pages, f.current, f.first, f.last), f.expected)
            << static_cast<int>(f.range) << " " << f.pages << " " << f.first << "-" << f.last;
    }
}

TEST(PreviewTest, PageTabsFollowThePageCount) {
    for (const auto& [pages, expected] : std::vector<std::pair<int, std::vector<std::string>>>{
             {2, {"1", "2"}}, {7, {"1", "2", "3", "4", "5", " 6 ", " 7 "}}}) {
        Tfrm_prnpreview preview;
        record(preview, pages);
        EXPECT_EQ(tabs(preview), expected);
        QTest::mouseClick(control<QTabBar>(preview, "PageNavigator"), Qt::LeftButton, {},
                          control<QTabBar>(preview, "PageNavigator")->tabRect(1).center());
        EXPECT_EQ(preview.currentPage(), 2);
    }
}

TEST(PreviewTest, RecordingShowsInTheCaptionAndBlocksPrintingAndClosing) {
    Tfrm_prnpreview preview;
    auto* print = control<QPushButton>(preview, "PrintButton");
    auto* pdf = control<QPushButton>(preview, "spbSaverPDF");
    EXPECT_FALSE(pdf->isEnabled());

    record(preview, 2, false);
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.windowTitle().toStdString(), "Druck Velmora - Seiten werden erstellt...");
    EXPECT_TRUE(preview.isPrinting());
    EXPECT_FALSE(print->isEnabled());
    EXPECT_FALSE(preview.close());
    EXPECT_TRUE(preview.isVisible());
    // The direct-print panel is opened for the printout.
    EXPECT_TRUE(control<QWidget>(preview, "pnlDPrint")->isVisible());
    EXPECT_TRUE(control<QToolButton>(preview, "spbDirectPrint")->isChecked());

    preview.endDoc();
    EXPECT_FALSE(preview.isPrinting());
    EXPECT_EQ(preview.windowTitle().toStdString(), "Druck Velmora");
    EXPECT_TRUE(print->isEnabled());
    EXPECT_FALSE(pdf->isEnabled());
    EXPECT_EQ(control<QSpinBox>(preview, "speEndPage")->value(), 2);
    EXPECT_EQ(control<QSpinBox>(preview, "speEndPage")->maximum(), 2);

    QTest::mouseClick(control<QToolButton>(preview, "SpeedButton6"), Qt::LeftButton);
    EXPECT_FALSE(control<QWidget>(preview, "pnlDPrint")->isVisible());
    EXPECT_FALSE(control<QToolButton>(preview, "spbDirectPrint")->isChecked());
    EXPECT_TRUE(preview.close());
}

TEST(PreviewTest, ZoomButtonsScaleAndKeepTheHiddenComboInStep) {
    Tfrm_prnpreview preview;
    record(preview, 1);
    auto* combo = control<QComboBox>(preview, "ZoomComboBox");
    EXPECT_FALSE(combo->isVisible());
    EXPECT_EQ(combo->currentText().toStdString(), "Whole Page");

    const auto click = [&](const char* name) {
        QTest::mouseClick(control<QToolButton>(preview, name), Qt::LeftButton);
    };
    click("SpeedButton1");
    EXPECT_EQ(preview.zoom(), 100);
    EXPECT_EQ(combo->currentText().toStdString(), "%100");
    click("SpeedButton4");
    EXPECT_EQ(preview.zoom(), 150);
    EXPECT_EQ(combo->currentText().toStdString(), "%150");
    click("SpeedButton4");
    EXPECT_EQ(preview.zoom(), 225);
    EXPECT_EQ(combo->currentIndex(), -1);
    click("SpeedButton1");
    click("SpeedButton5");
    EXPECT_EQ(preview.zoom(), 67);
    click("SpeedButton3");
    EXPECT_EQ(preview.zoomState(), Tfrm_prnpreview::ZoomState::FitWidth);
    EXPECT_EQ(combo->currentText().toStdString(), "Page Width");
}

// Prints through the setup step into a PDF file; returns the file's bytes ("" when none).
QByteArray printToPdf(Tfrm_prnpreview& preview, bool accept = true) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("druck.pdf"));
    preview.setPrinterSetup([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return accept;
    });
    QTest::mouseClick(control<QPushButton>(preview, "PrintButton"), Qt::LeftButton);
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
}

// Page objects of a PDF written by Qt, and whether any text (a font) is on them.
int pdfPages(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n"));
}

TEST(PreviewTest, PrintsTheChosenPagesOnly) {
    struct Fall {
        int pages;
        const char* radio;
        int first, last;
        int printed;  // 0: the document is started and ended without drawing
    };
    for (const Fall& f : std::vector<Fall>{{3, "rdbAll", 1, 1, 3},
                                           {3, "rdbAuszug", 3, 2, 0},
                                           {4, "rdbAuszug", 2, 3, 2},
                                           {3, "rdbUngerade", 1, 1, 2},
                                           {1, "rdbGerade", 1, 1, 0},
                                           {3, "rdbCurrentOnly", 1, 1, 1}}) {
        SCOPED_TRACE(std::string(f.radio) + " of " + std::to_string(f.pages));
        Tfrm_prnpreview preview;
        record(preview, f.pages);
        // On the round indicator: the middle of a wide button may lie beyond its short text.
        auto* radio = control<QRadioButton>(preview, f.radio);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
        ASSERT_TRUE(radio->isChecked());
        control<QSpinBox>(preview, "speStartPage")->setValue(f.first);
        control<QSpinBox>(preview, "speEndPage")->setValue(f.last);
        const QByteArray pdf = printToPdf(preview);
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(pdf.contains("/FontFile"), f.printed > 0);
        EXPECT_EQ(pdfPages(pdf), std::max(f.printed, 1));
        EXPECT_TRUE(control<QPushButton>(preview, "PrintButton")->isEnabled());
    }
}

TEST(PreviewTest, CancelledSetupPrintsNothing) {
    Tfrm_prnpreview preview;
    record(preview, 1);
    EXPECT_TRUE(printToPdf(preview, false).isEmpty());
}

TEST(PreviewTest, PlanningSheetOfTheCoreComesOutInTheNewestPreview) {
    TDaten daten(std::getenv("VELMORA_BIN") ? std::getenv("VELMORA_BIN") : ".", false);
    daten.sucheLoesung({.TankPosition = "OL",
                        .RaumBreite = {"3,5"},
                        .RaumLaenge = {"4"},
                        .RaumHoehe = {"2,2"},
                        .SollVolumen = {"5000", 0},
                        .EinbringHoehe = {"1,9"},
                        .EinbringBreite = {"0,8"},
                        .ARefreshGraphic = false});
    ASSERT_TRUE(daten.istInLoesungsListe("951100"));
    daten.setProdukt("951100", false);
    daten.getAusdruck().setDruckvorschau([] { return std::make_unique<Tfrm_prnpreview>(); });

    daten.druckeLoesung();
    auto* preview = dynamic_cast<Tfrm_prnpreview*>(daten.getAusdruck().getDruckvorschau());
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle().toStdString(), "Druck Velmora");
    EXPECT_EQ(tabs(*preview), (std::vector<std::string>{"1", "2", "3"}));
    const QByteArray pdf = printToPdf(*preview);
    EXPECT_EQ(pdfPages(pdf), 3);

    // The next printout replaces the window.
    const QPointer<QWidget> first(preview);
    daten.druckeDatanorm();
    EXPECT_TRUE(first.isNull());
    preview = dynamic_cast<Tfrm_prnpreview*>(daten.getAusdruck().getDruckvorschau());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle().toStdString(), "Datanorm-Druck Velmora");
    EXPECT_GT(preview->document().pageCount(), 1);
}

}  // namespace
}  // namespace velmora
