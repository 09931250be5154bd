// The floor of the start benchmark: a Qt Widgets program with one label in a window of the
// main window's size, marking its mapped window as the program does.

#include <QApplication>
#include <QLabel>

#include "platform/qt/MappedMark.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Velmora"));
    label.setFixedSize(978, 732);
    velmora::markWhenMapped(label);
    label.show();
    return QApplication::exec();
}
