#pragma once

#include "common/Level.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QSqlQuery;

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
    QStringList noSuggestions() const { return {}; }      // the suggestions grid at rest
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
    std::optional<qint64> findTotal(const QString& name);
    bool updateTotal(const QString& name, qint64 total);
    QList<RankRow> overallRanking(); // highest first

    // Runs work in one transaction: committed when it returns true, rolled back otherwise.
    bool inTransaction(const std::function<bool()>& work);

private:
    GameDatabase(QString connection, QString path);
    bool createSchema();
    bool exec(QSqlQuery& query);
    bool fail(const QString& reason);
    QList<RankRow> ranking(const QString& sql);

    QString m_connection;
    QString m_path;
    QString m_lastError;
};

} // namespace vortalex
