#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::datanorm {

// Texts numbered 0, 1, 2, ... in order of first insertion. The texts lie in one block and
// the table is flat (open addressing), so a file's hundreds of thousands of numbers cost
// a few allocations rather than one node and one text each; callers keep what belongs to
// a text in vectors indexed by its number.
class KeyTable {
public:
    using Id = std::uint32_t;
    // Ids are held in 32 bits; a caller adding keys without bound checks against this.
    static constexpr std::size_t kMaxKeys = 0xFFFFFFFEu;

    // The key's id, and whether it was added now.
    std::pair<Id, bool> insert(std::string_view key);
    std::optional<Id> find(std::string_view key) const;
    std::string_view key(Id id) const;
    std::size_t size() const { return FHashes.size(); }

    // Room for this many keys without growing the table.
    void reserve(std::size_t keys);
    void clear();

private:
    // A slot holds id + 1 (0: empty) in its low half and the upper half of the key's hash
    // in its high half, so that a probe passing other keys reads nothing else.
    using Slot = std::uint64_t;

    // The slot holding the key, or the empty slot where it belongs.
    std::size_t slot(std::string_view key, std::uint64_t hash) const;
    void grow(std::size_t slots);
    void place(Id id);

    std::string FTexte;
    // Start of key i in FTexte; one more entry than keys, for the end of the last.
    std::vector<std::size_t> FAnfaenge{0};
    std::vector<std::uint64_t> FHashes;
    std::vector<Slot> FSlots;
};

}  // namespace velmora::datanorm
