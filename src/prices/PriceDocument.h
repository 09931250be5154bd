#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What a custom price file holds.
struct CustomPriceRecord {
    double price = 0;
    bool inUse = false;
};

// A price as the files store it: decimal point, no grouping, the shortest form of up to 15
// significant digits ("1234.5", "0.3"); "0" for a value that is not finite.
std::string formatStoredPrice(double price);

// The XML text of a price file: one element "d" with "p" (formatStoredPrice) and, only when in use,
// u="true".
std::string writePriceDocument(const CustomPriceRecord& record);

// Reads the attributes of the top-level "d" elements (name in any letter case): "p" read
// leniently, "u" true for "true", "yes", "1", "y" or "-1" in any case. No value when the
// text is no well-formed XML; a document without "d" gives the empty record.
std::optional<CustomPriceRecord> readPriceDocument(std::string_view xml);

}  // namespace velmora
