#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

// A command line velmora-plan cannot run; what() is the one-line message for the user.
class PlanUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the command line asks of velmora-plan.
struct PlanOptions {
    // Directory of "Datanorm.500", the ".dta" files and "images/".
    std::string catalogueDir;
    bool dumpCatalogue = false;
};

// Parses the arguments after the program name. defaultCatalogueDir is used when
// --catalogue is not given. Throws PlanUsageError for an unknown option, a missing value or
// a command line that asks for nothing.
PlanOptions parsePlanOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultCatalogueDir);

}  // namespace velmora
