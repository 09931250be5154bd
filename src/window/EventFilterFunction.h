#pragma once

#include <QObject>

#include <functional>
#include <utility>

namespace velmora {

// An event filter that hands every event to a function; true from it swallows the event.
// Owned by the window whose members the function uses, so that it goes before them.
class EventFilterFunction : public QObject {
public:
    explicit EventFilterFunction(std::function<bool(QObject*, QEvent*)> handler)
        : handler_(std::move(handler)) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return handler_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> handler_;
};

}  // namespace velmora
