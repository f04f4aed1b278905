#include "app/QtMessageBoxes.h"

#include "core/common/ScaleChoice.h"
#include "ui/widgets/GameMessageDialog.h"

#include <QApplication>
#include <QPointer>

namespace vortalex {

namespace {

// Gives the keyboard back to the window and the control that had it before a box opened.
// Without a window manager, or with one that does not re-activate a box's owner, the keys
// typed after the box closed would otherwise go nowhere until the player clicked the window.
class FocusReturn {
public:
    FocusReturn()
        : m_window(QApplication::activeWindow())
        , m_focus(QApplication::focusWidget()) {}
    ~FocusReturn() {
        if (m_window == nullptr || !m_window->isVisible()) {
            return;
        }
        m_window->activateWindow();
        if (m_focus != nullptr && m_focus->isVisible() && m_focus->window() == m_window) {
            m_focus->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace

Answer QtMessageBoxes::show(const QString& text, MessageStyle style, const QString& title) {
    const FocusReturn focusReturn;
    GameMessageDialog box(text, style, title, QApplication::activeWindow(),
                          m_scale != nullptr ? m_scale->scale() : 1.0);
    return box.ask();
}

} // namespace vortalex
