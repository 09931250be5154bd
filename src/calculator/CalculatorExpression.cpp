#include "calculator/CalculatorExpression.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace velmora {

namespace {

enum class Symbol { Plus, Minus, Times, Divide, Open, Close, Number, End };

// Deep enough for any hand-typed expression, shallow enough for the call stack.
constexpr int maxNesting = 200;

struct ExpressionError {
    std::string message;
};

// A recursive-descent parser that evaluates while it reads.
class Evaluator {
public:
    explicit Evaluator(std::string_view text) : text_(text) {}

    double evaluateAll() {
        advance();
        if (symbol_ == Symbol::End) {
            fail("Bitte geben Sie eine Rechnung ein.");
        }
        const double value = sum();
        if (symbol_ == Symbol::Close) {
            fail(at("Zu dieser schließenden Klammer fehlt die öffnende"));
        }
        if (symbol_ != Symbol::End) {
            fail(at("Hier fehlt ein Rechenzeichen"));
        }
        return value;
    }

private:
    [[noreturn]] static void fail(std::string message) {
        throw ExpressionError{std::move(message)};
    }

    std::string at(const std::string& what) const {
        return what + " (Stelle " + std::to_string(column(symbolStart_)) + ").";
    }

    double sum() {
        double value = product();
        while (symbol_ == Symbol::Plus || symbol_ == Symbol::Minus) {
            const bool add = symbol_ == Symbol::Plus;
            advance();
            const double right = product();
            value = add ? value + right : value - right;
        }
        return value;
    }

    double product() {
        double value = signedFactor();
        while (symbol_ == Symbol::Times || symbol_ == Symbol::Divide) {
            const bool multiply = symbol_ == Symbol::Times;
            advance();
            const double right = signedFactor();
            if (!multiply && right == 0.0) {
                fail("Division durch null ist nicht möglich.");
            }
            value = multiply ? value * right : value / right;
        }
        return value;
    }

    // Signs in a loop, not by recursion: a long run of them must not exhaust the stack.
    double signedFactor() {
        bool negate = false;
        while (symbol_ == Symbol::Minus || symbol_ == Symbol::Plus) {
            negate = negate != (symbol_ == Symbol::Minus);
            advance();
        }
        const double value = factor();
        return negate ? -value : value;
    }

    double factor() {
        if (symbol_ == Symbol::Number) {
            const double value = number_;
            advance();
            return value;
        }
        if (symbol_ == Symbol::Open) {
            if (++nesting_ > maxNesting) {
                fail("Der Ausdruck enthält zu viele Klammern.");
            }
            advance();
            const double value = sum();
            if (symbol_ != Symbol::Close) {
                fail("Es fehlt eine schließende Klammer.");
            }
            --nesting_;
            advance();
            return value;
        }
        if (symbol_ == Symbol::End) {
            fail("Der Ausdruck ist unvollständig: am Ende fehlt eine Zahl.");
        }
        fail(at("Hier fehlt eine Zahl"));
    }

    void advance() {
        while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t')) {
            ++position_;
        }
        symbolStart_ = position_;
        if (position_ == text_.size()) {
            symbol_ = Symbol::End;
            return;
        }
        for (const auto& [spelling, symbol] : operators) {
            if (text_.substr(position_).starts_with(spelling)) {
                position_ += spelling.size();
                symbol_ = symbol;
                return;
            }
        }
        const char c = text_[position_];
        if ((c >= '0' && c <= '9') || c == ',' || c == '.') {
            readNumber();
            return;
        }
        std::size_t length = 1;
        while (position_ + length < text_.size() &&
               (static_cast<unsigned char>(text_[position_ + length]) & 0xC0) == 0x80) {
            ++length;
        }
        fail(at("Das Zeichen \u201E" + std::string(text_.substr(position_, length)) +
                "\u201C ist nicht erlaubt"));
    }

    void readNumber() {
        std::string digits;
        bool separatorSeen = false;
        bool digitSeen = false;
        while (position_ < text_.size()) {
            const char c = text_[position_];
            if (c >= '0' && c <= '9') {
                digits.push_back(c);
                digitSeen = true;
            } else if ((c == ',' || c == '.') && !separatorSeen) {
                digits.push_back('.');
                separatorSeen = true;
            } else if (c == ',' || c == '.') {
                fail(at("Eine Zahl hat höchstens ein Dezimaltrennzeichen"));
            } else {
                break;
            }
            ++position_;
        }
        if (!digitSeen) {
            fail(at("Hier fehlt eine Zahl"));
        }
        double value = 0.0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            fail(at("Diese Zahl ist zu groß"));
        }
        number_ = value;
        symbol_ = Symbol::Number;
    }

    // Counts characters, not bytes, so that "×" and "÷" are one place each.
    std::size_t column(std::size_t bytePosition) const {
        std::size_t characters = 0;
        for (std::size_t i = 0; i < bytePosition; ++i) {
            if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) {
                ++characters;
            }
        }
        return characters + 1;
    }

    static constexpr std::pair<std::string_view, Symbol> operators[] = {
        {"+", Symbol::Plus},   {"-", Symbol::Minus},       {"\u2212", Symbol::Minus},
        {"*", Symbol::Times},  {"\u00D7", Symbol::Times},  {"/", Symbol::Divide},
        {":", Symbol::Divide}, {"\u00F7", Symbol::Divide}, {"(", Symbol::Open},
        {")", Symbol::Close},
    };

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t symbolStart_ = 0;
    Symbol symbol_ = Symbol::End;
    double number_ = 0.0;
    int nesting_ = 0;
};

}  // namespace

CalculatorResult evaluateCalculatorExpression(std::string_view expression) {
    try {
        const double value = Evaluator(expression).evaluateAll();
        if (!std::isfinite(value)) {
            return {false, 0.0, "Das Ergebnis ist zu groß."};
        }
        return {true, value, {}};
    } catch (const ExpressionError& error) {
        return {false, 0.0, error.message};
    }
}

}  // namespace velmora
