#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "base/JsonWriter.h"

using namespace velmora;

TEST(JsonWriter, WritesNestedValuesInCallOrder) {
    JsonWriter w;
    w.beginObject()
        .key("b")
        .value(1)
        .key("a")
        .beginArray()
        .value(2.5)
        .value(true)
        .null()
        .endArray()
        .key("e")
        .beginObject()
        .endObject()
        .key("t")
        .values({"x", "y"})
        .endObject();
    EXPECT_EQ(w.str(), R"({"b":1,"a":[2.5,true,null],"e":{},"t":["x","y"]})");
}

TEST(JsonWriter, EscapesEverythingJsonForbids) {
    EXPECT_EQ(jsonQuote("a\"b\\c\n\t\x01\x7F"), R"("a\"b\\c\n\t\u0001\u007f")");
    EXPECT_EQ(jsonQuote("Größe"), "\"Größe\"");
    EXPECT_EQ(jsonQuote("a\xFF"
                        "b"),
              "\"a\xEF\xBF\xBD"
              "b\"");
    EXPECT_EQ(jsonQuote("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

TEST(JsonWriter, NumbersReadBackExactly) {
    JsonWriter w;
    w.beginArray().value(0.1).value(665.0).value(-0.0).value(std::nan("")).value(1e300).endArray();
    EXPECT_EQ(w.str(), "[0.1,665,0,null,1e+300]");
}

TEST(JsonWriter, RefusesMisuse) {
    JsonWriter w;
    w.beginObject();
    EXPECT_THROW(w.value(1), std::logic_error);
    EXPECT_THROW(w.endArray(), std::logic_error);
}

TEST(JsonWriter, IndentsWhenAsked) {
    JsonWriter w(2);
    w.beginObject().key("a").beginArray().value(1).endArray().endObject();
    EXPECT_EQ(w.str(), "{\n  \"a\": [\n    1\n  ]\n}");
}
