#include "base/CodePage.h"
#include "base/Utf8.h"

#include <array>

namespace velmora {

namespace {

// The upper halves of the two code pages, bytes 0x80 to 0xFF (the lower halves are ASCII).
// CP1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined: they stand for the control
// characters of the same number.
constexpr std::array<char16_t, 128> kCp850Upper{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};
constexpr std::array<char16_t, 128> kCp1252Upper{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

// One table per code page, built once: decoding a single-byte code page is a lookup, and the
// tables make both directions exact and fast.
struct CodePageTable {
    std::array<std::string, 256> toUtf8;
};

CodePageTable buildTable(const std::array<char16_t, 128>& upper) {
    CodePageTable table;
    for (std::size_t b = 0; b < 0x80; ++b) {
        table.toUtf8[b] = std::string(1, static_cast<char>(b));
    }
    for (std::size_t b = 0x80; b < 0x100; ++b) {
        appendUtf8(table.toUtf8[b], upper[b - 0x80]);
    }
    return table;
}

const CodePageTable& tableFor(CodePage codePage) {
    if (codePage == CodePage::Cp850) {
        static const CodePageTable cp850 = buildTable(kCp850Upper);
        return cp850;
    }
    static const CodePageTable cp1252 = buildTable(kCp1252Upper);
    return cp1252;
}

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not valid there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string toUtf8(std::string_view bytes, CodePage codePage) {
    std::string result;
    result.reserve(bytes.size());
    appendUtf8(result, bytes, codePage);
    return result;
}

void appendUtf8(std::string& text, std::string_view bytes, CodePage codePage) {
    const CodePageTable& table = tableFor(codePage);
    for (std::size_t i = 0; i < bytes.size();) {
        // ASCII is the same in every table: copied a run at a time.
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) {
            ++run;
        }
        text.append(bytes.substr(i, run - i));
        if (run < bytes.size()) {
            text += table.toUtf8[static_cast<unsigned char>(bytes[run])];
            ++run;
        }
        i = run;
    }
}

std::string fromUtf8(std::string_view text, CodePage codePage) {
    const CodePageTable& table = tableFor(codePage);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 1) {
            result.push_back(text[i]);
            ++i;
            continue;
        }
        if (length == 0) {
            result.push_back('?');
            ++i;
            continue;
        }
        const std::string_view sequence = text.substr(i, length);
        char encoded = '?';
        for (int b = 0x80; b < 256; ++b) {
            if (table.toUtf8[b] == sequence) {
                encoded = static_cast<char>(b);
                break;
            }
        }
        result.push_back(encoded);
        i += length;
    }
    return result;
}

}  // namespace velmora
