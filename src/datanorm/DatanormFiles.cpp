#include "datanorm/DatanormFiles.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "base/FileBytes.h"
#include "base/FileName.h"
#include "base/RegularFile.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

[[noreturn]] void throwUnreadable(const std::string& path, const FileReadResult& result) {
    throw EDatanormFileError(fileReadMessage(path, result));
}

RegularFile openForReading(const std::string& path) {
    RegularFile file(path);
    if (!file.isOpen()) {
        FileReadResult result;
        result.failure = file.failure();
        result.systemError = file.systemError();
        throwUnreadable(path, result);
    }
    return file;
}

[[noreturn]] void throwLineTooLong(const std::string& path) {
    throw EDatanormFileError("Die Datei " + quotedFileName(path) + " hat eine Zeile mit über " +
                             std::to_string(kMaxDatanormLineBytes / 1024) +
                             " KB und ist keine DATANORM-Datei.");
}

// Splits the file into lines as scanLines; the visitor returns false to stop.
void visitLines(const std::string& path,
                const std::function<bool(std::uint64_t offset, std::string_view line)>& visit) {
    RegularFile file = openForReading(path);
    // Not zeroed: each read overwrites what it uses.
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    std::string pending;  // an unfinished line carried over from the previous block
    std::uint64_t pendingOffset = 0;
    std::uint64_t blockOffset = 0;
    while (true) {
        const long got = file.read(block.get(), kBlockSize);
        if (got < 0) {
            FileReadResult result;
            result.failure = FileReadFailure::Unreadable;
            result.systemError = file.systemError();
            throwUnreadable(path, result);
        }
        if (got == 0) {
            break;
        }
        const std::string_view data(block.get(), static_cast<std::size_t>(got));
        std::size_t start = 0;
        while (start < data.size()) {
            const std::size_t gefunden = zeilenende(data, start);
            const std::size_t end = gefunden == data.size() ? std::string_view::npos : gefunden;
            const std::string_view piece =
                data.substr(start, end == std::string_view::npos ? end : end - start);
            if (pending.size() + piece.size() > kMaxDatanormLineBytes) {
                throwLineTooLong(path);
            }
            if (end == std::string_view::npos) {
                if (pending.empty()) {
                    pendingOffset = blockOffset + start;
                }
                pending.append(piece);
                break;
            }
            if (pending.empty()) {
                if (!piece.empty() && !visit(blockOffset + start, piece)) {
                    return;
                }
            } else {
                pending.append(piece);
                if (!visit(pendingOffset, pending)) {
                    return;
                }
                pending.clear();
            }
            start = end + 1;
        }
        blockOffset += static_cast<std::uint64_t>(got);
    }
    if (!pending.empty()) {
        visit(pendingOffset, pending);
    }
}

}  // namespace

std::string readWholeFile(const std::string& path, std::size_t maxBytes) {
    FileReadResult result = readFileLimited(path, maxBytes);
    if (!result.bytes) {
        throwUnreadable(path, result);
    }
    return std::move(*result.bytes);
}

std::uint64_t fileSize(const std::string& path) {
    return openForReading(path).size();
}

void scanLines(const std::string& path,
               const std::function<void(std::uint64_t offset, std::string_view line)>& visit) {
    visitLines(path, [&](std::uint64_t offset, std::string_view line) {
        visit(offset, line);
        return true;
    });
}

std::string readFirstLine(const std::string& path) {
    std::string first;
    visitLines(path, [&](std::uint64_t, std::string_view line) {
        first = line;
        return false;
    });
    return first;
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
