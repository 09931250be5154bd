#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace velmora::fuzzing {

// A fresh directory for the files a fuzzer writes on every run, in memory where the system
// offers it (the readers under test write and sync their caches beside their files).
inline const std::filesystem::path& fuzzDirectory() {
    static const std::filesystem::path dir = [] {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "velmora-fuzz-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return dir;
}

}  // namespace velmora::fuzzing
