#include "core/board/LevelClock.h"

namespace vortalex {

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

LevelClock::LevelClock(QObject* parent)
    : QObject(parent) {}

void LevelClock::start(int minutes) {
    m_seconds = 60;
    m_minutes = minutes;
    setState(State::Running);
}

void LevelClock::tick() {
    if (m_state != State::Running) {
        return;
    }
    --m_seconds;
    if (m_seconds == 0) {
        --m_minutes;
        m_seconds = 60;
    }
    // A full minute of seconds reads as the next minute: 04:00, then 03:59.
    m_text = m_seconds == 60 ? twoDigits(m_minutes + 1) + QStringLiteral(":00")
                             : twoDigits(m_minutes) + QLatin1Char(':') + twoDigits(m_seconds);
    emit timeChanged(m_text);
    if (m_minutes < 0) {
        setState(State::Ended);
        emit ended();
    }
}

void LevelClock::pause() {
    if (m_state == State::Running) {
        setState(State::Paused);
    }
}

void LevelClock::resume() {
    if (m_state == State::Paused) {
        setState(State::Running);
    }
}

void LevelClock::setState(State state) {
    if (m_state != state) {
        m_state = state;
        emit stateChanged(state);
    }
}

} // namespace vortalex
