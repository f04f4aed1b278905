#pragma once

#include "core/common/Level.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>

class QApplication;
class QHeaderView;
class QLabel;
class QRect;
class QPainter;
class QRectF;
class QStyle;
class QWidget;

namespace vortalex {
class ClickLabel;
}

namespace vortalex::theme {

// The game's one look: its colours, its type and the faces of its controls, for every screen
// and dialog. The whole application takes it at start (apply()): stock controls (buttons,
// lists, grids, tabs, line edits, text boxes, scroll bars, tool tips) are drawn in it without a
// word from their screens, which only place them and say which captions and values they show.

// The colours the rules give the labels that are clicked (black at rest, cyan and green under
// the pointer) stay the rules'; these are the game's own around them.
inline const QColor kRest{0, 0, 0};             // black: those labels otherwise
inline const QColor kHoverCommand{0, 255, 255}; // cyan: commands, Ok, Clear under the pointer
inline const QColor kHoverGo{0, 255, 0};        // green: "Quit Game" and the level entries
inline const QColor kSea{0, 81, 133};           // behind every screen
inline const QColor kGold{255, 214, 102};       // titles, frames, values, the selected row
inline const QColor kHeading{224, 224, 224};    // headings and captions on the blue
inline const QColor kDeep{4, 18, 40};           // the top of the sky behind the menu and the boards
inline const QColor kNavy{8, 34, 66};           // between the two
inline const QColor kInk{20, 28, 40};           // text on the light faces of buttons and on gold
inline const QColor kCaption{196, 214, 236};    // the board's captions, the hint of its pause sign
inline const QColor kValue{255, 255, 255};      // the values beside them
inline const QColor kField{8, 32, 56};          // lists, grids and text boxes
inline const QColor kFieldText{230, 238, 248};
inline const QColor kCream{250, 243, 225};    // line edits, as the tiles' faces
inline const QColor kRim{120, 95, 60};        // the rim of a cream face
inline const QColor kRule{255, 255, 255, 30}; // faint lines across a field: grid lines

// One colour per level, easiest first, each apart from the others on the blue: the lines and
// markers of a player's history.
QColor levelColour(Level level);
// The light faces of clickable labels (the board's commands, "Quit Game") and the deep blue of
// a picked tile that takes their place under a caption in a light colour: the rules' cyan and
// green under the pointer wash out on the light faces.
inline const QColor kLabelFaceTop{150, 178, 212};
inline const QColor kLabelFaceBottom{98, 128, 168};
inline const QColor kLabelFaceRim{30, 45, 70};
inline const QColor kLitFaceTop{30, 70, 130};
inline const QColor kLitFaceBottom{15, 40, 85};
inline const QColor kCommandWord{64, 64, 64}; // the menu's word being spelled, as the rules give

// The one family the game's text is set in; the tiles' letters keep their own faces
// (courier(), arial()), which the rules name.
// The faces the rules name for the tiles' letters, with their metric-compatible stand-ins, so
// the letters hold their size where the original faces are not installed.
inline QFont courier(qreal points, bool bold = true) {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Monospace")});
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
inline QFont arial(qreal points, bool bold = true) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QString textFamily();
QFont textFont(qreal points, bool bold = false, bool italic = false);
// A caption over a control or a group ("Time : ", "Your Name", "SCORES"), and a value shown
// beside a caption (a time, a score), as the summary and the score tables show them.
QFont captionFont(qreal points = 11);
QFont valueFont(qreal points = 16);
void styleCaption(QLabel& label);
void styleValue(QLabel& label);
// Text colour only: the font is the layout's to set, at the window's scale.
void setTextColour(QWidget& widget, const QColor& colour);
// A grid's header font. Under the style sheet a header takes no font from its grid, nor does
// the part it paints its texts on take the header's: both are given it.
void setHeaderFont(QHeaderView& header, const QFont& font);
// A label clicked as a button: its caption centred on a light face.
void styleButtonLabel(ClickLabel& label);
// Whether a caption colour is light: one that needs a dark face behind it (kLitFace...).
bool isLight(const QColor& colour);
// Text with a thin halo in the opposite lightness, so any caption colour stays readable on the
// faces it stands on.
void drawHaloText(QPainter& p, const QRect& box, int flags, const QString& text,
                  const QColor& colour);

// The sky behind a screen: deep blue above, the sea below, with the faint weave the menu and
// the boards share. Fills `area` of whatever `p` paints on.
void paintSky(QPainter& p, const QRectF& area);
// A dark, rounded panel with a thin rim, grouping controls on the sky.
void paintPanel(QPainter& p, const QRectF& box, const QColor& rim = QColor(255, 255, 255, 45));

// What apply() gives the application, apart, for tests and for windows made before it.
QPalette gamePalette();
// Built on `base`'s own metrics, so that no control changes size under it: scroll bars keep
// their width, frames theirs. It names no font size, so that the layouts scale the text.
QString styleSheet(const QStyle& base);
void apply(QApplication& app);

} // namespace vortalex::theme
