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

QList<HistoryRow> GameDatabase::historyOf(const QString& name) {
    QList<HistoryRow> rows;
    if (!ready()) {
        return rows;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT fldLevel, fldWhen, fldScore, fldWordsBuilt, fldLongestWord,"
                             " fldWordsOnFields FROM tblHistory WHERE fldNameKey = ?"
                             " ORDER BY rowid"));
    q.addBindValue(nameKey(name));
    if (!exec(q)) {
        return rows;
    }
    while (q.next()) {
        const int level = q.value(0).toInt();
        // A row no version of the game writes is left out rather than shown as some level.
        if (level < 0 || level >= kLevelCount) {
            continue;
        }
        rows.append({static_cast<Level>(level),
                     QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs),
                     q.value(2).toLongLong(), q.value(3).toInt(), q.value(4).toString(),
                     q.value(5).toInt()});
    }
    return rows;
}

qint64 GameDatabase::differentWordsOf(const QString& name) {
    if (!ready()) {
        return 0;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM tblPlayerWords WHERE fldNameKey = ?"));
    q.addBindValue(nameKey(name));
    return exec(q) && q.next() ? q.value(0).toLongLong() : 0;
}

} // namespace vortalex
