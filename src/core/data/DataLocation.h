#pragma once

#include "core/common/MessageBox.h"

#include <QList>
#include <QString>

#include <memory>

namespace vortalex {

class GameDatabase;

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

// Something the player is to be told about the database: the text of a message box titled
// kAppTitle, and its style.
struct DatabaseNotice {
    QString text;
    MessageStyle style;
    bool operator==(const DatabaseNotice&) const = default;
};

struct OpenedGameDatabase {
    std::unique_ptr<GameDatabase> db; // null when the file could not be opened
    QList<DatabaseNotice> notices;    // in the order they are to be told
};

// Opens the database `where` names, checks its word list and mends a damaged one and brings the
// word list of the player's copy up to date. A database that cannot be opened, is busy, cannot
// be written or keeps a damaged word list comes back as a notice for the caller to tell, and
// so does a portable folder's database that is not the one used; the database records what
// the notices tell (busyTold(), wordListProblemTold(), writesRefused()), so that nothing is
// told twice in a run.
OpenedGameDatabase openGameDatabase(const DataLocation& where);

// What the player is told when another program holds the database at `path`: busyLine(), then
// what the game does about it.
QString busyText(const QString& path);
QString busyLine(const QString& path);
// Why the last operation on `db` failed, as the player is told it: a busy file as busy (never as
// damaged or unwritable), anything else as the database put it.
QString failureReason(const GameDatabase& db);

} // namespace vortalex
