#include "cli/plan/JsonValue.h"

#include <charconv>
#include <stdexcept>

namespace velmora::testing {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue();
        skipBlanks();
        if (pos_ != text_.size()) {
            fail("text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(pos_));
    }
    void skipBlanks() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }
    bool take(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!take(c)) {
            fail(std::string("expected ") + c);
        }
    }
    bool takeWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }

    JsonValue parseValue() {
        skipBlanks();
        JsonValue value;
        if (take('{')) {
            value.type_ = JsonValue::Type::Object;
            if (!take('}')) {
                do {
                    skipBlanks();
                    std::string key = parseString();
                    expect(':');
                    value.members_.emplace_back(std::move(key), parseValue());
                } while (take(','));
                expect('}');
            }
        } else if (take('[')) {
            value.type_ = JsonValue::Type::Array;
            if (!take(']')) {
                do {
                    value.items_.push_back(parseValue());
                } while (take(','));
                expect(']');
            }
        } else if (pos_ < text_.size() && text_[pos_] == '"') {
            value.type_ = JsonValue::Type::String;
            value.string_ = parseString();
        } else if (takeWord("true")) {
            value.type_ = JsonValue::Type::Bool;
            value.bool_ = true;
        } else if (takeWord("false")) {
            value.type_ = JsonValue::Type::Bool;
        } else if (takeWord("null")) {
            value.type_ = JsonValue::Type::Null;
        } else {
            value.type_ = JsonValue::Type::Number;
            const char* begin = text_.data() + pos_;
            const auto [end, error] =
                std::from_chars(begin, text_.data() + text_.size(), value.number_);
            if (error != std::errc()) {
                fail("expected a value");
            }
            pos_ += static_cast<std::size_t>(end - begin);
        }
        return value;
    }

    std::string parseString() {
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            fail("expected a string");
        }
        ++pos_;
        std::string result;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c == '\\') {
                if (pos_ >= text_.size()) {
                    fail("unfinished escape");
                }
                c = text_[pos_++];
                switch (c) {
                    case 'n':
                        result += '\n';
                        break;
                    case 'r':
                        result += '\r';
                        break;
                    case 't':
                        result += '\t';
                        break;
                    case 'b':
                        result += '\b';
                        break;
                    case 'f':
                        result += '\f';
                        break;
                    case 'u':
                        result += unicodeEscape();
                        break;
                    default:
                        result += c;
                }
            } else {
                result += c;
            }
        }
        if (pos_ >= text_.size()) {
            fail("unfinished string");
        }
        ++pos_;
        return result;
    }

    // \uXXXX below U+0800 (all the tools escape: control characters).
    std::string unicodeEscape() {
        unsigned code = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
        if (error != std::errc() || end != text_.data() + pos_ + 4 || code >= 0x800) {
            fail("unsupported \\u escape");
        }
        pos_ += 4;
        if (code < 0x80) {
            return std::string(1, static_cast<char>(code));
        }
        return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

JsonValue JsonValue::parse(std::string_view text) {
    return JsonParser(text).document();
}

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        throw std::runtime_error(std::string("JSON value is not ") + what);
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

const JsonValue& JsonValue::operator[](std::string_view key) const {
    for (const auto& member : members()) {
        if (member.first == key) {
            return member.second;
        }
    }
    throw std::runtime_error("JSON object has no member \"" + std::string(key) + "\"");
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    return items().at(index);
}

std::size_t JsonValue::size() const {
    return type_ == Type::Object ? members_.size() : items().size();
}

}  // namespace velmora::testing
