#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "support/ScriptedHost.h"
#include "window/TfrmGrund.h"

namespace velmora::testing {

// The real main window on the demo catalogue of the build, with every message box answered
// by the scripted host. Widgets are found by the object names users' documentation uses.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("VELMORA_BIN");
        ASSERT_NE(bin, nullptr) << "VELMORA_BIN names the program directory";
        window = std::make_unique<TfrmGrund>(bin);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        // Closing asks its question; the window goes without.
        window.reset();
    }

    template <typename T>
    T* find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string text(const char* name) {
        auto* widget = find<QWidget>(name);
        const QVariant value = widget->property("text");
        return value.toString().toStdString();
    }
    // Replaces the edit's text as a user would type it.
    void type(const char* name, const char* typed) {
        auto* edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(typed));
    }
    // Types into the edit and moves the focus on to the type list, as Tab would.
    void typeAndLeave(const char* name, const char* typed) {
        type(name, typed);
        find<QWidget>("cboVorgTankart")->setFocus(Qt::TabFocusReason);
    }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }
    // The caption as the window system shows it, with the mark of unsaved changes.
    static QString caption(const QWidget& fenster) { return fenster.windowHandle()->title(); }
    // A key pressed and released while a button (not an input field) has the focus.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::KeypadModifier) {
        QWidget* target = find<QWidget>("bbnVorgLoesungen");
        target->setFocus();
        QTest::keyClick(target, key, modifiers);
    }
    QTreeWidget* list() { return find<QTreeWidget>("lviLoesungsanzeige"); }
    // Selects the solution row with this article number, as a click on the row would.
    void select(const char* artNr) {
        const auto rows = list()->findItems(QString::fromLatin1(artNr), Qt::MatchExactly, 1);
        ASSERT_EQ(rows.size(), 1) << artNr;
        list()->setCurrentItem(rows.front());
    }
    std::vector<std::string> column(int index) {
        std::vector<std::string> values;
        for (int row = 0; row < list()->topLevelItemCount(); ++row) {
            values.push_back(list()->topLevelItem(row)->text(index).toStdString());
        }
        return values;
    }
    // Marks the rows of the solution list; a new search builds new, unmarked rows.
    void markRows() {
        for (int row = 0; row < list()->topLevelItemCount(); ++row) {
            list()->topLevelItem(row)->setData(0, Qt::UserRole, true);
        }
    }
    bool searchedSinceMark() {
        return list()->topLevelItemCount() == 0 ||
               !list()->topLevelItem(0)->data(0, Qt::UserRole).toBool();
    }

    ScriptedHost host;
    std::unique_ptr<TfrmGrund> window;
};

}  // namespace velmora::testing
