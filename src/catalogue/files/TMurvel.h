#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// The maker's scrambling of the ".dta" catalogue files: every UTF-16 code unit of the
// clear text is XORed with 0x4B, so scrambling and unscrambling are the same operation.
// Also reads the line files (accessories, groups, settings) and writes the scrambled form.
class TMurvel {
public:
    static std::u16string convert(std::u16string_view text);
    static std::u16string unConvert(std::u16string_view text);

    // Reads `Path`: a file starting with FF FE (but not FF FE 00 00) is UTF-16 LE without
    // its mark, any other file Windows-1252. Unscrambles when `Kodiert`. `Content` gets the
    // UTF-8 text; `Error` is true (and `Content` empty) when the file is missing,
    // unreadable, no regular file or larger than kMaxCatalogueFileBytes.
    static void Create(const std::filesystem::path& Path, bool Kodiert, std::string& Content,
                       bool& Error);

    // The bytes of a scrambled ".dta" file holding `clearText` (UTF-8): the UTF-16 LE mark
    // followed by the scrambled code units, which both catalogue readers take alike. A text
    // starting with "K" scrambles to the code unit 0: its file starts FF FE 00 00 and reads
    // back as single-byte text, so writers keep such a line off the front.
    static std::string scrambledFileBytes(std::string_view clearText);
};

}  // namespace velmora
