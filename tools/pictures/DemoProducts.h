#pragma once

#include <QString>
#include <QVector>

namespace velmora::pictures {

// What the pictures need of one catalogue product; lengths in millimetres.
struct DemoProduct {
    QString articleNumber;
    QString productGroup;  // KBT, KKT: plastic; SMT: steel jacket; STT: steel
    int width = 0;         // along the row
    int length = 0;        // across the row
    int height = 0;
    int litres = 0;
    QString productPicture;         // relative to the program directory
    QString tankGraphic;            // base name below images/graphics/<h|v>/
    bool fittingsOpposite = false;  // aufsatzGegenueber
};

// The products of a catalogue product file (its <produkt> elements); an error text when
// the file cannot be read or holds no product.
QVector<DemoProduct> readDemoProducts(const QString& path, QString& error);

}  // namespace velmora::pictures
