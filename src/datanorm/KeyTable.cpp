#include "datanorm/KeyTable.h"

#include <functional>

namespace velmora::datanorm {

namespace {

constexpr std::size_t kMinSlots = 16;

// A table at most half full keeps probe runs short.
std::size_t slotsFor(std::size_t keys) {
    std::size_t slots = kMinSlots;
    while (slots < 2 * keys) {
        slots *= 2;
    }
    return slots;
}

std::uint64_t hashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

std::uint64_t slotFor(KeyTable::Id id, std::uint64_t hash) {
    return (hash & 0xFFFFFFFF00000000u) | (std::uint64_t{id} + 1);
}

KeyTable::Id idIn(std::uint64_t slot) {
    return static_cast<KeyTable::Id>((slot & 0xFFFFFFFFu) - 1);
}

}  // namespace

std::size_t KeyTable::slot(std::string_view key, std::uint64_t hash) const {
    const std::size_t mask = FSlots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot belegt = FSlots[i];
        if (belegt == 0) {
            return i;
        }
        if (belegt >> 32 == hash >> 32 && this->key(idIn(belegt)) == key) {
            return i;
        }
    }
}

void KeyTable::place(Id id) {
    const std::size_t mask = FSlots.size() - 1;
    std::size_t i = FHashes[id] & mask;
    while (FSlots[i] != 0) {
        i = (i + 1) & mask;
    }
    FSlots[i] = slotFor(id, FHashes[id]);
}

void KeyTable::grow(std::size_t slots) {
    FSlots.assign(slots, 0);
    for (Id id = 0; id < FHashes.size(); ++id) {
        place(id);
    }
}

std::pair<KeyTable::Id, bool> KeyTable::insert(std::string_view key) {
    if (2 * (size() + 1) > FSlots.size()) {
        grow(slotsFor(size() + 1));
    }
    const std::uint64_t hash = hashOf(key);
    const std::size_t i = slot(key, hash);
    if (FSlots[i] != 0) {
        return {idIn(FSlots[i]), false};
    }
    const auto id = static_cast<Id>(size());
    FTexte.append(key);
    FAnfaenge.push_back(FTexte.size());
    FHashes.push_back(hash);
    FSlots[i] = slotFor(id, hash);
    return {id, true};
}

std::optional<KeyTable::Id> KeyTable::find(std::string_view key) const {
    if (FSlots.empty()) {
        return std::nullopt;
    }
    const Slot belegt = FSlots[slot(key, hashOf(key))];
    return belegt == 0 ? std::nullopt : std::optional<Id>(idIn(belegt));
}

std::string_view KeyTable::key(Id id) const {
    return std::string_view(FTexte).substr(FAnfaenge[id], FAnfaenge[id + 1] - FAnfaenge[id]);
}

void KeyTable::reserve(std::size_t keys) {
    FHashes.reserve(keys);
    FAnfaenge.reserve(keys + 1);
    if (slotsFor(keys) > FSlots.size()) {
        grow(slotsFor(keys));
    }
}

void KeyTable::clear() {
    FTexte.clear();
    FAnfaenge.assign(1, 0);
    FHashes.clear();
    FSlots.clear();
}

}  // namespace velmora::datanorm
