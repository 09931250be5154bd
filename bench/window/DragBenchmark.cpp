// Dragging the battery on the enlarged view: one drag of 200 pointer moves, replayed through
// the window's own event handlers offscreen, each measured from the move event to the
// finished repaint of the image. A 4+1 battery with pipework in a room with a boiler room;
// the path leaves the room and crosses the boiler clearance, so valid and hatched places
// alternate.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <vector>

#include "window/PlanImageView.h"
#include "window/TfrmGrund.h"

namespace {

using velmora::PlanImageView;
using velmora::TfrmGrund;

constexpr int kMoves = 200;

template <typename T>
T* find(TfrmGrund& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                          ? Qt::NoButton
                          : Qt::MouseButtons(button),
                      modifiers);
    QApplication::sendEvent(target, &event);
}

void click(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    send(target, QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    send(target, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoModifier);
}

// The drag as a user's pointer went: a figure of eight over the image.
std::vector<QPoint> dragPath(QSize image) {
    std::vector<QPoint> path;
    for (int i = 0; i < kMoves; ++i) {
        const double t = 2.0 * std::numbers::pi * i / kMoves;
        path.emplace_back(static_cast<int>(image.width() * (0.45 + 0.35 * std::sin(t))),
                          static_cast<int>(image.height() * (0.5 + 0.35 * std::sin(2 * t))));
    }
    return path;
}

void BM_DragOnEnlargedView(benchmark::State& state) {
    const std::string bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    TfrmGrund window(bin);
    window.show();
    const std::pair<const char*, const char*> inputs[] = {{"edtVorgRaumBreite", "6,00"},
                                                          {"edtVorgRaumLaenge", "5,00"},
                                                          {"edtVorgSollVolumen", "5000"}};
    for (const auto& [name, text] : inputs) {
        find<QLineEdit>(window, name)->setText(QString::fromLatin1(text));
    }
    find<QAbstractButton>(window, "chkVorgHeizraum")->click();
    find<QLineEdit>(window, "edtVorgHeizraumBreite")->setText(QStringLiteral("1,00"));
    find<QLineEdit>(window, "edtVorgheizraumLaenge")->setText(QStringLiteral("1,00"));
    find<QAbstractButton>(window, "bbnVorgLoesungen")->click();
    auto* list = find<QTreeWidget>(window, "lviLoesungsanzeige");
    const auto rows = list->findItems(QStringLiteral("951100"), Qt::MatchExactly, 1);
    if (rows.size() != 1) {
        state.SkipWithError("solution 951100 not found");
        return;
    }
    list->setCurrentItem(rows.front());

    click(find<QWidget>(window, "imgGrafik"), QPoint(10, 10));
    auto* bild = find<PlanImageView>(window, "imgGrafikGross");
    if (bild == nullptr || !bild->isVisible()) {
        state.SkipWithError("the enlarged view did not open");
        return;
    }
    click(bild, QPoint(40, 40), Qt::ControlModifier);
    if (!find<QAbstractButton>(window, "spbTankPositioning")->isChecked()) {
        state.SkipWithError("the battery was not picked up");
        return;
    }
    const std::vector<QPoint> path = dragPath(bild->size());

    std::vector<double> millis;
    std::size_t step = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        send(bild, QEvent::MouseMove, path[step++ % path.size()], Qt::NoButton, Qt::NoModifier);
        bild->repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        millis.push_back(took.count() * 1000.0);
    }
    std::nth_element(millis.begin(), millis.begin() + millis.size() / 2, millis.end());
    state.counters["median_ms"] = millis[millis.size() / 2];
    // Put the battery down where the drag ended, as the user would.
    click(bild, path[(step - 1) % path.size()]);
}
BENCHMARK(BM_DragOnEnlargedView)
    ->Iterations(kMoves)
    ->Repetitions(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
