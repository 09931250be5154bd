#pragma once

#include <filesystem>
#include <string>

namespace velmora {

// A file's path in double quotes for a message, with control characters (a newline or an
// escape sequence in a hostile name) written as \xNN so the message cannot be forged.
std::string quotedFileName(const std::filesystem::path& path);

// The system's reason for an error number ("No space left on device").
std::string systemReason(int errorNumber);

}  // namespace velmora
