// Median time of the formed-word lookup and the suggestions query through the game's data
// layer, against the same queries on the raw SQLite C API, on a copy of the built database;
// and the time of the word list's check that every start runs, each on a fresh connection as
// a start has (the file itself stays in the system's cache between runs).
#include "core/data/GameDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vortalex;

namespace {

double medianMicros(int runs, const std::function<void(int)>& work) {
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work(i);
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[static_cast<std::size_t>(runs / 2)];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Dictionary.mdb"));
    const QString source =
        app.arguments().value(1, QStringLiteral(VORTALEX_PROGRAM_DIR "/Dictionary.mdb"));
    if (!QFile::copy(source, path)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        return 1;
    }
    auto opened = GameDatabase::open(path);
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 1;
    }
    GameDatabase& db = *opened.db;
    const QStringList words{"cat", "running", "xqzt",  "geese", "the",  "house",
                            "teh", "biggest", "zebra", "which", "quiz", "abacus"};
    const QStringList prefixes{"CAT", "RUN", "XQZ", "GEE", "THE", "HOU", "TEH", "BIG"};
    constexpr int kRuns = 5000;

    int found = 0;
    const double ourWord = medianMicros(kRuns, [&](int i) {
        found += db.lookUpWord(words[i % words.size()]) == WordLookup::Found ? 1 : 0;
    });
    qsizetype suggested = 0;
    const double ourPrefix = medianMicros(kRuns / 5, [&](int i) {
        QSqlQuery rows = db.wordsStartingWithCursor(prefixes[i % prefixes.size()]);
        while (rows.next()) {
            ++suggested;
        }
    });

    bool sound = true;
    const double check = medianMicros(15, [&](int) {
        auto fresh = GameDatabase::open(path);
        sound = sound && fresh.db && fresh.db->checkDictionary() == GameDatabase::Health::Sound;
    });
    const double openOnly = medianMicros(15, [&](int) { GameDatabase::open(path); });
    if (!sound) {
        std::fprintf(stderr, "the built word list does not pass its check\n");
        return 1;
    }

    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        std::fprintf(stderr, "raw open failed\n");
        return 1;
    }
    int rawFound = 0;
    const double rawWord = medianMicros(kRuns, [&](int i) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(raw, "SELECT 1 FROM tbl_Dictionary WHERE Word = ? LIMIT 1", -1, &st,
                           nullptr);
        const QByteArray w = words[i % words.size()].toUtf8();
        sqlite3_bind_text(st, 1, w.constData(), static_cast<int>(w.size()), SQLITE_TRANSIENT);
        rawFound += sqlite3_step(st) == SQLITE_ROW ? 1 : 0;
        sqlite3_finalize(st);
    });
    qsizetype rawSuggested = 0;
    const QByteArray prefixSql = GameDatabase::kWordsStartingWithSql.toUtf8();
    const double rawPrefix = medianMicros(kRuns / 5, [&](int i) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(raw, prefixSql.constData(), -1, &st, nullptr);
        const QByteArray p =
            GameDatabase::likePrefixPattern(prefixes[i % prefixes.size()]).toUtf8();
        sqlite3_bind_text(st, 1, p.constData(), static_cast<int>(p.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW) {
            // Copies the text as the data layer does, so both sides do the same work.
            const auto* text = sqlite3_column_text(st, 0);
            rawSuggested += QString::fromUtf8(reinterpret_cast<const char*>(text)).size() > 0;
        }
        sqlite3_finalize(st);
    });
    sqlite3_close(raw);

    if (found != rawFound || suggested != rawSuggested) {
        std::fprintf(stderr, "data layer and raw lookups disagree: %d/%d, %lld/%lld\n", found,
                     rawFound, static_cast<long long>(suggested),
                     static_cast<long long>(rawSuggested));
        return 1;
    }
    std::printf("word lookup      data layer %8.1f us   raw SQLite %8.1f us   ratio %.2f\n",
                ourWord, rawWord, ourWord / rawWord);
    std::printf("prefix query     data layer %8.1f us   raw SQLite %8.1f us   ratio %.2f\n",
                ourPrefix, rawPrefix, ourPrefix / rawPrefix);
    std::printf("goal: within 3 times the raw lookup\n");
    std::printf("start-up check   quick_check of the word list %8.1f ms (open alone %.1f ms)\n",
                (check - openOnly) / 1000.0, openOnly / 1000.0);
    std::printf("goal: under 100 ms\n");
    return 0;
}
