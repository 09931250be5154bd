#include "catalogue/files/CatalogueLines.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::string_view kSeparator = "|||";

}  // namespace

std::vector<std::string> splitCatalogueLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        const std::size_t end = lf > start && text[lf - 1] == '\r' ? lf - 1 : lf;
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::vector<std::string> splitCatalogueFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = line.find(kSeparator); end != std::string_view::npos;
         end = line.find(kSeparator, start)) {
        fields.emplace_back(line.substr(start, end - start));
        start = end + kSeparator.size();
    }
    return fields;
}

std::string restAfterFields(std::string_view line, std::size_t count) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t end = line.find(kSeparator, start);
        if (end == std::string_view::npos) {
            return {};
        }
        start = end + kSeparator.size();
    }
    return std::string(line.substr(start));
}

bool isCatalogueLineFile(std::string_view text, std::size_t separators) {
    const auto isControl = [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n';
    };
    if (std::ranges::any_of(text, isControl)) {
        return false;
    }
    bool anyLine = false;
    for (const std::string& line : splitCatalogueLines(text)) {
        if (line.empty()) {
            continue;
        }
        anyLine = true;
        if (splitCatalogueFields(line).size() < separators) {
            return false;
        }
    }
    return anyLine;
}

}  // namespace velmora
