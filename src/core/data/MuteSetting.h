#pragma once

class QObject;

namespace vortalex {

class GameDatabase;
class MuteSwitch;

// Whether sound is muted is the game's choice, not a player's, and is kept in the game database
// between runs. `mute` takes the stored choice now, and each later change is stored while
// `context` lives. Without a database, or with one that cannot be written, the choice lasts for
// the run.
void keepMuteChoice(MuteSwitch& mute, GameDatabase& database, const QObject* context);

} // namespace vortalex
