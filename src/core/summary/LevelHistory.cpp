#include "core/summary/LevelHistory.h"

#include "core/data/GameDatabase.h"
#include "core/summary/MissedWords.h"

#include <algorithm>
#include <memory>

namespace vortalex {

HistoryRow historyRow(const LevelResult& result, const Lexicon& lexicon, const QDateTime& when) {
    const FieldShare share = fieldShare(
        result.words, missedWords(lexicon, levelInfo(result.level), result.fields, result.words));
    return {result.level, when, result.total, share.found, share.longest, share.onFields};
}

bool recordFinishedLevel(GameDatabase* db, const QString& player, const LevelResult& result,
                         const QDateTime& when) {
    if (player.isEmpty() || db == nullptr || db->writesRefused()) {
        return false;
    }
    // Nothing dealt, nothing to search: the word list need not be loaded for it.
    const std::shared_ptr<const Lexicon> lexicon =
        result.fields.isEmpty() ? std::make_shared<const Lexicon>() : db->wordTree();
    return db->appendHistory(player, historyRow(result, *lexicon, when), result.words);
}

PlayerHistory loadHistory(GameDatabase* db, const QString& player) {
    PlayerHistory history;
    history.player = player;
    if (db != nullptr && !player.isEmpty()) {
        history.rows = db->historyOf(player);
        history.differentWords = db->differentWordsOf(player);
    }
    return history;
}

int HistoryFigures::percentFound() const {
    // Rounded as a level's own share is (FieldShare), in numbers wide enough for years of play.
    return wordsOnFields > 0
               ? static_cast<int>((100 * wordsFound + wordsOnFields / 2) / wordsOnFields)
               : 0;
}

QList<std::pair<QString, QString>> HistoryFigures::lines() const {
    QList<std::pair<QString, QString>> shown;
    shown.append({QStringLiteral("Levels played"), QString::number(levelsPlayed)});
    for (const Level level : allLevels()) {
        const auto& best = bestScore.at(static_cast<std::size_t>(level));
        shown.append({QStringLiteral("Best %1").arg(QString::fromLatin1(levelInfo(level).title)),
                      best ? QString::number(*best) : QStringLiteral("not played")});
    }
    shown.append({QStringLiteral("Longest word"),
                  longestWord.isEmpty() ? QStringLiteral("none yet") : longestWord});
    shown.append(
        {QStringLiteral("Words found on the fields"),
         QStringLiteral("%1 of %2 (%3%)").arg(wordsFound).arg(wordsOnFields).arg(percentFound())});
    shown.append({QStringLiteral("Different words built"), QString::number(differentWords)});
    return shown;
}

HistoryFigures historyFigures(const PlayerHistory& history) {
    HistoryFigures figures;
    figures.levelsPlayed = static_cast<int>(history.rows.size());
    figures.differentWords = history.differentWords;
    for (const HistoryRow& row : history.rows) {
        auto& best = figures.bestScore.at(static_cast<std::size_t>(row.level));
        if (!best || row.score > *best) {
            best = row.score;
        }
        if (row.longestWord.size() > figures.longestWord.size()) {
            figures.longestWord = row.longestWord;
        }
        figures.wordsFound += row.wordsBuilt;
        figures.wordsOnFields += row.wordsOnFields;
    }
    return figures;
}

QString emptyHistoryLine(const PlayerHistory& history) {
    if (history.player.isEmpty()) {
        return QStringLiteral("Nobody is signed in: sign in with START or LOAD to keep a history.");
    }
    if (history.rows.isEmpty()) {
        return QStringLiteral("%1 has not finished a level yet.").arg(history.player);
    }
    return {};
}

std::array<QList<QPointF>, kLevelCount> scoreSeries(const QList<HistoryRow>& rows) {
    std::array<QList<QPointF>, kLevelCount> series;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        series.at(static_cast<std::size_t>(rows.at(i).level))
            .append(QPointF(static_cast<double>(i + 1), static_cast<double>(rows.at(i).score)));
    }
    return series;
}

QList<QPointF> thinnedToColumns(const QList<QPointF>& points, int columns) {
    if (columns < 1 || points.size() <= 2 * static_cast<qsizetype>(columns)) {
        return points;
    }
    const double first = points.first().x();
    const double width = std::max(points.last().x() - first, 1.0);
    QList<QPointF> kept;
    kept.reserve(2 * columns + 2);
    kept.append(points.first());
    qsizetype start = 1;
    const qsizetype end = points.size() - 1; // the last point is appended on its own
    while (start < end) {
        const auto column = static_cast<int>((points.at(start).x() - first) / width * columns);
        qsizetype low = start;
        qsizetype high = start;
        qsizetype next = start + 1;
        for (; next < end &&
               static_cast<int>((points.at(next).x() - first) / width * columns) == column;
             ++next) {
            if (points.at(next).y() < points.at(low).y()) {
                low = next;
            }
            if (points.at(next).y() > points.at(high).y()) {
                high = next;
            }
        }
        kept.append(points.at(std::min(low, high)));
        if (low != high) {
            kept.append(points.at(std::max(low, high)));
        }
        start = next;
    }
    kept.append(points.last());
    return kept;
}

} // namespace vortalex
