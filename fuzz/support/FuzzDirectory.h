#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace velmora::fuzzing {

// A fresh directory for the files a fuzzer writes on every run, in memory where the system
// offers it (the readers under test write and sync their caches beside their files).
// Removed when the fuzzer exits normally.
inline const std::filesystem::path& fuzzDirectory() {
    struct Directory {
        Directory() {
            std::error_code error;
            const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                                   ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path();
            std::string pattern = (base / "velmora-fuzz-XXXXXX").string();
            path = ::mkdtemp(pattern.data());
        }
        ~Directory() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::filesystem::path path;
    };
    static const Directory dir;
    return dir.path;
}

}  // namespace velmora::fuzzing
