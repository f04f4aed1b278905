#include "core/summary/ScoreTables.h"

#include "core/data/GameDatabase.h"

namespace vortalex {

void queryRanking(QSqlQueryModel& rows, GameDatabase& db, std::optional<Level> level) {
    QSqlQuery ranking = level ? db.levelRankingCursor(*level) : db.overallRankingCursor();
    if (!ranking.isActive()) {
        rows.clear();
        return;
    }
    rows.setQuery(std::move(ranking));
}

} // namespace vortalex
