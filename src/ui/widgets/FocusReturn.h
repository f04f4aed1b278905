#pragma once

#include <QPointer>
#include <QWidget>

class QDialog;

namespace vortalex {

// Gives the keyboard back to a window of the game, and to the control in it that had the focus,
// when whatever opened over it has closed. A window manager hands the focus on as it likes when a
// window closes: to the window manager itself when the window below is closing too, as a summary
// over its board does, and nowhere at all without one. The keys the player types next would then
// go nowhere until they clicked the window.
class FocusReturn {
public:
    // The window active now, as a message box opens over it.
    FocusReturn();
    // `window`, active or not yet: the window system may not have told that it is.
    explicit FocusReturn(QWidget* window);
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

// Opens `dialog` modally over its owner's window, which takes the keyboard back when it closes.
int execOverOwner(QDialog& dialog);

} // namespace vortalex
