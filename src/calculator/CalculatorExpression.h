#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Outcome of evaluating a calculator expression: the value, or a German message for the
// user naming what is wrong (and, where it helps, the 1-based character position).
struct CalculatorResult {
    bool ok = false;
    double value = 0.0;
    std::string message;
};

// Evaluates numbers (decimal comma or point), + - * / (also the signs "−", "×", "÷" and
// ":"), a sign in front of a number or bracket, and parentheses, with the usual
// precedence, left to right. UTF-8 in; blanks are ignored. Never throws for bad input.
CalculatorResult evaluateCalculatorExpression(std::string_view expression);

}  // namespace velmora
