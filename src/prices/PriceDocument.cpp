#include "prices/PriceDocument.h"

#include <pugixml.hpp>

#include <array>
#include <charconv>
#include <cmath>
#include <sstream>

#include "base/AsciiCase.h"
#include "base/LenientNumber.h"

namespace velmora {

namespace {

bool readsAsTrue(std::string_view text) {
    for (const std::string_view yes : {"true", "yes", "1", "y", "-1"}) {
        if (equalsIgnoringAsciiCase(text, yes)) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Locale-independent "%.15g".
std::string formatStoredPrice(double price) {
    if (!std::isfinite(price)) {
        return "0";
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), price,
                                      std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

std::string writePriceDocument(const CustomPriceRecord& record) {
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("d");
    element.append_attribute("p").set_value(formatStoredPrice(record.price).c_str());
    if (record.inUse) {
        element.append_attribute("u").set_value("true");
    }
    std::ostringstream text;
    document.save(text, "", pugi::format_raw, pugi::encoding_utf8);
    return text.str();
}

std::optional<CustomPriceRecord> readPriceDocument(std::string_view xml) {
    pugi::xml_document document;
    if (!document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_auto)) {
        return std::nullopt;
    }
    CustomPriceRecord record;
    for (const pugi::xml_node element : document.children()) {
        if (element.type() != pugi::node_element || !equalsIgnoringAsciiCase(element.name(), "d")) {
            continue;
        }
        for (const pugi::xml_attribute attribute : element.attributes()) {
            const std::string_view name = attribute.name();
            if (name == "p") {
                record.price = parseLenient(attribute.value());
            } else if (name == "u") {
                record.inUse = readsAsTrue(attribute.value());
            }
        }
    }
    return record;
}

}  // namespace velmora
