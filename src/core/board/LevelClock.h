#pragma once

#include <QObject>
#include <QString>

namespace vortalex {

// The level clock: counts a level's time down from "Play" to 00:00, a second per tick. It runs
// only between its start and the end of the level and never while paused: pausing before the
// start or once time is up does nothing. A timer outside follows state() and calls tick().
class LevelClock : public QObject {
    Q_OBJECT
public:
    enum class State { NotStarted, Running, Paused, Ended };

    explicit LevelClock(QObject* parent = nullptr);

    // "Play": `minutes` whole minutes besides a full minute of seconds. The text keeps what it
    // showed until the first tick, a second later.
    void start(int minutes);
    void tick();
    void pause();  // a running clock stops
    void resume(); // a paused clock runs again

    State state() const { return m_state; }
    bool running() const { return m_state == State::Running; }
    QString text() const { return m_text; }
    int secondsLeft() const { return m_minutes * 60 + m_seconds; }

signals:
    void timeChanged(const QString& text);
    void stateChanged(vortalex::LevelClock::State state);
    // Time is up; the clock has stopped for good.
    void ended();

private:
    void setState(State state);

    State m_state = State::NotStarted;
    // The minutes besides the seconds, which count 60 down to 1: the time is up when the
    // minutes go below 0.
    int m_minutes = 0;
    int m_seconds = 0;
    QString m_text = QStringLiteral("00:00");
};

} // namespace vortalex
