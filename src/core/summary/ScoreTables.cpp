#include "ScoreTables.h"

namespace vortalex {

QList<RankRow> ranking(GameDatabase* db, std::optional<Level> level) {
    if (db == nullptr) {
        return {};
    }
    return level ? db->levelRanking(*level) : db->overallRanking();
}

} // namespace vortalex
