#include "catalogue/files/TMurvel.h"

#include <optional>

#include "base/CodePage.h"
#include "base/FileBytes.h"
#include "base/Utf16.h"
#include "catalogue/files/TQvFileHandle.h"
#include "catalogue/files/Utf16Bytes.h"

namespace velmora {

namespace {

constexpr char16_t kKey = 0x4B;

// FF FE 00 00 may be UTF-32, so such a file is read as single-byte text; the catalogue
// writers keep a scrambled file from starting with the code unit 0.
bool startsWithUtf16LittleEndianMark(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") && !bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4));
}

}  // namespace

std::u16string TMurvel::convert(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& unit : result) {
        unit ^= kKey;
    }
    return result;
}

std::u16string TMurvel::unConvert(std::u16string_view text) {
    return convert(text);
}

void TMurvel::Create(const std::filesystem::path& Path, bool Kodiert, std::string& Content,
                     bool& Error) {
    Error = false;
    Content.clear();
    const std::optional<std::string> bytes = readFileBytes(Path, kMaxCatalogueFileBytes);
    if (!bytes) {
        Error = true;
        return;
    }
    std::u16string text = startsWithUtf16LittleEndianMark(*bytes)
                              ? utf16FromLittleEndian(std::string_view(*bytes).substr(2))
                              : utf8ToUtf16(toUtf8(*bytes, CodePage::Windows1252));
    if (Kodiert) {
        text = unConvert(text);
    }
    Content = utf16ToUtf8(text);
}

std::string TMurvel::scrambledFileBytes(std::string_view clearText) {
    return "\xFF\xFE" + utf16ToLittleEndian(convert(utf8ToUtf16(clearText)));
}

}  // namespace velmora
