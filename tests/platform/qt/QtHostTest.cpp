#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/QtHost.h"

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

}  // namespace
}  // namespace velmora
