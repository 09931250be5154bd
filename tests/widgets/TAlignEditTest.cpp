#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "base/NumberFormat.h"
#include "widgets/TAlignEdit.h"

namespace velmora {
namespace {

struct TypingCase {
    const char* typed;
    const char* shown;
};

TEST(TAlignEditTest, KeepsDigitsALeadingMinusAndOneSeparator) {
    const TypingCase cases[] = {
        {"12,5", "12,5"},  {"3.75", "3.75"}, {"-7", "-7"},  {"1a2 b3", "123"}, {"1,2,3", "1,23"},
        {"1.2,3", "1.23"}, {",5", ",5"},     {"x-1", "-1"}, {"1e5", "15"},     {"# 9", "9"},
    };
    for (const auto& c : cases) {
        TAlignEdit edit;
        QTest::keyClicks(&edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit.text().toStdString(), c.shown) << "typed " << c.typed;
    }
}

TEST(TAlignEditTest, PastedTextIsFilteredLikeTypedText) {
    TAlignEdit edit;
    QApplication::clipboard()->setText(QStringLiteral("-12,5 m²\n"));
    QTest::keySequence(&edit, QKeySequence::Paste);
    EXPECT_EQ(edit.text(), QStringLiteral("-12,5"));
}

TEST(TAlignEditTest, EditingKeysStillWork) {
    TAlignEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    QTest::keySequence(&edit, QKeySequence::SelectAll);
    QTest::keyClicks(&edit, QStringLiteral("9"));
    EXPECT_EQ(edit.text(), QStringLiteral("9"));
    QTest::keySequence(&edit, QKeySequence::Undo);
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    QTest::keySequence(&edit, QKeySequence::SelectAll);
    QTest::keySequence(&edit, QKeySequence::Cut);
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));
}

TEST(TAlignEditTest, SetFloatUsesTheDecimalsAndTheUserNumberFormat) {
    TAlignEdit edit;
    EXPECT_EQ(edit.decimals(), 2);
    edit.SetFloat(3.14159);
    EXPECT_EQ(edit.text(), QStringLiteral("3,14"));
    edit.SetFloat(-1234.5);
    EXPECT_EQ(edit.text(), QStringLiteral("-1234,50"));
    edit.setDecimals(0);
    edit.SetFloat(2.7);
    EXPECT_EQ(edit.text(), QStringLiteral("3"));
    edit.setDecimals(3);
    const NumberFormat german = numberFormat();
    setNumberFormat(numberFormatForLocale("en_US"));
    edit.SetFloat(0.5);
    setNumberFormat(german);
    EXPECT_EQ(edit.text(), QStringLiteral("0.500"));
}

TEST(TAlignEditTest, EnterMovesTheFocusToTheNextControl) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new TAlignEdit(&window);
        auto* second = new TAlignEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTest::keyClicks(first, QStringLiteral("4"));
        QTest::keyClick(first, key);
        EXPECT_TRUE(second->hasFocus());
        EXPECT_EQ(first->text(), QStringLiteral("4"));
    }
}

}  // namespace
}  // namespace velmora
