#pragma once

#include <filesystem>

#include <pugixml.hpp>

namespace velmora {

// Reads a scrambled XML catalogue file ("produkte.dta", "aufstellvarianten.dta") into
// `document` and returns its root, the first top-level node (its name is not checked).
// None when the file cannot be read or is not well-formed XML.
pugi::xml_node loadScrambledXml(const std::filesystem::path& path, pugi::xml_document& document);

}  // namespace velmora
