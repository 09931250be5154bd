#include "datanorm/PositionChains.h"

namespace velmora::datanorm {

void PositionChains::add(Id id, std::size_t position) {
    if (FKetten.size() <= id) {
        FKetten.resize(std::size_t{id} + 1);
    }
    if (FNaechste.size() <= position) {
        FNaechste.resize(position + 1, kEnde);
    }
    Kette& kette = FKetten[id];
    if (kette.first == kEnde) {
        kette.first = position;
    } else {
        FNaechste[kette.last] = position;
    }
    kette.last = position;
}

void PositionChains::positions(Id id, std::vector<std::size_t>& result) const {
    result.clear();
    if (!contains(id)) {
        return;
    }
    for (std::size_t p = FKetten[id].first; p != kEnde; p = FNaechste[p]) {
        result.push_back(p);
    }
}

void PositionChains::reserve(std::size_t keys, std::size_t records) {
    FKetten.reserve(keys);
    FNaechste.reserve(records);
}

void PositionChains::clear() {
    FKetten.clear();
    FNaechste.clear();
}

}  // namespace velmora::datanorm
