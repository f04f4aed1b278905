#include "core/data/GameDatabase.h"

#include <QSqlQuery>

namespace vortalex {

std::optional<QString> GameDatabase::setting(const QString& name) {
    if (!ready()) {
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT fldValue FROM tblSettings WHERE fldName = ?"));
    q.addBindValue(name);
    if (!exec(q) || !q.next()) {
        return std::nullopt;
    }
    return q.value(0).toString();
}

bool GameDatabase::storeSetting(const QString& name, const QString& value) {
    return inTransaction([&] {
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO tblSettings (fldName, fldValue)"
                                 " VALUES (?, ?)"));
        q.addBindValue(name);
        q.addBindValue(value);
        return exec(q);
    });
}

} // namespace vortalex
