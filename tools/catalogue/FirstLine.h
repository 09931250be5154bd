#pragma once

#include <string>

namespace velmora::catalogue_tool {

// A line file whose first scrambled code unit is 0 (its text starts with "K", the key)
// begins with FF FE 00 00, which the reader takes as single-byte text. Moves the lines of
// the first group (lines sharing their first "|||" field) whose code does not start with
// "K" to the front; the order within each group stays. Throws std::runtime_error when
// every group starts with "K". Text without such a start comes back unchanged.
std::string withSafeFirstLine(const std::string& text);

}  // namespace velmora::catalogue_tool
