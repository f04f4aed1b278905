#include "core/summary/ScoreTables.h"

namespace vortalex {

QList<RankRow> ranking(GameDatabase* db, std::optional<Level> level) {
    if (db == nullptr) {
        return {};
    }
    return level ? db->levelRanking(*level) : db->overallRanking();
}

void queryRanking(QSqlQueryModel& rows, GameDatabase* db, std::optional<Level> level) {
    if (db == nullptr) {
        rows.clear();
        return;
    }
    rows.setQuery(level ? db->levelRankingCursor(*level) : db->overallRankingCursor());
}

} // namespace vortalex
