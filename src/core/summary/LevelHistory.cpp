#include "core/summary/LevelHistory.h"

#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"
#include "core/summary/MissedWords.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace vortalex {

HistoryRow historyRow(const LevelResult& result, const Lexicon& lexicon, const QDateTime& when) {
    const FieldShare share = fieldShare(
        result.words, missedWords(lexicon, levelInfo(result.level), result.fields, result.words));
    return {result.level, when, result.total, share.found, share.longest, share.onFields};
}

HistoryRecorder::HistoryRecorder(GameDatabase& db, MessageBoxes& messages,
                                 std::function<QDateTime()> now)
    : m_db(db)
    , m_messages(messages)
    , m_now(std::move(now)) {}

void HistoryRecorder::keep(const QString& player, const LevelResult& result) {
    // Today's field is no level: its results are kept apart (TodaysField).
    if (player.isEmpty() || m_db.writesRefused() || result.day.isValid()) {
        return;
    }
    m_waiting.append({player, result, m_now(), std::nullopt});
    if (flush() || m_told) {
        return;
    }
    m_told = true;
    m_messages.show(
        QStringLiteral("This level could not be added to the history of %1 yet.").arg(player) +
            kLineBreak + failureReason(m_db) + kLineBreak +
            QStringLiteral("Vortalex adds it when it next writes to the file in this "
                           "run: at the end of your next level, or when you open the "
                           "score tables."),
        style::kExclamation, kAppTitle);
}

bool HistoryRecorder::flush() {
    while (!m_waiting.isEmpty()) {
        Waiting& next = m_waiting.first();
        if (!next.row) {
            // Nothing dealt, nothing to search: the word list need not be loaded for it.
            const std::shared_ptr<const Lexicon> lexicon =
                next.result.fields.isEmpty() ? std::make_shared<const Lexicon>() : m_db.wordTree();
            if (!lexicon) {
                return false;
            }
            next.row = historyRow(next.result, *lexicon, next.when);
        }
        if (!m_db.appendHistory(next.player, *next.row, next.result.words)) {
            return false;
        }
        m_waiting.removeFirst();
    }
    return true;
}

PlayerHistory loadHistory(GameDatabase& db, const QString& player) {
    PlayerHistory history;
    history.player = player;
    if (player.isEmpty()) {
        return history;
    }
    const Lookup<QList<HistoryRow>> rows = db.historyOf(player);
    const Lookup<qint64> different =
        rows.isFailed() ? Lookup<qint64>::failed() : db.differentWordsOf(player);
    if (rows.isFailed() || different.isFailed()) {
        history.problem = failureReason(db);
        return history;
    }
    history.rows = *rows;
    history.differentWords = *different;
    return history;
}

namespace {

// Doctored rows may hold counts near the ends of the range; sums stop there instead of wrapping.
qint64 saturatingAdd(qint64 a, qint64 b) {
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    }
    return sum;
}

} // namespace

int HistoryFigures::percentFound() const {
    // Rounded as a level's own share is (FieldShare). Counts no game writes (more found than
    // the fields held, below zero) cannot make a share beyond 0 to 100%.
    if (wordsOnFields <= 0) {
        return 0;
    }
    const double share =
        100.0 * static_cast<double>(wordsFound) / static_cast<double>(wordsOnFields);
    return static_cast<int>(std::lround(std::clamp(share, 0.0, 100.0)));
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
        figures.wordsFound = saturatingAdd(figures.wordsFound, row.wordsBuilt);
        figures.wordsOnFields = saturatingAdd(figures.wordsOnFields, row.wordsOnFields);
    }
    return figures;
}

QString emptyHistoryLine(const PlayerHistory& history) {
    if (history.player.isEmpty()) {
        return QStringLiteral("Nobody is signed in: sign in with START or LOAD to keep a history.");
    }
    if (!history.problem.isEmpty()) {
        return QStringLiteral("The history of %1 could not be read in full, so none of it is "
                              "shown: %2")
            .arg(history.player, history.problem);
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

std::array<LevelMarks, kLevelCount> scoreMarks(const QList<HistoryRow>& rows) {
    std::array<LevelMarks, kLevelCount> marks;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const HistoryRow& row = rows.at(i);
        LevelMarks& level = marks.at(static_cast<std::size_t>(row.level));
        (levelInfo(row.level).passed(row.score) ? level.passed : level.failed)
            .append(QPointF(static_cast<double>(i + 1), static_cast<double>(row.score)));
    }
    return marks;
}

double tickStep(double span, int most) {
    // From 1 up: levels and scores are whole numbers.
    if (!(span > 0) || most < 1) {
        return 1;
    }
    for (double power = 1;; power *= 10) {
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            if (span / (mantissa * power) <= most) {
                return mantissa * power;
            }
        }
    }
}

ScoreScale scoreScale(const QList<HistoryRow>& rows) {
    // Eight ticks at most: the axis is short, and its labels must not crowd.
    constexpr int kMostTicks = 8;
    // A twentieth of the span beyond each end: on a chart of any size that is more than half a
    // marker, so that a score of 0 stands above the axis rather than on it.
    constexpr double kRoom = 0.05;
    double lowest = 0;
    double highest = 0;
    for (const HistoryRow& row : rows) {
        lowest = std::min(lowest, static_cast<double>(row.score));
        highest = std::max(highest, static_cast<double>(row.score));
        if (const std::optional<int> target = levelInfo(row.level).scoreTarget()) {
            highest = std::max(highest, static_cast<double>(*target));
        }
    }
    const double span = highest > lowest ? highest - lowest : 1000.0;
    return {lowest - kRoom * span, std::max(highest, lowest + span) + kRoom * span,
            tickStep(span, kMostTicks)};
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
