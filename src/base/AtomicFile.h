#pragma once

#include <filesystem>
#include <string_view>

namespace velmora {

// Replaces the file with the given bytes so that readers and crashes only ever see the old
// or the new content: writes a temporary file in the same directory, flushes it to disk and
// renames it over the target. False on any failure; the old file then stays untouched and
// no temporary file is left behind.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velmora
