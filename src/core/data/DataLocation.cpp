#include "core/data/DataLocation.h"

#include "core/data/GameDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

#ifndef VORTALEX_DATA_FROM_PROGRAM
#define VORTALEX_DATA_FROM_PROGRAM "../share/vortalex"
#endif

namespace vortalex {

namespace {

// SQLite writes a journal beside the file, so the folder must take new files too.
bool writableHere(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Copies through a file of another name and renames it, so that a start cut short never leaves
// a half copy that later starts would take for the player's database. The name is this
// copy's own: two first starts at once each copy, and the copy renamed first is the one.
QString copyOnce(const QString& from, const QString& to) {
    const QFileInfo target(to);
    if (!QDir().mkpath(target.absolutePath())) {
        return QStringLiteral("the folder cannot be created");
    }
    static std::atomic<int> copies{0};
    const QString part = to + QStringLiteral(".part-%1-%2")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(copies.fetch_add(1));
    QFile::remove(part);
    QFile source(from);
    if (!source.copy(part)) {
        return source.errorString();
    }
    // The installed file may be read-only for everyone; the player's copy is theirs to write.
    QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                    QFile::WriteUser);
    // Never replaces a file: a copy another start renamed meanwhile may already be in use.
    if (!QFile::rename(part, to)) {
        QFile::remove(part);
        if (!QFileInfo::exists(to)) {
            return QStringLiteral("the copy cannot be renamed to %1").arg(target.fileName());
        }
    }
    return {};
}

// Why a portable folder's own database is not used; writableHere() turned it down.
QString whyNotBeside(const QString& beside, const QString& used) {
    const QFileInfo file(beside);
    const QString instead =
        QStringLiteral(", so Vortalex uses your own database %1 instead.").arg(shown(used));
    if (file.isDir()) {
        return QStringLiteral("%1 is a folder, not a game database").arg(shown(beside)) + instead;
    }
    if (!file.exists()) {
        return QStringLiteral("There is no %1").arg(shown(beside)) + instead;
    }
    if (!file.isFile()) {
        return QStringLiteral("%1 is not a file").arg(shown(beside)) + instead;
    }
    if (!file.isWritable()) {
        return QStringLiteral("%1 is read-only").arg(shown(beside)) + instead;
    }
    return QStringLiteral("%1 cannot be written because its folder is read-only")
               .arg(shown(beside)) +
           instead;
}

void noteBusy(GameDatabase& db, QList<DatabaseNotice>& notices) {
    if (!db.busyTold()) {
        db.setBusyTold();
        notices.append({busyText(db.path()), style::kExclamation});
    }
}

QString whyUnwritable(GameDatabase& db, const DataLocation& where, QList<DatabaseNotice>& notices) {
    if (!where.problem.isEmpty()) {
        return where.problem;
    }
    const QString problem = db.writeProblem();
    if (problem.isEmpty()) {
        // Busy is no fault of the file: it is told as busy, and writes are tried again.
        if (db.lastErrorBusy()) {
            noteBusy(db, notices);
        }
        return {};
    }
    const QFileInfo file(db.path());
    if (file.isFile() && !file.isWritable()) {
        return QStringLiteral("the file is read-only");
    }
    if (!QFileInfo(file.absolutePath()).isWritable()) {
        return QStringLiteral("its folder %1 is read-only").arg(shown(file.absolutePath()));
    }
    return problem;
}

// A damaged word list would refuse the words on its damaged pages without a word said, so it
// is checked on every start and mended when it can be.
void checkWordList(GameDatabase& db, const QString& installedPath, QList<DatabaseNotice>& notices) {
    const GameDatabase::Health health = db.checkDictionary();
    if (health == GameDatabase::Health::Unchecked && db.lastErrorBusy()) {
        noteBusy(db, notices);
    }
    if (health != GameDatabase::Health::Damaged || db.repairDictionary(installedPath)) {
        return;
    }
    db.setWordListProblemTold();
    notices.append(
        {QStringLiteral("The word list in %1 is damaged and could not be repaired (%2).")
                 .arg(shown(db.path()), db.lastError()) +
             kLineBreak +
             QStringLiteral("Words kept in its damaged part cannot be checked; players and "
                            "scores are left as they are."),
         style::kExclamation});
}

// A damaged page of the players' tables would show part of a table as the whole of it, so they
// are checked at every start too; what reads them says so again when it meets the damage.
void checkPlayerTables(GameDatabase& db, QList<DatabaseNotice>& notices) {
    QStringList damaged = db.damagedPlayerTables();
    if (damaged.isEmpty()) {
        return;
    }
    const QString last = damaged.takeLast();
    const QString which = damaged.isEmpty()
                              ? last
                              : damaged.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    notices.append({QStringLiteral("%1 is damaged: its %2 cannot be read in full.")
                            .arg(shown(db.path()), which) +
                        kLineBreak +
                        QStringLiteral("Vortalex says so wherever it needs them, and never shows "
                                       "part of them as the whole."),
                    style::kExclamation});
}

// prepare() for a program folder whose own database cannot be used.
DataLocation elsewhere(const QString& programFolder, const QString& userFolder) {
    const QString beside = GameDatabase::pathIn(programFolder);
    DataLocation where;
    const QString installed = DataLocation::installedDataFolder(programFolder);
    where.dataFolder = QFileInfo(installed).isDir() ? installed : programFolder;
    for (const QString& candidate : {GameDatabase::pathIn(where.dataFolder), beside}) {
        if (QFileInfo(candidate).isFile()) {
            where.templatePath = candidate;
            break;
        }
    }
    where.databasePath = GameDatabase::pathIn(userFolder);
    if (userFolder.isEmpty()) {
        // No home to keep anything in; the path would otherwise name the working folder.
        where.problem = QStringLiteral("there is no data folder for you");
        where.databasePath = where.templatePath;
        return where;
    }
    if (QFileInfo::exists(where.databasePath)) {
        return where;
    }
    if (where.templatePath.isEmpty()) {
        // Nothing installed to copy: an empty database still keeps players and scores, the
        // missing word list is told (at start for a portable folder, when a level opens for an
        // installed game), and a reinstall refills it.
        QDir().mkpath(userFolder);
        return where;
    }
    const QString failure = copyOnce(where.templatePath, where.databasePath);
    if (!failure.isEmpty()) {
        where.problem =
            QStringLiteral("no copy of it could be made in %1: %2").arg(shown(userFolder), failure);
        where.databasePath = where.templatePath;
    }
    return where;
}

} // namespace

QString DataLocation::installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(VORTALEX_DATA_FROM_PROGRAM)));
}

DataLocation DataLocation::prepare(const QString& programFolder, const QString& userFolder) {
    const QString beside = GameDatabase::pathIn(programFolder);
    if (writableHere(beside)) {
        return {programFolder, beside, {}, {}, {}};
    }
    DataLocation where = elsewhere(programFolder, userFolder);
    // A program folder without the installed data folder beside it is a portable copy, whose
    // players expect the database beside the program; an installed game's players expect
    // nothing in particular.
    const bool portable = where.dataFolder == programFolder;
    if (portable && where.problem.isEmpty()) {
        where.notice = whyNotBeside(beside, where.databasePath);
    }
    return where;
}

OpenedGameDatabase openGameDatabase(const DataLocation& where) {
    // A file another program holds costs the start only a short wait: the menu comes, the
    // player is told, and each use tries the file again.
    auto opened = GameDatabase::open(where.databasePath, GameDatabase::kBusyRetryMs);
    if (!opened.db) {
        return {nullptr, {{opened.error, style::kCritical}}};
    }
    GameDatabase& db = *opened.db;
    QList<DatabaseNotice> notices;
    const bool busy = db.setUpPending();
    if (!where.notice.isEmpty()) {
        QString text = where.notice;
        // A word list that cannot be read is the check's to tell, below.
        if (!busy && !db.dictionaryAvailable() && db.lastError().isEmpty()) {
            // Said here, so that the board does not send the player to reinstall the game.
            db.setWordListProblemTold();
            text += kLineBreak + QStringLiteral("That database has no word list, so no word can "
                                                "be accepted until the game's Dictionary.mdb is "
                                                "back beside the program.");
        }
        notices.append({text, style::kInformation});
    }
    if (busy) {
        // Nothing more can be learnt about the file now; each use tries it again.
        noteBusy(db, notices);
        db.setBusyTimeout(GameDatabase::kBusyTimeoutMs);
        return {std::move(opened.db), notices};
    }
    const QString installed =
        where.templatePath != where.databasePath ? where.templatePath : QString();
    checkWordList(db, installed, notices);
    checkPlayerTables(db, notices);
    if (!installed.isEmpty()) {
        // A failed refresh keeps the words the copy has; the check below says why.
        db.refreshDictionaryFrom(installed);
    }
    const QString why = whyUnwritable(db, where, notices);
    if (!why.isEmpty()) {
        db.refuseWrites();
        notices.append(
            {QStringLiteral("Scores and players cannot be kept: %1 cannot be written (%2).")
                     .arg(shown(where.databasePath), why) +
                 kLineBreak + QStringLiteral("You can go on playing, but nothing will be saved."),
             style::kExclamation});
    }
    db.setBusyTimeout(GameDatabase::kBusyTimeoutMs);
    return {std::move(opened.db), notices};
}

QString busyLine(const QString& path) {
    return QStringLiteral("%1 is busy: another program is using it.").arg(shown(path));
}

QString failureReason(const GameDatabase& db) {
    return db.lastErrorBusy() ? busyLine(db.path()) : db.lastError();
}

QString busyText(const QString& path) {
    return busyLine(path) + kLineBreak +
           QStringLiteral("Vortalex tries it again whenever it needs it; until then words cannot "
                          "be checked and nothing can be saved.");
}

} // namespace vortalex
