// velmora-plan: the planning core without a window, for scripts, shop systems and support.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/TDaten.h"
#include "cli/plan/CatalogueDump.h"
#include "cli/plan/PlanOptions.h"
#include "cli/plan/StderrHost.h"

namespace {

// The directory of the running executable, as the program finds its catalogue.
std::string executableDirectory(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path program = error ? std::filesystem::absolute(argv0) : self;
    return program.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora;
    PlanOptions options;
    try {
        options = parsePlanOptions(std::vector<std::string>(argv + 1, argv + argc),
                                   executableDirectory(argv[0]));
    } catch (const PlanUsageError& error) {
        std::cerr << "velmora-plan: " << error.what() << '\n';
        return 2;
    }
    StderrHost console;
    installHost(&console);
    {
        const TDaten daten(options.catalogueDir, false);
        if (options.dumpCatalogue) {
            std::cout << catalogueDumpJson(daten) << '\n';
        }
    }
    installHost(nullptr);
    return 0;
}
