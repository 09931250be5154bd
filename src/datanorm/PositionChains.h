#pragma once

#include <cstddef>
#include <vector>

#include "datanorm/KeyTable.h"

namespace velmora::datanorm {

// Positions of the records of each key (by its KeyTable id), in file order: one chain per
// key through the records rather than one list each, as a large file has a key for nearly
// every record. Positions are dense record numbers, added in rising order. Several
// chains can share one KeyTable, so that a number is hashed once for all its kinds.
class PositionChains {
public:
    using Id = KeyTable::Id;

    void add(Id id, std::size_t position);
    bool contains(Id id) const { return id < FKetten.size() && FKetten[id].first != kEnde; }
    // First and last position of a key the chains contain.
    std::size_t first(Id id) const { return FKetten[id].first; }
    std::size_t last(Id id) const { return FKetten[id].last; }
    // The positions of the key's records in file order (none for a key not contained),
    // into a list whose storage is kept.
    void positions(Id id, std::vector<std::size_t>& result) const;

    void reserve(std::size_t keys, std::size_t records);
    void clear();

private:
    static constexpr std::size_t kEnde = static_cast<std::size_t>(-1);
    struct Kette {
        std::size_t first = kEnde;
        std::size_t last = kEnde;
    };

    // By key id.
    std::vector<Kette> FKetten;
    // Position -> the key's next position, kEnde after the last.
    std::vector<std::size_t> FNaechste;
};

}  // namespace velmora::datanorm
