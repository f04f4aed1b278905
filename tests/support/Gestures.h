#pragma once

#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace vortalex::test {

// A real double-click as the window system delivers it: press, release, double-click, release.
inline void realDoubleClick(QWidget* w, QPoint pos = {}) {
    if (pos.isNull()) {
        pos = w->rect().center();
    }
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pos);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &dbl);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pos);
}

inline void rightClick(QWidget* w) {
    QTest::mousePress(w, Qt::RightButton);
    QTest::mouseRelease(w, Qt::RightButton);
}

} // namespace vortalex::test
