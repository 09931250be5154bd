// Draws the demo pictures of the plan and the printouts into the program directory.
//
//   velmora-make-pictures <catalogue product file> <program directory>

#include <QGuiApplication>
#include <QTextStream>

#include "BoilerRoomPictures.h"
#include "DemoProducts.h"
#include "LogoPicture.h"
#include "PictureWriter.h"
#include "PipePictures.h"
#include "ProductPictures.h"
#include "TankPictures.h"
#include "WindowPictures.h"

int main(int argc, char** argv) {
    using namespace velmora::pictures;
    // Fonts need a GUI application; the build runs this tool on the offscreen platform.
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: velmora-make-pictures <catalogue product file> <program directory>\n";
        return 2;
    }

    QString error;
    const QVector<DemoProduct> products = readDemoProducts(arguments.at(1), error);
    if (!error.isEmpty()) {
        err << "velmora-make-pictures: " << error << "\n";
        return 1;
    }

    PictureWriter writer(arguments.at(2));
    writeTankPictures(products, writer);
    writePipePictures(writer);
    writeBoilerRoomPictures(writer);
    writeLogoPicture(writer);
    writeProductPictures(products, writer);
    writeHeaderPicture(writer);
    writeProgramIcon(writer);

    for (const QString& failure : writer.failures()) {
        err << "velmora-make-pictures: " << failure << "\n";
    }
    return writer.failures().isEmpty() ? 0 : 1;
}
