#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/PlanFile.h"
#include "base/GeometryTypes.h"

namespace velmora {

// A command line velmora-plan cannot run; what() is the one-line message for the user.
class PlanUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class PlanFormat { Json, Text };

// What --png draws: the plan or the side view of the current installation.
enum class PngView { Plan, Side };

// What the command line asks of velmora-plan.
struct PlanOptions {
    // Directory of "Datanorm.500", the ".dta" files and "images/".
    std::string catalogueDir;
    bool dumpCatalogue = false;

    // The inputs and corners as given (the project name and the choice stay empty).
    PlanFile plan;
    // Decimals of every field when the search rewrites it.
    int decimals = 2;

    std::optional<std::string> select;
    std::optional<std::size_t> installation;
    // --move-to: the pointer of one free move, in room millimetres.
    std::optional<TMyVec> moveTo;
    PlanFormat format = PlanFormat::Json;

    // A plan file replayed instead of the inputs and the selection.
    std::optional<std::string> openFile;
    std::optional<std::string> saveFile;
    std::optional<std::string> materialCsvFile;

    std::optional<std::string> pngFile;
    int pngWidth = 800;
    int pngHeight = 600;
    PngView pngView = PngView::Plan;

    // The planning sheet and the DATANORM printout as PDF; both need select.
    std::optional<std::string> pdfFile;
    std::optional<std::string> datanormPdfFile;
    // The project name of the printouts; the catalogue's default when not given.
    std::optional<std::string> projectName;
};

// Parses the arguments after the program name. defaultCatalogueDir is used when
// --catalogue is not given. Throws PlanUsageError for an unknown option, a missing or
// malformed value, an unknown corner code, --installation, --pdf or --datanorm-pdf without
// --select, --move-to without --select or --open, --open with inputs or a selection, or
// --save or --material-csv without a selection.
PlanOptions parsePlanOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultCatalogueDir);

}  // namespace velmora
