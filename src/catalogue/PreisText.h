#pragma once

#include <string>

namespace velmora {

// A price the catalogue does not know is never shown as an amount: every display (window,
// planning sheet, material list, text report) says so in the same words.

// The text of one article's price: betrag when known, else "Preis fehlt".
std::string einzelpreisText(bool bekannt, std::string betrag);

// The text of a total: betrag when every price in it is known, else "Preis unvollständig".
std::string summenText(bool vollstaendig, std::string betrag);

}  // namespace velmora
