#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace velmora {

// A fresh directory below the system's temporary directory, removed with everything in it.
class PriceTestDirectory {
public:
    PriceTestDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "prices-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~PriceTestDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    PriceTestDirectory(const PriceTestDirectory&) = delete;
    PriceTestDirectory& operator=(const PriceTestDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(path_ / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string read(const std::string& name) const {
        std::ifstream file(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

}  // namespace velmora
