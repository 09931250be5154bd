#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace {

// Latin-1 letters sit at U+00C0..U+00DE (capitals) and U+00E0..U+00FE (small), 0x20
// apart; U+00D7 and U+00F7 are the multiplication and division signs.
constexpr unsigned char kLatin1Lead = 0xC3;

void mapCaseInPlace(std::string& text, bool toLower) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (toLower && c >= 'A' && c <= 'Z') {
                text[i] = static_cast<char>(c + 0x20);
            } else if (!toLower && c >= 'a' && c <= 'z') {
                text[i] = static_cast<char>(c - 0x20);
            }
            continue;
        }
        if (c != kLatin1Lead || i + 1 >= text.size()) {
            continue;
        }
        // Second byte of U+00C0..U+00FF is 0x80..0xBF; capitals 0x80..0x9E, small 0xA0..0xBE.
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (toLower && second >= 0x80 && second <= 0x9E && second != 0x97) {
            text[i + 1] = static_cast<char>(second + 0x20);
        } else if (!toLower && second >= 0xA0 && second <= 0xBE && second != 0xB7) {
            text[i + 1] = static_cast<char>(second - 0x20);
        }
        ++i;
    }
}

bool istSteuerzeichen(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string mapCase(std::string_view text, bool toLower) {
    std::string result(text);
    mapCaseInPlace(result, toLower);
    return result;
}

}  // namespace

std::string toLowerText(std::string_view text) {
    return mapCase(text, true);
}

std::string toUpperText(std::string_view text) {
    return mapCase(text, false);
}

std::string ohneSteuerzeichen(std::string_view text) {
    std::string kompakt(text);
    std::erase_if(kompakt, istSteuerzeichen);
    return kompakt;
}

std::string normalisiereArtikelnummer(std::string_view nummer) {
    std::string normal(nummer);
    normalisiereArtikelnummerInPlace(normal);
    return normal;
}

void normalisiereArtikelnummerInPlace(std::string& nummer) {
    std::erase_if(nummer, istSteuerzeichen);
    mapCaseInPlace(nummer, true);
}

bool istLeerOderBlank(std::string_view feld) {
    return feld.empty() || feld == " ";
}

}  // namespace velmora::datanorm
