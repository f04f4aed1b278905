#include "core/summary/ScoreTables.h"

#include "core/data/GameDatabase.h"

namespace vortalex {

void queryRanking(QSqlQueryModel& rows, GameDatabase* db, std::optional<Level> level) {
    if (db == nullptr) {
        rows.clear();
        return;
    }
    rows.setQuery(level ? db->levelRankingCursor(*level) : db->overallRankingCursor());
}

} // namespace vortalex
