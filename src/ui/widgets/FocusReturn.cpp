#include "ui/widgets/FocusReturn.h"

#include <QApplication>
#include <QDialog>

namespace vortalex {

FocusReturn::FocusReturn()
    : FocusReturn(QApplication::activeWindow()) {}

FocusReturn::FocusReturn(QWidget* window)
    : m_window(window != nullptr ? window->window() : nullptr)
    , m_focus(m_window != nullptr ? m_window->focusWidget() : nullptr) {}

FocusReturn::~FocusReturn() {
    if (m_window == nullptr || !m_window->isVisible()) {
        return;
    }
    m_window->activateWindow();
    if (m_focus != nullptr && m_focus->isVisible() && m_focus->window() == m_window) {
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

int execOverOwner(QDialog& dialog) {
    const FocusReturn back(dialog.parentWidget());
    return dialog.exec();
}

} // namespace vortalex
