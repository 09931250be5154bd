#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// All bytes of a regular file; no value when it does not exist, names a directory or
// cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

}  // namespace velmora
