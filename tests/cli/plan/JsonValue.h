#pragma once

#include "base/JsonValue.h"

namespace velmora::testing {

// The tests read the tools' output with the program's own strict reader.
using JsonValue = velmora::JsonValue;

}  // namespace velmora::testing
