#include "core/data/GameDatabase.h"
#include "core/data/GameDatabaseSql.h"

#include <QSqlQuery>

#include <cmath>
#include <optional>

namespace vortalex {

namespace {

QString levelScoresSql(Level level) {
    return QStringLiteral("SELECT fldUsername, fldScore FROM %1 ORDER BY rowid")
        .arg(sql::scoreTable(level));
}

QString levelRankingSql(Level level) {
    return QStringLiteral("SELECT fldUsername, fldScore FROM %1 ORDER BY fldScore DESC, rowid")
        .arg(sql::scoreTable(level));
}

const QString kOverallRankingSql =
    QStringLiteral("SELECT fldusername, totscore FROM total ORDER BY totscore DESC, rowid");

} // namespace

Lookup<ScoreRow> GameDatabase::findScore(Level level, const QString& name) {
    if (!ready()) {
        return Lookup<ScoreRow>::failed();
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(
        rowsOfNameSql(sql::scoreTable(level), QStringLiteral("fldUsername, fldScore, fldTime")) +
        QStringLiteral(" LIMIT 1"));
    q.addBindValue(nameValue(name));
    std::optional<ScoreRow> found;
    if (!readRows(q, [&](const QSqlQuery& row) {
            found = ScoreRow{row.value(0).toString(), row.value(1).toLongLong(),
                             row.value(2).toString()};
        })) {
        return Lookup<ScoreRow>::failed();
    }
    return found ? Lookup<ScoreRow>::found(*found) : Lookup<ScoreRow>::notFound();
}

bool GameDatabase::appendScore(Level level, const ScoreRow& row) {
    return insertRow(sql::scoreTable(level),
                     {sql::kNameColumn, QStringLiteral("fldScore"), QStringLiteral("fldTime")},
                     {row.name, row.score, row.time}, row.name);
}

bool GameDatabase::updateScore(Level level, const QString& name, qint64 score,
                               const QString& time) {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE %1 SET fldScore = ?, fldTime = ? WHERE rowid = (%2 LIMIT 1)")
                  .arg(sql::scoreTable(level),
                       rowsOfNameSql(sql::scoreTable(level), QStringLiteral("rowid"))));
    q.addBindValue(score);
    q.addBindValue(time);
    q.addBindValue(nameValue(name));
    return exec(q) && q.numRowsAffected() == 1;
}

QSqlQuery GameDatabase::rankingCursor(const QString& sql) {
    if (!ready()) {
        return QSqlQuery(QSqlDatabase::database(m_connection));
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    // Not forward-only: a grid reads rows again as they scroll back into view.
    q.prepare(sql);
    exec(q);
    return q;
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

Lookup<qint64> GameDatabase::findTotal(const QString& name) {
    if (!ready()) {
        return Lookup<qint64>::failed();
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(rowsOfNameSql(QStringLiteral("total"), QStringLiteral("totscore")) +
              QStringLiteral(" LIMIT 1"));
    q.addBindValue(nameValue(name));
    std::optional<qint64> found;
    if (!readRows(q, [&](const QSqlQuery& row) {
            found = static_cast<qint64>(std::llround(leadingNumber(row.value(0).toString())));
        })) {
        return Lookup<qint64>::failed();
    }
    return found ? Lookup<qint64>::found(*found) : Lookup<qint64>::notFound();
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
