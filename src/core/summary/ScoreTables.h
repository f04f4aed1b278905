#pragma once

#include "core/common/Level.h"

#include <QSqlQueryModel>

#include <optional>

namespace vortalex {

class GameDatabase;

// The ranking the score tables show, highest first, in `rows`: the overall totals when no level
// is given, else that level's scores. `rows` fetches it as its grid scrolls, so a table of many
// players is never read whole to be shown. A database that cannot be read ranks nobody.
void queryRanking(QSqlQueryModel& rows, GameDatabase& db, std::optional<Level> level);

} // namespace vortalex
