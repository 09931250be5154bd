#include "base/FileBytes.h"

#include <algorithm>

#include "base/FileName.h"
#include "base/RegularFile.h"

namespace velmora {

FileReadResult readFileLimited(const std::filesystem::path& path, std::size_t maxBytes) {
    FileReadResult result;
    result.limit = maxBytes;
    RegularFile file(path);
    if (!file.isOpen()) {
        result.failure = file.failure();
        result.systemError = file.systemError();
        return result;
    }
    if (file.size() > maxBytes) {
        result.failure = FileReadFailure::TooLarge;
        return result;
    }
    std::string bytes;
    // The size can grow after fstat; one byte more than allowed tells that apart.
    bytes.resize(static_cast<std::size_t>(file.size()) + 1);
    std::size_t got = 0;
    while (true) {
        const long read = file.read(bytes.data() + got, bytes.size() - got);
        if (read < 0) {
            result.failure = FileReadFailure::Unreadable;
            result.systemError = file.systemError();
            return result;
        }
        if (read == 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
        if (got > maxBytes) {
            result.failure = FileReadFailure::TooLarge;
            return result;
        }
        if (got == bytes.size()) {
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
    }
    bytes.resize(got);
    result.bytes = std::move(bytes);
    return result;
}

std::string fileReadMessage(const std::filesystem::path& path, const FileReadResult& result) {
    const std::string name = "Die Datei " + quotedFileName(path);
    switch (result.failure) {
        case FileReadFailure::None:
            return {};
        case FileReadFailure::Missing:
            return name + " ist nicht vorhanden.";
        case FileReadFailure::NotRegular:
            return name +
                   " kann nicht gelesen werden: unter diesem Namen steht ein Ordner oder ein "
                   "Gerät, keine Datei. Bitte geben Sie eine Datei an.";
        case FileReadFailure::TooLarge:
            return name + " ist größer als " + std::to_string(result.limit / 1024) +
                   " KB und wird nicht gelesen.";
        case FileReadFailure::Unreadable:
            break;
    }
    return name + " kann nicht gelesen werden" +
           (result.systemError != 0 ? " (" + systemReason(result.systemError) + ")." : ".");
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    return readFileLimited(path, maxBytes).bytes;
}

}  // namespace velmora
