#pragma once

#include "DatabaseCalls.h"
#include "TestDoubles.h"

#include "core/common/MuteSwitch.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/data/GameDatabase.h"

#include <QTemporaryDir>

#include <deque>

namespace vortalex::test {

// Plays back given draws first, then falls back to a seeded generator.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::deque<double> script, std::uint64_t seed = 1)
        : m_script(std::move(script))
        , m_fallback(seed) {}
    double uniform() override {
        if (m_script.empty()) {
            return m_fallback.uniform();
        }
        const double r = m_script.front();
        m_script.pop_front();
        return r;
    }

private:
    std::deque<double> m_script;
    SeededRandom m_fallback;
};

// Gives `db` exactly these words, as the build's word list would, and these common words.
inline bool fillDictionary(GameDatabase& db, QList<DictionaryEntry> words,
                           const QString& source = QStringLiteral("test")) {
    return db.replaceDictionary(
        [&](DictionaryEntry& e) { return !words.isEmpty() && (e = words.takeFirst(), true); },
        source);
}
inline bool fillCommonWords(GameDatabase& db, QStringList words,
                            const QString& source = QStringLiteral("test")) {
    return db.replaceCommonWords(
        [&](QString& word) { return !words.isEmpty() && (word = words.takeFirst(), true); },
        source);
}

// A database file at `path` with these words, as the build makes one.
inline bool makeDatabase(const QString& path, const QList<DictionaryEntry>& words,
                         const QString& source) {
    auto opened = GameDatabase::open(path);
    return opened.db && fillDictionary(*opened.db, words, source);
}

// Services over a database of its own, with recording doubles for cues and message boxes and a
// seeded random generator, and a session. The database lives in memory unless a test is about
// the file (OnDisk puts it in the temporary program folder); passwords hash at the cheapest
// strength.
class TestWorld {
public:
    enum Storage { InMemory, OnDisk };

    explicit TestWorld(const QList<DictionaryEntry>& words = {{"CAT", "(n.) feline"}},
                       Storage storage = InMemory)
        : database(openDatabase(dir, storage))
        , services(*database) {
        services.programFolder = dir.path();
        services.dataFolder = dir.path();
        services.databasePath = GameDatabase::pathIn(dir.path());
        database->setPasswordPolicy(password::fastPolicy());
        services.cues = &cues;
        services.messages = &messages;
        services.newRandom = [this]() -> std::unique_ptr<Random> {
            return std::make_unique<ScriptedRandom>(nextScript, seed);
        };
        setWords(words);
    }

    // The game as it runs when Dictionary.mdb could not be opened.
    void loseDatabase() {
        m_absent = GameDatabase::absent(QStringLiteral("no file in the test"));
        services.setDatabase(*m_absent);
    }

    void setWords(const QList<DictionaryEntry>& words) {
        m_words = words;
        fillDictionary(*database, m_words);
    }
    // Puts a mute switch between the game and the recording cues, as the program does, and
    // gives the speaker controls it.
    MuteSwitch& muteThroughSwitch() {
        mute = std::make_unique<MuteSwitch>(cues);
        services.cues = mute.get();
        services.mute = mute.get();
        return *mute;
    }
    void addWord(const QString& word) {
        QList<DictionaryEntry> words = m_words;
        words.append({word, QStringLiteral("(n.) test word")});
        setWords(words);
    }

    QTemporaryDir dir;
    std::unique_ptr<GameDatabase> database;
    SessionState session;
    RecordingCues cues;
    std::unique_ptr<MuteSwitch> mute; // set by muteThroughSwitch()
    ScriptedMessages messages;
    Services services;
    std::uint64_t seed = 1;
    std::deque<double> nextScript;

private:
    static std::unique_ptr<GameDatabase> openDatabase(const QTemporaryDir& dir, Storage storage) {
        auto opened = GameDatabase::open(storage == OnDisk ? GameDatabase::pathIn(dir.path())
                                                           : QStringLiteral(":memory:"));
        if (!opened.db) {
            qFatal("cannot open a test database: %s", qPrintable(opened.error));
        }
        return std::move(opened.db);
    }

    QList<DictionaryEntry> m_words;
    std::unique_ptr<GameDatabase> m_absent;
};

} // namespace vortalex::test
