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
    // Said at start when a portable program folder's own Dictionary.mdb is not the one used:
    // which file is used instead, and why. Empty for an installed game, whose database is
    // always the player's copy.
    QString notice;

    // The installed data folder of a program in `programFolder`, wherever it was installed.
    static QString installedDataFolder(const QString& programFolder);
    // Decides the folders and makes the player's copy in `userFolder` when there is none yet.
    static DataLocation prepare(const QString& programFolder, const QString& userFolder);
};

// Opens the database `where` names, checks its word list and mends a damaged one, brings the
// word list of the player's copy up to date and fills in the services' database, its path and
// the data folder. A database that cannot be opened, is busy, cannot be written or keeps a
// damaged word list is told to the player here, once; so is a portable folder's database that
// is not the one used.
std::unique_ptr<GameDatabase> openGameDatabase(const DataLocation& where, Services& services);

// Tells the player, once per run, that another program holds the database in use.
void tellDatabaseBusy(Services& services);

} // namespace vortalex
