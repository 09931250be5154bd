#pragma once

#include <QColor>
#include <QString>

namespace velmora::pictures {

// The look of a tank's material, shared by the plan symbols and the product pictures.
struct Material {
    QColor body;
    QColor shade;  // edges, ribs and outline
    QColor dome;
    bool ribbed;  // moulded plastic tanks show ribs
};

// The material of a product group: plastic (KBT, KKT), steel jacket (SMT), steel (others).
Material materialOf(const QString& productGroup);

}  // namespace velmora::pictures
