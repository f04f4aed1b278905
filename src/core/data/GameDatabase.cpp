#include "core/data/GameDatabase.h"

#include "core/data/PasswordHash.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace vortalex {

namespace {

QAtomicInt g_connectionCounter;

// The word list's columns, shared by its creation and its repair.
#define VORTALEX_WORD_LIST_COLUMNS                                                                 \
    "(Word TEXT NOT NULL COLLATE NOCASE, Meaning TEXT NOT NULL DEFAULT '')"

// Text columns that queries compare carry NOCASE so that "=" and LIKE ignore letter case and
// still use their index.
const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS tbl_Dictionary " VORTALEX_WORD_LIST_COLUMNS,
    "CREATE INDEX IF NOT EXISTS tbl_Dictionary_Word ON tbl_Dictionary (Word)",
    "CREATE TABLE IF NOT EXISTS tblWrong (WrongWord TEXT COLLATE NOCASE)",
    "CREATE TABLE IF NOT EXISTS tblUsers ("
    " fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldPassword TEXT NOT NULL DEFAULT '',"
    " fldeasy BOOLEAN NOT NULL DEFAULT 0,"
    " fldintermediate BOOLEAN NOT NULL DEFAULT 0,"
    " flddifficult BOOLEAN NOT NULL DEFAULT 0,"
    " fldexpert BOOLEAN NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS tblUsers_fldUsername ON tblUsers (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblEasyScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblEasyScores_fldUsername ON tblEasyScores (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblIntermediateScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblIntermediateScores_fldUsername"
    " ON tblIntermediateScores (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblDifficultScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblDifficultScores_fldUsername ON tblDifficultScores (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblExpertScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblExpertScores_fldUsername ON tblExpertScores (fldUsername)",
    // Totals are whole numbers; NUMERIC keeps a sum written as 12550.0 as the integer 12550.
    "CREATE TABLE IF NOT EXISTS total (fldusername TEXT NOT NULL COLLATE NOCASE,"
    " totscore NUMERIC NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS total_fldusername ON total (fldusername)",
};

// Tables the first files were made without, added to older files when they can be written: a
// read-only or busy older file plays without them.
constexpr const char* kAdditions[] = {
    // Which word list the dictionary was last filled from, so a rebuild refreshes it only
    // when the list changed. Without it every start offers the installed list again.
    "CREATE TABLE IF NOT EXISTS tblDictionarySource (fldSource TEXT NOT NULL)",
    // Words an ordinary player knows, from a smaller list than the dictionary's; the review
    // shows missed words of this list first. Filled by the build like the dictionary; without
    // them the review simply shows every missed word.
    "CREATE TABLE IF NOT EXISTS tblCommonWords (fldWord TEXT NOT NULL COLLATE NOCASE)",
    "CREATE TABLE IF NOT EXISTS tblCommonWordsSource (fldSource TEXT NOT NULL)",
};

// The tables whose rows are looked up by name. SQLite matches column names ignoring case, so
// kNameColumn also names total's fldusername.
QStringList nameTables() {
    QStringList tables{QStringLiteral("tblUsers")};
    for (const Level level : allLevels()) {
        tables.append(QString::fromLatin1(levelInfo(level).scoreTable));
    }
    tables.append(QStringLiteral("total"));
    return tables;
}
const QString kNameColumn = QStringLiteral("fldUsername");
const QString kPlayerColumns =
    QStringLiteral("fldUsername, fldPassword, fldeasy, fldintermediate, flddifficult, fldexpert");

} // namespace

QString nameKey(const QString& name) {
    // toCaseFolded() maps one character to one, which leaves ß apart from SS; upper case
    // applies the longer mappings (ß to SS, the ligature ﬁ to FI) before folding again.
    // Decomposing first lets İ fold like the I and dot it is made of.
    return name.normalized(QString::NormalizationForm_D)
        .toCaseFolded()
        .toUpper()
        .toCaseFolded()
        .normalized(QString::NormalizationForm_C);
}

// LIKE treats % and _ as wildcards; a prefix is literal text.
QString GameDatabase::likePrefixPattern(const QString& prefix) {
    QString escaped;
    escaped.reserve(prefix.size() + 1);
    for (const QChar c : prefix) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) {
            escaped.append(QLatin1Char('\\'));
        }
        escaped.append(c);
    }
    escaped.append(QLatin1Char('%'));
    return escaped;
}

namespace {

PlayerRow playerFrom(const QSqlQuery& q) {
    PlayerRow row;
    row.name = q.value(0).toString();
    for (int i = 0; i < kLevelCount; ++i) {
        row.levelOpen[static_cast<std::size_t>(i)] = q.value(2 + i).toBool();
    }
    return row;
}

QString scoreTable(Level level) {
    return QString::fromLatin1(levelInfo(level).scoreTable);
}

} // namespace

GameDatabase::Opened GameDatabase::open(const QString& path, int busyTimeoutMs) {
    const QString connection =
        QStringLiteral("vortalex-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return {nullptr, QStringLiteral("The SQLite driver of Qt is not installed.")};
    }
    if (QFileInfo(path).isDir()) {
        return {nullptr, QStringLiteral("%1 is a folder, not a database.").arg(path)};
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        // A busy file (another copy of the game saving) is waited for briefly, not failed at once.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return {nullptr, QStringLiteral("Cannot open %1: %2").arg(path, reason)};
        }
    }
    std::unique_ptr<GameDatabase> game(new GameDatabase(connection, path));
    // A file another program is writing is sound as far as anyone can tell: it is set up at
    // its first use once the other program lets go of it.
    if (!game->ready() && !game->lastErrorBusy()) {
        return {
            nullptr,
            QStringLiteral("%1 is not a usable game database: %2").arg(path, game->lastError())};
    }
    return {std::move(game), {}};
}

bool GameDatabase::ready() {
    clearError();
    if (m_setUp) {
        return true;
    }
    if (!createSchema()) {
        // Only a busy file is worth trying again; any other failure is the file as it is, and
        // later operations say so themselves.
        m_setUp = !m_lastErrorBusy;
        return false;
    }
    m_setUp = true;
    // A file that cannot take the keys still plays, with names matched as they used to be.
    keyNames();
    clearError();
    return true;
}

void GameDatabase::clearError() {
    m_lastError.clear();
    m_lastErrorBusy = false;
}

QString GameDatabase::pathIn(const QString& programFolder) {
    return QDir(programFolder).filePath(kFileName);
}

GameDatabase::GameDatabase(QString connection, QString path)
    : m_connection(std::move(connection))
    , m_path(std::move(path)) {}

GameDatabase::~GameDatabase() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen()) {
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool GameDatabase::createSchema() {
    // Deferred, as is keyNames(): on a complete database nothing is written, so a file the
    // game may only read still opens.
    const auto create = [this](const auto& statements) {
        return runTransaction(QStringLiteral("BEGIN"), [&] {
            for (const char* statement : statements) {
                QSqlQuery q(QSqlDatabase::database(m_connection));
                if (!q.exec(QString::fromLatin1(statement))) {
                    return fail(q.lastError());
                }
            }
            return true;
        });
    };
    if (!create(kSchema)) {
        return false;
    }
    // A read-only or busy older file still plays.
    create(kAdditions);
    return true;
}

QStringList GameDatabase::columnsOf(const QString& table) {
    QStringList names;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        while (q.next()) {
            names.append(q.value(1).toString());
        }
    }
    return names;
}

// Only additions: the tables keep their columns in place for anything that reads them by
// position, and an older version of the game can still use the file. It cannot keep the keys
// of the rows it writes, which is why every open checks them all: a few hundred players and
// scores take a few milliseconds, and nothing is written when every key is right.
bool GameDatabase::keyNames() {
    const bool written = runTransaction(QStringLiteral("BEGIN"), [this] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection);
        for (const QString& table : nameTables()) {
            QSqlQuery q(db);
            if (!columnsOf(table).contains(kNameKeyColumn, Qt::CaseInsensitive) &&
                !q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT")
                            .arg(table, kNameKeyColumn))) {
                return fail(q.lastError());
            }
            if (!q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1_%2 ON %1 (%2)")
                            .arg(table, kNameKeyColumn))) {
                return fail(q.lastError());
            }
            q.setForwardOnly(true);
            if (!q.exec(QStringLiteral("SELECT rowid, %1, %2 FROM %3")
                            .arg(kNameColumn, kNameKeyColumn, table))) {
                return fail(q.lastError());
            }
            QList<std::pair<qint64, QString>> stale;
            while (q.next()) {
                const QString key = nameKey(q.value(1).toString());
                if (q.value(2).isNull() || q.value(2).toString() != key) {
                    stale.append({q.value(0).toLongLong(), key});
                }
            }
            QSqlQuery update(db);
            update.prepare(
                QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(table, kNameKeyColumn));
            for (const auto& [rowid, key] : stale) {
                update.bindValue(0, key);
                update.bindValue(1, rowid);
                if (!exec(update)) {
                    return false;
                }
            }
        }
        return true;
    });
    // Keys that could not all be written leave rows an older game added without one: those are
    // found only by the name itself, as before.
    const QStringList tables = nameTables();
    m_namesKeyed =
        written && std::all_of(tables.cbegin(), tables.cend(), [this](const QString& table) {
            return columnsOf(table).contains(kNameKeyColumn, Qt::CaseInsensitive);
        });
    return written;
}

QString GameDatabase::rowsOfNameSql(const QString& table, const QString& columns) const {
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY rowid")
        .arg(columns, table, m_namesKeyed ? kNameKeyColumn : kNameColumn);
}

QVariant GameDatabase::nameValue(const QString& name) const {
    return m_namesKeyed ? nameKey(name) : name;
}

bool GameDatabase::insertRow(const QString& table, const QStringList& columns,
                             const QVariantList& values, const QString& name) {
    if (!ready()) {
        return false;
    }
    QStringList allColumns = columns;
    QVariantList allValues = values;
    if (m_namesKeyed) {
        allColumns.append(kNameKeyColumn);
        allValues.append(nameKey(name));
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, allColumns.join(QStringLiteral(", ")),
                 QStringList(allValues.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    for (const QVariant& value : std::as_const(allValues)) {
        q.addBindValue(value);
    }
    return exec(q);
}

bool GameDatabase::fail(const QString& reason, bool busy) {
    m_lastError = reason.isEmpty() ? QStringLiteral("unknown database error") : reason;
    m_lastErrorBusy = busy;
    return false;
}

bool GameDatabase::fail(const QSqlError& error) {
    return fail(error.text(), isBusy(error));
}

bool GameDatabase::isBusy(const QSqlError& error) {
    // SQLITE_BUSY and SQLITE_LOCKED, with or without an extended code.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 5 || code == 6;
}

bool GameDatabase::exec(QSqlQuery& query) {
    if (!query.exec()) {
        return fail(query.lastError());
    }
    return true;
}

bool GameDatabase::inTransaction(const std::function<bool()>& work) {
    return ready() && runTransaction(QStringLiteral("BEGIN IMMEDIATE"), work);
}

bool GameDatabase::runTransaction(const QString& begin, const std::function<bool()>& work) {
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    clearError();
    QSqlQuery control(db);
    if (!control.exec(begin)) {
        return fail(control.lastError());
    }
    if (!work()) {
        const QString reason = m_lastError;
        const bool busy = m_lastErrorBusy;
        control.exec(QStringLiteral("ROLLBACK"));
        return fail(reason, busy);
    }
    if (!control.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = control.lastError();
        control.exec(QStringLiteral("ROLLBACK"));
        return fail(error);
    }
    return true;
}

// ---------------------------------------------------------------- dictionary

WordLookup GameDatabase::lookUpWord(const QString& word) {
    if (!ready()) {
        return WordLookup::Failed;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT 1 FROM tbl_Dictionary WHERE Word = ? LIMIT 1"));
    q.addBindValue(word);
    if (!exec(q)) {
        return WordLookup::Failed;
    }
    return q.next() ? WordLookup::Found : WordLookup::NotFound;
}

bool GameDatabase::dictionaryAvailable() {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT 1 FROM tbl_Dictionary LIMIT 1"));
    return exec(q) && q.next();
}

qint64 GameDatabase::dictionaryRowCount() {
    if (!ready()) {
        return 0;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM tbl_Dictionary"));
    return exec(q) && q.next() ? q.value(0).toLongLong() : 0;
}

QStringList GameDatabase::wordsStartingWith(const QString& prefix) {
    if (!ready()) {
        return {};
    }
    QStringList words;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(kWordsStartingWithSql);
    q.addBindValue(likePrefixPattern(prefix));
    if (exec(q)) {
        while (q.next()) {
            words.append(q.value(0).toString());
        }
    }
    return words;
}

QSqlQuery GameDatabase::wordsStartingWithCursor(const QString& prefix) {
    if (!ready()) {
        return QSqlQuery(QSqlDatabase::database(m_connection));
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    // Not forward-only: a grid reads rows again as they scroll back into view.
    q.prepare(kWordsStartingWithSql);
    q.addBindValue(likePrefixPattern(prefix));
    exec(q);
    return q;
}

QStringList GameDatabase::meanings(const QString& word) {
    if (!ready()) {
        return {};
    }
    QStringList result;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Meaning FROM tbl_Dictionary WHERE Word = ? ORDER BY rowid"));
    q.addBindValue(word);
    if (exec(q)) {
        while (q.next()) {
            result.append(q.value(0).toString());
        }
    }
    return result;
}

bool GameDatabase::replaceDictionary(const std::function<bool(DictionaryEntry&)>& next,
                                     const QString& sourceId) {
    return rebuildDictionary(
        [&] {
            QSqlQuery insert(QSqlDatabase::database(m_connection));
            insert.prepare(
                QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) VALUES (?, ?)"));
            DictionaryEntry entry;
            while (next(entry)) {
                insert.bindValue(0, entry.word);
                insert.bindValue(1, entry.meaning);
                if (!exec(insert)) {
                    return false;
                }
            }
            return true;
        },
        sourceId);
}

bool GameDatabase::rebuildDictionary(const std::function<bool()>& fill, const QString& sourceId) {
    // Filling without the index and building it once afterwards is several times faster.
    return refillWords({QStringLiteral("DROP INDEX IF EXISTS tbl_Dictionary_Word"),
                        QStringLiteral("DELETE FROM tbl_Dictionary")},
                       fill,
                       QStringLiteral("CREATE INDEX tbl_Dictionary_Word ON tbl_Dictionary (Word)"),
                       QStringLiteral("tblDictionarySource"), sourceId);
}

bool GameDatabase::refillWords(const QStringList& emptying, const std::function<bool()>& fill,
                               const QString& afterFill, const QString& sourceTable,
                               const QString& sourceId) {
    return inTransaction([&] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection);
        QSqlQuery q(db);
        for (const QString& statement :
             emptying + QStringList{QStringLiteral("DELETE FROM %1").arg(sourceTable)}) {
            if (!q.exec(statement)) {
                return fail(q.lastError());
            }
        }
        if (!fill()) {
            return false;
        }
        if (!afterFill.isEmpty() && !q.exec(afterFill)) {
            return fail(q.lastError());
        }
        QSqlQuery source(db);
        source.prepare(QStringLiteral("INSERT INTO %1 (fldSource) VALUES (?)").arg(sourceTable));
        source.addBindValue(sourceId);
        return exec(source);
    });
}

bool GameDatabase::refreshDictionaryFrom(const QString& otherPath, bool* refreshed) {
    if (refreshed != nullptr) {
        *refreshed = false;
    }
    // ATTACH would create a missing file.
    if (!QFileInfo(otherPath).isFile()) {
        clearError();
        return true;
    }
    if (!ready()) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("ATTACH DATABASE ? AS installed"));
    q.addBindValue(otherPath);
    if (!exec(q)) {
        return false;
    }
    QString source;
    QSqlQuery read(db);
    read.prepare(QStringLiteral("SELECT fldSource FROM installed.tblDictionarySource LIMIT 1"));
    bool ok = exec(read);
    if (ok && read.next()) {
        source = read.value(0).toString();
    }
    read.finish();
    // An installed copy that never got its words must not wipe ours.
    if (ok && !source.isEmpty() && (source != dictionarySourceId() || !dictionaryAvailable())) {
        ok = rebuildDictionary(
            [&] {
                QSqlQuery copy(db);
                copy.prepare(QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) SELECT"
                                            " Word, Meaning FROM installed.tbl_Dictionary"
                                            " ORDER BY rowid"));
                return exec(copy);
            },
            source);
        if (ok && refreshed != nullptr) {
            *refreshed = true;
        }
    }
    // The common words travel with the word list; an installed copy made before they existed
    // has no such table, which leaves ours as it is.
    QSqlQuery readCommon(db);
    readCommon.prepare(
        QStringLiteral("SELECT fldSource FROM installed.tblCommonWordsSource LIMIT 1"));
    QString commonSource;
    if (ok && readCommon.exec() && readCommon.next()) {
        commonSource = readCommon.value(0).toString();
    }
    readCommon.finish();
    if (ok && !commonSource.isEmpty() && commonSource != commonWordsSourceId()) {
        ok = rebuildCommonWords(
            [&] {
                QSqlQuery copy(db);
                copy.prepare(QStringLiteral("INSERT INTO tblCommonWords (fldWord) SELECT fldWord"
                                            " FROM installed.tblCommonWords"));
                return exec(copy);
            },
            commonSource);
    }
    const QString reason = m_lastError;
    QSqlQuery detach(db);
    detach.exec(QStringLiteral("DETACH DATABASE installed"));
    m_lastError = reason;
    return ok;
}

GameDatabase::Health GameDatabase::checkDictionary() {
    if (!ready()) {
        return Health::Unchecked;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    QStringList problems;
    if (q.exec(QStringLiteral("PRAGMA quick_check(tbl_Dictionary)"))) {
        while (q.next()) {
            problems.append(q.value(0).toString());
        }
    }
    const QSqlError error = q.lastError();
    if (error.isValid()) {
        // SQLITE_CORRUPT: a page the check itself could not get past.
        const bool corrupt = (error.nativeErrorCode().toInt() & 0xff) == 11;
        fail(error);
        return corrupt ? Health::Damaged : Health::Unchecked;
    }
    if (problems == QStringList{QStringLiteral("ok")}) {
        return Health::Sound;
    }
    fail(problems.value(0));
    return Health::Damaged;
}

bool GameDatabase::repairDictionary(const QString& installedPath) {
    if (!ready()) {
        return false;
    }
    // Rows intact under a damaged index: the index is built again from them.
    if (replaceWordTrees(QString()) && checkDictionary() == Health::Sound) {
        return vacuum();
    }
    if (!QFileInfo(installedPath).isFile()) {
        return fail(QStringLiteral("%1; no installed word list is there to take the words from")
                        .arg(m_lastError));
    }
    if (replaceWordTrees(installedPath) && checkDictionary() == Health::Sound) {
        return vacuum();
    }
    return false;
}

// DROP and REINDEX free the pages of the old tree, which means reading them, and a damaged
// page cannot be read. So the new tree is built beside the old one and the schema is pointed
// at it; the old pages are then out of every tree, unread, until VACUUM gives them back.
bool GameDatabase::replaceWordTrees(const QString& installedPath) {
    const bool fromInstalled = !installedPath.isEmpty();
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (fromInstalled) {
        QSqlQuery attach(db);
        attach.prepare(QStringLiteral("ATTACH DATABASE ? AS installed"));
        attach.addBindValue(installedPath);
        if (!exec(attach)) {
            return false;
        }
    }
    const QString table = QStringLiteral("tbl_Dictionary");
    const QString index = QStringLiteral("tbl_Dictionary_Word");
    const QString newTable = table + QStringLiteral("_repair");
    const QString newIndex = index + QStringLiteral("_repair");
    const bool ok = runTransaction(QStringLiteral("BEGIN IMMEDIATE"), [&] {
        QStringList build;
        if (fromInstalled) {
            build << QStringLiteral("CREATE TABLE %1 " VORTALEX_WORD_LIST_COLUMNS).arg(newTable)
                  << QStringLiteral("INSERT INTO %1 (Word, Meaning) SELECT Word, Meaning FROM"
                                    " installed.tbl_Dictionary ORDER BY rowid")
                         .arg(newTable);
        }
        build << QStringLiteral("CREATE INDEX %1 ON %2 (Word)")
                     .arg(newIndex, fromInstalled ? newTable : table)
              << QStringLiteral("PRAGMA writable_schema = ON");
        QSqlQuery q(db);
        for (const QString& statement : std::as_const(build)) {
            if (!q.exec(statement)) {
                return fail(q.lastError());
            }
        }
        // The old table goes with its index; its rows are what could not be read.
        q.prepare(fromInstalled ? QStringLiteral("DELETE FROM sqlite_schema WHERE tbl_name = ?")
                                : QStringLiteral("DELETE FROM sqlite_schema WHERE name = ?"));
        q.addBindValue(fromInstalled ? table : index);
        if (!exec(q)) {
            return false;
        }
        // CREATE above already moved the schema's version on, so other connections read the
        // schema again; this one is reset below.
        QSqlQuery rename(db);
        rename.prepare(QStringLiteral(
            "UPDATE sqlite_schema SET name = ?, tbl_name = ?, sql = ? WHERE name = ?"));
        const auto renameTo = [&](const QString& name, const QString& sql, const QString& from) {
            rename.bindValue(0, name);
            rename.bindValue(1, table);
            rename.bindValue(2, sql);
            rename.bindValue(3, from);
            return exec(rename) && rename.numRowsAffected() == 1;
        };
        return (!fromInstalled ||
                renameTo(table,
                         QStringLiteral("CREATE TABLE %1 " VORTALEX_WORD_LIST_COLUMNS).arg(table),
                         newTable)) &&
               renameTo(index, QStringLiteral("CREATE INDEX %1 ON %2 (Word)").arg(index, table),
                        newIndex);
    });
    const QString reason = m_lastError;
    const bool busy = m_lastErrorBusy;
    // Off again, and the schema read anew whether the change was kept or rolled back.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA writable_schema = RESET"));
    if (fromInstalled) {
        QSqlQuery(db).exec(QStringLiteral("DETACH DATABASE installed"));
    }
    return ok || fail(reason, busy);
}

bool GameDatabase::vacuum() {
    // Gives back the pages a repair left out of every tree; the file works without that, so a
    // VACUUM that cannot run (no room for its copy) is no failure of the repair.
    QSqlQuery(QSqlDatabase::database(m_connection)).exec(QStringLiteral("VACUUM"));
    clearError();
    return true;
}

QString GameDatabase::writeProblem() {
    if (!ready()) {
        return m_lastErrorBusy ? QString() : m_lastError;
    }
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    QSqlError error;
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        error = q.lastError();
    } else {
        if (!q.exec(QStringLiteral("INSERT INTO tblWrong (WrongWord) VALUES ('')"))) {
            error = q.lastError();
        }
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    if (!error.isValid()) {
        return {};
    }
    // Another copy of the game is writing, which passes.
    if (isBusy(error)) {
        return {};
    }
    return error.text().isEmpty() ? QStringLiteral("unknown database error") : error.text();
}

QString GameDatabase::dictionarySourceId() {
    return sourceId(QStringLiteral("tblDictionarySource"));
}

QString GameDatabase::sourceId(const QString& table) {
    if (!ready()) {
        return {};
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT fldSource FROM %1 LIMIT 1").arg(table));
    return exec(q) && q.next() ? q.value(0).toString() : QString();
}

QString GameDatabase::joinedWords(const QString& sql) {
    if (!ready()) {
        return {};
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(sql);
    return exec(q) && q.next() ? q.value(0).toString() : QString();
}

// One row holding every word instead of a hundred thousand rows: the solver's load is then a
// matter of milliseconds rather than of the query layer's bookkeeping per row. The words are
// joined by blanks, so an entry of two words (no tile word anyway) stays out.
QString GameDatabase::dictionaryWordsText() {
    return joinedWords(
        QStringLiteral("SELECT group_concat(Word, ' ') FROM "
                       "(SELECT DISTINCT Word FROM tbl_Dictionary WHERE Word NOT LIKE '% %')"));
}

QString GameDatabase::commonWordsText() {
    return joinedWords(QStringLiteral(
        "SELECT group_concat(fldWord, ' ') FROM tblCommonWords WHERE fldWord NOT LIKE '% %'"));
}

bool GameDatabase::replaceCommonWords(const std::function<bool(QString&)>& next,
                                      const QString& sourceId) {
    return rebuildCommonWords(
        [&] {
            QSqlQuery insert(QSqlDatabase::database(m_connection));
            insert.prepare(QStringLiteral("INSERT INTO tblCommonWords (fldWord) VALUES (?)"));
            QString word;
            while (next(word)) {
                insert.bindValue(0, word);
                if (!exec(insert)) {
                    return false;
                }
            }
            return true;
        },
        sourceId);
}

bool GameDatabase::rebuildCommonWords(const std::function<bool()>& fill, const QString& sourceId) {
    return refillWords({QStringLiteral("DELETE FROM tblCommonWords")}, fill, {},
                       QStringLiteral("tblCommonWordsSource"), sourceId);
}

QString GameDatabase::commonWordsSourceId() {
    return sourceId(QStringLiteral("tblCommonWordsSource"));
}

// ---------------------------------------------------------------- tblWrong

bool GameDatabase::clearWrongWords() {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM tblWrong"));
    return exec(q);
}

bool GameDatabase::addWrongWord(const QString& word) {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO tblWrong (WrongWord) VALUES (?)"));
    q.addBindValue(word);
    return exec(q);
}

QStringList GameDatabase::wrongWords() {
    if (!ready()) {
        return {};
    }
    QStringList words;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT WrongWord FROM tblWrong ORDER BY rowid"));
    if (exec(q)) {
        while (q.next()) {
            words.append(q.value(0).toString());
        }
    }
    return words;
}

// ---------------------------------------------------------------- tblUsers

std::optional<PlayerRow> GameDatabase::findPlayer(const QString& name, const QString& password) {
    const QList<StoredPlayer> rows = playersNamed(name);
    QStringList hashes;
    for (const StoredPlayer& row : rows) {
        hashes.append(row.passwordHash);
    }
    const int found = password::firstMatch(password, hashes, m_passwordPolicy);
    return found >= 0 ? std::optional(rows.at(found).player) : std::nullopt;
}

QList<StoredPlayer> GameDatabase::playersNamed(const QString& name) {
    if (!ready()) {
        return {};
    }
    QList<StoredPlayer> rows;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(
        rowsOfNameSql(QStringLiteral("tblUsers"), kPlayerColumns + QStringLiteral(", rowid")));
    q.addBindValue(nameValue(name));
    if (exec(q)) {
        while (q.next()) {
            rows.append({playerFrom(q), q.value(1).toString(), q.value(6).toLongLong()});
        }
    }
    return rows;
}

std::optional<PlayerRow> GameDatabase::findPlayerByName(const QString& name) {
    if (!ready()) {
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(rowsOfNameSql(QStringLiteral("tblUsers"), kPlayerColumns) +
              QStringLiteral(" LIMIT 1"));
    q.addBindValue(nameValue(name));
    if (exec(q) && q.next()) {
        return playerFrom(q);
    }
    return std::nullopt;
}

bool GameDatabase::appendPlayer(const QString& name, const QString& password,
                                const std::array<bool, kLevelCount>& levelOpen) {
    return appendPlayerHashed(name, passwordHash(password), levelOpen);
}

QString GameDatabase::passwordHash(const QString& password) const {
    return password::hash(password, m_passwordPolicy.strength);
}

bool GameDatabase::replacePasswordHash(qint64 rowId, const QString& old, const QString& fresh) {
    if (fresh.isEmpty()) {
        return fail(QStringLiteral("the password could not be hashed"));
    }
    return inTransaction([&] {
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.prepare(QStringLiteral("UPDATE tblUsers SET fldPassword = ? WHERE rowid = ? AND"
                                 " fldPassword = ?"));
        q.addBindValue(fresh);
        q.addBindValue(rowId);
        q.addBindValue(old);
        return exec(q) && q.numRowsAffected() == 1;
    });
}

bool GameDatabase::appendPlayerHashed(const QString& name, const QString& hash,
                                      const std::array<bool, kLevelCount>& levelOpen) {
    if (hash.isEmpty()) {
        return fail(QStringLiteral("the password could not be hashed"));
    }
    QVariantList values{name, hash};
    for (bool open : levelOpen) {
        values.append(open);
    }
    return insertRow(QStringLiteral("tblUsers"), kPlayerColumns.split(QStringLiteral(", ")), values,
                     name);
}

bool GameDatabase::openPlayerLevels(const QString& name, Level highest) {
    if (!ready()) {
        return false;
    }
    QStringList sets{kNameColumn + QStringLiteral(" = ?")};
    for (int i = 0; i <= static_cast<int>(highest); ++i) {
        sets.append(QString::fromLatin1(levelInfo(i).flagColumn) + QStringLiteral(" = 1"));
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE tblUsers SET %1 WHERE rowid = (%2 LIMIT 1)")
                  .arg(sets.join(QStringLiteral(", ")),
                       rowsOfNameSql(QStringLiteral("tblUsers"), QStringLiteral("rowid"))));
    // The name as typed replaces the stored spelling; its key stays the same.
    q.addBindValue(name);
    q.addBindValue(nameValue(name));
    return exec(q) && q.numRowsAffected() == 1;
}

// ---------------------------------------------------------------- scores

std::optional<ScoreRow> GameDatabase::findScore(Level level, const QString& name) {
    if (!ready()) {
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(rowsOfNameSql(scoreTable(level), QStringLiteral("fldUsername, fldScore, fldTime")) +
              QStringLiteral(" LIMIT 1"));
    q.addBindValue(nameValue(name));
    if (exec(q) && q.next()) {
        return ScoreRow{q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toString()};
    }
    return std::nullopt;
}

bool GameDatabase::appendScore(Level level, const ScoreRow& row) {
    return insertRow(scoreTable(level),
                     {kNameColumn, QStringLiteral("fldScore"), QStringLiteral("fldTime")},
                     {row.name, row.score, row.time}, row.name);
}

bool GameDatabase::updateScore(Level level, const QString& name, qint64 score,
                               const QString& time) {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(
        QStringLiteral("UPDATE %1 SET fldScore = ?, fldTime = ? WHERE rowid = (%2 LIMIT 1)")
            .arg(scoreTable(level), rowsOfNameSql(scoreTable(level), QStringLiteral("rowid"))));
    q.addBindValue(score);
    q.addBindValue(time);
    q.addBindValue(nameValue(name));
    return exec(q) && q.numRowsAffected() == 1;
}

QList<RankRow> GameDatabase::ranking(const QString& sql) {
    if (!ready()) {
        return {};
    }
    QList<RankRow> rows;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(sql);
    if (exec(q)) {
        while (q.next()) {
            rows.append({q.value(0).toString(), q.value(1).toLongLong()});
        }
    }
    return rows;
}

QSqlQuery GameDatabase::rankingCursor(const QString& sql) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    // Not forward-only: a grid reads rows again as they scroll back into view.
    q.prepare(sql);
    exec(q);
    return q;
}

namespace {

QString levelScoresSql(Level level) {
    return QStringLiteral("SELECT fldUsername, fldScore FROM %1 ORDER BY rowid")
        .arg(scoreTable(level));
}

QString levelRankingSql(Level level) {
    return QStringLiteral("SELECT fldUsername, fldScore FROM %1 ORDER BY fldScore DESC, rowid")
        .arg(scoreTable(level));
}

const QString kOverallRankingSql =
    QStringLiteral("SELECT fldusername, totscore FROM total ORDER BY totscore DESC, rowid");

} // namespace

QList<RankRow> GameDatabase::levelScores(Level level) {
    return ranking(levelScoresSql(level));
}

QList<RankRow> GameDatabase::levelRanking(Level level) {
    return ranking(levelRankingSql(level));
}

QSqlQuery GameDatabase::levelScoresCursor(Level level) {
    return rankingCursor(levelScoresSql(level));
}

QSqlQuery GameDatabase::levelRankingCursor(Level level) {
    return rankingCursor(levelRankingSql(level));
}

// ---------------------------------------------------------------- total

bool GameDatabase::appendTotal(const QString& name, qint64 total) {
    return insertRow(QStringLiteral("total"),
                     {QStringLiteral("fldusername"), QStringLiteral("totscore")}, {name, total},
                     name);
}

std::optional<qint64> GameDatabase::findTotal(const QString& name) {
    if (!ready()) {
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(rowsOfNameSql(QStringLiteral("total"), QStringLiteral("totscore")) +
              QStringLiteral(" LIMIT 1"));
    q.addBindValue(nameValue(name));
    if (exec(q) && q.next()) {
        return static_cast<qint64>(std::llround(leadingNumber(q.value(0).toString())));
    }
    return std::nullopt;
}

bool GameDatabase::updateTotal(const QString& name, qint64 total) {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE total SET fldusername = ?, totscore = ? WHERE rowid = (%1"
                             " LIMIT 1)")
                  .arg(rowsOfNameSql(QStringLiteral("total"), QStringLiteral("rowid"))));
    q.addBindValue(name);
    q.addBindValue(total);
    q.addBindValue(nameValue(name));
    return exec(q) && q.numRowsAffected() == 1;
}

QList<RankRow> GameDatabase::overallRanking() {
    return ranking(kOverallRankingSql);
}

QSqlQuery GameDatabase::overallRankingCursor() {
    return rankingCursor(kOverallRankingSql);
}

double leadingNumber(const QString& text) {
    QString digits;
    bool seenDigit = false;
    bool seenPoint = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            continue;
        }
        if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && digits.isEmpty()) {
            digits.append(c);
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            digits.append(c);
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            seenDigit = true;
            digits.append(c);
        } else {
            break;
        }
    }
    return seenDigit ? digits.toDouble() : 0.0;
}

} // namespace vortalex
