#pragma once

#include <string>
#include <string_view>

namespace velmora::datanorm {

// Whether a non-empty line of an article file can be part of a DATANORM file: a record,
// which starts with its one-letter kind and ";"; as first line also the fixed-column
// DATANORM 4 header ("V" and a blank); or the DOS end-of-file mark. Random or zeroed bytes
// fail on their first line.
bool istDatensatzzeile(std::string_view zeile, bool ersteZeile);

// Throws EDatanormBeschaedigt naming the file when the line is no such line.
void pruefeDatensatzzeile(std::string_view zeile, bool ersteZeile, const std::string& Datei);

}  // namespace velmora::datanorm
