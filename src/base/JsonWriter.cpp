#include "base/JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "base/Utf8.h"

namespace velmora {

namespace {

// The bytes a JSON string takes as they are.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c) {
        plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    }
    return plain;
}();

}  // namespace

std::string jsonQuote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    appendJsonQuoted(out, text);
    return out;
}

void appendJsonQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (std::size_t i = 0; i < text.size();) {
        // Printable ASCII other than the quote and the backslash goes out as a whole run.
        std::size_t run = i;
        while (run < text.size() && kPlain[static_cast<unsigned char>(text[run])]) {
            ++run;
        }
        if (run > i) {
            out.append(text.substr(i, run - i));
            i = run;
            continue;
        }
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            const std::size_t length = validUtf8Length(text, i);
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    static constexpr char hex[] = "0123456789abcdef";
                    out += "\\u00";
                    out.push_back(hex[u >> 4]);
                    out.push_back(hex[u & 0xF]);
                } else {
                    out.push_back(c);
                }
        }
        ++i;
    }
    out.push_back('"');
}

void JsonWriter::newline() {
    if (indent_ > 0) {
        out_.push_back('\n');
        out_.append(levels_.size() * static_cast<std::size_t>(indent_), ' ');
    }
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) {
        if (!out_.empty()) {
            throw std::logic_error("JsonWriter: a second top-level value");
        }
        return;
    }
    Level& level = levels_.back();
    if (level.isObject) {
        throw std::logic_error("JsonWriter: a value in an object needs a key");
    }
    if (!level.empty) {
        out_.push_back(',');
    }
    level.empty = false;
    newline();
}

JsonWriter& JsonWriter::key(std::string_view name) {
    if (levels_.empty() || !levels_.back().isObject || afterKey_) {
        throw std::logic_error("JsonWriter: a key outside an object");
    }
    Level& level = levels_.back();
    if (!level.empty) {
        out_.push_back(',');
    }
    level.empty = false;
    newline();
    appendJsonQuoted(out_, name);
    out_ += indent_ > 0 ? ": " : ":";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    out_.push_back('{');
    levels_.push_back({true});
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    out_.push_back('[');
    levels_.push_back({false});
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    if (levels_.empty() || !levels_.back().isObject || afterKey_) {
        throw std::logic_error("JsonWriter: unbalanced endObject");
    }
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) {
        newline();
    }
    out_.push_back('}');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    if (levels_.empty() || levels_.back().isObject) {
        throw std::logic_error("JsonWriter: unbalanced endArray");
    }
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) {
        newline();
    }
    out_.push_back(']');
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    appendJsonQuoted(out_, text);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    beforeValue();
    if (!std::isfinite(number)) {
        out_ += "null";
        return *this;
    }
    if (number == 0.0) {
        out_ += "0";  // also for -0: a JSON reader gains nothing from the sign
        return *this;
    }
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    out_.append(buffer.data(), ec == std::errc() ? end : buffer.data());
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::values(const std::vector<std::string>& texts) {
    beginArray();
    for (const auto& text : texts) {
        value(text);
    }
    return endArray();
}

}  // namespace velmora
