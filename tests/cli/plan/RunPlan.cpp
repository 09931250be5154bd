#include "cli/plan/RunPlan.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/TempDirectory.h"

namespace velmora::testing {

PlanProcessResult runPlan(const std::string& arguments, const std::string& environment) {
    const char* bin = std::getenv("VELMORA_BIN");
    TempDirectory scratch;
    const std::string errFile = (scratch.path() / "stderr").string();
    const std::string command = environment + " '" + std::string(bin ? bin : ".") +
                                "/velmora-plan' " + arguments + " 2>'" + errFile + "'";
    PlanProcessResult run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    std::stringstream err;
    err << in.rdbuf();
    run.err = err.str();
    return run;
}

}  // namespace velmora::testing
