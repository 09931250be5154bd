// The flat key table behind both load modes' indexes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "datanorm/KeyTable.h"
#include "datanorm/PositionChains.h"

namespace velmora::datanorm {
namespace {

TEST(KeyTable, KeysKeepTheirIdsWhileTheTableGrows) {
    KeyTable tabelle;
    EXPECT_EQ(tabelle.find("a"), std::nullopt);
    constexpr int kAnzahl = 5000;
    for (int i = 0; i < kAnzahl; ++i) {
        const auto [id, neu] = tabelle.insert("k" + std::to_string(i));
        ASSERT_TRUE(neu);
        ASSERT_EQ(id, static_cast<KeyTable::Id>(i));
    }
    // An empty key and keys that are prefixes of others are keys like any other.
    const KeyTable::Id leer = tabelle.insert("").first;
    EXPECT_EQ(tabelle.insert("k").second, true);
    for (int i = 0; i < kAnzahl; i += 7) {
        const std::string key = "k" + std::to_string(i);
        EXPECT_EQ(tabelle.insert(key), std::make_pair(static_cast<KeyTable::Id>(i), false));
        EXPECT_EQ(tabelle.find(key), static_cast<KeyTable::Id>(i));
        EXPECT_EQ(tabelle.key(static_cast<KeyTable::Id>(i)), key);
    }
    EXPECT_EQ(tabelle.find(""), leer);
    EXPECT_EQ(tabelle.find("k5000"), std::nullopt);
    EXPECT_EQ(tabelle.size(), kAnzahl + 2u);
    tabelle.clear();
    EXPECT_EQ(tabelle.find("k1"), std::nullopt);
    EXPECT_EQ(tabelle.insert("k1"), std::make_pair(KeyTable::Id{0}, true));
}

TEST(PositionChains, EachKeyListsItsPositionsInOrder) {
    PositionChains ketten;
    // Ids of a table shared by several chains skip (4 after 2), and the chains grow past them.
    const std::pair<KeyTable::Id, std::size_t> eintraege[] = {{2, 0}, {0, 1}, {2, 2},
                                                              {2, 5}, {0, 7}, {4, 9}};
    for (const auto& [id, position] : eintraege) {
        ketten.add(id, position);
    }
    std::vector<std::size_t> positionen;
    ketten.positions(2, positionen);
    EXPECT_EQ(positionen, (std::vector<std::size_t>{0, 2, 5}));
    EXPECT_EQ(ketten.first(0), 1u);
    EXPECT_EQ(ketten.last(0), 7u);
    for (const KeyTable::Id ohne : {1u, 3u, 5u, 9u}) {
        EXPECT_FALSE(ketten.contains(ohne)) << ohne;
    }
    EXPECT_EQ(ketten.first(4), 9u);
    ketten.positions(1, positionen);
    EXPECT_TRUE(positionen.empty());
}

}  // namespace
}  // namespace velmora::datanorm
