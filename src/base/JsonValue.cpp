#include "base/JsonValue.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <unordered_set>

#include "base/Utf8.h"

namespace velmora {

namespace {

// Thrown inside the parser only; parseJson turns it into a result.
struct ParseFailure {
    std::string reason;
    std::size_t pos;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigit(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue(0);
        skipBlanks();
        if (pos_ != text_.size()) {
            fail("Text nach dem Ende des Dokuments");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const char* reason) const { throw ParseFailure{reason, pos_}; }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n')) {
            ++pos_;
        }
    }
    bool take(char c) {
        skipBlanks();
        if (!atEnd() && peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void expect(char c, const char* reason) {
        if (!take(c)) {
            fail(reason);
        }
    }
    bool takeWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }

    JsonValue parseValue(int depth) {
        if (depth >= kMaxJsonDepth) {
            fail("zu tief verschachtelt");
        }
        skipBlanks();
        JsonValue value;
        if (atEnd()) {
            fail("Dokument endet vorzeitig");
        }
        const char c = peek();
        if (c == '{') {
            ++pos_;
            parseObject(value, depth);
        } else if (c == '[') {
            ++pos_;
            value.type_ = JsonValue::Type::Array;
            if (!take(']')) {
                do {
                    value.items_.push_back(parseValue(depth + 1));
                } while (take(','));
                expect(']', "\",\" oder \"]\" erwartet");
            }
        } else if (c == '"') {
            value.type_ = JsonValue::Type::String;
            value.string_ = parseString();
        } else if (takeWord("true")) {
            value.type_ = JsonValue::Type::Bool;
            value.bool_ = true;
        } else if (takeWord("false")) {
            value.type_ = JsonValue::Type::Bool;
        } else if (takeWord("null")) {
            value.type_ = JsonValue::Type::Null;
        } else if (c == '-' || isDigit(c)) {
            value.type_ = JsonValue::Type::Number;
            value.number_ = parseNumber();
        } else {
            fail("unerwartetes Zeichen");
        }
        return value;
    }

    void parseObject(JsonValue& value, int depth) {
        value.type_ = JsonValue::Type::Object;
        if (take('}')) {
            return;
        }
        std::unordered_set<std::string> seen;
        do {
            skipBlanks();
            if (peek() != '"' || atEnd()) {
                fail("Schlüssel in Anführungszeichen erwartet");
            }
            const std::size_t keyPos = pos_;
            std::string key = parseString();
            if (!seen.insert(key).second) {
                pos_ = keyPos;
                fail("Schlüssel doppelt vorhanden");
            }
            expect(':', "\":\" erwartet");
            value.members_.emplace_back(std::move(key), parseValue(depth + 1));
        } while (take(','));
        expect('}', "\",\" oder \"}\" erwartet");
    }

    // The grammar of RFC 8259, checked before the conversion (from_chars alone would take
    // "01" or "1." and reject nothing after the number).
    double parseNumber() {
        const std::size_t begin = pos_;
        if (peek() == '-') {
            ++pos_;
        }
        if (peek() == '0') {
            ++pos_;
        } else if (isDigit(peek())) {
            while (isDigit(peek())) {
                ++pos_;
            }
        } else {
            fail("ungültige Zahl");
        }
        if (peek() == '.') {
            ++pos_;
            if (!isDigit(peek())) {
                fail("ungültige Zahl");
            }
            while (isDigit(peek())) {
                ++pos_;
            }
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-') {
                ++pos_;
            }
            if (!isDigit(peek())) {
                fail("ungültige Zahl");
            }
            while (isDigit(peek())) {
                ++pos_;
            }
        }
        double number = 0.0;
        const auto [end, error] =
            std::from_chars(text_.data() + begin, text_.data() + pos_, number);
        if (error != std::errc() || end != text_.data() + pos_ || !std::isfinite(number)) {
            pos_ = begin;
            fail("Zahl außerhalb des darstellbaren Bereichs");
        }
        return number;
    }

    unsigned parseHex4() {
        if (pos_ + 4 > text_.size()) {
            fail("unvollständige \\u-Folge");
        }
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = hexDigit(text_[pos_]);
            if (digit < 0) {
                fail("ungültige \\u-Folge");
            }
            code = code * 16 + static_cast<unsigned>(digit);
            ++pos_;
        }
        return code;
    }

    char32_t parseUnicodeEscape() {
        const unsigned first = parseHex4();
        if (first >= 0xDC00 && first <= 0xDFFF) {
            fail("einzelnes Ersatzzeichen in \\u-Folge");
        }
        if (first < 0xD800 || first > 0xDBFF) {
            return first;
        }
        if (!takeWord("\\u")) {
            fail("einzelnes Ersatzzeichen in \\u-Folge");
        }
        const unsigned second = parseHex4();
        if (second < 0xDC00 || second > 0xDFFF) {
            fail("einzelnes Ersatzzeichen in \\u-Folge");
        }
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    std::string parseString() {
        ++pos_;  // the opening quote
        std::string result;
        while (true) {
            if (atEnd()) {
                fail("Zeichenkette nicht abgeschlossen");
            }
            const char c = text_[pos_];
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"') {
                ++pos_;
                return result;
            }
            if (byte < 0x20) {
                fail("Steuerzeichen in Zeichenkette");
            }
            if (byte >= 0x80) {
                const std::size_t length = validUtf8Length(text_, pos_);
                if (length == 0) {
                    fail("ungültiges UTF-8");
                }
                result.append(text_.substr(pos_, length));
                pos_ += length;
                continue;
            }
            ++pos_;
            if (c != '\\') {
                result += c;
                continue;
            }
            switch (atEnd() ? '\0' : text_[pos_++]) {
                case '"':
                    result += '"';
                    break;
                case '\\':
                    result += '\\';
                    break;
                case '/':
                    result += '/';
                    break;
                case 'b':
                    result += '\b';
                    break;
                case 'f':
                    result += '\f';
                    break;
                case 'n':
                    result += '\n';
                    break;
                case 'r':
                    result += '\r';
                    break;
                case 't':
                    result += '\t';
                    break;
                case 'u':
                    appendUtf8(result, parseUnicodeEscape());
                    break;
                default:
                    fail("ungültige Escape-Folge");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

JsonParseResult parseJson(std::string_view text) {
    JsonParseResult result;
    try {
        result.value = JsonParser(text).document();
    } catch (const ParseFailure& failure) {
        result.error = failure.reason;
        result.line = 1;
        result.column = 1;
        for (std::size_t i = 0; i < failure.pos && i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++result.line;
                result.column = 1;
            } else {
                ++result.column;
            }
        }
    }
    return result;
}

JsonValue JsonValue::parse(std::string_view text) {
    JsonParseResult result = parseJson(text);
    if (!result.value) {
        throw JsonError("JSON: " + result.error + " (Zeile " + std::to_string(result.line) +
                        ", Spalte " + std::to_string(result.column) + ")");
    }
    return std::move(*result.value);
}

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        throw JsonError(std::string("JSON value is not ") + what);
    }
}

}  // namespace

bool JsonValue::asBool() const {
    require(type_ == Type::Bool, "a boolean");
    return bool_;
}

double JsonValue::asNumber() const {
    require(type_ == Type::Number, "a number");
    return number_;
}

const std::string& JsonValue::asString() const {
    require(type_ == Type::String, "a string");
    return string_;
}

const std::vector<JsonValue>& JsonValue::items() const {
    require(type_ == Type::Array, "an array");
    return items_;
}

const std::vector<std::pair<std::string, JsonValue>>& JsonValue::members() const {
    require(type_ == Type::Object, "an object");
    return members_;
}

std::vector<std::string> JsonValue::keys() const {
    std::vector<std::string> result;
    for (const auto& member : members()) {
        result.push_back(member.first);
    }
    return result;
}

std::vector<std::string> JsonValue::asStrings() const {
    std::vector<std::string> result;
    for (const JsonValue& item : items()) {
        result.push_back(item.asString());
    }
    return result;
}

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const auto& member : members_) {
        if (member.first == key) {
            return &member.second;
        }
    }
    return nullptr;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    require(type_ == Type::Object, "an object");
    if (const JsonValue* member = find(key)) {
        return *member;
    }
    throw JsonError("JSON object has no member \"" + std::string(key) + "\"");
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    const std::vector<JsonValue>& all = items();
    if (index >= all.size()) {
        throw JsonError("JSON array has no element " + std::to_string(index));
    }
    return all[index];
}

std::size_t JsonValue::size() const {
    return type_ == Type::Object ? members_.size() : items().size();
}

}  // namespace velmora
