#include "core/data/GameDatabase.h"

#include <QSqlQuery>

#include <optional>

namespace vortalex {

namespace {

const QString kTable = QStringLiteral("tblDailyResults");
const QString kColumns = QStringLiteral("fldDate, fldUsername, fldScore, fldWordsBuilt,"
                                        " fldLongestWord, fldFoundShare, fldWhen");

QString dateText(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// An empty text is stored as one, never as NULL: the columns take no NULL.
QString notNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

// The key of a guest, the empty name, is the empty text too.
QString keyOf(const QString& name) {
    return notNull(nameKey(name));
}

DailyRow rowOf(const QSqlQuery& q) {
    return {QDate::fromString(q.value(0).toString(), Qt::ISODate),
            q.value(1).toString(),
            q.value(2).toLongLong(),
            q.value(3).toLongLong(),
            q.value(4).toString(),
            q.value(5).toInt(),
            QDateTime::fromString(q.value(6).toString(), Qt::ISODateWithMs)};
}

} // namespace

bool GameDatabase::keepsDailyResults() {
    return ready() && !columnsOf(kTable).isEmpty();
}

Lookup<DailyRow> GameDatabase::dailyResult(const QString& name, const QDate& date) {
    if (!ready()) {
        return Lookup<DailyRow>::failed();
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE fldNameKey = ? AND fldDate = ?")
                  .arg(kColumns, kTable));
    q.addBindValue(keyOf(name));
    q.addBindValue(dateText(date));
    std::optional<DailyRow> found;
    if (!readRows(q, [&found](const QSqlQuery& row) { found = rowOf(row); })) {
        return Lookup<DailyRow>::failed();
    }
    return found ? Lookup<DailyRow>::found(*found) : Lookup<DailyRow>::notFound();
}

DailyWrite GameDatabase::keepDailyResult(const DailyRow& row) {
    bool already = false;
    const bool written = inTransaction([&] {
        // Asked again under the write lock: another copy of the game may have kept one since.
        const Lookup<DailyRow> stored = dailyResult(row.name, row.date);
        if (stored.isFailed()) {
            return false;
        }
        if (stored.isFound()) {
            already = true;
            return true; // nothing to write; the empty transaction ends cleanly
        }
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.prepare(QStringLiteral("INSERT INTO %1 (fldNameKey, %2) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(kTable, kColumns));
        q.addBindValue(keyOf(row.name));
        q.addBindValue(dateText(row.date));
        q.addBindValue(notNull(row.name));
        q.addBindValue(row.score);
        q.addBindValue(row.wordsBuilt);
        q.addBindValue(notNull(row.longestWord));
        q.addBindValue(row.foundPercent);
        q.addBindValue(notNull(row.when.toUTC().toString(Qt::ISODateWithMs)));
        return exec(q);
    });
    if (!written) {
        return DailyWrite::Failed;
    }
    return already ? DailyWrite::AlreadyKept : DailyWrite::Kept;
}

Lookup<QList<DailyRow>> GameDatabase::dailyResultsOf(const QString& name) {
    using Rows = Lookup<QList<DailyRow>>;
    if (!ready()) {
        return Rows::failed();
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE fldNameKey = ? ORDER BY fldDate")
                  .arg(kColumns, kTable));
    q.addBindValue(keyOf(name));
    QList<DailyRow> rows;
    const bool read = readRows(q, [&rows](const QSqlQuery& row) {
        // A date no version of the game writes is left out rather than counted as some day.
        DailyRow r = rowOf(row);
        if (r.date.isValid()) {
            rows.append(std::move(r));
        }
    });
    if (!read) {
        return Rows::failed();
    }
    return rows.isEmpty() ? Rows::notFound() : Rows::found(rows);
}

} // namespace vortalex
