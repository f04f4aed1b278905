#pragma once

#include <QTimer>

namespace vortalex {

// Models say which of their timers should run; screens make the QTimers follow. A running
// timer is left alone, so its next tick keeps its place.
inline void followTimer(QTimer& timer, bool running) {
    if (running && !timer.isActive()) {
        timer.start();
    } else if (!running && timer.isActive()) {
        timer.stop();
    }
}

} // namespace vortalex
