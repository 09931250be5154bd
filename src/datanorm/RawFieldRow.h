#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "datanorm/DatanormFields.h"

namespace velmora::datanorm {

// An article-file line cut into fields as splitFields cuts it, the fields left as views
// into the line: a record decodes from code page 850 only the fields it keeps, straight
// into its own strings. Valid while the line is.
class RawFieldRow {
public:
    void zerlege(std::string_view line);

    std::size_t size() const { return FAnzahl; }
    // Field n (from 1) as in the file; empty when the line has fewer.
    std::string_view roh(std::size_t n) const {
        return n >= 1 && n <= FAnzahl ? FFelder[n - 1] : std::string_view();
    }
    // Field n decoded into ziel (emptied when the line has fewer).
    void text(std::size_t n, std::string& ziel) const;
    std::string text(std::size_t n) const;

private:
    std::array<std::string_view, kMaxArtikelFelder> FFelder;
    std::size_t FAnzahl = 0;
    // Most lines are plain ASCII, which the code page leaves as it is.
    bool FAscii = true;
};

}  // namespace velmora::datanorm
