#include "GameDatabase.h"

#include "PasswordHash.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace vortalex {

namespace {

QAtomicInt g_connectionCounter;

// Text columns that queries compare carry NOCASE so that "=" and LIKE ignore letter case and
// still use their index.
const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS tbl_Dictionary ("
    " Word TEXT NOT NULL COLLATE NOCASE,"
    " Meaning TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tbl_Dictionary_Word ON tbl_Dictionary (Word)",
    "CREATE TABLE IF NOT EXISTS tblWrong (WrongWord TEXT COLLATE NOCASE)",
    "CREATE TABLE IF NOT EXISTS tblUsers ("
    " fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldPassword TEXT NOT NULL DEFAULT '',"
    " fldeasy BOOLEAN NOT NULL DEFAULT 0,"
    " fldintermediate BOOLEAN NOT NULL DEFAULT 0,"
    " flddifficult BOOLEAN NOT NULL DEFAULT 0,"
    " fldexpert BOOLEAN NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS tblUsers_fldUsername ON tblUsers (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblEasyScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblEasyScores_fldUsername ON tblEasyScores (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblIntermediateScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblIntermediateScores_fldUsername"
    " ON tblIntermediateScores (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblDifficultScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblDifficultScores_fldUsername ON tblDifficultScores (fldUsername)",
    "CREATE TABLE IF NOT EXISTS tblExpertScores (fldUsername TEXT NOT NULL COLLATE NOCASE,"
    " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS tblExpertScores_fldUsername ON tblExpertScores (fldUsername)",
    // Totals are whole numbers; NUMERIC keeps a sum written as 12550.0 as the integer 12550.
    "CREATE TABLE IF NOT EXISTS total (fldusername TEXT NOT NULL COLLATE NOCASE,"
    " totscore NUMERIC NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS total_fldusername ON total (fldusername)",
    // Which word list the dictionary was last filled from, so a rebuild refreshes it only
    // when the list changed.
    "CREATE TABLE IF NOT EXISTS tblDictionarySource (fldSource TEXT NOT NULL)",
};

} // namespace

// LIKE treats % and _ as wildcards; a prefix is literal text.
QString GameDatabase::likePrefixPattern(const QString& prefix) {
    QString escaped;
    escaped.reserve(prefix.size() + 1);
    for (const QChar c : prefix) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) {
            escaped.append(QLatin1Char('\\'));
        }
        escaped.append(c);
    }
    escaped.append(QLatin1Char('%'));
    return escaped;
}

namespace {

PlayerRow playerFrom(const QSqlQuery& q) {
    PlayerRow row;
    row.name = q.value(0).toString();
    for (int i = 0; i < kLevelCount; ++i) {
        row.levelOpen[static_cast<std::size_t>(i)] = q.value(2 + i).toBool();
    }
    return row;
}

QString scoreTable(Level level) {
    return QString::fromLatin1(levelInfo(level).scoreTable);
}

} // namespace

GameDatabase::Opened GameDatabase::open(const QString& path) {
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
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return {nullptr, QStringLiteral("Cannot open %1: %2").arg(path, reason)};
        }
    }
    std::unique_ptr<GameDatabase> game(new GameDatabase(connection, path));
    if (!game->createSchema()) {
        return {
            nullptr,
            QStringLiteral("%1 is not a usable game database: %2").arg(path, game->lastError())};
    }
    return {std::move(game), {}};
}

QString GameDatabase::pathIn(const QString& programFolder) {
    return QDir(programFolder).filePath(kFileName);
}

GameDatabase::GameDatabase(QString connection, QString path)
    : m_connection(std::move(connection))
    , m_path(std::move(path))
    , m_passwordIterations(password::kIterations) {}

GameDatabase::~GameDatabase() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen()) {
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool GameDatabase::createSchema() {
    // Deferred: on a complete database nothing is written, so a file the game may only read
    // still opens.
    return runTransaction(QStringLiteral("BEGIN"), [this] {
        for (const char* statement : kSchema) {
            QSqlQuery q(QSqlDatabase::database(m_connection));
            if (!q.exec(QString::fromLatin1(statement))) {
                return fail(q.lastError().text());
            }
        }
        return true;
    });
}

bool GameDatabase::fail(const QString& reason) {
    m_lastError = reason.isEmpty() ? QStringLiteral("unknown database error") : reason;
    return false;
}

bool GameDatabase::exec(QSqlQuery& query) {
    if (!query.exec()) {
        return fail(query.lastError().text());
    }
    return true;
}

bool GameDatabase::inTransaction(const std::function<bool()>& work) {
    return runTransaction(QStringLiteral("BEGIN IMMEDIATE"), work);
}

bool GameDatabase::runTransaction(const QString& begin, const std::function<bool()>& work) {
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    m_lastError.clear();
    QSqlQuery control(db);
    if (!control.exec(begin)) {
        return fail(control.lastError().text());
    }
    if (!work()) {
        const QString reason = m_lastError;
        control.exec(QStringLiteral("ROLLBACK"));
        return fail(reason);
    }
    if (!control.exec(QStringLiteral("COMMIT"))) {
        const QString reason = control.lastError().text();
        control.exec(QStringLiteral("ROLLBACK"));
        return fail(reason);
    }
    return true;
}

// ---------------------------------------------------------------- dictionary

bool GameDatabase::isWord(const QString& word) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT 1 FROM tbl_Dictionary WHERE Word = ? LIMIT 1"));
    q.addBindValue(word);
    return exec(q) && q.next();
}

bool GameDatabase::dictionaryAvailable() {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT 1 FROM tbl_Dictionary LIMIT 1"));
    return exec(q) && q.next();
}

qint64 GameDatabase::dictionaryRowCount() {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM tbl_Dictionary"));
    return exec(q) && q.next() ? q.value(0).toLongLong() : 0;
}

QStringList GameDatabase::wordsStartingWith(const QString& prefix) {
    m_lastError.clear();
    QStringList words;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(kWordsStartingWithSql);
    q.addBindValue(likePrefixPattern(prefix));
    if (exec(q)) {
        while (q.next()) {
            words.append(q.value(0).toString());
        }
    }
    return words;
}

QSqlQuery GameDatabase::wordsStartingWithCursor(const QString& prefix) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    // Not forward-only: a grid reads rows again as they scroll back into view.
    q.prepare(kWordsStartingWithSql);
    q.addBindValue(likePrefixPattern(prefix));
    exec(q);
    return q;
}

QStringList GameDatabase::meanings(const QString& word) {
    m_lastError.clear();
    QStringList result;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Meaning FROM tbl_Dictionary WHERE Word = ? ORDER BY rowid"));
    q.addBindValue(word);
    if (exec(q)) {
        while (q.next()) {
            result.append(q.value(0).toString());
        }
    }
    return result;
}

bool GameDatabase::replaceDictionary(const std::function<bool(DictionaryEntry&)>& next,
                                     const QString& sourceId) {
    return inTransaction([&] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection);
        QSqlQuery q(db);
        // Filling without the index and building it once afterwards is several times faster.
        for (const char* statement :
             {"DROP INDEX IF EXISTS tbl_Dictionary_Word", "DELETE FROM tbl_Dictionary",
              "DELETE FROM tblDictionarySource"}) {
            if (!q.exec(QString::fromLatin1(statement))) {
                return fail(q.lastError().text());
            }
        }
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) VALUES (?, ?)"));
        DictionaryEntry entry;
        while (next(entry)) {
            insert.bindValue(0, entry.word);
            insert.bindValue(1, entry.meaning);
            if (!exec(insert)) {
                return false;
            }
        }
        if (!q.exec(QStringLiteral("CREATE INDEX tbl_Dictionary_Word ON tbl_Dictionary (Word)"))) {
            return fail(q.lastError().text());
        }
        QSqlQuery source(db);
        source.prepare(QStringLiteral("INSERT INTO tblDictionarySource (fldSource) VALUES (?)"));
        source.addBindValue(sourceId);
        return exec(source);
    });
}

QString GameDatabase::dictionarySourceId() {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT fldSource FROM tblDictionarySource LIMIT 1"));
    return exec(q) && q.next() ? q.value(0).toString() : QString();
}

// ---------------------------------------------------------------- tblWrong

bool GameDatabase::clearWrongWords() {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM tblWrong"));
    return exec(q);
}

bool GameDatabase::addWrongWord(const QString& word) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO tblWrong (WrongWord) VALUES (?)"));
    q.addBindValue(word);
    return exec(q);
}

QStringList GameDatabase::wrongWords() {
    m_lastError.clear();
    QStringList words;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT WrongWord FROM tblWrong ORDER BY rowid"));
    if (exec(q)) {
        while (q.next()) {
            words.append(q.value(0).toString());
        }
    }
    return words;
}

// ---------------------------------------------------------------- tblUsers

std::optional<PlayerRow> GameDatabase::findPlayer(const QString& name, const QString& password) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT fldUsername, fldPassword, fldeasy, fldintermediate,"
                             " flddifficult, fldexpert FROM tblUsers WHERE fldUsername = ?"
                             " ORDER BY rowid"));
    q.addBindValue(name);
    if (exec(q)) {
        while (q.next()) {
            if (password::matches(password, q.value(1).toString())) {
                return playerFrom(q);
            }
        }
    }
    return std::nullopt;
}

std::optional<PlayerRow> GameDatabase::findPlayerByName(const QString& name) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT fldUsername, fldPassword, fldeasy, fldintermediate,"
                             " flddifficult, fldexpert FROM tblUsers WHERE fldUsername = ?"
                             " ORDER BY rowid LIMIT 1"));
    q.addBindValue(name);
    if (exec(q) && q.next()) {
        return playerFrom(q);
    }
    return std::nullopt;
}

bool GameDatabase::appendPlayer(const QString& name, const QString& password,
                                const std::array<bool, kLevelCount>& levelOpen) {
    return appendPlayerHashed(name, passwordHash(password), levelOpen);
}

QString GameDatabase::passwordHash(const QString& password) const {
    return password::hash(password, password::newSalt(), m_passwordIterations);
}

bool GameDatabase::appendPlayerHashed(const QString& name, const QString& hash,
                                      const std::array<bool, kLevelCount>& levelOpen) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO tblUsers (fldUsername, fldPassword, fldeasy,"
                             " fldintermediate, flddifficult, fldexpert)"
                             " VALUES (?, ?, ?, ?, ?, ?)"));
    q.addBindValue(name);
    q.addBindValue(hash);
    for (bool open : levelOpen) {
        q.addBindValue(open);
    }
    return exec(q);
}

bool GameDatabase::openPlayerLevels(const QString& name, Level highest) {
    m_lastError.clear();
    QStringList sets{QStringLiteral("fldUsername = ?")};
    for (int i = 0; i <= static_cast<int>(highest); ++i) {
        sets.append(QString::fromLatin1(levelInfo(i).flagColumn) + QStringLiteral(" = 1"));
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE tblUsers SET %1 WHERE rowid = (SELECT rowid FROM tblUsers"
                             " WHERE fldUsername = ? ORDER BY rowid LIMIT 1)")
                  .arg(sets.join(QStringLiteral(", "))));
    q.addBindValue(name);
    q.addBindValue(name);
    return exec(q) && q.numRowsAffected() == 1;
}

// ---------------------------------------------------------------- scores

std::optional<ScoreRow> GameDatabase::findScore(Level level, const QString& name) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT fldUsername, fldScore, fldTime FROM %1"
                             " WHERE fldUsername = ? ORDER BY rowid LIMIT 1")
                  .arg(scoreTable(level)));
    q.addBindValue(name);
    if (exec(q) && q.next()) {
        return ScoreRow{q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toString()};
    }
    return std::nullopt;
}

bool GameDatabase::appendScore(Level level, const ScoreRow& row) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO %1 (fldUsername, fldScore, fldTime) VALUES (?, ?, ?)")
                  .arg(scoreTable(level)));
    q.addBindValue(row.name);
    q.addBindValue(row.score);
    q.addBindValue(row.time);
    return exec(q);
}

bool GameDatabase::updateScore(Level level, const QString& name, qint64 score,
                               const QString& time) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE %1 SET fldScore = ?, fldTime = ? WHERE rowid = (SELECT rowid"
                             " FROM %1 WHERE fldUsername = ? ORDER BY rowid LIMIT 1)")
                  .arg(scoreTable(level)));
    q.addBindValue(score);
    q.addBindValue(time);
    q.addBindValue(name);
    return exec(q) && q.numRowsAffected() == 1;
}

QList<RankRow> GameDatabase::ranking(const QString& sql) {
    m_lastError.clear();
    QList<RankRow> rows;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(sql);
    if (exec(q)) {
        while (q.next()) {
            rows.append({q.value(0).toString(), q.value(1).toLongLong()});
        }
    }
    return rows;
}

QList<RankRow> GameDatabase::levelScores(Level level) {
    return ranking(QStringLiteral("SELECT fldUsername, fldScore FROM %1 ORDER BY rowid")
                       .arg(scoreTable(level)));
}

QList<RankRow> GameDatabase::levelRanking(Level level) {
    return ranking(
        QStringLiteral("SELECT fldUsername, fldScore FROM %1 ORDER BY fldScore DESC, rowid")
            .arg(scoreTable(level)));
}

// ---------------------------------------------------------------- total

bool GameDatabase::appendTotal(const QString& name, qint64 total) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO total (fldusername, totscore) VALUES (?, ?)"));
    q.addBindValue(name);
    q.addBindValue(total);
    return exec(q);
}

std::optional<qint64> GameDatabase::findTotal(const QString& name) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(
        QStringLiteral("SELECT totscore FROM total WHERE fldusername = ? ORDER BY rowid LIMIT 1"));
    q.addBindValue(name);
    if (exec(q) && q.next()) {
        return static_cast<qint64>(std::llround(leadingNumber(q.value(0).toString())));
    }
    return std::nullopt;
}

bool GameDatabase::updateTotal(const QString& name, qint64 total) {
    m_lastError.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE total SET fldusername = ?, totscore = ? WHERE rowid ="
                             " (SELECT rowid FROM total WHERE fldusername = ? ORDER BY rowid"
                             " LIMIT 1)"));
    q.addBindValue(name);
    q.addBindValue(total);
    q.addBindValue(name);
    return exec(q) && q.numRowsAffected() == 1;
}

QList<RankRow> GameDatabase::overallRanking() {
    return ranking(
        QStringLiteral("SELECT fldusername, totscore FROM total ORDER BY totscore DESC, rowid"));
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
