#include "catalogue/files/TQvFileHandle.h"

#include <optional>
#include <string_view>

#include "base/CodePage.h"
#include "base/FileBytes.h"
#include "base/Utf16.h"
#include "catalogue/files/Utf16Bytes.h"

namespace velmora {

bool TQvFileHandle::loadFile(const std::filesystem::path& FileName, std::u16string& Content) {
    Content.clear();
    const std::optional<std::string> bytes = readFileBytes(FileName, kMaxCatalogueFileBytes);
    if (!bytes) {
        return false;
    }
    const std::string_view data(*bytes);
    if (data.starts_with("\xEF\xBB\xBF")) {
        Content = utf8ToUtf16(data.substr(3));
    } else if (data.starts_with("\xFF\xFE")) {
        Content = utf16FromLittleEndian(data.substr(2));
    } else if (data.starts_with("\xFE\xFF")) {
        Content = utf16FromBigEndian(data.substr(2));
    } else {
        Content = utf8ToUtf16(toUtf8(data, CodePage::Windows1252));
    }
    return true;
}

}  // namespace velmora
