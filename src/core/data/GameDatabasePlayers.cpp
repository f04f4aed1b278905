#include "core/data/GameDatabase.h"
#include "core/data/GameDatabaseSql.h"

#include <QSqlQuery>

#include <optional>

namespace vortalex {

namespace {

const QString kPlayerColumns =
    QStringLiteral("fldUsername, fldPassword, fldeasy, fldintermediate, flddifficult, fldexpert");

PlayerRow playerFrom(const QSqlQuery& q) {
    PlayerRow row;
    row.name = q.value(0).toString();
    for (int i = 0; i < kLevelCount; ++i) {
        row.levelOpen[static_cast<std::size_t>(i)] = q.value(2 + i).toBool();
    }
    return row;
}

} // namespace

Lookup<QList<StoredPlayer>> GameDatabase::playersNamed(const QString& name) {
    if (!ready()) {
        return Lookup<QList<StoredPlayer>>::failed();
    }
    QList<StoredPlayer> rows;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(
        rowsOfNameSql(QStringLiteral("tblUsers"), kPlayerColumns + QStringLiteral(", rowid")));
    q.addBindValue(nameValue(name));
    if (!readRows(q, [&](const QSqlQuery& row) {
            rows.append({playerFrom(row), row.value(1).toString(), row.value(6).toLongLong()});
        })) {
        return Lookup<QList<StoredPlayer>>::failed();
    }
    return rows.isEmpty() ? Lookup<QList<StoredPlayer>>::notFound()
                          : Lookup<QList<StoredPlayer>>::found(rows);
}

Lookup<PlayerRow> GameDatabase::findPlayerByName(const QString& name) {
    if (!ready()) {
        return Lookup<PlayerRow>::failed();
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(rowsOfNameSql(QStringLiteral("tblUsers"), kPlayerColumns) +
              QStringLiteral(" LIMIT 1"));
    q.addBindValue(nameValue(name));
    std::optional<PlayerRow> found;
    if (!readRows(q, [&](const QSqlQuery& row) { found = playerFrom(row); })) {
        return Lookup<PlayerRow>::failed();
    }
    return found ? Lookup<PlayerRow>::found(*found) : Lookup<PlayerRow>::notFound();
}

QString GameDatabase::passwordHash(const QString& password) const {
    return password::hash(password, m_passwordPolicy.strength);
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

bool GameDatabase::openPlayerLevels(const QString& name, Level highest) {
    if (!ready()) {
        return false;
    }
    QStringList sets{sql::kNameColumn + QStringLiteral(" = ?")};
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

} // namespace vortalex
