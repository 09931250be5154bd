// Any bytes given to the plan file reader: no crash, no sanitizer report, and every plan it
// accepts is written back to a file it reads as the same plan (an old plan that did not say
// its kind of second row is written with a straight one, as the current format must say).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/PlanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const velmora::PlanFileReadResult read = velmora::parsePlanFile(bytes);
    if (read.plan) {
        velmora::PlanFile expected = *read.plan;
        if (expected.selection && expected.selection->installation) {
            auto& crosswise = expected.selection->installation->secondRowCrosswise;
            crosswise = crosswise.value_or(false);
        }
        const velmora::PlanFileReadResult again =
            velmora::parsePlanFile(velmora::planFileJson(*read.plan));
        if (!again.plan || !(*again.plan == expected)) {
            std::abort();
        }
    } else if (read.error.empty()) {
        std::abort();
    }
    return 0;
}
