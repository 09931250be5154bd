#pragma once

#include <string>

namespace velmora::testing {

struct PlanProcessResult {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs velmora-plan from the build's program directory (VELMORA_BIN) with the given
// arguments (already quoted for the shell) and the given environment assignments in front.
PlanProcessResult runPlan(const std::string& arguments, const std::string& environment = "");

}  // namespace velmora::testing
