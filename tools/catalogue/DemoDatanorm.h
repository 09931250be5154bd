#pragma once

#include <string>

#include <pugixml.hpp>

namespace velmora {

// Builds a DATANORM 5 article file ("Datanorm.500") from the readable article list of the
// demo catalogue: header, article records, long-text and dimension-text records, CR LF
// line ends, code page 850. Throws std::runtime_error naming the article when a value
// cannot be stored (a ";" in a text, a character outside code page 850, a malformed price).
std::string demoDatanormFile(pugi::xml_node articles);

}  // namespace velmora
