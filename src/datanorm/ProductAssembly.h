#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datanorm/DatanormRecords.h"
#include "datanorm/TWebprodukt.h"

namespace velmora::datanorm {

// How a look-up turns records into its answer; shared by both load modes so that they
// answer alike.

// Long text from the lines of one text number in file order. DATANORM 5 places each line
// at its line number (a later line of the same number wins, gaps stay empty, a line 0 is
// appended); DATANORM 4 contributes both texts of every line in order.
std::vector<std::string> setzeLangtext(const std::vector<const TTextsatz*>& zeilen, int version);

// Dimension text: each line inserted at its line number - 1, or appended when that lies
// beyond the lines placed so far.
std::vector<std::string> setzeDimensionstext(const std::vector<const TDimensionssatz*>& zeilen);

// The unit with the DATANORM unit codes of the version replaced by German names.
std::string einheitenname(const std::string& einheit, int version);

// True when a long-text number refers to a text at all.
bool hatLangtext(const std::string& Langtextnummer);

// The answer for an article: texts and fields of its first record, the price of its
// last record (several records may carry the same number). An answer filled before keeps
// the storage of its texts.
void fuelleProdukt(TProdukt& produkt, const TArtikelsatzA& erster, const TArtikelsatzA& letzter,
                   std::vector<std::string> langtext, std::vector<std::string> dimensionstext,
                   int version);
std::unique_ptr<TProdukt> baueProdukt(const TArtikelsatzA& erster, const TArtikelsatzA& letzter,
                                      std::vector<std::string> langtext,
                                      std::vector<std::string> dimensionstext, int version,
                                      const TDatanorm* parent);

}  // namespace velmora::datanorm
