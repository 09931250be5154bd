#include "catalogue/files/ScrambledXml.h"

#include <string>

#include "base/Utf16.h"
#include "catalogue/files/TMurvel.h"
#include "catalogue/files/TQvFileHandle.h"

namespace velmora {

pugi::xml_node loadScrambledXml(const std::filesystem::path& path, pugi::xml_document& document) {
    std::u16string scrambled;
    if (!TQvFileHandle::loadFile(path, scrambled)) {
        return {};
    }
    const std::string text = utf16ToUtf8(TMurvel::unConvert(scrambled));
    // A truncated or corrupt file is no catalogue: half a document must not pass for one.
    if (!document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8)) {
        return {};
    }
    return document.first_child();
}

}  // namespace velmora
