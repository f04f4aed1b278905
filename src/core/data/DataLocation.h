#pragma once

#include <QString>

#include <memory>

namespace vortalex {

class GameDatabase;
struct Services;

// Where the game's files are. A program folder that holds a Dictionary.mdb the game can write
// (the build tree, a portable copy) keeps everything beside the program, as it always has. An
// installed program's folder is read-only: its cues and help are then read from
// bin/../share/vortalex, and the database is the player's own copy of the installed one, made
// on the first start in the player's data folder.
struct DataLocation {
    QString dataFolder;   // the cues, the help page and its starters
    QString databasePath; // the Dictionary.mdb the game reads and writes
    // The installed database the player's copy was made from; its word list replaces the
    // copy's when it changes. Empty when the game uses the program folder's own database.
    QString templatePath;
    // Why the player's copy could not be made; the database is then the read-only template.
    QString problem;

    // The installed data folder of a program in `programFolder`, wherever it was installed.
    static QString installedDataFolder(const QString& programFolder);
    // Decides the folders and makes the player's copy in `userFolder` when there is none yet.
    static DataLocation prepare(const QString& programFolder, const QString& userFolder);
};

// Opens the database `where` names, brings the word list of the player's copy up to date and
// fills in the services' database, its path and the data folder. A database that cannot be
// opened or cannot be written is told to the player here, once.
std::unique_ptr<GameDatabase> openGameDatabase(const DataLocation& where, Services& services);

} // namespace vortalex
