#include "base/Rounding.h"

#include <cmath>
#include <limits>

namespace velmora {

int roundHalfToEven(double value) {
    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded > std::numeric_limits<int>::min() && rounded < std::numeric_limits<int>::max()) {
        return static_cast<int>(rounded);
    }
    return rounding_detail::outsideIntRange(rounded);
}

}  // namespace velmora
