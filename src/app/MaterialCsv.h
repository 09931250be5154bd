#pragma once

#include <filesystem>
#include <string>

namespace velmora {

class TDaten;
class TProdukt;

// The material list of the current installation as German spreadsheet programs open it:
// UTF-8 with byte-order mark, ";" between fields, CR LF after each row, decimal comma
// without grouping, a field quoted (quotes doubled) when it holds ";", a quote or a line
// break. A heading row, then article number, description, quantity, unit price and line
// total for the tank line and every ticked accessory line (required and chosen), then the
// net and gross sums as the planning sheet computes them. A line's total is what it adds
// to the net sum: a chosen accessory counts once, whatever its quantity, and a required
// accessory other than the variant's fittings is included in the battery (0,00).
// OptZubehoerPreis: the sum of the chosen accessories, as the core computes it.
std::string materialCsv(const TProdukt& Produkt, double OptZubehoerPreis);

// Writes the material list of the core's current product atomically; on failure the old
// file stays and error names the file. Throws std::logic_error when no product is current.
bool writeMaterialCsv(const std::filesystem::path& path, const TDaten& daten, std::string& error);

}  // namespace velmora
