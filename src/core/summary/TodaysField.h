#pragma once

#include "core/common/DayField.h"
#include "core/common/ScreenFlow.h"
#include "core/common/Services.h"
#include "core/data/DatabaseRows.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace vortalex {

// "3,450": thousands set apart by commas, whatever the locale, as the shared line writes them.
QString groupedNumber(qint64 number);

// The line a player copies to share a day: "Vortalex 2026-12-10: 3,450 points, 12 words, 9% of
// the field, longest QUAVERS". One word is "1 word"; with no word built the line ends after the
// share, since there is no longest word.
QString shareLine(const DailyRow& row);

// Days in a row with a result, the last of them `today`: 0 when `today` has none.
int streakEnding(const QList<QDate>& days, const QDate& today);

// The result with the highest score, the earliest of equals; none for no result.
std::optional<DailyRow> bestDay(const QList<DailyRow>& rows);

// Today's field around its board: whether a play counts, keeping the result of the first play
// of the date that runs to its end, and what the summary says of the player's days. The date is
// the player's local date when the play begins (a play past midnight keeps the date it was dealt
// for), read from the injected clock. A result that cannot be written now waits in memory and
// is written at the next begin(), finish() or days() of the run; the player is told once.
class TodaysField {
public:
    TodaysField(Services& services, std::function<QDateTime()> now);

    // Before the board opens, for `player` (empty for a guest). False, after telling the player
    // why, when today's field cannot be opened now: without the word list its first field cannot
    // be checked, and without knowing whether the day is played the play cannot be kept. A play
    // that will not count is told so first.
    bool begin(const QString& player);
    // What the board deals; begin() answered true.
    const DayField& field() const { return *m_field; }
    // This play is not the day's result: one is kept already, or the file keeps none.
    bool practice() const { return m_practice; }
    // The play that finished last is the day's result, kept or waiting to be.
    bool counted() const { return m_counted; }

    // The board's end: the result is kept when this play counts.
    void finish(const LevelResult& result);
    // The result that counts for the date: the first finished play, kept or waiting; none when
    // the file keeps no results.
    const std::optional<DailyRow>& dayResult() const { return m_dayResult; }
    QString shareLine() const;

    struct Days {
        int streak = 0; // ending on the date played
        std::optional<DailyRow> best;
        QList<DailyRow> results; // every result of the player, kept or waiting, newest first
        QString problem;         // why the player's days could not be read; empty when they were
    };
    Days days();
    // Results written or waiting.
    qsizetype waiting() const { return m_waiting.size(); }
    // Writes the results that wait; false when some still wait. The program's end tries once
    // more, as it does for the levels' histories.
    bool flush();

private:
    DailyRow rowOf(const LevelResult& result) const;
    void tell(const QString& text, MessageStyle style);

    Services& m_services;
    std::function<QDateTime()> m_now;
    QString m_player;
    std::optional<DayField> m_field;
    bool m_practice = false;
    bool m_counted = false;
    std::optional<DailyRow> m_dayResult;
    QList<DailyRow> m_waiting;
    bool m_toldWaiting = false;
};

} // namespace vortalex
