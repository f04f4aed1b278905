#pragma once

#include "core/common/Level.h"
#include "core/data/DatabaseRows.h"
#include "core/data/Lookup.h"
#include "core/data/NameKey.h"
#include "core/data/PasswordHash.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace vortalex {

class Lexicon;

// The game database, the Dictionary.mdb that DataLocation chose. Nothing else in the program
// writes SQL. Every value is bound as a parameter; text comparisons ignore letter case; rows of
// unordered queries come in stored order. A read that decides what is written or shown answers
// with a Lookup (found, not found or failed); other reads that fail give an empty result. A read
// that fails halfway through its rows fails whole, never as a shorter result. Failures leave the
// reason in lastError(), writes report failure by returning false. The class is written over
// several files, one per job: connection and transactions (GameDatabase.cpp), schema and
// migration (Schema), name keys (Names), word list reads and tblWrong (Words), the word list's
// refresh (WordRefresh) and repair (Repair), players (Players), scores and totals (Scores),
// the players' histories (History), the results of today's field (Daily) and the game's
// settings (Settings).
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

    // How long an operation waits for a file another program is writing before it fails.
    static constexpr int kBusyTimeoutMs = 3000;
    // Once an operation has failed so, the next ones wait only this long, until a write lands:
    // a busy spell costs the player one full wait, not one per operation.
    static constexpr int kBusyRetryMs = 250;

    // Creates a missing file or missing tables; a file that is not a database gives an error.
    // A file another program is writing opens all the same (setUpPending()).
    static Opened open(const QString& path, int busyTimeoutMs = kBusyTimeoutMs);
    // The stand-in for a file that could not be opened (`why`): every read fails and every
    // write is refused, with lastError() saying that the game database is not open, so that
    // no caller needs a test of its own for a missing database.
    static std::unique_ptr<GameDatabase> absent(const QString& why);
    static QString pathIn(const QString& folder); // the Dictionary.mdb of a folder

    ~GameDatabase();
    GameDatabase(const GameDatabase&) = delete;
    GameDatabase& operator=(const GameDatabase&) = delete;

    QString path() const { return m_path; }
    bool isOpen() const { return !m_absent; }
    // How long operations wait for a busy file from now on (kBusyTimeoutMs when opened).
    void setBusyTimeout(int ms);
    // How long the next operation waits: shorter than that after a busy spell was met.
    int busyWaitMs() const { return m_appliedTimeoutMs; }
    QString lastError() const { return m_lastError; }
    // The last failure was another program holding the file, not a fault of the file: the same
    // operation may well succeed later.
    bool lastErrorBusy() const { return m_lastErrorBusy; }
    // The file was too busy to be set up when it was opened. Every operation tries again first
    // and fails as busy while the other program holds on.
    bool setUpPending() const { return !m_setUp; }

    // --- tbl_Dictionary ---
    WordLookup lookUpWord(const QString& word); // formed word lookup
    bool dictionaryAvailable();                 // the board's open of the list
    QStringList meanings(const QString& word);  // word review
    // The suggestions: the words that begin with `prefix`, in stored order, left in an executed
    // query that a grid's model fetches from as it scrolls; the whole list is about 180,000
    // rows.
    QSqlQuery wordsStartingWithCursor(const QString& prefix);
    // Refreshes only the word list, in one transaction; players and scores stay untouched.
    bool replaceDictionary(const std::function<bool(DictionaryEntry&)>& next,
                           const QString& sourceId);
    QString dictionarySourceId();
    // The word list as the solver's tree, each word marked common or not (tblCommonWords),
    // built at its first use and kept until the word list is refilled or repaired. A tree of a
    // list that could not be read whole (another program holding the file, a damaged page) is
    // no tree at all: null, with the reason in lastError(), and the next use reads it again.
    std::shared_ptr<const Lexicon> wordTree();

    // --- tblCommonWords ---
    // Refreshes only the common words, in one transaction, like replaceDictionary().
    bool replaceCommonWords(const std::function<bool(QString&)>& next, const QString& sourceId);
    QString commonWordsSourceId();
    // Takes the word list of another game database (the installed one) when its source differs
    // from ours; players and scores stay. A missing file or one without a word list changes
    // nothing. `refreshed` tells whether the words were replaced.
    bool refreshDictionaryFrom(const QString& otherPath, bool* refreshed = nullptr);
    // SQLite's quick check of the word list and its index, which reads every page of both
    // (40 to 70 ms on the full list; bench_lookup measures it). Damaged and Unchecked leave
    // the reason in lastError().
    enum class Health { Sound, Damaged, Unchecked };
    Health checkDictionary();
    // The same check of the players' tables: the tables that cannot be read in full, as the
    // player knows them ("players", "scores", "totals", "history", "settings", "results of
    // today's field"), in that order.
    QStringList damagedPlayerTables();
    // Mends a damaged word list, each attempt one transaction: the index is built again from
    // the rows, or, when the rows themselves cannot be read, the word list of `installedPath`
    // (a game database; empty for none) replaces them. Players and scores are left as they
    // are. True when the check passes afterwards; otherwise lastError() says why.
    bool repairDictionary(const QString& installedPath);
    // Why nothing can be saved here, found by a write that is rolled back at once; empty when
    // the database takes writes. A file another program is busy writing is not a problem.
    QString writeProblem();
    // The player was told at start that the file cannot be written: nothing is tried.
    bool writesRefused() const { return m_writesRefused; }
    void refuseWrites() { m_writesRefused = true; }

    // --- what the player was told about this file in this run, so that it is told once ---
    // A word list that is missing, cannot be read or stays damaged.
    bool wordListProblemTold() const { return m_wordListProblemTold; }
    void setWordListProblemTold() { m_wordListProblemTold = true; }
    // Another program holding the file.
    bool busyTold() const { return m_busyTold; }
    void setBusyTold() { m_busyTold = true; }

    // --- tblSettings: the game's own choices (not a player's), kept between runs by name ---
    // Nothing when the value was never stored or cannot be read (an older file that could not
    // gain the table).
    std::optional<QString> setting(const QString& name);
    // Writes one value in its own transaction, over any stored before; false when the file
    // cannot take it.
    bool storeSetting(const QString& name, const QString& value);

    // --- tblWrong ---
    bool clearWrongWords();
    bool addWrongWord(const QString& word);
    QStringList wrongWords();

    // --- names ---
    // Lookups compare the folded form of a name (nameKey()), kept in an indexed column of
    // its own beside each name, so that every script's letter case is ignored, not only
    // ASCII's as COLLATE NOCASE does.
    static inline const QString kNameKeyColumn = QStringLiteral("fldNameKey");
    // The rows of `table` whose name matches the one bound to the query (nameValue()), in
    // stored order. Every lookup by name is built on it; public so that its plan can be
    // checked to use an index.
    QString rowsOfNameSql(const QString& table, const QString& columns) const;
    QVariant nameValue(const QString& name) const;

    // --- tblUsers ---
    // Every row of that name, in stored order, with its password hash: LOAD reads them here
    // and checks the password off the interface thread.
    Lookup<QList<StoredPlayer>> playersNamed(const QString& name);
    // How new hashes are made and which stored ones a check tries (password::Policy), so that
    // a doctored row can neither stall a check nor pass a weak hash.
    const password::Policy& passwordPolicy() const { return m_passwordPolicy; }
    // Tests use password::fastPolicy() to stay fast; the game keeps the default.
    void setPasswordPolicy(const password::Policy& policy) { m_passwordPolicy = policy; }
    // First row of that name.
    Lookup<PlayerRow> findPlayerByName(const QString& name);
    // Appends a player row with the password already hashed (passwordHash()), so that a save
    // can do the slow hashing before its transaction begins. An empty hash (hashing failed) is
    // refused.
    bool appendPlayerHashed(const QString& name, const QString& hash,
                            const std::array<bool, kLevelCount>& levelOpen);
    QString passwordHash(const QString& password) const;
    // Writes `fresh` over the row's hash in one transaction, if the row still holds `old`.
    bool replacePasswordHash(qint64 rowId, const QString& old, const QString& fresh);
    // Opens every level up to `highest` on the first row of the name, writing the name as
    // typed; false when no row has that name.
    bool openPlayerLevels(const QString& name, Level highest);

    // --- score tables ---
    Lookup<ScoreRow> findScore(Level level, const QString& name);
    bool appendScore(Level level, const ScoreRow& row);
    bool updateScore(Level level, const QString& name, qint64 score, const QString& time);
    // A level's scores as rows of names and scores (RankRow), in stored order and highest
    // first, left in executed queries that a grid's model fetches from as it scrolls, so that a
    // table of many players is never read whole to be shown.
    QSqlQuery levelScoresCursor(Level level);
    QSqlQuery levelRankingCursor(Level level);

    // --- total ---
    bool appendTotal(const QString& name, qint64 total);
    // The old total read as text by the numeric rule (leading number, blanks ignored).
    Lookup<qint64> findTotal(const QString& name);
    bool updateTotal(const QString& name, qint64 total);
    QSqlQuery overallRankingCursor(); // highest first, as levelRankingCursor()

    // --- tblHistory, tblPlayerWords ---
    // A player's finished levels and the different words the player has ever built, found by
    // the name's key (nameKey()) whatever letter case the name was typed in. A file too old
    // to have these tables that could not gain them (read-only) keeps no history: reads give
    // nothing and writes fail.
    // Adds a finished level and its built words, in one transaction; words the player has
    // built before are counted once.
    bool appendHistory(const QString& name, const HistoryRow& row, const QStringList& words);
    // Oldest first. A row whose level is none of the four is left out.
    Lookup<QList<HistoryRow>> historyOf(const QString& name);
    Lookup<qint64> differentWordsOf(const QString& name);

    // --- tblDailyResults ---
    // A player's results of today's field, found by the name's key like the history; a guest
    // (nobody signed in) is the empty name, one guest per file. A file too old to have the
    // table that could not gain it (read-only) keeps none: keepsDailyResults() is false.
    bool keepsDailyResults();
    Lookup<DailyRow> dailyResult(const QString& name, const QDate& date);
    // Writes the row unless the name has a result for its date already, in one transaction.
    DailyWrite keepDailyResult(const DailyRow& row);
    // Oldest date first.
    Lookup<QList<DailyRow>> dailyResultsOf(const QString& name);

    // Runs work in one transaction: committed when it returns true, rolled back otherwise. The
    // write lock is taken at the start (BEGIN IMMEDIATE), so a transaction that reads before it
    // writes never finds another connection's write in its way halfway through; a busy file is
    // waited for, then reported as a failure. Keep slow work (hashing) out of it.
    bool inTransaction(const std::function<bool()>& work);

private:
    GameDatabase(QString connection, QString path);
    // Clears the last error and, while the file has not been set up, sets it up; false (the
    // reason in lastError()) while another program keeps it too busy for that.
    bool ready();
    void clearError();
    bool createSchema();
    // Gives every name table its key column and index, and rewrites each key that differs
    // from the fold of its name (rows written by older versions of the game, or folded by an
    // older Unicode table). False when that could not be written.
    bool keyNames();
    QStringList columnsOf(const QString& table);
    // INSERT of one row whose name is `name`, its key added when the table has one.
    bool insertRow(const QString& table, const QStringList& columns, const QVariantList& values,
                   const QString& name);
    // Empties the word list, lets `fill` insert the new rows and builds the index once.
    bool rebuildDictionary(const std::function<bool()>& fill, const QString& sourceId);
    bool rebuildCommonWords(const std::function<bool()>& fill, const QString& sourceId);
    // One transaction: runs `emptying`, empties `sourceTable`, lets `fill` insert the new rows,
    // runs `afterFill` (when given) and records `sourceId`.
    bool refillWords(const QStringList& emptying, const std::function<bool()>& fill,
                     const QString& afterFill, const QString& sourceTable, const QString& sourceId);
    bool runTransaction(const QString& begin, const std::function<bool()>& work);
    // Builds a new index (and, given an installed database, a new word list from its words)
    // and points the schema at it in place of the old one, in one transaction.
    bool replaceWordTrees(const QString& installedPath);
    bool vacuum();
    bool exec(QSqlQuery& query);
    // Runs the query and hands each row to `row`; false, as a failure, when the query or any
    // row of it could not be read.
    bool readRows(QSqlQuery& query, const std::function<void(const QSqlQuery&)>& row);
    // The file took a write: the next busy spell is waited for in full again.
    void writeLanded();
    void applyBusyTimeout(int ms);
    bool fail(const QString& reason, bool busy = false);
    bool fail(const QSqlError& error);
    static bool isBusy(const QSqlError& error);
    QSqlQuery rankingCursor(const QString& sql);
    QString joinedWords(const QString& sql); // the one value of a group_concat query
    // Each word once, separated by blanks, in no particular order: the texts the word tree is
    // built from.
    QString dictionaryWordsText();
    QString commonWordsText();
    QString sourceId(const QString& table);

    QString m_connection;
    QString m_path;
    QString m_lastError;
    password::Policy m_passwordPolicy;
    bool m_lastErrorBusy = false;
    bool m_setUp = false;
    // False when an old file could not gain its name keys (it is read-only, or another program
    // held it for too long): names then match ignoring ASCII case only, as they used to.
    bool m_namesKeyed = false;
    bool m_writesRefused = false;
    bool m_wordListProblemTold = false;
    bool m_busyTold = false;
    bool m_absent = false;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    int m_appliedTimeoutMs = kBusyTimeoutMs;
    bool m_busyMet = false; // since the last write that landed
    std::shared_ptr<const Lexicon> m_wordTree;
};

// The number a text starts with, blanks ignored, with an optional sign and decimal point; 0 when
// it starts with none. Totals of old databases may be stored as text such as "5200.0".
double leadingNumber(const QString& text);

} // namespace vortalex
