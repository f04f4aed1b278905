#include "core/data/GameDatabase.h"
#include "core/data/GameDatabaseSql.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <utility>

namespace vortalex {

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

QStringList GameDatabase::damagedPlayerTables() {
    const std::pair<QString, QStringList> kinds[] = {
        {QStringLiteral("players"), {QStringLiteral("tblUsers")}},
        {QStringLiteral("scores"),
         {sql::scoreTable(Level::Easy), sql::scoreTable(Level::Intermediate),
          sql::scoreTable(Level::Difficult), sql::scoreTable(Level::Expert)}},
        {QStringLiteral("totals"), {QStringLiteral("total")}},
        {QStringLiteral("history"),
         {QStringLiteral("tblHistory"), QStringLiteral("tblPlayerWords")}},
        {QStringLiteral("settings"), {QStringLiteral("tblSettings")}},
        {QStringLiteral("results of today's field"), {QStringLiteral("tblDailyResults")}},
    };
    QStringList damaged;
    if (!ready()) {
        return damaged;
    }
    for (const auto& [kind, tables] : kinds) {
        for (const QString& table : tables) {
            // A table an older read-only file never gained has nothing to be damaged.
            if (columnsOf(table).isEmpty()) {
                continue;
            }
            QSqlQuery q(QSqlDatabase::database(m_connection));
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("PRAGMA quick_check(%1)").arg(table));
            QStringList problems;
            // A check that cannot get past a page fails as a read; a busy file is no damage.
            const bool read = readRows(
                q, [&problems](const QSqlQuery& row) { problems.append(row.value(0).toString()); });
            if ((!read && !m_lastErrorBusy) ||
                (read && problems != QStringList{QStringLiteral("ok")})) {
                damaged.append(kind);
                break;
            }
        }
    }
    clearError();
    return damaged;
}

bool GameDatabase::repairDictionary(const QString& installedPath) {
    if (!ready()) {
        return false;
    }
    m_wordTree.reset(); // read again from whatever the repair leaves
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

} // namespace vortalex
