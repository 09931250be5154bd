#pragma once

#include <QVector>

#include "DemoProducts.h"
#include "PictureWriter.h"

namespace velmora::pictures {

// The tanks seen from above for the plan: per product, below images/graphics/h/ the
// pictures with the fittings dome at the top ("o") and bottom ("u") edge, the tank's width
// running along the picture; below images/graphics/v/ those with the dome at the left
// ("l") and right ("r") edge, the tank's width running down. Tanks whose fittings sit
// opposite show the dome at the top and left edge in every picture (see TankDome.h).
void writeTankPictures(const QVector<DemoProduct>& products, PictureWriter& writer);

}  // namespace velmora::pictures
