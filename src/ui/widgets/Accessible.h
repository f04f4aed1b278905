#pragma once

namespace vortalex {

// Lets screen readers follow the game's own widgets: letter tiles read as toggle buttons named
// by letter and place with their state (open, picked, out of reach), and labels that act as
// buttons read as push buttons with a press action. Installing twice is harmless.
void installAccessibleFactory();

} // namespace vortalex
