#pragma once

#include "core/common/MessageBox.h"
#include "core/common/Random.h"

#include <QString>

#include <functional>
#include <memory>

namespace vortalex {

class CuePlayer;
class GameDatabase;
class MuteSwitch;
class ScaleChoice;

// What every screen needs from the outside world, handed down from main() (or a test) instead
// of being reached through globals. What a run learns on the way (what the player was told,
// the word tree) is kept by the objects it is about, not here.
struct Services {
    explicit Services(GameDatabase& database)
        : m_database(&database) {}

    // The Dictionary.mdb in use. There always is one: a file that could not be opened is
    // stood in for by GameDatabase::absent(), whose reads fail and whose writes are refused.
    GameDatabase& database() const { return *m_database; }
    void setDatabase(GameDatabase& database) { m_database = &database; }

    QString programFolder;
    // Where the cues, the help page and its starters are: the program folder, or the installed
    // data folder (DataLocation).
    QString dataFolder;
    // The Dictionary.mdb in use, named in messages about it.
    QString databasePath;
    CuePlayer* cues = nullptr;
    // What the speaker controls show and set; cues go through it too (cues points at it). Null
    // where no control is wanted: the screens then show none.
    MuteSwitch* mute = nullptr;
    // How large the player wants the game's windows; null opens each at its design size.
    ScaleChoice* scale = nullptr;
    MessageBoxes* messages = nullptr;
    // A fresh generator; the game seeds it from the clock, tests from a fixed seed.
    std::function<std::unique_ptr<Random>()> newRandom;

private:
    GameDatabase* m_database;
};

} // namespace vortalex
