#pragma once

#include <QVector>

#include "DemoProducts.h"
#include "PictureWriter.h"

namespace velmora::pictures {

// A product picture per product, at the path the catalogue names: the tank seen from the
// side, to scale, with its fittings dome and type plate.
void writeProductPictures(const QVector<DemoProduct>& products, PictureWriter& writer);

}  // namespace velmora::pictures
