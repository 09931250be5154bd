#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace velmora::xmlNodeHelper {

// Access to the catalogue XML: records are child elements matched by name without regard
// to case, every value is an attribute. A null node stands for "none" throughout.

// The first child element of `Node` at position `Index` or later named `Name`; sets `Index`
// to its position. None (and `Index` unchanged) when there is no such child.
pugi::xml_node getChildNode(pugi::xml_node Node, std::string_view Name, int& Index);
// Every child element named `Name`, in document order.
std::vector<pugi::xml_node> getChildNodes(pugi::xml_node Node, std::string_view Name);

// The attribute's text with its line breaks made CR LF, or `Default` when absent.
std::string getAttribute(pugi::xml_node Node, std::string_view Name, std::string_view Default = {});
// The attribute as a plain decimal 32-bit integer (optional sign, surrounding blanks
// allowed); `Default` when absent and also when the text is no such number.
int getAttributeInt(pugi::xml_node Node, std::string_view Name, int Default = 0);
// True for "true" in any letter case or the integer 1; `Default` when absent.
bool getAttributeBool(pugi::xml_node Node, std::string_view Name, bool Default = false);

// A plain decimal 32-bit integer as described for getAttributeInt; no value otherwise.
std::optional<int> parseInteger(std::string_view text);

}  // namespace velmora::xmlNodeHelper
