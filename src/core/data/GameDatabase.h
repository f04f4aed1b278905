#pragma once

#include "common/Level.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace vortalex {

struct DictionaryEntry {
    QString word;
    QString meaning;
};

struct PlayerRow {
    QString name;
    std::array<bool, kLevelCount> levelOpen{};
};

struct ScoreRow {
    QString name;
    qint64 score = 0;
    QString time;
};

struct RankRow {
    QString name;
    qint64 score = 0;
    bool operator==(const RankRow&) const = default;
};

// The game database, Dictionary.mdb in the program folder. Nothing else in the program writes
// SQL. Every value is bound as a parameter; text comparisons ignore letter case; rows of
// unordered queries come in stored order. Reads that fail give an empty result and leave the
// reason in lastError(), writes report failure by returning false.
class GameDatabase {
public:
    static inline const QString kFileName = QStringLiteral("Dictionary.mdb");
    // The suggestions query, public so that its plan can be checked to use the word index.
    static inline const QString kWordsStartingWithSql =
        QStringLiteral("SELECT Word FROM tbl_Dictionary WHERE Word LIKE ? ESCAPE '\\'"
                       " ORDER BY rowid");
    // The pattern bound to it: the prefix taken literally, then any run of characters.
    static QString likePrefixPattern(const QString& prefix);

    struct Opened {
        std::unique_ptr<GameDatabase> db;
        QString error; // empty when db is set
    };

    // Creates a missing file or missing tables; a file that is not a database gives an error.
    static Opened open(const QString& path);
    static QString pathIn(const QString& programFolder);

    ~GameDatabase();
    GameDatabase(const GameDatabase&) = delete;
    GameDatabase& operator=(const GameDatabase&) = delete;

    QString path() const { return m_path; }
    QString lastError() const { return m_lastError; }

    // --- tbl_Dictionary ---
    bool isWord(const QString& word);                     // formed word lookup
    bool dictionaryAvailable();                           // the board's open of the list
    QStringList wordsStartingWith(const QString& prefix); // suggestions
    QStringList meanings(const QString& word);            // word review
    // The same rows as wordsStartingWith(), left in an executed query that a grid's model
    // fetches from as it scrolls; the whole list is about 180,000 rows.
    QSqlQuery wordsStartingWithCursor(const QString& prefix);
    qint64 dictionaryRowCount();
    // Refreshes only the word list, in one transaction; players and scores stay untouched.
    bool replaceDictionary(const std::function<bool(DictionaryEntry&)>& next,
                           const QString& sourceId);
    QString dictionarySourceId();

    // --- tblWrong ---
    bool clearWrongWords();
    bool addWrongWord(const QString& word);
    QStringList wrongWords();

    // --- tblUsers ---
    // First row of that name whose password matches.
    std::optional<PlayerRow> findPlayer(const QString& name, const QString& password);
    // First row of that name.
    std::optional<PlayerRow> findPlayerByName(const QString& name);
    bool appendPlayer(const QString& name, const QString& password,
                      const std::array<bool, kLevelCount>& levelOpen);
    // The same with the password already hashed (passwordHash()), so that a save can do the
    // slow hashing before its transaction begins.
    bool appendPlayerHashed(const QString& name, const QString& hash,
                            const std::array<bool, kLevelCount>& levelOpen);
    QString passwordHash(const QString& password) const;
    // Tests use a low count to stay fast; the game keeps the default.
    void setPasswordIterations(int iterations) { m_passwordIterations = iterations; }
    // Opens every level up to `highest` on the first row of the name, writing the name as
    // typed; false when no row has that name.
    bool openPlayerLevels(const QString& name, Level highest);

    // --- score tables ---
    std::optional<ScoreRow> findScore(Level level, const QString& name);
    bool appendScore(Level level, const ScoreRow& row);
    bool updateScore(Level level, const QString& name, qint64 score, const QString& time);
    QList<RankRow> levelScores(Level level);  // stored order
    QList<RankRow> levelRanking(Level level); // highest first

    // --- total ---
    bool appendTotal(const QString& name, qint64 total);
    // The old total read as text by the numeric rule (leading number, blanks ignored).
    std::optional<qint64> findTotal(const QString& name);
    bool updateTotal(const QString& name, qint64 total);
    QList<RankRow> overallRanking(); // highest first

    // Runs work in one transaction: committed when it returns true, rolled back otherwise. The
    // write lock is taken at the start (BEGIN IMMEDIATE), so a transaction that reads before it
    // writes never finds another connection's write in its way halfway through; a busy file is
    // waited for, then reported as a failure. Keep slow work (hashing) out of it.
    bool inTransaction(const std::function<bool()>& work);

private:
    GameDatabase(QString connection, QString path);
    bool createSchema();
    bool runTransaction(const QString& begin, const std::function<bool()>& work);
    bool exec(QSqlQuery& query);
    bool fail(const QString& reason);
    QList<RankRow> ranking(const QString& sql);

    QString m_connection;
    QString m_path;
    QString m_lastError;
    int m_passwordIterations;
};

// The number a text starts with, blanks ignored, with an optional sign and decimal point; 0 when
// it starts with none. Totals of old databases may be stored as text such as "5200.0".
double leadingNumber(const QString& text);

} // namespace vortalex
