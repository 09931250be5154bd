#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// No file the program reads whole comes near this; it only keeps a wrong file from
// filling memory.
inline constexpr std::size_t kMaxWholeFileBytes = 64 * 1024 * 1024;

enum class FileReadFailure { None, Missing, NotRegular, TooLarge, Unreadable };

struct FileReadResult {
    std::optional<std::string> bytes;
    FileReadFailure failure = FileReadFailure::None;
    int systemError = 0;  // errno of a failed open or read
    std::size_t limit = 0;
};

// All bytes of a regular file of at most maxBytes. The file is opened without blocking, so
// a FIFO or device is refused at once instead of hanging the caller, and a larger file is
// refused unread.
FileReadResult readFileLimited(const std::filesystem::path& path, std::size_t maxBytes);

// One sentence naming the file and why it could not be read; empty for a successful read.
std::string fileReadMessage(const std::filesystem::path& path, const FileReadResult& result);

// readFileLimited's bytes; no value when the file does not exist, is no regular file, is
// larger than maxBytes or cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::size_t maxBytes = kMaxWholeFileBytes);

}  // namespace velmora
