#include "core/data/GameDatabase.h"

#include <QSqlQuery>

namespace vortalex {

namespace {

// An empty text is stored as one, never as NULL: the columns take no NULL.
QString notNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

bool GameDatabase::appendHistory(const QString& name, const HistoryRow& row,
                                 const QStringList& words) {
    const QString key = nameKey(name);
    return inTransaction([&] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection);
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO tblHistory (fldNameKey, fldUsername, fldLevel, fldWhen, fldScore,"
            " fldWordsBuilt, fldLongestWord, fldWordsOnFields) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        q.addBindValue(notNull(key));
        q.addBindValue(notNull(name));
        q.addBindValue(static_cast<int>(row.level));
        q.addBindValue(row.when.toUTC().toString(Qt::ISODateWithMs));
        q.addBindValue(row.score);
        q.addBindValue(row.wordsBuilt);
        q.addBindValue(notNull(row.longestWord)); // empty when no word was built
        q.addBindValue(row.wordsOnFields);
        if (!exec(q)) {
            return false;
        }
        QSqlQuery word(db);
        word.prepare(QStringLiteral(
            "INSERT OR IGNORE INTO tblPlayerWords (fldNameKey, fldWord) VALUES (?, ?)"));
        for (const QString& w : words) {
            word.bindValue(0, notNull(key));
            word.bindValue(1, w.toUpper());
            if (!exec(word)) {
                return false;
            }
        }
        return true;
    });
}

Lookup<QList<HistoryRow>> GameDatabase::historyOf(const QString& name) {
    using Rows = Lookup<QList<HistoryRow>>;
    if (!ready()) {
        return Rows::failed();
    }
    QList<HistoryRow> rows;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT fldLevel, fldWhen, fldScore, fldWordsBuilt, fldLongestWord,"
                             " fldWordsOnFields FROM tblHistory WHERE fldNameKey = ?"
                             " ORDER BY rowid"));
    q.addBindValue(nameKey(name));
    const bool read = readRows(q, [&rows](const QSqlQuery& row) {
        // A row no version of the game writes (no level, or none of the four) is left out
        // rather than shown as some level.
        bool whole = false;
        const qint64 level = row.value(0).toLongLong(&whole);
        if (row.value(0).isNull() || !whole || level < 0 || level >= kLevelCount) {
            return;
        }
        rows.append({static_cast<Level>(level),
                     QDateTime::fromString(row.value(1).toString(), Qt::ISODateWithMs),
                     row.value(2).toLongLong(), row.value(3).toLongLong(), row.value(4).toString(),
                     row.value(5).toLongLong()});
    });
    if (!read) {
        return Rows::failed();
    }
    return rows.isEmpty() ? Rows::notFound() : Rows::found(rows);
}

Lookup<qint64> GameDatabase::differentWordsOf(const QString& name) {
    if (!ready()) {
        return Lookup<qint64>::failed();
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM tblPlayerWords WHERE fldNameKey = ?"));
    q.addBindValue(nameKey(name));
    qint64 count = 0;
    if (!readRows(q, [&count](const QSqlQuery& row) { count = row.value(0).toLongLong(); })) {
        return Lookup<qint64>::failed();
    }
    return Lookup<qint64>::found(count);
}

} // namespace vortalex
