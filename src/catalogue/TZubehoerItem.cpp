#include "catalogue/TZubehoerItem.h"

#include "catalogue/TZubehoer.h"
#include "catalogue/VariantFittings.h"

namespace velmora {

int TZubehoerItem::getAnzahl() const {
    if (Variante == nullptr) {
        return 1;
    }
    const auto kind = Zubehoer->getFittingKind();
    return kind ? fittingCount(*Variante, *kind) : 1;
}

}  // namespace velmora
