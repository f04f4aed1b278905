#pragma once

class QLabel;

namespace vortalex {

// Lets screen readers follow the game's own widgets: letter tiles read as toggle buttons named
// by letter and place with their state (open, picked, out of reach), and labels that act as
// buttons read as push buttons with a press action. Installing twice is harmless.
void installAccessibleFactory();

// Lets Tab stop on a label that shows a value (the clock, a score, the word formed) so a screen
// reader reads it; a thin frame shows where the keyboard's focus is while it is there.
void makeReadout(QLabel* label);

} // namespace vortalex
