#pragma once

#include <string>
#include <vector>

namespace velmora {

class TDaten;
class TProdukt;
class TTempData;

// The collected warnings of the last search, one text per message, in the order shown.
std::vector<std::string> planMessages(const TTempData& tempData);

// The product group code of a catalogue product; empty when no group holds it.
std::string productGroupCode(const TDaten& daten, const TProdukt& produkt);

}  // namespace velmora
