#pragma once

#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace vortalex::test {

// A real double-click as the window system delivers it: press, release, double-click, release.
inline void realDoubleClick(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint pos = {}) {
    if (pos.isNull()) {
        pos = w->rect().center();
    }
    QTest::mousePress(w, button, Qt::NoModifier, pos);
    QTest::mouseRelease(w, button, Qt::NoModifier, pos);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(pos), w->mapToGlobal(QPointF(pos)), button,
                    button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &dbl);
    QTest::mouseRelease(w, button, Qt::NoModifier, pos);
}

inline void rightClick(QWidget* w) {
    QTest::mousePress(w, Qt::RightButton);
    QTest::mouseRelease(w, Qt::RightButton);
}

// A move with no button held, delivered straight to the widget under the pointer.
inline void hover(QWidget* widget, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) {
        at = widget->rect().center();
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// The player goes to another window and comes back, as after a message box or another program:
// `window` loses the active state and gains it again. False when the window system would not.
inline bool leaveAndComeBack(QWidget* window) {
    QWidget other;
    other.setWindowTitle(QStringLiteral("another program"));
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other) || window->isActiveWindow()) {
        return false;
    }
    other.close();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace vortalex::test
