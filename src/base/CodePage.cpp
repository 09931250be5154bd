#include "base/CodePage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <mutex>
#include <stdexcept>

namespace velmora {

namespace {

const char* iconvName(CodePage codePage) {
    return codePage == CodePage::Cp850 ? "CP850" : "CP1252";
}

// One table per code page, built once through iconv: decoding a single-byte code page
// is a lookup, and the tables make both directions exact and fast.
struct CodePageTable {
    std::array<std::string, 256> toUtf8;
};

CodePageTable buildTable(CodePage codePage) {
    CodePageTable table;
    iconv_t cd = iconv_open("UTF-8", iconvName(codePage));
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert this code page");
    }
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        std::array<char, 8> out{};
        char* inPtr = &in;
        std::size_t inLeft = 1;
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            // Undefined byte: the control character U+0080..U+009F of the same number.
            table.toUtf8[b] = {static_cast<char>(0xC2), static_cast<char>(b)};
        } else {
            table.toUtf8[b].assign(out.data(), outPtr);
        }
    }
    iconv_close(cd);
    return table;
}

const CodePageTable& tableFor(CodePage codePage) {
    static const CodePageTable cp850 = buildTable(CodePage::Cp850);
    static const CodePageTable cp1252 = buildTable(CodePage::Windows1252);
    return codePage == CodePage::Cp850 ? cp850 : cp1252;
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
