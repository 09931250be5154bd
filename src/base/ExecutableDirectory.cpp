#include "base/ExecutableDirectory.h"

#include <filesystem>
#include <system_error>

namespace velmora {

std::string executableDirectory(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path program = error ? std::filesystem::absolute(argv0) : self;
    return program.parent_path().string();
}

}  // namespace velmora
