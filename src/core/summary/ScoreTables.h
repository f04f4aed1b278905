#pragma once

#include "core/common/Level.h"
#include "core/data/GameDatabase.h"

#include <QList>
#include <QSqlQueryModel>

#include <optional>

namespace vortalex {

// The rankings the score tables show, highest first: the overall totals when no level is
// given, else that level's scores. A database that is not open ranks nobody.
QList<RankRow> ranking(GameDatabase* db, std::optional<Level> level);
// The same ranking in `rows`, which fetches it as its grid scrolls: a table of many players is
// never read whole to be shown.
void queryRanking(QSqlQueryModel& rows, GameDatabase* db, std::optional<Level> level);

} // namespace vortalex
