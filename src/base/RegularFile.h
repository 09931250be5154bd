#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "base/FileBytes.h"

namespace velmora {

// A regular file open for reading. Opening never blocks (a FIFO without a writer or a
// device would hang open or read) and anything but a regular file is refused, so every
// reader built on it is safe against special files given as input.
class RegularFile {
public:
    explicit RegularFile(const std::filesystem::path& path);
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return FFd >= 0; }
    // Why opening failed (Missing, NotRegular or Unreadable), with the system's errno.
    FileReadFailure failure() const { return FFailure; }
    int systemError() const { return FSystemError; }

    // Size when opened, in bytes.
    std::uint64_t size() const { return FSize; }
    // Reads up to count bytes at the current position: the number read, 0 at the end, -1 on
    // an error (systemError() then says which).
    long read(char* buffer, std::size_t count);
    // Reads up to count bytes at offset without moving the position; as read.
    long readAt(std::uint64_t offset, char* buffer, std::size_t count);

private:
    int FFd = -1;
    FileReadFailure FFailure = FileReadFailure::None;
    int FSystemError = 0;
    std::uint64_t FSize = 0;
};

}  // namespace velmora
