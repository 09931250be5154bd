#include "catalogue/files/xmlNodeHelper.h"

#include <charconv>

#include "base/AsciiCase.h"

namespace velmora::xmlNodeHelper {

namespace {

bool isElementNamed(pugi::xml_node node, std::string_view name) {
    return node.type() == pugi::node_element && equalsIgnoringAsciiCase(node.name(), name);
}

pugi::xml_attribute findAttribute(pugi::xml_node node, std::string_view name) {
    return node.attribute(std::string(name).c_str());
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// CR LF and lone CR become LF, then every LF becomes CR LF.
std::string withCrLfBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            continue;
        }
        if (text[i] == '\n') {
            result += '\r';
        }
        result += text[i];
    }
    return result;
}

}  // namespace

pugi::xml_node getChildNode(pugi::xml_node Node, std::string_view Name, int& Index) {
    int position = 0;
    for (pugi::xml_node child = Node.first_child(); child; child = child.next_sibling()) {
        if (position >= Index && isElementNamed(child, Name)) {
            Index = position;
            return child;
        }
        ++position;
    }
    return {};
}

std::vector<pugi::xml_node> getChildNodes(pugi::xml_node Node, std::string_view Name) {
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child = Node.first_child(); child; child = child.next_sibling()) {
        if (isElementNamed(child, Name)) {
            children.push_back(child);
        }
    }
    return children;
}

std::string getAttribute(pugi::xml_node Node, std::string_view Name, std::string_view Default) {
    const pugi::xml_attribute attribute = findAttribute(Node, Name);
    if (!attribute) {
        return std::string(Default);
    }
    return withCrLfBreaks(attribute.value());
}

std::optional<int> parseInteger(std::string_view text) {
    text = trimBlanks(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

int getAttributeInt(pugi::xml_node Node, std::string_view Name, int Default) {
    const pugi::xml_attribute attribute = findAttribute(Node, Name);
    if (!attribute) {
        return Default;
    }
    return parseInteger(attribute.value()).value_or(Default);
}

bool getAttributeBool(pugi::xml_node Node, std::string_view Name, bool Default) {
    const pugi::xml_attribute attribute = findAttribute(Node, Name);
    if (!attribute) {
        return Default;
    }
    const std::string_view text = attribute.value();
    return equalsIgnoringAsciiCase(text, "true") || parseInteger(text) == 1;
}

}  // namespace velmora::xmlNodeHelper
