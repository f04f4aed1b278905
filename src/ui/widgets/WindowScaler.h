#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>
#include <QTimer>

class QScreen;
class QSizeGrip;
class QWidget;

namespace vortalex {

class ScaleChoice;

// The largest scale, to a hundredth, at which a window of `designSize` (and a frame of
// `frame` around it) fits the room `screen` leaves for windows.
double largestScaleOn(const QScreen& screen, QSize designSize, QMargins frame = {});

// Lets the player make a window of the game larger or smaller, everything in it scaled
// together by its DesignLayout. The window opens at its design size times the chosen scale,
// never larger than the room on its screen; Ctrl++ (or Ctrl+=) and Ctrl+- step the scale,
// Ctrl+0 goes back to the design size, F11 switches full screen on and off, and the window's
// edges can be dragged and the window maximised (a window without a frame, the menu, gets a
// grip in its corner for that). A step or a drag becomes the choice every window opened later
// takes; full screen and maximised are how the window is shown, not a choice of size.
//
// Attach it in the window's constructor once its controls are placed, in place of
// setFixedSize(): `new WindowScaler(*this, m_layout.designPixels(), services.scale);`.
class WindowScaler final : public QObject {
    Q_OBJECT
public:
    // Without a choice (a window built for a test that wants none) the window opens at its
    // design size and its scale lasts as long as it does.
    WindowScaler(QWidget& window, QSize designSize, ScaleChoice* choice);

    // The scale the window shows now: the smaller of its width's and its height's.
    double scale() const;
    // The scales the keys step between on the window's screen: never below the design size
    // unless even that does not fit, never beyond what fits.
    double smallest() const;
    double largest() const;
    QSizeGrip* grip() const { return m_grip; }

public slots:
    void stepUp();
    void stepDown();
    void toDesignSize();
    void toggleFullScreen();
    // The end of a drag of the window's edge: the size the player left it at becomes the
    // choice. A short timer calls it once the edge has stood still; tests call it directly.
    void settle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addKeys();
    void resizeTo(double scale);
    // Neither maximised nor full screen, for a step to start from.
    void showAsIs();
    QScreen* screen() const;

    QWidget& m_window;
    QSize m_design;
    ScaleChoice* m_choice;
    QSizeGrip* m_grip = nullptr;
    QTimer m_settle;
    bool m_resizing = false;
    bool m_shown = false;
    bool m_dragged = false;
};

} // namespace vortalex
