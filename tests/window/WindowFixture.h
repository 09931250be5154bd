#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <string>

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

    ScriptedHost host;
    std::unique_ptr<TfrmGrund> window;
};

}  // namespace velmora::testing
