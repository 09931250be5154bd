#include "datanorm/PositionChains.h"

namespace velmora::datanorm {

namespace {

// Room for index i, mostly the next one, where appending is cheaper than a resize.
template <typename T>
void platzFuer(std::vector<T>& liste, std::size_t i, const T& leer) {
    if (i == liste.size()) {
        liste.push_back(leer);
    } else if (i > liste.size()) {
        liste.resize(i + 1, leer);
    }
}

}  // namespace

void PositionChains::add(Id id, std::size_t position) {
    platzFuer(FKetten, id, Kette{});
    platzFuer(FNaechste, position, kEnde);
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
