#include "window/PlanImageView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace velmora {

PlanImageView::PlanImageView(int width, int height, QWidget* parent)
    : QWidget(parent), image_(std::make_unique<QtRasterImage>(width, height, devicePixelRatioF())) {
    setFixedSize(width, height);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PlanImageView::~PlanImageView() = default;

void PlanImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_->image());
}

void PlanImageView::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        dragged_ = false;
        pressPosition_ = position;
    }
    emit mousePressed(event->button(), position, event->modifiers());
}

void PlanImageView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (pressed_ &&
        (position - pressPosition_).manhattanLength() >= QApplication::startDragDistance()) {
        dragged_ = true;
    }
    emit mouseMoved(position, event->modifiers());
}

void PlanImageView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !(pressed_ || alwaysClicks_)) {
        return;
    }
    const bool dragged = pressed_ && dragged_;
    pressed_ = false;
    const QPoint position = event->position().toPoint();
    if ((alwaysClicks_ || !dragged) && rect().contains(position)) {
        emit clicked(position);
    }
}

void PlanImageView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked(event->position().toPoint());
    }
}

}  // namespace velmora
