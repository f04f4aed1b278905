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

// A click and a real double-click at `at` in `window`, delivered through the window system as the
// player's are: the control the layout put under the point takes them.
inline void clickInWindow(QWidget* window, QPoint at) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}
inline void doubleClickInWindow(QWidget* window, QPoint at) {
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// Where the centre of each control stands in its window now.
inline QList<QPoint> centresOf(const QList<QWidget*>& controls) {
    QList<QPoint> centres;
    for (const QWidget* w : controls) {
        centres.append(w->mapTo(w->window(), w->rect().center()));
    }
    return centres;
}

// The window's scale stepped up twice from the design size, as the player's Ctrl++ does.
inline void enlargeByHalf(QWidget* window) {
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
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
