// Speed of the main window as the user feels it: starting the program until its window
// shows with the catalogue loaded, and leaving an edited field until the re-search and the
// redrawn plan are done. Runs offscreen beside the program and its demo catalogue.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/TDaten.h"
#include "window/PlanImageView.h"
#include "window/TfrmGrund.h"

extern char** environ;

namespace {

std::string programDirectory() {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

// The whole program: process start, catalogue, window shown, first turn of the event loop,
// exit. The exit costs little next to the start.
void BM_ProgramStartToWindowShown(benchmark::State& state) {
    const std::string program = programDirectory() + "velmora";
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    environment.emplace_back("VELMORA_QUIT_AFTER_MS=0");
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("velmora could not be started");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("velmora did not end normally");
            return;
        }
    }
}
BENCHMARK(BM_ProgramStartToWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// Alternates the room width between two values, so every focus change re-searches, and
// paints the plan at once as the screen would.
void BM_LeaveEditedFieldToRedrawnPlan(benchmark::State& state) {
    velmora::TfrmGrund window(programDirectory());
    window.show();
    window.activateWindow();
    // Focus changes reach the fields only in the active window.
    for (int turn = 0; turn < 1000 && !window.isActiveWindow(); ++turn) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    window.findChild<QAbstractButton*>(QStringLiteral("bbnVorgLoesungen"))->click();
    auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lviLoesungsanzeige"));
    list->setCurrentItem(list->topLevelItem(2));
    auto* width = window.findChild<QLineEdit*>(QStringLiteral("edtVorgRaumBreite"));
    auto* elsewhere = window.findChild<QWidget*>(QStringLiteral("cboVorgTankart"));
    auto* plan = window.findChild<velmora::PlanImageView*>(QStringLiteral("imgGrafik"));
    bool wide = false;
    for (auto _ : state) {
        state.PauseTiming();
        width->setFocus();
        width->setText(wide ? QStringLiteral("4,00") : QStringLiteral("4,50"));
        wide = !wide;
        state.ResumeTiming();
        elsewhere->setFocus(Qt::TabFocusReason);
        plan->repaint();
    }
    if (window.daten().getTempData().loesRaumBreite != (wide ? "4500" : "4000")) {
        state.SkipWithError("leaving the field did not search");
    }
}
BENCHMARK(BM_LeaveEditedFieldToRedrawnPlan)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
