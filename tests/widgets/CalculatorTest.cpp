#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "support/ScriptedHost.h"
#include "widgets/CalculatorDialog.h"
#include "widgets/TAlignEdit.h"

namespace velmora {
namespace {

// An edit holding `text` with the cursor at its end, and the calculator it opened, if any.
class CalculatorTest : public ::testing::Test {
protected:
    void type(const QString& text) { QTest::keyClicks(&edit, text); }
    CalculatorDialog* calculator() { return edit.findChild<CalculatorDialog*>(); }
    QLineEdit* calculation() {
        return calculator()->findChild<QLineEdit*>(QStringLiteral("edtAusdruck"));
    }
    void dropClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::ScriptedHost host;
    TAlignEdit edit;
};

TEST_F(CalculatorTest, OpensWithTheValueAndOperatorAndWritesTheResultBack) {
    type(QStringLiteral("3,5"));
    type(QStringLiteral("*"));
    ASSERT_NE(calculator(), nullptr);
    EXPECT_TRUE(calculator()->isVisible());
    EXPECT_EQ(calculator()->windowTitle(), QStringLiteral("Taschenrechner"));
    EXPECT_EQ(calculation()->text(), QStringLiteral("3,5*"));
    QTest::keyClicks(calculation(), QStringLiteral("(1+1)"));
    EXPECT_EQ(calculator()->findChild<QLabel*>(QStringLiteral("lblErgebnis"))->text(),
              QStringLiteral("= 7,00"));
    QTest::keyClick(calculation(), Qt::Key_Return);
    EXPECT_EQ(edit.text(), QStringLiteral("7,00"));
    EXPECT_TRUE(edit.isModified());
    dropClosedWindows();
    EXPECT_EQ(calculator(), nullptr);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(CalculatorTest, ResultTakesTheEditsDecimals) {
    edit.setDecimals(0);
    type(QStringLiteral("10/"));
    QTest::keyClicks(calculation(), QStringLiteral("4"));
    QTest::keyClick(calculation(), Qt::Key_Enter);
    EXPECT_EQ(edit.text(), QStringLiteral("2"));  // 2.5 rounds to even, as printf does
}

TEST_F(CalculatorTest, EscapeChangesNothing) {
    type(QStringLiteral("12"));
    type(QStringLiteral("+"));
    QTest::keyClicks(calculation(), QStringLiteral("30"));
    QTest::keyClick(calculation(), Qt::Key_Escape);
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    dropClosedWindows();
    EXPECT_EQ(calculator(), nullptr);
}

TEST_F(CalculatorTest, AMalformedCalculationIsExplainedAndKeepsTheWindowOpen) {
    type(QStringLiteral("8/"));
    QTest::keyClicks(calculation(), QStringLiteral("(2-2)"));
    QTest::keyClick(calculation(), Qt::Key_Return);
    calculation()->setText(QStringLiteral("8/2+"));
    QTest::keyClick(calculation(), Qt::Key_Return);
    EXPECT_EQ(host.errors, (std::vector<std::string>{
                               "Division durch null ist nicht möglich.",
                               "Der Ausdruck ist unvollständig: am Ende fehlt eine Zahl."}));
    ASSERT_NE(calculator(), nullptr);
    EXPECT_TRUE(calculator()->isVisible());
    EXPECT_EQ(edit.text(), QStringLiteral("8"));
    calculation()->setText(QStringLiteral("8/(2+2)"));
    QTest::keyClick(calculation(), Qt::Key_Return);
    EXPECT_EQ(edit.text(), QStringLiteral("2,00"));
}

struct MinusCase {
    const char* text;
    int cursor;       // -1: whole text selected
    bool calculator;  // else a sign is typed
    const char* shown;
};

TEST_F(CalculatorTest, AMinusThatStartsANumberIsStillAMinus) {
    const MinusCase cases[] = {
        {"", 0, false, "-"},   {"5", 0, false, "-5"}, {"5", 1, true, "5"},
        {"-5", 0, true, "-5"}, {"5", -1, true, "5"},  {"2,5", 2, true, "2,5"},
    };
    for (const auto& c : cases) {
        TAlignEdit minusEdit;
        minusEdit.setText(QString::fromUtf8(c.text));
        if (c.cursor < 0) {
            minusEdit.selectAll();
        } else {
            minusEdit.setCursorPosition(c.cursor);
        }
        QTest::keyClick(&minusEdit, Qt::Key_Minus);
        auto* opened = minusEdit.findChild<CalculatorDialog*>();
        EXPECT_EQ(opened != nullptr, c.calculator) << c.text << " @" << c.cursor;
        EXPECT_EQ(minusEdit.text().toStdString(), c.shown) << c.text << " @" << c.cursor;
        if (opened != nullptr) {
            EXPECT_EQ(opened->findChild<QLineEdit*>(QStringLiteral("edtAusdruck"))->text(),
                      QString::fromUtf8(c.text) + QLatin1Char('-'));
        }
    }
}

TEST_F(CalculatorTest, OperatorsInAnEmptyEditOpenNothing) {
    for (const auto key : {Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Slash}) {
        QTest::keyClick(&edit, key);
    }
    EXPECT_EQ(calculator(), nullptr);
    EXPECT_EQ(edit.text(), QString());
}

TEST_F(CalculatorTest, ALoneSignStartsTheCalculationAtZero) {
    type(QStringLiteral("-"));
    type(QStringLiteral("+"));
    ASSERT_NE(calculator(), nullptr);
    EXPECT_EQ(calculation()->text(), QStringLiteral("0,00+"));
}

}  // namespace
}  // namespace velmora
