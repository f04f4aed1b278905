#include "app/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
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
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setText(QString(text).replace(kLineBreak, QStringLiteral("\n")));
    switch (style.icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Exclamation:
    case MessageIcon::ExclamationInformation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (style.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

} // namespace vortalex
