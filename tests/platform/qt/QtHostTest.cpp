#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "platform/qt/QtHost.h"
#include "platform/qt/QtTranslation.h"

namespace velmora {
namespace {

TEST(QtHostTest, WaitCursorCallsNest) {
    QtHost host;
    host.setWaitCursor(true);
    host.setWaitCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.setWaitCursor(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    host.setWaitCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtHostTest, AQuitRequestedBeforeTheLoopRunsEndsItAtOnce) {
    QtHost host;
    host.requestQuit();
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(QtHostTest, MessageLinesEndWithoutACarriageReturn) {
    QtHost host;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    host.showError("Datei \"a.dta\" nicht gefunden.\r\nDas Programm wird geschlossen.");
    EXPECT_EQ(shown.toStdString(),
              "Datei \"a.dta\" nicht gefunden.\nDas Programm wird geschlossen.");
}

// Without an active window (a bare X server activates none) the question still opens centred
// over the program's window, not wherever the window system puts a parentless one.
TEST(QtHostTest, AQuestionOpensOverTheProgramsWindow) {
    QWidget window;
    window.setGeometry(200, 150, 600, 400);
    window.show();
    QApplication::setActiveWindow(nullptr);
    QtHost host;
    QWidget* parent = nullptr;
    QPoint centre;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            parent = dialog->parentWidget();
            centre = dialog->frameGeometry().center();
            dialog->reject();
        }
    });
    EXPECT_EQ(host.inputText("Projekt", "Projektname:", ""), std::nullopt);
    EXPECT_EQ(parent, &window);
    EXPECT_LE((centre - window.frameGeometry().center()).manhattanLength(), 40);
}

// Qt's own dialogs speak German like the rest of the program.
TEST(QtHostTest, QtsOwnTextsAreGerman) {
    ASSERT_TRUE(installGermanQtTranslation(*QCoreApplication::instance()))
        << "Qt's German translation (qtbase_de.qm) is missing";
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "Abbrechen");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().toStdString(), "Speichern");
}

}  // namespace
}  // namespace velmora
