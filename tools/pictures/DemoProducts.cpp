#include "DemoProducts.h"

#include <QFile>
#include <QXmlStreamReader>

namespace velmora::pictures {

QVector<DemoProduct> readDemoProducts(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    QVector<DemoProduct> products;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("produkt")) {
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        DemoProduct product;
        product.articleNumber = attributes.value(QLatin1String("artNr")).toString();
        product.productGroup = attributes.value(QLatin1String("warenGruppe")).toString();
        product.width = attributes.value(QLatin1String("breite")).toInt();
        product.length = attributes.value(QLatin1String("laenge")).toInt();
        product.height = attributes.value(QLatin1String("hoehe")).toInt();
        product.litres = attributes.value(QLatin1String("inhalt")).toInt();
        product.productPicture = attributes.value(QLatin1String("produktbild")).toString();
        product.tankGraphic = attributes.value(QLatin1String("tankgrafik")).toString();
        product.fittingsOpposite = attributes.value(QLatin1String("aufsatzGegenueber"))
                                       .compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        if (product.width <= 0 || product.length <= 0 || product.height <= 0 ||
            product.tankGraphic.isEmpty()) {
            error = QStringLiteral("%1: product %2 lacks its size or tank graphic")
                        .arg(path, product.articleNumber);
            return {};
        }
        products.push_back(product);
    }
    if (xml.hasError()) {
        error =
            QStringLiteral("%1: %2 (line %3)").arg(path, xml.errorString()).arg(xml.lineNumber());
        return {};
    }
    if (products.isEmpty()) {
        error = QStringLiteral("%1 holds no product").arg(path);
    }
    return products;
}

}  // namespace velmora::pictures
