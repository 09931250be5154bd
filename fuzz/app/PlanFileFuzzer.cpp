// Any bytes given to the plan file reader: no crash, no sanitizer report, and every plan it
// accepts is written back to a file it reads as the same plan.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/PlanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const velmora::PlanFileReadResult read = velmora::parsePlanFile(bytes);
    if (read.plan) {
        const velmora::PlanFileReadResult again =
            velmora::parsePlanFile(velmora::planFileJson(*read.plan));
        if (!again.plan || !(*again.plan == *read.plan)) {
            std::abort();
        }
    } else if (read.error.empty()) {
        std::abort();
    }
    return 0;
}
