#include <gtest/gtest.h>

#include "printing/WordWrap.h"

namespace velmora {
namespace {

int sevenPerCharacter(const std::string& text) {
    return 7 * static_cast<int>(text.size());
}

TEST(WordWrapTest, BreaksBeforeTheFirstWordThatDoesNotFit) {
    struct Case {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"eins zwei drei", 63, {"eins zwei", "drei"}},  // "eins zwei" is exactly 63
        {"eins zwei drei", 62, {"eins", "zwei", "drei"}},
        {"eins zwei drei", 98, {"eins zwei drei"}},
        {"Hinweis", 7, {"Hinweis"}},  // too wide: alone on its line
        {"a Heizungsraum b", 21, {"a", "Heizungsraum", "b"}},
        {"a  b", 28, {"a  b"}},  // a double blank is kept
        {"", 10, {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wrapWords(c.text, c.width, sevenPerCharacter), c.lines)
            << c.text << " in " << c.width;
    }
}

}  // namespace
}  // namespace velmora
