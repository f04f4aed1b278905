#pragma once

#include "Deals.h"

#include "ui/board/BoardScreen.h"
#include "ui/widgets/ClickLabel.h"

#include <QCoreApplication>
#include <QtTest>

namespace vortalex::test {

// A shown board after "Play" (clicked with the mouse) with its deal done.
inline void startPlaying(BoardScreen& screen) {
    screen.show();
    QCoreApplication::processEvents(); // the activation the first show queues
    QVERIFY(!screen.commandLabel(BoardCommand::Shuffle)->isEnabled());
    QTest::mouseClick(screen.commandLabel(BoardCommand::Play), Qt::LeftButton);
    finishDealing(screen.model());
}

// Every second of the level, as its timer would tick them, then the end it queues.
inline void runOutTheClock(BoardScreen& screen) {
    for (int s = 0; s < screen.model().info().levelSeconds(); ++s) {
        screen.model().clockTick();
    }
    QCoreApplication::processEvents();
}

} // namespace vortalex::test
