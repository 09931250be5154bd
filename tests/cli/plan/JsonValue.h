#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::testing {

// A parsed JSON value for checking the output of the command-line tools. Objects keep
// their keys in document order. Throws std::runtime_error for malformed JSON and for a
// member or element that does not exist.
class JsonValue {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    static JsonValue parse(std::string_view text);

    Type type() const { return type_; }
    bool asBool() const;
    double asNumber() const;
    const std::string& asString() const;
    const std::vector<JsonValue>& items() const;
    const std::vector<std::pair<std::string, JsonValue>>& members() const;
    std::vector<std::string> keys() const;
    std::vector<std::string> asStrings() const;

    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
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

}  // namespace velmora::testing
