#pragma once

#include <string>

namespace velmora {

class TDaten;

enum class Printout { PlanningSheet, Datanorm };

// Builds the printout of the current solution with the project name and writes it as a
// PDF file, page for page as the preview prints it. False with a message in error when
// there is no current solution or the file cannot be written.
bool writePrintoutPdf(TDaten& daten, Printout printout, const std::string& projectName,
                      const std::string& file, std::string& error);

}  // namespace velmora
