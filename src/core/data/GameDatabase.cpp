#include "core/data/GameDatabase.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace vortalex {

namespace {

QAtomicInt g_connectionCounter;

} // namespace

GameDatabase::Opened GameDatabase::open(const QString& path, int busyTimeoutMs) {
    const QString connection =
        QStringLiteral("vortalex-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return {nullptr, QStringLiteral("The SQLite driver of Qt is not installed.")};
    }
    if (QFileInfo(path).isDir()) {
        return {nullptr, QStringLiteral("%1 is a folder, not a database.").arg(path)};
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        // A busy file (another copy of the game saving) is waited for briefly, not failed at once.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return {nullptr, QStringLiteral("Cannot open %1: %2").arg(path, reason)};
        }
    }
    std::unique_ptr<GameDatabase> game(new GameDatabase(connection, path));
    game->m_busyTimeoutMs = busyTimeoutMs;
    game->m_appliedTimeoutMs = busyTimeoutMs;
    // A file another program is writing is sound as far as anyone can tell: it is set up at
    // its first use once the other program lets go of it.
    if (!game->ready() && !game->lastErrorBusy()) {
        return {
            nullptr,
            QStringLiteral("%1 is not a usable game database: %2").arg(path, game->lastError())};
    }
    return {std::move(game), {}};
}

std::unique_ptr<GameDatabase> GameDatabase::absent(const QString& why) {
    std::unique_ptr<GameDatabase> none(new GameDatabase(QString(), QString()));
    none->m_absent = true;
    none->m_lastError = why;
    // The player was told at start why there is no file; nothing is tried or told again.
    none->m_writesRefused = true;
    none->m_wordListProblemTold = true;
    return none;
}

bool GameDatabase::ready() {
    if (m_absent) {
        return fail(QStringLiteral("the game database is not open"));
    }
    clearError();
    if (m_setUp) {
        return true;
    }
    if (!createSchema()) {
        // Only a busy file is worth trying again; any other failure is the file as it is, and
        // later operations say so themselves.
        m_setUp = !m_lastErrorBusy;
        return false;
    }
    m_setUp = true;
    // A file that cannot take the keys still plays, with names matched as they used to be.
    keyNames();
    clearError();
    return true;
}

void GameDatabase::clearError() {
    m_lastError.clear();
    m_lastErrorBusy = false;
}

QString GameDatabase::pathIn(const QString& folder) {
    return QDir(folder).filePath(kFileName);
}

GameDatabase::GameDatabase(QString connection, QString path)
    : m_connection(std::move(connection))
    , m_path(std::move(path)) {}

GameDatabase::~GameDatabase() {
    if (m_absent) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen()) {
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool GameDatabase::fail(const QString& reason, bool busy) {
    m_lastError = reason.isEmpty() ? QStringLiteral("unknown database error") : reason;
    m_lastErrorBusy = busy;
    if (busy && !m_busyMet) {
        m_busyMet = true;
        applyBusyTimeout(std::min(m_busyTimeoutMs, kBusyRetryMs));
    }
    return false;
}

void GameDatabase::writeLanded() {
    if (m_busyMet) {
        m_busyMet = false;
        applyBusyTimeout(m_busyTimeoutMs);
    }
}

void GameDatabase::setBusyTimeout(int ms) {
    m_busyTimeoutMs = ms;
    applyBusyTimeout(m_busyMet ? std::min(ms, kBusyRetryMs) : ms);
}

void GameDatabase::applyBusyTimeout(int ms) {
    if (m_absent || ms == m_appliedTimeoutMs) {
        return;
    }
    // The same setting as the connect option open() gives; it never waits for a lock itself.
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms))) {
        m_appliedTimeoutMs = ms;
    }
}

bool GameDatabase::fail(const QSqlError& error) {
    return fail(error.text(), isBusy(error));
}

bool GameDatabase::isBusy(const QSqlError& error) {
    // SQLITE_BUSY and SQLITE_LOCKED, with or without an extended code.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 5 || code == 6;
}

bool GameDatabase::exec(QSqlQuery& query) {
    if (!query.exec()) {
        return fail(query.lastError());
    }
    if (!query.isSelect()) {
        writeLanded();
    }
    return true;
}

bool GameDatabase::readRows(QSqlQuery& query, const std::function<void(const QSqlQuery&)>& row) {
    if (!exec(query)) {
        return false;
    }
    while (query.next()) {
        row(query);
    }
    // next() answers false at the end of the rows and also at a row it could not read (a
    // damaged page, a lock met halfway): only the error tells the two apart.
    if (query.lastError().isValid()) {
        return fail(query.lastError());
    }
    return true;
}

bool GameDatabase::inTransaction(const std::function<bool()>& work) {
    return ready() && runTransaction(QStringLiteral("BEGIN IMMEDIATE"), work);
}

bool GameDatabase::runTransaction(const QString& begin, const std::function<bool()>& work) {
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    clearError();
    QSqlQuery control(db);
    if (!control.exec(begin)) {
        return fail(control.lastError());
    }
    if (begin != QLatin1String("BEGIN")) {
        writeLanded(); // the write lock is ours
    }
    if (!work()) {
        const QString reason = m_lastError;
        const bool busy = m_lastErrorBusy;
        control.exec(QStringLiteral("ROLLBACK"));
        return fail(reason, busy);
    }
    if (!control.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = control.lastError();
        control.exec(QStringLiteral("ROLLBACK"));
        return fail(error);
    }
    return true;
}

QString GameDatabase::writeProblem() {
    if (!ready()) {
        return m_lastErrorBusy ? QString() : m_lastError;
    }
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    QSqlError error;
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        error = q.lastError();
    } else {
        if (!q.exec(QStringLiteral("INSERT INTO tblWrong (WrongWord) VALUES ('')"))) {
            error = q.lastError();
        }
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    if (!error.isValid()) {
        writeLanded();
        return {};
    }
    // Another copy of the game is writing, which passes; lastErrorBusy() tells it.
    if (isBusy(error)) {
        fail(error);
        return {};
    }
    return error.text().isEmpty() ? QStringLiteral("unknown database error") : error.text();
}

} // namespace vortalex
