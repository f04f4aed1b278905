#pragma once

#include <memory>

namespace vortalex {

class GameDatabase;
struct DataLocation;
struct Services;

// Opens the database `where` names for the run, tells the player what the open found and fills
// in the services' data folder, database path and database (null when it could not be opened).
std::unique_ptr<GameDatabase> openDatabaseTellingProblems(const DataLocation& where,
                                                          Services& services);

} // namespace vortalex
