#pragma once

#include <cstddef>
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

// Whether the line ends as a whole record does: with the ";" after its last field. Only the
// DATANORM 4 header (fixed columns) and the end-of-file mark end otherwise, so a last line
// that does not was cut inside a field.
bool istVollstaendigeZeile(std::string_view zeile, bool ersteZeile);

// The field (from 1) of an article record that holds its price.
std::size_t preisfeldNummer(int version);

// Whether a new-article record of feldanzahl fields carries a price the catalogue can quote:
// it reaches its price field, and that field is a whole number of cents (blanks around
// allowed) of at most kHoechsterPreisInCent. A sign, a decimal point, an exponent or any
// other byte in it, or a record cut before it, is damage rather than a price.
bool istGueltigerArtikelpreis(std::size_t feldanzahl, std::string_view preisfeld, int version);

// 100 million euros: far above any article, far below what a double holds exactly.
inline constexpr unsigned long long kHoechsterPreisInCent = 9'999'999'999ULL;

// Throws EDatanormBeschaedigt naming the file unless istGueltigerArtikelpreis.
void pruefeArtikelpreis(std::size_t feldanzahl, std::string_view preisfeld, int version,
                        const std::string& Datei);

// Throws EDatanormBeschaedigt naming the file unless istVollstaendigeZeile.
void pruefeLetzteZeile(std::string_view zeile, bool ersteZeile, const std::string& Datei);

}  // namespace velmora::datanorm
