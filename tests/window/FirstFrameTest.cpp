#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>
#include <string>

#include "support/ScriptedHost.h"
#include "window/TfrmGrund.h"

namespace velmora::testing {
namespace {

std::string programDirectory() {
    const char* bin = std::getenv("VELMORA_BIN");
    return bin != nullptr ? bin : "";
}

// The program's window: what its first frame shows first, the rest after.
struct ErstesBild {
    ScriptedHost host;
    TfrmGrund window{programDirectory(), TfrmGrund::ladeKatalog(programDirectory()),
                     TfrmGrund::Aufbau::NachErstemBild};

    bool vollstaendig() {
        return window.findChild<QTreeWidget*>(QStringLiteral("lviLoesungsanzeige")) != nullptr;
    }
};

TEST(WindowFirstFrame, LooksLikeTheWholeWindowAndIsCompletedAfterIt) {
    ErstesBild erstes;
    ASSERT_FALSE(erstes.vollstaendig());
    TfrmGrund ganz(programDirectory());
    EXPECT_EQ(erstes.window.grab().toImage(), ganz.grab().toImage());

    erstes.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&erstes.window));
    QApplication::processEvents();
    EXPECT_TRUE(erstes.vollstaendig());
    EXPECT_TRUE(erstes.window.windowIcon().availableSizes().contains(QSize(16, 16)));
}

// Whatever reaches the window before its first frame finds it complete.
TEST(WindowFirstFrame, InputBeforeItFindsTheWindowComplete) {
    ErstesBild erstes;
    QTest::mouseClick(erstes.window.findChild<QAbstractButton*>(QStringLiteral("bbnVorgLoesungen")),
                      Qt::LeftButton);
    ASSERT_TRUE(erstes.vollstaendig());
    EXPECT_GT(erstes.window.findChild<QTreeWidget*>(QStringLiteral("lviLoesungsanzeige"))
                  ->topLevelItemCount(),
              0);
}

TEST(WindowFirstFrame, PlanNamedAtStartOrClosingBeforeItFindTheWindowComplete) {
    {
        ErstesBild erstes;
        erstes.window.oeffnePlanDatei(QStringLiteral("/nonexistent/plan.velmora"));
        EXPECT_TRUE(erstes.vollstaendig());
        EXPECT_EQ(erstes.host.errors.size(), 1U);
    }
    {
        ErstesBild erstes;
        erstes.host.yesNoAnswers.push_back(false);
        erstes.window.close();
        EXPECT_TRUE(erstes.vollstaendig());
        EXPECT_EQ(erstes.host.questions.size(), 1U);
    }
}

}  // namespace
}  // namespace velmora::testing
