// The program: the application object, the main window and the message loop.

#include <QApplication>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <utility>

#include "app/TDaten.h"
#include "base/ExecutableDirectory.h"
#include "base/Host.h"
#include "base/NumberFormat.h"
#include "platform/qt/MappedMark.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtTranslation.h"
#include "platform/qt/StartWarmUp.h"
#include "window/TfrmGrund.h"

namespace {

bool hatAnzeige() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!hatAnzeige()) {
        std::fputs(
            "velmora: keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY fehlen); "
            "ohne Anzeige plant velmora-plan, z. B. velmora-plan --room-width 3,5 --volume 5000 "
            "--format text\n",
            stderr);
        return 1;
    }
    velmora::setNumberFormat(velmora::numberFormatFromEnvironment());
    // The application object takes a while to connect to the display; the catalogue and the
    // font configuration load meanwhile. It sets the locale too, which the loading does not
    // depend on (numbers are read without the C library's locale).
    velmora::moveStartupIdLast();
    const std::string programmVerzeichnis = velmora::executableDirectory(argv[0]) + "/";
    std::future<std::unique_ptr<velmora::TDaten>> katalog =
        velmora::TfrmGrund::ladeKatalog(programmVerzeichnis);
    std::future<void> schriftKonfiguration = velmora::readFontConfiguration();
    QApplication application(argc, argv);
    // Qt adopts the user's locale for C functions too; machine formats must stay in "C".
    std::setlocale(LC_NUMERIC, "C");
    // The program's title; the window's own caption stays "Velmora".
    QApplication::setApplicationName(QStringLiteral("HALVEX Velmora"));
    velmora::installGermanQtTranslation(application);
    const velmora::StartWarmUp warmUp(velmora::TfrmGrund::schrift(),
                                      std::move(schriftKonfiguration));

    velmora::QtHost qtHost;
    velmora::installHost(&qtHost);
    int result = 1;
    {
        velmora::TfrmGrund window(programmVerzeichnis, std::move(katalog),
                                  velmora::TfrmGrund::Aufbau::NachErstemBild);
        // After missing catalogue files (reported while the window was built) the program
        // ends without showing it.
        if (window.daten().getFehlendeDateien().empty()) {
            velmora::markWhenMapped(window);
            window.show();
            // A plan named on the command line (a file manager's "open with") opens once the
            // window is there, with the checks and messages of "Plan öffnen…".
            const QStringList argumente = QApplication::arguments();
            if (argumente.size() > 1) {
                QTimer::singleShot(0, &window, [&window, plan = argumente.at(1)] {
                    window.oeffnePlanDatei(plan);
                });
            }
            // Lets the installation test and the start benchmark end the program without its
            // close question.
            if (const QByteArray quitAfter = qgetenv("VELMORA_QUIT_AFTER_MS");
                !quitAfter.isEmpty()) {
                QTimer::singleShot(quitAfter.toInt(), &application,
                                   [] { QCoreApplication::exit(0); });
            }
            result = QApplication::exec();
        }
    }
    velmora::installHost(nullptr);
    return result;
}
