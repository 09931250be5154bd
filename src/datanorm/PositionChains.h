#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "datanorm/KeyTable.h"

namespace velmora::datanorm {

// Positions of the records of each key, in file order: one chain per key through the
// records rather than one list each, as a large file has a key for nearly every record.
// Positions are dense record numbers, added in rising order.
class PositionChains {
public:
    using Id = KeyTable::Id;

    // Adds the next position to the key's chain; the key's id.
    Id add(std::string_view key, std::size_t position);
    // The same for a key known by its id.
    void append(Id id, std::size_t position);
    void reserve(std::size_t records);
    void clear();

    std::optional<Id> find(std::string_view key) const { return FSchluessel.find(key); }
    std::string_view key(Id id) const { return FSchluessel.key(id); }
    std::size_t first(Id id) const { return FKetten[id].first; }
    std::size_t last(Id id) const { return FKetten[id].last; }
    // The positions of the key's records in file order; empty for an unknown key.
    std::vector<std::size_t> positions(std::string_view key) const;
    // The same for an id, into a list whose storage is kept.
    void positions(Id id, std::vector<std::size_t>& result) const;

private:
    static constexpr std::size_t kEnde = static_cast<std::size_t>(-1);
    struct Kette {
        std::size_t first;
        std::size_t last;
    };

    KeyTable FSchluessel;
    // By key id.
    std::vector<Kette> FKetten;
    // Position -> the key's next position, kEnde after the last.
    std::vector<std::size_t> FNaechste;
};

}  // namespace velmora::datanorm
