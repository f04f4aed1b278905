#pragma once

#include "common/Level.h"
#include "data/GameDatabase.h"

#include <QList>

#include <optional>

namespace vortalex {

// The rankings the score tables show, highest first: the overall totals when no level is
// given, else that level's scores. A database that is not open ranks nobody.
QList<RankRow> ranking(GameDatabase* db, std::optional<Level> level);

} // namespace vortalex
