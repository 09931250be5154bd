// Build tool: the program's icon in the sizes of the desktop's icon theme, each scaled from
// the one drawn icon so that menus, docks and file managers all show the same picture.
//
//   velmora-icon-sizes <icon.png> <theme directory> <size>...
//
// Writes <theme directory>/<size>x<size>/apps/<icon file name> for each size.

#include <QFileInfo>
#include <QImage>

#include <cstdio>

#include "PictureWriter.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: velmora-icon-sizes <icon.png> <theme directory> <size>...\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QImage icon(source);
    if (icon.isNull()) {
        std::fprintf(stderr, "velmora-icon-sizes: cannot read %s\n", argv[1]);
        return 1;
    }
    velmora::pictures::PictureWriter writer(QString::fromLocal8Bit(argv[2]));
    const QString name = QFileInfo(source).fileName();
    for (int index = 3; index < argc; ++index) {
        const int size = QString::fromLatin1(argv[index]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "velmora-icon-sizes: not a size: %s\n", argv[index]);
            return 2;
        }
        writer.save(QStringLiteral("%1x%1/apps/%2").arg(size).arg(name),
                    icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    for (const QString& failure : writer.failures()) {
        std::fprintf(stderr, "velmora-icon-sizes: %s\n", qPrintable(failure));
    }
    return writer.failures().isEmpty() ? 0 : 1;
}
