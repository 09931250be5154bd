#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Builds one JSON text in the order of the calls (keys keep their order). Commas, quotes
// and escapes are its business; the caller only names keys and values.
// Numbers: integers as they are, doubles in the shortest form that reads back exactly,
// NaN and infinities as null (JSON has no such numbers). Strings must be UTF-8; invalid
// bytes are written as U+FFFD so the output always stays valid JSON.
class JsonWriter {
public:
    // indent 0: everything on one line (JSON lines); otherwise that many blanks per level.
    explicit JsonWriter(int indent = 0) : indent_(indent) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(bool flag);
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(double number);
    JsonWriter& null();

    // A whole array of texts or of numbers.
    JsonWriter& values(const std::vector<std::string>& texts);

    const std::string& str() const { return out_; }

private:
    void beforeValue();
    void newline();

    struct Level {
        bool isObject;
        bool empty = true;
    };
    int indent_;
    std::string out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

// The text as a quoted JSON string.
std::string jsonQuote(std::string_view text);
// The same, appended to out.
void appendJsonQuoted(std::string& out, std::string_view text);

}  // namespace velmora
