#pragma once

#include "core/common/Level.h"
#include "core/common/Lexicon.h"
#include "core/common/ScreenFlow.h"
#include "core/data/DatabaseRows.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace vortalex {

class GameDatabase;

// A finished level as its player's history keeps it; the words on its fields are counted with
// `lexicon` as the review counts them (fieldShare()).
HistoryRow historyRow(const LevelResult& result, const Lexicon& lexicon, const QDateTime& when);

// Keeps a level whose clock ran out, passed or failed, in the history of `player` with the
// words built, in one transaction. Nothing is kept while nobody is signed in (an empty name),
// without a database or when the player was told it takes no writes; false then and when the
// write failed, which the game goes on past.
bool recordFinishedLevel(GameDatabase* db, const QString& player, const LevelResult& result,
                         const QDateTime& when);

// A player's history as the score tables show it.
struct PlayerHistory {
    QString player; // empty: nobody is signed in
    QList<HistoryRow> rows;
    qint64 differentWords = 0;
};

PlayerHistory loadHistory(GameDatabase* db, const QString& player);

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

// A line of more points than its chart has pixel columns draws the same with fewer: per column
// of the x range, the lowest and the highest point, in their order. The first and last points
// stay, and a line of at most two points per column is kept as it is.
QList<QPointF> thinnedToColumns(const QList<QPointF>& points, int columns);

} // namespace vortalex
