#pragma once

#include <QPoint>
#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace velmora {

class CoreSession;
class PlanImageView;
class PositionChoice;
class TGrafik;

// A view of the plan with its three position choices: the main view (positions over the plan
// in "Grafik: ") and the enlarged view (plan or side view over positions, with a switch
// between the two and a close button). Both show the same choices and redraw themselves
// whenever the core's plan changes; a move draws its steps through draw().
class PlanView : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Main, Enlarged };

    // The three choices: battery, corner cut-out, boiler. The image has imageSize.
    PlanView(Kind kind, PositionChoice& tank, PositionChoice& corner, PositionChoice& boiler,
             QSize imageSize, QWidget* parent = nullptr);
    ~PlanView() override;

    Kind kind() const { return kind_; }
    PlanImageView& image() { return *image_; }
    QGroupBox& positions() { return *positions_; }
    // The enlarged view's close button; null in the main view.
    QPushButton* closeButton() { return closeButton_; }
    // The enlarged view's switch between plan and side view; null in the main view.
    QPushButton* viewToggle() { return viewToggle_; }
    bool showsSideView() const;
    // The enlarged view within its size: the close button in the bottom-right corner, the
    // positions (of positionsSize) centred left of it, the plan at imageOffset above them.
    static QSize enlargedImageSize(QSize size, QPoint imageOffset, QSize positionsSize);
    void arrangeEnlarged(QPoint imageOffset, QSize positionsSize);

    // Draws from now on through the core: the main view on the core's own surface, the
    // enlarged view on one of its own. Call once, after the core exists.
    void attach(CoreSession& session, const std::string& appPath);
    // The surface the plan is drawn on; null before attach().
    TGrafik* surface() const { return surface_; }
    // The plan as the core has it, or the side view when switched to it; during a move the
    // plan with its moving outlines, hatched where invalid.
    void draw(bool moving = false, bool valid = true);
    // The main view's magnifier in the plan's corner, whose click is a click on the plan.
    void setMagnifierVisible(bool visible);

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseMoved(QPoint position);
    void clicked();
    void doubleClicked();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMain(QSize imageSize);
    void buildEnlarged(QSize imageSize);
    QGroupBox* buildPositions(const char* name, const char* prefix);

    Kind kind_;
    PositionChoice& tank_;
    PositionChoice& corner_;
    PositionChoice& boiler_;
    CoreSession* session_ = nullptr;
    PlanImageView* image_ = nullptr;
    QGroupBox* positions_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* viewToggle_ = nullptr;
    QLabel* magnifier_ = nullptr;
    std::unique_ptr<TGrafik> ownSurface_;
    TGrafik* surface_ = nullptr;
};

}  // namespace velmora
