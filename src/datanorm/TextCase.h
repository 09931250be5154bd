#pragma once

#include <string>
#include <string_view>

namespace velmora::datanorm {

// Case mapping of UTF-8 text for the letters DATANORM texts can hold (ASCII and the
// Latin-1 letters of code page 850); other characters stay as they are.
std::string toLowerText(std::string_view text);
std::string toUpperText(std::string_view text);

// The text without characters of code 32 or less (blanks and control characters).
std::string ohneSteuerzeichen(std::string_view text);

// An article number as stored and compared: characters of code 32 or less removed,
// then lower-cased.
std::string normalisiereArtikelnummer(std::string_view nummer);
void normalisiereArtikelnummerInPlace(std::string& nummer);

// True for an empty field and for a field of a single blank, which DATANORM files use
// for "no value".
bool istLeerOderBlank(std::string_view feld);

}  // namespace velmora::datanorm
