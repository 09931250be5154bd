#include <gtest/gtest.h>

#include "calculator/CalculatorExpression.h"

namespace velmora {
namespace {

struct ValueCase {
    const char* expression;
    double value;
};

TEST(CalculatorExpressionTest, Evaluates) {
    const ValueCase cases[] = {
        {"2+3*4", 14},    {"(2+3)*4", 20},  {"10-4-3", 3},   {"12/4/3", 1},  {"2,5*2", 5},
        {"2.5+0,5", 3},   {"-3+5", 2},      {"-(2+3)", -5},  {"4*-2", -8},   {"--3", 3},
        {"+7", 7},        {"-+-2", 2},      {" 1 + 2 ", 3},  {",5+5.", 5.5}, {"((1))", 1},
        {"7\u22122", 5},  {"3\u00D74", 12}, {"9\u00F73", 3}, {"9:3", 3},     {"1/3*3", 1},
        {"0,1+0,2", 0.3},
    };
    for (const auto& c : cases) {
        const CalculatorResult result = evaluateCalculatorExpression(c.expression);
        ASSERT_TRUE(result.ok) << c.expression << ": " << result.message;
        EXPECT_DOUBLE_EQ(result.value, c.value) << c.expression;
    }
}

struct ErrorCase {
    const char* expression;
    const char* message;
};

TEST(CalculatorExpressionTest, ExplainsWhatIsWrong) {
    const ErrorCase cases[] = {
        {"", "Bitte geben Sie eine Rechnung ein."},
        {"   ", "Bitte geben Sie eine Rechnung ein."},
        {"3,5+", "Der Ausdruck ist unvollständig: am Ende fehlt eine Zahl."},
        {"(2+3", "Es fehlt eine schließende Klammer."},
        {"2+3)", "Zu dieser schließenden Klammer fehlt die öffnende (Stelle 4)."},
        {"2*/3", "Hier fehlt eine Zahl (Stelle 3)."},
        {"()", "Hier fehlt eine Zahl (Stelle 2)."},
        {"2(3)", "Hier fehlt ein Rechenzeichen (Stelle 2)."},
        {"1,2,3", "Eine Zahl hat höchstens ein Dezimaltrennzeichen (Stelle 1)."},
        {"2 a", "Das Zeichen \u201Ea\u201C ist nicht erlaubt (Stelle 3)."},
        {"3\u00D7\u20AC", "Das Zeichen \u201E\u20AC\u201C ist nicht erlaubt (Stelle 3)."},
        {"1e5", "Das Zeichen \u201Ee\u201C ist nicht erlaubt (Stelle 2)."},
        {"5/0", "Division durch null ist nicht möglich."},
        {"5/(2-2)", "Division durch null ist nicht möglich."},
        {"1/0,0", "Division durch null ist nicht möglich."},
    };
    for (const auto& c : cases) {
        const CalculatorResult result = evaluateCalculatorExpression(c.expression);
        EXPECT_FALSE(result.ok) << c.expression;
        EXPECT_EQ(result.message, c.message) << c.expression;
    }
}

TEST(CalculatorExpressionTest, HugeInputIsRefusedNotCrashedOn) {
    const std::string manyDigits(400, '9');
    EXPECT_EQ(evaluateCalculatorExpression(manyDigits).message,
              "Diese Zahl ist zu groß (Stelle 1).");
    EXPECT_EQ(
        evaluateCalculatorExpression(std::string(300, '9') + "*" + std::string(300, '9')).message,
        "Das Ergebnis ist zu groß.");
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_EQ(evaluateCalculatorExpression(deep).message,
              "Der Ausdruck enthält zu viele Klammern.");
    const CalculatorResult manySigns = evaluateCalculatorExpression(std::string(100001, '-') + "1");
    ASSERT_TRUE(manySigns.ok);
    EXPECT_EQ(manySigns.value, -1.0);
}

}  // namespace
}  // namespace velmora
