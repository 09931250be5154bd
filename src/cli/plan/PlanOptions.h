#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/GeometryTypes.h"

namespace velmora {

// A command line velmora-plan cannot run; what() is the one-line message for the user.
class PlanUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class PlanFormat { Json, Text };

// The ten input texts of a search, each exactly as the window's field would hold it.
struct PlanInputs {
    std::string roomWidth;
    std::string roomLength;
    std::string roomHeight;
    std::string volume;
    std::string openingHeight;
    std::string openingWidth;
    std::string cornerWidth;
    std::string cornerLength;
    std::string boilerWidth;
    std::string boilerLength;
};

// What the command line asks of velmora-plan.
struct PlanOptions {
    // Directory of "Datanorm.500", the ".dta" files and "images/".
    std::string catalogueDir;
    bool dumpCatalogue = false;

    std::string type;
    std::string tankPosition;
    std::string cornerPosition;
    std::string boilerPosition;
    PlanInputs inputs;
    bool boilerRoom = false;
    bool protectedBoiler = false;
    bool tenCm = false;
    // Decimals of every field when the search rewrites it.
    int decimals = 2;

    std::optional<std::string> select;
    std::optional<std::size_t> installation;
    // --move-to: the pointer of one free move, in room millimetres.
    std::optional<TMyVec> moveTo;
    PlanFormat format = PlanFormat::Json;

    std::optional<std::string> pngFile;
    int pngWidth = 800;
    int pngHeight = 600;

    // The planning sheet and the DATANORM printout as PDF; both need select.
    std::optional<std::string> pdfFile;
    std::optional<std::string> datanormPdfFile;
    // The project name of the printouts; the catalogue's default when not given.
    std::optional<std::string> projectName;
};

// Parses the arguments after the program name. defaultCatalogueDir is used when
// --catalogue is not given. Throws PlanUsageError for an unknown option, a missing or
// malformed value, an unknown corner code, or --installation, --move-to, --pdf or
// --datanorm-pdf without --select.
PlanOptions parsePlanOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultCatalogueDir);

}  // namespace velmora
