#pragma once

#include <QList>

class QLabel;
class QWidget;

namespace vortalex {

// Lets screen readers follow the game's own widgets: letter tiles read as toggle buttons named
// by letter and place with their state (open, picked, out of reach), the speaker control as a
// check box checked while sound is on, and labels that act as buttons read as push buttons
// with a press action. Installing twice is harmless.
void installAccessibleFactory();

// Keeps a label that only decorates (a picture behind a caption, a moving copy of a word read
// elsewhere) out of the tree a screen reader walks, which would otherwise offer it as an empty
// label. Call before the label's window is first shown.
void markDecorative(QWidget* label);

// Lets Tab stop on a label that shows a value (the clock, a score, the word formed) so a screen
// reader reads it; a thin frame shows where the keyboard's focus is while it is there.
void makeReadout(QLabel* label);

// Puts `order` into the window's Tab order. Tab from the window itself (where the keys go while
// the player types) starts at the first widget of `order` that can take the focus, Shift+Tab
// at the last.
class TabOrder {
public:
    void set(const QList<QWidget*>& order);
    // For the window's focusNextPrevChild(): true when it moved the focus.
    bool enterFromWindow(QWidget* window, bool next) const;
    // Where the focus starts when the window opens, without the ring Tab would draw.
    void focusFirst() const;

private:
    QList<QWidget*> m_order;
};

} // namespace vortalex
