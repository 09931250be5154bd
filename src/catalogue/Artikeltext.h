#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// Text lines of a DATANORM article (long text, dimension text): absent when the article is
// not in the file; an article without such lines has an empty list.
using Artikeltext = std::optional<std::vector<std::string>>;

}  // namespace velmora
