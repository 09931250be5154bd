#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Base name (without ".dta") of the custom price file of an article: the article number
// without the characters " * / : < > ? \ |. Empty when the article number is longer than
// 260 characters, contains a NUL byte or consists only of removed characters: such an
// article has no file, so it can never read or overwrite the price of another one.
std::string customPriceBaseName(std::string_view articleNo);

}  // namespace velmora
