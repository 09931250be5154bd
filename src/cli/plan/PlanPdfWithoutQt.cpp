// A build without the Qt shell (the clang fuzzing build) has no page recorder to print with.

#include "cli/plan/PlanPdf.h"

namespace velmora {

bool writePrintoutPdf(TDaten&, Printout, const std::string&, const std::string&,
                      std::string& error) {
    error = "PDF-Ausgabe nicht verfügbar: ohne Qt gebaut.";
    return false;
}

}  // namespace velmora
