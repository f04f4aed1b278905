#pragma once

#include "RawConnection.h"
#include "core/data/GameDatabase.h"
#include "core/data/PasswordHash.h"

#include <QList>
#include <QSqlQuery>
#include <QStringList>

#include <optional>

// What tests ask of the game database, through the functions the game itself uses.
namespace vortalex::test {

inline bool isWord(GameDatabase& db, const QString& word) {
    return db.lookUpWord(word) == WordLookup::Found;
}

// Names and scores of every row of an executed query, read as the score grids read them.
inline QList<RankRow> rankRows(QSqlQuery q) {
    QList<RankRow> rows;
    while (q.next()) {
        rows.append({q.value(0).toString(), q.value(1).toLongLong()});
    }
    return rows;
}

// The first row of that name whose password matches, as LOAD finds it.
inline std::optional<PlayerRow> findPlayer(GameDatabase& db, const QString& name,
                                           const QString& password) {
    const QList<StoredPlayer> rows = *db.playersNamed(name);
    QStringList hashes;
    for (const StoredPlayer& row : rows) {
        hashes.append(row.passwordHash);
    }
    const int found = password::firstMatch(password, hashes, db.passwordPolicy());
    return found >= 0 ? std::optional(rows.at(found).player) : std::nullopt;
}

// A player row as a save writes it, the password hashed first.
inline bool appendPlayer(GameDatabase& db, const QString& name, const QString& password,
                         const std::array<bool, kLevelCount>& levelOpen = {}) {
    return db.appendPlayerHashed(name, db.passwordHash(password), levelOpen);
}

} // namespace vortalex::test
