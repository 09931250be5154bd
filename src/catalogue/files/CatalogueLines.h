#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The line files of the catalogue ("zubehoer.dta", "wg.dta", "settings.dta").

// Lines separated by CR LF or by LF alone (one edit in a common editor turns the one into
// the other). A text ending in a line break has no empty line after it; an empty text has
// no lines.
std::vector<std::string> splitCatalogueLines(std::string_view text);

// The fields of a line: each is the text up to the next "|||"; text after the last "|||"
// is not a field. Use restAfterFields for a field that runs to the end of the line.
std::vector<std::string> splitCatalogueFields(std::string_view line);

// The text after the `count`-th "|||" of the line; empty when the line has fewer.
std::string restAfterFields(std::string_view line, std::size_t count);

// Whether a decoded line file can be what its name says: at least one non-empty line, no
// control characters but tab and line breaks, and at least `separators` "|||" on every
// non-empty line (0 for "settings.dta", whose lines are plain values).
bool isCatalogueLineFile(std::string_view text, std::size_t separators);

}  // namespace velmora
