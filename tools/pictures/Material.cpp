#include "Material.h"

namespace velmora::pictures {

Material materialOf(const QString& productGroup) {
    if (productGroup == QLatin1String("KBT") || productGroup == QLatin1String("KKT")) {
        return Material{QColor(0xF1, 0xE6, 0xB8), QColor(0x9A, 0x86, 0x48),
                        QColor(0x3E, 0x6E, 0x3E), true};
    }
    if (productGroup == QLatin1String("SMT")) {
        return Material{QColor(0xCD, 0xD3, 0xD8), QColor(0x5C, 0x67, 0x73),
                        QColor(0x3E, 0x6E, 0x3E), true};
    }
    return Material{QColor(0x9F, 0xB3, 0xC4), QColor(0x3C, 0x4E, 0x60), QColor(0x2F, 0x3A, 0x45),
                    false};
}

}  // namespace velmora::pictures
