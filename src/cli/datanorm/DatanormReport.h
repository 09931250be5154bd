#pragma once

#include <string>

#include "datanorm/TDatanorm.h"

namespace velmora::datanorm {

// The JSON lines the command-line tool prints for a loaded file: one line describing
// the file, then one line per article.
std::string dateiZeile(const TDatanorm& datanorm);
std::string artikelZeile(const TProdukt& produkt);

}  // namespace velmora::datanorm
