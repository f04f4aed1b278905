#pragma once

#include "core/common/Level.h"
#include "core/common/Lexicon.h"
#include "core/common/MessageBox.h"
#include "core/common/ScreenFlow.h"
#include "core/data/DatabaseRows.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace vortalex {

class GameDatabase;

// A finished level as its player's history keeps it; the words on its fields are counted with
// `lexicon` as the review counts them (fieldShare()).
HistoryRow historyRow(const LevelResult& result, const Lexicon& lexicon, const QDateTime& when);

// Keeps every level whose clock ran out, passed or failed, in the history of the player signed
// in when it ended, with the words built, each level in one transaction and stamped with the
// injected clock's time. A level that cannot be written now (another program holds the file,
// its word list cannot be read, the table is damaged) waits in memory and is written, first of
// all, at the next keep() or flush() of the run; the player is told once in the run that
// levels wait. Nothing is kept while nobody is signed in, nor when the player was told at start
// that the file takes no writes, nor of today's field.
class HistoryRecorder {
public:
    HistoryRecorder(GameDatabase& db, MessageBoxes& messages, std::function<QDateTime()> now);

    void keep(const QString& player, const LevelResult& result);
    // Writes the levels that wait, oldest first, up to the first that fails: a busy file is
    // waited for once, not once per level. True when none waits any more.
    bool flush();
    qsizetype waiting() const { return m_waiting.size(); }

private:
    struct Waiting {
        QString player;
        LevelResult result;
        QDateTime when;
        std::optional<HistoryRow> row; // worked out once the word list could be read
    };

    GameDatabase& m_db;
    MessageBoxes& m_messages;
    std::function<QDateTime()> m_now;
    QList<Waiting> m_waiting;
    bool m_told = false;
};

// A player's history as the score tables show it.
struct PlayerHistory {
    QString player; // empty: nobody is signed in
    QList<HistoryRow> rows;
    qint64 differentWords = 0;
    // Why the history could not be read in full; it is then not shown at all, since part of it
    // would read as the whole.
    QString problem{};
};

PlayerHistory loadHistory(GameDatabase& db, const QString& player);

// What the figures beside the chart say.
struct HistoryFigures {
    int levelsPlayed = 0;
    std::array<std::optional<qint64>, kLevelCount> bestScore{}; // none: never played
    QString longestWord;                                        // the first of equals
    qint64 wordsFound = 0;
    qint64 wordsOnFields = 0;
    qint64 differentWords = 0;

    int percentFound() const;
    // Caption and value of each figure, in the order they are shown.
    QList<std::pair<QString, QString>> lines() const;
};

HistoryFigures historyFigures(const PlayerHistory& history);

// Instead of the chart and the figures: why there is nothing to show, or empty when there is.
QString emptyHistoryLine(const PlayerHistory& history);

// The chart's lines: per level, each of its scores at the place of its level among all the
// levels played, the first being 1.
std::array<QList<QPointF>, kLevelCount> scoreSeries(const QList<HistoryRow>& rows);

// The chart's markers: per level, the places of the levels passed and of those failed, as
// scoreSeries() places them.
struct LevelMarks {
    QList<QPointF> passed;
    QList<QPointF> failed;
};
std::array<LevelMarks, kLevelCount> scoreMarks(const QList<HistoryRow>& rows);

// A step of 1, 2 or 5 times a power of ten, at least 1, that puts at most `most` ticks on `span`.
double tickStep(double span, int most = 10);

// The chart's score axis: from 0, or the least score below it, up to the highest score and the
// target of every level played, with room beyond both ends so that a marker at either is drawn
// whole, clear of the axis; ticks every `step` from 0.
struct ScoreScale {
    double low = 0;
    double high = 0;
    double step = 0;
};
ScoreScale scoreScale(const QList<HistoryRow>& rows);

// A line of more points than its chart has pixel columns draws the same with fewer: per column
// of the x range, the lowest and the highest point, in their order. The first and last points
// stay, and a line of at most two points per column is kept as it is.
QList<QPointF> thinnedToColumns(const QList<QPointF>& points, int columns);

} // namespace vortalex
