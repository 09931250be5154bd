#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/VariantenSchritt.h"

namespace velmora {
namespace {

// A list written as the search leaves it: a letter per variant, "-" lengthwise, "|"
// crosswise, e.g. "A-A|B-C|C-" (variant A in both orientations, B lengthwise only, ...).
std::vector<AufstellungsArt> liste(const std::string& text) {
    std::vector<AufstellungsArt> arten;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        arten.push_back({text[i] - 'A', text[i + 1] == '-'});
    }
    return arten;
}

constexpr int kKeine = -1;

int alsZahl(std::optional<std::size_t> index) {
    return index ? static_cast<int>(*index) : kKeine;
}

struct SchrittFall {
    const char* liste;
    std::size_t index;
    int weiter, zurueck, drehen;  // index shown by ">", "<", turning; kKeine: no step
};

TEST(VariantenSchrittTest, StepsCountBothOrientationsOfAVariantOnce) {
    const SchrittFall faelle[] = {
        {"A-A|B-B|", 0, 2, kKeine, 1},  // > skips A's second orientation
        {"A-A|B-B|", 1, 3, kKeine, 0},  // crosswise stays crosswise
        {"A-A|B-B|", 2, kKeine, 0, 3},  // > past the end
        {"A-A|B-B|", 3, kKeine, 1, 2},  // < keeps the orientation
        {"A-B|B-C-", 0, 2, kKeine, 1},  // B shown lengthwise after a lengthwise A
        {"A-B|B-C-", 2, 3, 0, 1},
        {"A-B-C-", 1, 2, 0, 2},  // single orientations: plain steps; turning takes next
        {"A-B-C-", 2, kKeine, 1, kKeine},
        {"A|", 0, kKeine, kKeine, kKeine},
        {"A-A|B|B-", 1, 2, kKeine, 0},  // the next variant listed crosswise first
    };
    for (const SchrittFall& f : faelle) {
        const auto arten = liste(f.liste);
        SCOPED_TRACE(std::string(f.liste) + " at " + std::to_string(f.index));
        EXPECT_EQ(alsZahl(naechsteVariante(arten, f.index)), f.weiter);
        EXPECT_EQ(alsZahl(vorherigeVariante(arten, f.index)), f.zurueck);
        EXPECT_EQ(alsZahl(gedrehteAufstellung(arten, f.index)), f.drehen);
    }
}

TEST(VariantenSchrittTest, ButtonsAreEnabledExactlyWhereAStepLeadsSomewhere) {
    struct Fall {
        const char* liste;
        std::size_t index;
        bool zurueck, weiter, drehen;
    };
    const Fall faelle[] = {
        {"A-A|B-B|", 0, false, true, true}, {"A-A|B-B|", 1, false, true, true},
        {"A-A|B-B|", 2, true, false, true}, {"A-A|B-B|", 3, true, false, true},
        {"A-B-C-", 0, false, true, false},  {"A-B-C-", 2, true, false, false},
        {"A|", 0, false, false, false},     {"A-A|", 1, false, false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.liste) + " at " + std::to_string(f.index));
        const VariantenBefehle befehle = variantenBefehle(liste(f.liste), f.index);
        EXPECT_EQ(befehle.zurueck, f.zurueck);
        EXPECT_EQ(befehle.weiter, f.weiter);
        EXPECT_EQ(befehle.drehen, f.drehen);
    }
}

// The list keys walk the rows as the user sees them and wrap at either end.
TEST(VariantenSchrittTest, ListKeysWrapAtEitherEnd) {
    struct Fall {
        int zeile;
        int schritt;
        int anzahl;
        int erwartet;
    };
    const Fall faelle[] = {
        {0, 1, 3, 1},   {2, 1, 3, 0},  {0, -1, 3, 2},
        {1, -1, 3, 0},  {-1, 1, 3, 0}, {-1, -1, 3, 2},  // no current row: the first or the last
        {-1, 1, 0, -1},                                 // an empty list
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(nachbarzeile(f.zeile, f.schritt, f.anzahl), f.erwartet)
            << f.zeile << " " << f.schritt << " " << f.anzahl;
    }
}

}  // namespace
}  // namespace velmora
