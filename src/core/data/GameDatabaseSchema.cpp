#include "core/data/GameDatabase.h"
#include "core/data/GameDatabaseSql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vortalex {

namespace {

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
    // The game's own choices, such as sound muted, one row per name. A file without it plays
    // with each choice lasting for the run.
    "CREATE TABLE IF NOT EXISTS tblSettings (fldName TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,"
    " fldValue TEXT NOT NULL DEFAULT '')",
};

// The players' histories, apart from the tables above so that an older file that cannot take
// them still gains the others. Rows are found by the folded name (nameKey()), which is why
// they carry it from their first row on.
constexpr const char* kHistoryTables[] = {
    "CREATE TABLE IF NOT EXISTS tblHistory (fldNameKey TEXT NOT NULL,"
    " fldUsername TEXT NOT NULL, fldLevel INTEGER NOT NULL, fldWhen TEXT NOT NULL,"
    " fldScore INTEGER NOT NULL, fldWordsBuilt INTEGER NOT NULL,"
    " fldLongestWord TEXT NOT NULL DEFAULT '', fldWordsOnFields INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS tblHistory_fldNameKey ON tblHistory (fldNameKey)",
    // Each word once per player, whatever its letter case.
    "CREATE TABLE IF NOT EXISTS tblPlayerWords (fldNameKey TEXT NOT NULL,"
    " fldWord TEXT NOT NULL COLLATE NOCASE, UNIQUE (fldNameKey, fldWord))",
};

// The results of today's field, one per player and date, apart from the levels' tables: an
// older file that cannot take it still gains the others.
constexpr const char* kDailyTables[] = {
    "CREATE TABLE IF NOT EXISTS tblDailyResults (fldDate TEXT NOT NULL,"
    " fldNameKey TEXT NOT NULL, fldUsername TEXT NOT NULL, fldScore INTEGER NOT NULL,"
    " fldWordsBuilt INTEGER NOT NULL, fldLongestWord TEXT NOT NULL DEFAULT '',"
    " fldFoundShare INTEGER NOT NULL, fldWhen TEXT NOT NULL, UNIQUE (fldNameKey, fldDate))",
};

} // namespace

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
    create(kHistoryTables);
    create(kDailyTables);
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

} // namespace vortalex
