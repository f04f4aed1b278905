#pragma once

#include <memory>

namespace vortalex {

class GameDatabase;
class MessageBoxes;
struct DataLocation;

// Opens the database `where` names for the run and tells the player what the open found. A file
// that could not be opened gives GameDatabase::absent(), never null.
std::unique_ptr<GameDatabase> openDatabaseTellingProblems(const DataLocation& where,
                                                          MessageBoxes& messages);

} // namespace vortalex
