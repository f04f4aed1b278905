#pragma once

#include "core/common/Level.h"

#include <QObject>
#include <QString>

#include <array>

namespace vortalex {

// The values screens hand to one another during a run. The menu screen owns the one instance
// and shows it; registration, loading, boards and summaries get a reference. Nothing here is
// written to disk.
class SessionState : public QObject {
    Q_OBJECT
public:
    static inline const QString kGuestGreeting = QStringLiteral("Welcome Guest ! . . .");

    explicit SessionState(QObject* parent = nullptr);

    // "" while nobody is signed in.
    QString playerName() const { return m_playerName; }
    void setPlayerName(const QString& name);

    bool levelOpen(Level level) const { return m_levelOpen.at(slot(level)); }
    void setLevelOpen(Level level, bool open);

    QString greeting() const { return m_greeting; }
    void setGreeting(const QString& greeting);
    // The greeting a signed-in player gets.
    static QString welcome(const QString& name) {
        return QStringLiteral("Welcome [") + name + QStringLiteral("]");
    }

    // START may run once per sign-in. The flag is a copy of the value kept for it (the record),
    // taken when the record is written and on every demo tick; the menu alone sets the flag
    // itself, right after registration closes, so it holds only until the demo's next tick.
    bool startChosen() const { return m_startChosen; }
    void setStartChosen(bool chosen);
    bool startChosenRecord() const { return m_startChosenRecord; }
    void setStartChosenRecord(bool chosen);
    void takeStartChosenFromRecord();
    // The level flags all closed, as after giving up on a level.
    void closeAllLevels();

    bool demoRunning() const { return m_demoRunning; }
    void setDemoRunning(bool running);
    void startDemo() { setDemoRunning(true); }

signals:
    void playerNameChanged(const QString& name);
    void levelOpenChanged(vortalex::Level level, bool open);
    void greetingChanged(const QString& greeting);
    void startChosenChanged(bool chosen);
    void demoRunningChanged(bool running);

private:
    static std::size_t slot(Level level) { return static_cast<std::size_t>(level); }

    QString m_playerName;
    std::array<bool, kLevelCount> m_levelOpen{};
    QString m_greeting = kGuestGreeting;
    bool m_startChosen = false;
    bool m_startChosenRecord = false;
    bool m_demoRunning = true;
};

} // namespace vortalex
