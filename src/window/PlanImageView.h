#pragma once

#include <QPoint>
#include <QWidget>

#include <memory>

#include "platform/qt/QtRasterImage.h"

namespace velmora {

class Canvas;

// A plan image of fixed logical size that the core draws into through its canvas. The image
// has the screen's device pixel ratio while the core maps logical pixels, so the plan stays
// sharp on a high-resolution screen. Reports the mouse in logical pixels; a click is a
// release over the image after a press on it without dragging, or, while every release
// clicks (a move carries the battery), any release over the image.
class PlanImageView : public QWidget {
    Q_OBJECT

public:
    PlanImageView(int width, int height, QWidget* parent = nullptr);
    ~PlanImageView() override;

    // The drawing surface; valid for the view's whole life.
    Canvas& canvas() { return image_->canvas(); }
    const QImage& image() const { return image_->image(); }
    void setAlwaysClicks(bool always) { alwaysClicks_ = always; }

signals:
    void mousePressed(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers);
    void mouseMoved(QPoint position, Qt::KeyboardModifiers modifiers);
    void clicked(QPoint position);
    void doubleClicked(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<QtRasterImage> image_;
    QPoint pressPosition_;
    bool pressed_ = false;
    bool dragged_ = false;
    bool alwaysClicks_ = false;
};

}  // namespace velmora
