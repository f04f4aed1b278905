#pragma once

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace vortalex::test {

// A column of every row of an executed query, read as the grids of the game read them.
inline QStringList valuesOf(QSqlQuery q, int column = 0) {
    QStringList values;
    while (q.next()) {
        values.append(q.value(column).toString());
    }
    return values;
}

// A connection of its own on a database file, for looking and writing behind the data layer's
// back, or for holding the file as another program would. Closing it lets go of the file.
class RawConnection {
public:
    explicit RawConnection(const QString& path) {
        static QAtomicInt connections;
        m_name = QStringLiteral("raw-%1").arg(connections.fetchAndAddRelaxed(1));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        m_open = db.open();
    }
    ~RawConnection() {
        { QSqlDatabase::database(m_name).close(); }
        QSqlDatabase::removeDatabase(m_name);
    }

    // A failed query is left inactive, and says why in its lastError().
    QSqlQuery query(const QString& sql, const QVariantList& binds = {}) {
        QSqlQuery q(QSqlDatabase::database(m_name));
        q.prepare(sql);
        for (const QVariant& v : binds) {
            q.addBindValue(v);
        }
        q.exec();
        return q;
    }
    // Every statement, in order; false from the first that fails.
    bool run(const QStringList& statements) {
        return std::all_of(
            statements.cbegin(), statements.cend(),
            [this](const QString& statement) { return query(statement).isActive(); });
    }
    // The first value a query gives, as a number ("PRAGMA page_size"); -1 for none.
    qint64 number(const QString& sql, const QVariantList& binds = {}) {
        QSqlQuery q = query(sql, binds);
        return q.next() ? q.value(0).toLongLong() : -1;
    }
    // The rows of `from`, a table and perhaps a WHERE clause.
    qint64 count(const QString& from) {
        return number(QStringLiteral("SELECT COUNT(*) FROM ") + from);
    }
    int rootPage(const QString& tableOrIndex) {
        return int(number(QStringLiteral("SELECT rootpage FROM sqlite_schema WHERE name = ?"),
                          {tableOrIndex}));
    }
    QStringList columns(const QString& table) {
        return valuesOf(query(QStringLiteral("PRAGMA table_info(%1)").arg(table)), 1);
    }
    // Takes the file's write lock, as another program in the middle of writing it would.
    bool holdFile() { return m_open && query(QStringLiteral("BEGIN EXCLUSIVE")).isActive(); }

private:
    QString m_name;
    bool m_open = false;
};

// Overwrites pages first .. last (counted from 1) of a database file with zeros, as a disk that
// lost them would leave them.
inline bool zeroPages(const QString& path, int first, int last) {
    const qint64 pageSize = RawConnection(path).number(QStringLiteral("PRAGMA page_size"));
    QFile file(path);
    return first > 0 && file.open(QIODevice::ReadWrite) && file.seek((first - 1) * pageSize) &&
           file.write(QByteArray((last - first + 1) * pageSize, '\0')) > 0;
}

} // namespace vortalex::test
