#include "cli/plan/PlanOptions.h"

#include <cstddef>

namespace velmora {

PlanOptions parsePlanOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultCatalogueDir) {
    PlanOptions options;
    options.catalogueDir = defaultCatalogueDir;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--catalogue") {
            if (i + 1 == arguments.size()) {
                throw PlanUsageError("--catalogue needs a directory");
            }
            options.catalogueDir = arguments[++i];
        } else if (argument == "--dump-catalogue") {
            options.dumpCatalogue = true;
        } else {
            throw PlanUsageError("unknown option \"" + argument + "\"");
        }
    }
    if (!options.dumpCatalogue) {
        throw PlanUsageError("nothing to do: give --dump-catalogue");
    }
    return options;
}

}  // namespace velmora
