#include "core/summary/TodaysField.h"

#include "core/common/Level.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"
#include "core/data/NameKey.h"
#include "core/summary/MissedWords.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace vortalex {

QString groupedNumber(qint64 number) {
    QString digits = QString::number(number);
    const qsizetype first = number < 0 ? 1 : 0; // after the sign
    for (qsizetype at = digits.size() - 3; at > first; at -= 3) {
        digits.insert(at, QLatin1Char(','));
    }
    return digits;
}

QString shareLine(const DailyRow& row) {
    QString line = QStringLiteral("Vortalex %1: %2 points, %3 %4, %5% of the field")
                       .arg(row.date.toString(Qt::ISODate), groupedNumber(row.score),
                            groupedNumber(row.wordsBuilt),
                            row.wordsBuilt == 1 ? QStringLiteral("word") : QStringLiteral("words"),
                            QString::number(row.foundPercent));
    if (!row.longestWord.isEmpty()) {
        line += QStringLiteral(", longest ") + row.longestWord;
    }
    return line;
}

int streakEnding(const QList<QDate>& days, const QDate& today) {
    const QSet<QDate> played(days.cbegin(), days.cend());
    int streak = 0;
    for (QDate day = today; played.contains(day); day = day.addDays(-1)) {
        ++streak;
    }
    return streak;
}

std::optional<DailyRow> bestDay(const QList<DailyRow>& rows) {
    std::optional<DailyRow> best;
    for (const DailyRow& row : rows) {
        if (!best || row.score > best->score ||
            (row.score == best->score && row.date < best->date)) {
            best = row;
        }
    }
    return best;
}

TodaysField::TodaysField(Services& services, std::function<QDateTime()> now)
    : m_services(services)
    , m_now(std::move(now)) {}

bool TodaysField::begin(const QString& player) {
    GameDatabase& db = m_services.database();
    m_player = player;
    m_field.reset();
    m_practice = false;
    m_counted = false;
    m_dayResult.reset();
    flush();
    const QDate today = m_now().toLocalTime().date();

    const std::shared_ptr<const Lexicon> words = db.wordTree();
    if (!words) {
        tell(QStringLiteral("Today's field cannot be dealt now: its letters are checked against "
                            "the word list, which could not be read.") +
                 kLineBreak + failureReason(db),
             style::kExclamation);
        return false;
    }

    Lookup<DailyRow> kept = db.dailyResult(player, today);
    if (kept.isFailed()) {
        const QString why = failureReason(db);
        if (db.lastErrorBusy() || db.keepsDailyResults()) {
            tell(QStringLiteral("Today's field cannot be opened now: whether you have played it "
                                "already cannot be read.") +
                     kLineBreak + why,
                 style::kExclamation);
            return false;
        }
        // An older file that could not gain the table: the field plays, but nothing is kept.
        m_practice = true;
    }
    const QString key = nameKey(player);
    for (const DailyRow& row : std::as_const(m_waiting)) {
        if (!kept.isFound() && row.date == today && nameKey(row.name) == key) {
            kept = Lookup<DailyRow>::found(row);
        }
    }
    if (kept.isFound()) {
        m_practice = true;
        m_dayResult = *kept;
        tell(QStringLiteral("You have played today's field already: your %1 points stay the "
                            "day's result.")
                     .arg(groupedNumber(kept->score)) +
                 kLineBreak + QStringLiteral("This play is practice."),
             style::kInformation);
    } else if (m_practice || db.writesRefused()) {
        m_practice = true;
        tell(QStringLiteral("Your result of today's field cannot be kept: %1 takes no new results.")
                     .arg(QDir::toNativeSeparators(m_services.databasePath)) +
                 kLineBreak + QStringLiteral("This play is practice."),
             style::kInformation);
    }
    m_field = DayField{today, words};
    return true;
}

void TodaysField::finish(const LevelResult& result) {
    if (!m_field || result.day != m_field->date || m_practice) {
        return;
    }
    // Whatever comes of the write, a second end of this play is no new result.
    m_practice = true;
    m_counted = true;
    m_dayResult = rowOf(result);
    m_waiting.append(*m_dayResult);
    if (flush() || m_toldWaiting) {
        return;
    }
    m_toldWaiting = true;
    tell(QStringLiteral("Your result of today's field could not be kept yet.") + kLineBreak +
             failureReason(m_services.database()) + kLineBreak +
             QStringLiteral("Vortalex keeps it when you next open today's field in this run."),
         style::kExclamation);
}

QString TodaysField::shareLine() const {
    return m_dayResult ? vortalex::shareLine(*m_dayResult) : QString();
}

TodaysField::Days TodaysField::days() {
    Days days;
    if (!m_field) {
        return days;
    }
    flush();
    GameDatabase& db = m_services.database();
    QList<DailyRow> rows;
    const Lookup<QList<DailyRow>> kept = db.dailyResultsOf(m_player);
    if (kept.isFailed()) {
        const QString why = failureReason(db);
        days.problem = db.lastErrorBusy() || db.keepsDailyResults()
                           ? why
                           : QStringLiteral("this file keeps no results of today's field");
    } else {
        rows = *kept;
    }
    const QString key = nameKey(m_player);
    for (const DailyRow& row : std::as_const(m_waiting)) {
        if (nameKey(row.name) == key) {
            rows.append(row);
        }
    }
    QList<QDate> dates;
    for (const DailyRow& row : std::as_const(rows)) {
        dates.append(row.date);
    }
    days.streak = streakEnding(dates, m_field->date);
    days.best = bestDay(rows);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const DailyRow& a, const DailyRow& b) { return a.date > b.date; });
    days.results = rows;
    return days;
}

bool TodaysField::flush() {
    GameDatabase& db = m_services.database();
    while (!m_waiting.isEmpty()) {
        const DailyRow row = m_waiting.first();
        const DailyWrite written = db.keepDailyResult(row);
        if (written == DailyWrite::Failed) {
            return false;
        }
        if (written == DailyWrite::AlreadyKept && m_dayResult == row) {
            // Another copy of the game kept a result for the date first: that one counts.
            const Lookup<DailyRow> first = db.dailyResult(row.name, row.date);
            if (first.isFound()) {
                m_dayResult = *first;
            }
        }
        m_waiting.removeFirst();
    }
    return true;
}

DailyRow TodaysField::rowOf(const LevelResult& result) const {
    const LevelInfo& rules = dailyInfo();
    const FieldShare share =
        fieldShare(result.words, missedWords(*m_field->words, rules, result.fields, result.words));
    return {m_field->date, m_player,        result.total,   share.found,
            share.longest, share.percent(), m_now().toUTC()};
}

void TodaysField::tell(const QString& text, MessageStyle style) {
    m_services.messages->show(text, style, kAppTitle);
}

} // namespace vortalex
