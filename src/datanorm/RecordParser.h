#pragma once

#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormRecords.h"
#include "datanorm/LineFields.h"

namespace velmora::datanorm {

// Fill records from split article-file lines after the field layout of the file's
// DATANORM version (4 or 5). The row's kind is not checked here.

// These three set every field they read, so a record can be filled again for the next
// line.
void parseArtikelsatz(const LineFields& row, int version, TArtikelsatzA& satz);
void parseTextsatz(const LineFields& row, int version, TTextsatz& satz);
void parseDimensionssatz(const LineFields& row, int version, TDimensionssatz& satz);
TEinfuegetextsatz parseEinfuegetextsatz(const LineFields& row, const TDatanorm* parent);
// A large-file read takes fields 2 to 7 only.
TGrafikbindungssatz parseGrafikbindungssatz(const LineFields& row, bool mitKurzbeschreibung,
                                            const TDatanorm* parent);
void parseKundenkontrollsatz(const LineFields& row, TKundenkontrollsatz& satz);

// The header from the first line (split as its version lays it out). Any DATANORM 5 first
// line gives version, date and currency; fields 6 to 8 give the three information texts
// when it is not a "V" record or in large-file mode (grosseDatei); a "V" record gives its
// other fields as well. A DATANORM 4 line that is not a "V" record leaves the header as it
// is.
void parseVorlaufsatz(const FieldRow& kopf, int version, bool grosseDatei, TVorlaufsatz& satz);

}  // namespace velmora::datanorm
