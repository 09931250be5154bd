#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/RegularFile.h"

namespace velmora::datanorm {

// Lines of a file at byte offsets, read through a window of a few hundred kilobytes, so
// that lines close together (an article with its texts, or every article in file order)
// cost one read of the file rather than one per line.
class LineWindow {
public:
    explicit LineWindow(const std::string& path);

    // False when the file could not be opened.
    bool isOpen() const { return FFile.isOpen(); }

    // The line starting at offset, up to CR, LF or the end of the file, at most
    // kMaxDatanormLineBytes of it; empty when the file cannot be read there. Valid until
    // the next call.
    std::string_view zeileAb(std::uint64_t offset);
    // The next non-empty line after the one zeileAb or naechsteZeile returned last, as
    // zeileAb returns it.
    std::string_view naechsteZeile();

private:
    bool fuelle(std::uint64_t offset);

    RegularFile FFile;
    std::vector<char> FPuffer;
    std::uint64_t FAnfang = 0;
    std::size_t FLaenge = 0;
    // Where the line returned last ends.
    std::uint64_t FLetztesEnde = 0;
};

}  // namespace velmora::datanorm
