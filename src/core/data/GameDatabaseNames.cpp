#include "core/data/GameDatabase.h"
#include "core/data/GameDatabaseSql.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace vortalex {

// Only additions: the tables keep their columns in place for anything that reads them by
// position, and an older version of the game can still use the file. It cannot keep the keys
// of the rows it writes, which is why every open checks them all: a few hundred players and
// scores take a few milliseconds, and nothing is written when every key is right.
bool GameDatabase::keyNames() {
    const bool written = runTransaction(QStringLiteral("BEGIN"), [this] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection);
        for (const QString& table : sql::nameTables()) {
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
                            .arg(sql::kNameColumn, kNameKeyColumn, table))) {
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
    const QStringList tables = sql::nameTables();
    m_namesKeyed =
        written && std::all_of(tables.cbegin(), tables.cend(), [this](const QString& table) {
            return columnsOf(table).contains(kNameKeyColumn, Qt::CaseInsensitive);
        });
    return written;
}

QString GameDatabase::rowsOfNameSql(const QString& table, const QString& columns) const {
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY rowid")
        .arg(columns, table, m_namesKeyed ? kNameKeyColumn : sql::kNameColumn);
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

} // namespace vortalex
