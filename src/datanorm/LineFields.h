#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "datanorm/DatanormFields.h"

namespace velmora::datanorm {

// An article-file line cut into fields as splitConverted cuts it, the fields left as views:
// a record copies the fields it keeps straight into its own strings. Most lines are plain
// ASCII, which the code page leaves as it is; only a line with other bytes is decoded, once
// as a whole (";" stays ";", and no decoded byte is one). Valid while the line is.
class LineFields {
public:
    LineFields() = default;
    // The views may point into the object.
    LineFields(const LineFields&) = delete;
    LineFields& operator=(const LineFields&) = delete;

    void zerlege(std::string_view line);

    std::size_t size() const { return FAnzahl; }
    // Field n (from 1), decoded; empty when the line has fewer.
    std::string_view feld(std::size_t n) const {
        return n >= 1 && n <= FAnzahl ? FFelder[n - 1] : std::string_view();
    }
    // Field n copied into ziel (emptied when the line has fewer).
    void text(std::size_t n, std::string& ziel) const {
        const std::string_view wert = feld(n);
        if (wert.empty()) {
            ziel.clear();  // many fields are, and assign is a call into the library
        } else {
            ziel.assign(wert);
        }
    }
    std::string text(std::size_t n) const { return std::string(feld(n)); }

private:
    std::array<std::string_view, kMaxArtikelFelder> FFelder;
    std::size_t FAnzahl = 0;
    // The decoded line, for a line that is not plain ASCII; its storage is kept.
    std::string FDecodiert;
};

}  // namespace velmora::datanorm
