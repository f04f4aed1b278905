#include "DataLocation.h"

#include "common/Services.h"
#include "data/GameDatabase.h"

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

QString whyUnwritable(GameDatabase& db, const DataLocation& where) {
    if (!where.problem.isEmpty()) {
        return where.problem;
    }
    const QString problem = db.writeProblem();
    if (problem.isEmpty()) {
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

} // namespace

QString DataLocation::installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(VORTALEX_DATA_FROM_PROGRAM)));
}

DataLocation DataLocation::prepare(const QString& programFolder, const QString& userFolder) {
    const QString beside = GameDatabase::pathIn(programFolder);
    if (writableHere(beside)) {
        return {programFolder, beside, {}, {}};
    }
    DataLocation where;
    const QString installed = installedDataFolder(programFolder);
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
        // missing word list is told when a level opens, and a reinstall refills it.
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

std::unique_ptr<GameDatabase> openGameDatabase(const DataLocation& where, Services& services) {
    services.dataFolder = where.dataFolder;
    services.databasePath = where.databasePath;
    auto opened = GameDatabase::open(where.databasePath);
    if (!opened.db) {
        services.database = nullptr;
        services.dictionaryProblemTold = true;
        services.messages->show(opened.error, style::kCritical, kAppTitle);
        return {};
    }
    GameDatabase& db = *opened.db;
    if (!where.templatePath.isEmpty() && where.templatePath != where.databasePath) {
        // A failed refresh keeps the words the copy has; the check below says why.
        db.refreshDictionaryFrom(where.templatePath);
    }
    const QString why = whyUnwritable(db, where);
    services.writesRefused = !why.isEmpty();
    if (!why.isEmpty()) {
        services.messages->show(
            QStringLiteral("Scores and players cannot be kept: %1 cannot be written (%2).")
                    .arg(shown(where.databasePath), why) +
                kLineBreak + QStringLiteral("You can go on playing, but nothing will be saved."),
            style::kExclamation, kAppTitle);
    }
    services.database = opened.db.get();
    return std::move(opened.db);
}

} // namespace vortalex
