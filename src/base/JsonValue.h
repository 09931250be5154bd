#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// A JSON value used where it does not exist or has another type.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One parsed JSON value (RFC 8259, nothing more lenient). Objects keep their members in
// document order; a key appears at most once.
class JsonValue {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    // For texts known to be JSON (the program's own output in tests): throws JsonError with
    // the reason and position when the text is not.
    static JsonValue parse(std::string_view text);

    Type type() const { return type_; }
    // The accessors throw JsonError when the value has another type.
    bool asBool() const;
    double asNumber() const;
    const std::string& asString() const;
    const std::vector<JsonValue>& items() const;
    const std::vector<std::pair<std::string, JsonValue>>& members() const;
    std::vector<std::string> keys() const;
    std::vector<std::string> asStrings() const;

    // The member named key; null when there is none or this is not an object.
    const JsonValue* find(std::string_view key) const;
    // As find and items().at(), but throwing JsonError when the member or element is missing.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
    // Members of an object or elements of an array.
    std::size_t size() const;

private:
    friend class JsonParser;
    Type type_ = Type::Null;
    bool bool_ = false;
    double number_ = 0.0;
    std::string string_;
    std::vector<JsonValue> items_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

// The outcome of reading untrusted text: the value, or a German reason with the line and
// column (both from 1, columns counted in bytes) where reading stopped.
struct JsonParseResult {
    std::optional<JsonValue> value;
    std::string error;
    std::size_t line = 0;
    std::size_t column = 0;
};

// Strict reading: UTF-8 only, no comments, no trailing commas, no duplicate keys, numbers
// that fit a double, nesting at most kMaxJsonDepth deep (so hostile input cannot exhaust
// the stack).
constexpr int kMaxJsonDepth = 64;
JsonParseResult parseJson(std::string_view text);

}  // namespace velmora
