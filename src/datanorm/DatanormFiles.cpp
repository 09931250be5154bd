#include "datanorm/DatanormFiles.h"

#include <filesystem>
#include <vector>

#include "base/FileBytes.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

[[noreturn]] void throwUnreadable(const std::string& path) {
    throw EDatanormFileError("Die Datei \"" + path + "\" kann nicht gelesen werden.");
}

std::ifstream openForReading(const std::string& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        throwUnreadable(path);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throwUnreadable(path);
    }
    return file;
}

}  // namespace

std::string readWholeFile(const std::string& path) {
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        throwUnreadable(path);
    }
    return std::move(*bytes);
}

std::uint64_t fileSize(const std::string& path) {
    std::ifstream file = openForReading(path);
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) {
        throwUnreadable(path);
    }
    return static_cast<std::uint64_t>(size);
}

void scanLines(const std::string& path,
               const std::function<void(std::uint64_t offset, std::string_view line)>& visit) {
    std::ifstream file = openForReading(path);
    std::vector<char> block(kBlockSize);
    std::string pending;  // an unfinished line carried over from the previous block
    std::uint64_t pendingOffset = 0;
    std::uint64_t blockOffset = 0;
    auto finishLine = [&]() {
        if (!pending.empty()) {
            visit(pendingOffset, pending);
            pending.clear();
        }
    };
    while (file) {
        file.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(file.gcount());
        const std::string_view data(block.data(), got);
        std::size_t start = 0;
        while (start < data.size()) {
            const std::size_t end = data.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                if (pending.empty()) {
                    pendingOffset = blockOffset + start;
                }
                pending.append(data.substr(start));
                break;
            }
            if (pending.empty()) {
                if (end > start) {
                    visit(blockOffset + start, data.substr(start, end - start));
                }
            } else {
                pending.append(data.substr(start, end - start));
                finishLine();
            }
            start = end + 1;
        }
        blockOffset += got;
    }
    if (file.bad()) {
        throwUnreadable(path);
    }
    finishLine();
}

std::string readLineAt(std::ifstream& file, std::uint64_t offset) {
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    std::string line;
    char c = 0;
    while (file.get(c) && c != '\r' && c != '\n') {
        line.push_back(c);
    }
    return line;
}

std::string begleitdatei(const std::string& artikeldatei, std::size_t cut,
                         std::string_view suffix) {
    const fs::path artikelpfad(artikeldatei);
    std::string name = artikelpfad.filename().string();
    name.resize(name.size() - std::min(cut, name.size()));
    name += suffix;
    const fs::path gesucht = artikelpfad.parent_path() / name;
    std::error_code error;
    if (fs::exists(gesucht, error)) {
        return gesucht.string();
    }
    const fs::path verzeichnis =
        artikelpfad.parent_path().empty() ? fs::path(".") : artikelpfad.parent_path();
    const std::string gesuchtKlein = toLowerText(name);
    for (fs::directory_iterator it(verzeichnis, error), end; !error && it != end;
         it.increment(error)) {
        if (toLowerText(it->path().filename().string()) == gesuchtKlein) {
            return (artikelpfad.parent_path() / it->path().filename()).string();
        }
    }
    return gesucht.string();
}

bool dateiExistiert(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace velmora::datanorm
