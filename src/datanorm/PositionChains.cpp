#include "datanorm/PositionChains.h"

namespace velmora::datanorm {

PositionChains::Id PositionChains::add(std::string_view key, std::size_t position) {
    const auto [id, neu] = FSchluessel.insert(key);
    if (neu) {
        FKetten.push_back({position, position});
        if (FNaechste.size() <= position) {
            FNaechste.resize(position + 1, kEnde);
        }
    } else {
        append(id, position);
    }
    return id;
}

void PositionChains::append(Id id, std::size_t position) {
    if (FNaechste.size() <= position) {
        FNaechste.resize(position + 1, kEnde);
    }
    FNaechste[FKetten[id].last] = position;
    FKetten[id].last = position;
}

void PositionChains::reserve(std::size_t records) {
    FSchluessel.reserve(records);
    FKetten.reserve(records);
    FNaechste.reserve(records);
}

void PositionChains::clear() {
    FSchluessel.clear();
    FKetten.clear();
    FNaechste.clear();
}

std::vector<std::size_t> PositionChains::positions(std::string_view key) const {
    std::vector<std::size_t> result;
    if (const std::optional<Id> id = find(key)) {
        positions(*id, result);
    }
    return result;
}

void PositionChains::positions(Id id, std::vector<std::size_t>& result) const {
    result.clear();
    for (std::size_t p = FKetten[id].first; p != kEnde; p = FNaechste[p]) {
        result.push_back(p);
    }
}

}  // namespace velmora::datanorm
