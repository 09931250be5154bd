#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The line files of the catalogue ("zubehoer.dta", "wg.dta", "settings.dta").

// Lines separated by CR LF (a lone LF stays inside its line). A text ending in CR LF has no
// empty line after it; an empty text has no lines.
std::vector<std::string> splitCatalogueLines(std::string_view text);

// The fields of a line: each is the text up to the next "|||"; text after the last "|||"
// is not a field. Use restAfterFields for a field that runs to the end of the line.
std::vector<std::string> splitCatalogueFields(std::string_view line);

// The text after the `count`-th "|||" of the line; empty when the line has fewer.
std::string restAfterFields(std::string_view line, std::size_t count);

}  // namespace velmora
