#include "window/HelpWindow.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <cstdlib>

namespace velmora {
namespace {

QString programDirectory() {
    const char* bin = std::getenv("VELMORA_BIN");
    return QString::fromLocal8Bit(bin ? bin : ".") + QLatin1Char('/');
}

TEST(HelpWindow, ShowsTheGuideBesideTheProgramAndClosesWithEscape) {
    HelpWindow window(programDirectory());
    window.showGuide(QStringLiteral("tasten"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString text = window.browser()->toPlainText();
    for (const char* section :
         {"Raum eingeben", "Lösungen suchen", "Varianten und Drehen", "Tank frei positionieren",
          "Material und eigene Preise", "Drucken", "Pläne speichern und öffnen", "Tastenbefehle"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(section))) << section;
    }
    EXPECT_TRUE(window.browser()->openExternalLinks());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindow, MissingGuideIsSaidInTheWindow) {
    QTemporaryDir empty;
    const HelpWindow window(empty.path() + QLatin1Char('/'));
    EXPECT_TRUE(window.browser()->toPlainText().startsWith(
        QStringLiteral("Die Anleitung wurde nicht gefunden:")));
    EXPECT_TRUE(window.browser()->toPlainText().contains(
        HelpWindow::guidePath(empty.path() + QLatin1Char('/'))));
}

}  // namespace
}  // namespace velmora
