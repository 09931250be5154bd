// Build tool: photographs the real main window off screen for the user guide, so that its
// pictures always show the program as built. Arguments: the program directory (catalogue
// and pictures) and the directory the PNG files go to.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <clocale>
#include <cstdio>

#include "base/NumberFormat.h"
#include "widgets/TAlignEdit.h"
#include "window/TfrmGrund.h"

namespace {

template <typename T>
T* control(velmora::TfrmGrund& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        std::fprintf(stderr, "velmora-guide-pictures: no control %s\n", name);
    }
    return widget;
}

bool save(velmora::TfrmGrund& window, const QString& file) {
    QApplication::processEvents();
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "velmora-guide-pictures: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: velmora-guide-pictures PROGRAM_DIR OUTPUT_DIR\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    velmora::setNumberFormat(velmora::numberFormatForLocale("de_DE.UTF-8"));
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(output);

    velmora::TfrmGrund window(std::string(argv[1]) + "/");
    window.show();
    // A typical cellar: 3,5 x 4 m, 2,2 m high, 5000 litres.
    const std::pair<const char*, const char*> inputs[] = {
        {"edtVorgRaumBreite", "3,50"},
        {"edtVorgRaumLaenge", "4,00"},
        {"edtVorgRaumHoehe", "2,20"},
        {"edtVorgSollVolumen", "5000"},
    };
    for (const auto& [name, value] : inputs) {
        if (auto* edit = control<velmora::TAlignEdit>(window, name)) {
            edit->setText(QString::fromLatin1(value));
        }
    }
    auto* loesungen = control<QPushButton>(window, "bbnVorgLoesungen");
    auto* liste = control<QTreeWidget>(window, "lviLoesungsanzeige");
    auto* material = control<QPushButton>(window, "btnZubehoer");
    if (loesungen == nullptr || liste == nullptr || material == nullptr) {
        return 1;
    }
    loesungen->click();
    if (liste->topLevelItemCount() == 0) {
        std::fputs("velmora-guide-pictures: the demo search found nothing\n", stderr);
        return 1;
    }
    liste->setCurrentItem(liste->topLevelItem(0));
    if (!save(window, output + QStringLiteral("/fenster.png"))) {
        return 1;
    }
    material->click();
    // One optional accessory ticked, so the price shows what a tick does.
    auto* zubehoer = control<QListWidget>(window, "clbZubAuswahl");
    for (int row = 0; zubehoer != nullptr && row < zubehoer->count(); ++row) {
        QListWidgetItem* zeile = zubehoer->item(row);
        if (zeile->flags().testFlag(Qt::ItemIsEnabled) && zeile->checkState() == Qt::Unchecked) {
            zeile->setCheckState(Qt::Checked);
            break;
        }
    }
    return save(window, output + QStringLiteral("/material.png")) ? 0 : 1;
}
