// The calculator evaluates whatever a user types or pastes: any bytes must give a value or a
// message, never a crash, and a value is finite or the message says why not.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calculator/CalculatorExpression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmora::CalculatorResult result = velmora::evaluateCalculatorExpression(text);
    if (result.ok != result.message.empty() || (result.ok && !std::isfinite(result.value))) {
        std::abort();
    }
    return 0;
}
