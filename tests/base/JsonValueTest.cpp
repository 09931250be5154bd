#include "base/JsonValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;

TEST(JsonValue, ReadsValuesEscapesAndKeyOrder) {
    const JsonValue v = JsonValue::parse(
        " {\"z\": [1, -0.5e2, 0, true, false, null],\n"
        "  \"a\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e4\\u20ac\\ud83d\\ude00ä\", \"e\": {}} ");
    EXPECT_EQ(v.keys(), (std::vector<std::string>{"z", "a", "e"}));
    EXPECT_EQ(v["z"][1].asNumber(), -50.0);
    EXPECT_TRUE(v["z"][3].asBool());
    EXPECT_EQ(v["z"][5].type(), JsonValue::Type::Null);
    EXPECT_EQ(v["a"].asString(), "\"\\/\b\f\n\r\tä€\xF0\x9F\x98\x80ä");
    EXPECT_EQ(v["e"].size(), 0u);
    EXPECT_EQ(v.find("fehlt"), nullptr);
    EXPECT_THROW(v["fehlt"], JsonError);
    EXPECT_THROW(v["z"][6], JsonError);
    EXPECT_THROW(v["a"].asNumber(), JsonError);
}

TEST(JsonValue, RefusesEverythingOutsideTheStandard) {
    struct Case {
        std::string text;
        std::string reason;
    };
    const std::vector<Case> cases{
        {"", "Dokument endet vorzeitig"},
        {"{\"a\":1,}", "Schlüssel in Anführungszeichen erwartet"},
        {"[1,]", "unerwartetes Zeichen"},
        {"[1 2]", "\",\" oder \"]\" erwartet"},
        {"{\"a\" 1}", "\":\" erwartet"},
        {"{\"a\":1,\"a\":2}", "Schlüssel doppelt vorhanden"},
        {"01", "Text nach dem Ende des Dokuments"},
        {"1.", "ungültige Zahl"},
        {"-", "ungültige Zahl"},
        {"1e400", "Zahl außerhalb des darstellbaren Bereichs"},
        {"NaN", "unerwartetes Zeichen"},
        {"'a'", "unerwartetes Zeichen"},
        {"// x\n1", "unerwartetes Zeichen"},
        {"\"a", "Zeichenkette nicht abgeschlossen"},
        {"\"a\tb\"", "Steuerzeichen in Zeichenkette"},
        {"\"\\x\"", "ungültige Escape-Folge"},
        {"\"\\u12zz\"", "ungültige \\u-Folge"},
        {"\"\\udc00\"", "einzelnes Ersatzzeichen in \\u-Folge"},
        {"\"\\ud800x\"", "einzelnes Ersatzzeichen in \\u-Folge"},
        {"\"\xC3\x28\"", "ungültiges UTF-8"},
        {"\"\xED\xA0\x80\"", "ungültiges UTF-8"},
        {"\"\xC0\xAF\"", "ungültiges UTF-8"},
        {"[1] [2]", "Text nach dem Ende des Dokuments"},
        {"tru", "unerwartetes Zeichen"},
    };
    for (const Case& c : cases) {
        const JsonParseResult result = parseJson(c.text);
        EXPECT_FALSE(result.value) << c.text;
        EXPECT_EQ(result.error, c.reason) << c.text;
    }
    EXPECT_THROW(JsonValue::parse("[1,]"), JsonError);
}

TEST(JsonValue, ReportsLineAndColumnOfTheFault) {
    const JsonParseResult result = parseJson("{\n  \"a\": 1,\n  \"b\": x\n}");
    EXPECT_EQ(result.line, 3u);
    EXPECT_EQ(result.column, 8u);
}

TEST(JsonValue, NestingIsLimitedWithoutExhaustingTheStack) {
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    EXPECT_TRUE(parseJson(nested(kMaxJsonDepth)).value);
    EXPECT_EQ(parseJson(nested(kMaxJsonDepth + 1)).error, "zu tief verschachtelt");
    EXPECT_EQ(parseJson(std::string(1000000, '[')).error, "zu tief verschachtelt");
}
