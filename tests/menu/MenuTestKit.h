#pragma once

#include "TestDoubles.h"
#include "common/Services.h"
#include "data/GameDatabase.h"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

namespace vortalex::test {

// Services on a fresh database in a temporary program folder, with recorded messages and cues.
class MenuWorld {
public:
    MenuWorld() {
        auto opened = GameDatabase::open(GameDatabase::pathIn(folder.path()));
        if (!opened.db) {
            qFatal("cannot open a test database: %s", qPrintable(opened.error));
        }
        db = std::move(opened.db);
        services.programFolder = folder.path();
        services.database = db.get();
        services.messages = &messages;
        services.cues = &cues;
    }

    QTemporaryDir folder;
    std::unique_ptr<GameDatabase> db;
    ScriptedMessages messages;
    RecordingCues cues;
    Services services;
};

// A real double-click as the window system delivers it: press, release, double-click, release.
inline void doubleClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = widget->rect().center();
    QTest::mousePress(widget, button, Qt::NoModifier, at);
    QTest::mouseRelease(widget, button, Qt::NoModifier, at);
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), global, button, button,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &dbl);
    QTest::mouseRelease(widget, button, Qt::NoModifier, at);
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

} // namespace vortalex::test
