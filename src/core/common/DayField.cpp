#include "core/common/DayField.h"

#include "core/common/FieldSolver.h"
#include "core/common/Level.h"

namespace vortalex {

int DayField::wordsOn(const TileGrid& field) const {
    return static_cast<int>(solveField(field, *words, dailyInfo().minWordLength).size());
}

} // namespace vortalex
