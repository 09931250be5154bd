#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

// Breaks a text at single blanks into lines no wider than maxWidth as measured by
// `measure`; a word wider than maxWidth stands alone on its line. Never returns no lines.
std::vector<std::string> wrapWords(const std::string& text, int maxWidth,
                                   const std::function<int(const std::string&)>& measure);

}  // namespace velmora
