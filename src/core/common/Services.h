#pragma once

#include "core/common/MessageBox.h"
#include "core/common/Random.h"
#include "core/sound/CuePlayer.h"

#include <QString>

#include <functional>
#include <memory>

namespace vortalex {

class GameDatabase;
class Lexicon;

// What every screen needs from the outside world, handed down from main() (or a test) instead
// of being reached through globals.
struct Services {
    QString programFolder;
    // Where the cues, the help page and its starters are: the program folder, or the installed
    // data folder (DataLocation).
    QString dataFolder;
    // The Dictionary.mdb in use, named in messages about it.
    QString databasePath;
    GameDatabase* database = nullptr; // null when Dictionary.mdb could not be opened
    CuePlayer* cues = nullptr;
    MessageBoxes* messages = nullptr;
    // A fresh generator; the game seeds it from the clock, tests from a fixed seed.
    std::function<std::unique_ptr<Random>()> newRandom;
    // A missing word list is told to the player once per run, not on every board.
    bool dictionaryProblemTold = false;
    // Another program holding the database is told once per run as well.
    bool databaseBusyTold = false;
    // The database cannot be written, and the player was told so at start: nothing is tried.
    bool writesRefused = false;
    // The word tree of the dictionary, loaded once per run at its first use (runLexicon()).
    std::shared_ptr<const Lexicon> lexicon;
};

} // namespace vortalex
