// Today's field over a year of dates on a copy of the built database: the median, fewest and
// most words on the first field of a date (Easy's rules, words of 3 letters or more), how many
// dates the word floor made draw again and how often, and the median time to deal a first
// field, its checks included.
//
//   bench_daily [first date, YYYY-MM-DD] [dates]   (default 2026-12-10, 365)
#include "core/board/FieldDeal.h"
#include "core/common/DayField.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vortalex;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDate first = argc > 1 ? QDate::fromString(QString::fromLatin1(argv[1]), Qt::ISODate)
                                 : QDate(2026, 12, 10);
    const int dates = argc > 2 ? std::max(1, QString::fromLatin1(argv[2]).toInt()) : 365;
    QTemporaryDir dir;
    auto db = bench::copyOfBuiltDatabase(dir);
    if (!db || !first.isValid()) {
        return 1;
    }
    const std::shared_ptr<const Lexicon> words = db->wordTree();
    if (!words) {
        std::fprintf(stderr, "%s\n", qPrintable(db->lastError()));
        return 1;
    }

    std::vector<double> counts;
    std::vector<double> times;
    int redrawn = 0;
    int mostDraws = 1;
    QStringList redrawnDates;
    for (int d = 0; d < dates; ++d) {
        const DayField day{first.addDays(d), words};
        FieldDeal deal(dailyInfo());
        deal.seedDay(day, std::make_unique<SeededRandom>(1));
        TileGrid grid(dailyInfo().side);
        QElapsedTimer timer;
        timer.start();
        deal.start();
        while (deal.running()) {
            deal.tick(grid);
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        counts.push_back(day.wordsOn(grid));
        if (deal.firstDayFieldDraws() > 1) {
            ++redrawn;
            mostDraws = std::max(mostDraws, deal.firstDayFieldDraws());
            redrawnDates.append(QStringLiteral("%1 (%2)")
                                    .arg(day.date.toString(Qt::ISODate))
                                    .arg(deal.firstDayFieldDraws()));
        }
    }
    const auto [fewest, most] = std::minmax_element(counts.begin(), counts.end());
    std::printf("%d dates from %s: words on the first field median %.0f, fewest %.0f, most %.0f"
                " (floor %d)\n",
                dates, qPrintable(first.toString(Qt::ISODate)), bench::median(counts), *fewest,
                *most, DayField::kWordFloor);
    std::printf("drawn again on %d dates (%.1f%%), at most %d fields for one date\n", redrawn,
                100.0 * redrawn / dates, mostDraws);
    std::printf("dealing a first field: median %.2f ms\n", bench::median(times));
    if (!redrawnDates.isEmpty()) {
        std::printf("dates drawn again (fields drawn): %s\n", qPrintable(redrawnDates.join(", ")));
    }
    return 0;
}
