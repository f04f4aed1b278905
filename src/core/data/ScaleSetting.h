#pragma once

class QObject;

namespace vortalex {

class GameDatabase;
class ScaleChoice;

// How large the game's windows are is the game's choice, not a player's, and is kept in the
// game database between runs, as the sound's is. `scale` takes the stored choice now, and each
// later change is stored while `context` lives. With a database that cannot be read, or one that
// cannot be written, the choice lasts for the run.
void keepScaleChoice(ScaleChoice& scale, GameDatabase& database, const QObject* context);

} // namespace vortalex
