#include "FirstLine.h"

#include <stdexcept>
#include <vector>

namespace velmora::catalogue_tool {

namespace {

constexpr char kKeyCharacter = 'K';

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

std::string groupOf(const std::string& line) {
    return line.substr(0, line.find("|||"));
}

}  // namespace

std::string withSafeFirstLine(const std::string& text) {
    if (text.empty() || text.front() != kKeyCharacter) {
        return text;
    }
    const std::vector<std::string> lines = splitLines(text);
    std::string group;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() != kKeyCharacter && line.front() != '\r' &&
            line.front() != '\n') {
            group = groupOf(line);
            break;
        }
    }
    if (group.empty()) {
        throw std::runtime_error("every line starts with \"K\"; the file would start FF FE 00 00");
    }
    std::string front;
    std::string rest;
    for (const std::string& line : lines) {
        std::string& target = groupOf(line) == group ? front : rest;
        target += line;
        if (target.back() != '\n') {
            target += '\n';
        }
    }
    return front + rest;
}

}  // namespace velmora::catalogue_tool
