#pragma once

class QWidget;

namespace vortalex {

// Where the game's dialogs open. Qt's own placement guesses the window manager's frame from the
// other windows: over the frameless menu it puts a dialog 10 px left of and 40 px above the
// centre on a bare X server, and under a window manager that draws a title bar about 50 px too
// high. These centre the dialog's whole window, its frame included, on its owner's window as it
// stands (or on the screen) each time it opens, and once more when its frame becomes known,
// which on X is only after it is shown. Later moves by the player are left alone.
void centreOnOwner(QWidget& dialog);
void centreOnScreen(QWidget& dialog);

} // namespace vortalex
