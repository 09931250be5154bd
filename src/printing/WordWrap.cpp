#include "printing/WordWrap.h"

namespace velmora {

std::vector<std::string> wrapWords(const std::string& text, int maxWidth,
                                   const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> words;
    std::string::size_type start = 0;
    for (;;) {
        const auto blank = text.find(' ', start);
        words.push_back(text.substr(start, blank - start));
        if (blank == std::string::npos) {
            break;
        }
        start = blank + 1;
    }

    std::vector<std::string> lines{words.front()};
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string candidate = lines.back() + " " + words[i];
        if (measure(candidate) <= maxWidth) {
            lines.back() = std::move(candidate);
        } else {
            lines.push_back(words[i]);
        }
    }
    return lines;
}

}  // namespace velmora
