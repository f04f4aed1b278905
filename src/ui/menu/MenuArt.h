#pragma once

#include "ui/widgets/Theme.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace vortalex::art {

// The game's pictures, drawn rather than shipped: the splash, the menu's background and the
// faces of its buttons share one look (deep blue, cream letter tiles, gold trim).

// A cream letter tile as on the real field, with a drop shadow, turned by `degrees`.
void drawLetterTile(QPainter& p, const QRectF& box, const QString& letter, qreal degrees = 0);
// The game's name spelled in tiles, centred on `centre`.
void drawTileTitle(QPainter& p, const QPointF& centre, qreal tileSize, qreal gap);
// The theme's haloed text, under the name the game's pictures have always used.
inline void drawHaloText(QPainter& p, const QRect& box, int flags, const QString& text,
                         const QColor& colour) {
    theme::drawHaloText(p, box, flags, text, colour);
}

// The 509 x 412 splash picture.
void paintSplash(QPainter& p, const QSize& size);

// Where the menu's controls sit at the design size (in its pixels), so the background can
// frame them.
struct MenuFrames {
    QRect field;       // the 5 x 5 tiles
    QRect commandWord; // the word being spelled
    QRect buttons;     // Ok and Clear pictures
    QRect instructions;
    QRect levels;
};
// The panels the background lays behind those controls.
struct MenuPanels {
    QRectF field;       // the tray under the tiles
    QRectF commandWord; // the paper slot of the word
    QRectF buttons;     // the shadow under Ok and Clear
    QRectF instructions;
    QRectF levels;
};
MenuPanels menuPanels(const MenuFrames& frames);
// The menu's background over its sky, drawn in the pixels of its `design` size (the painter
// scales it to the window's): the glow reaches over `room`, the whole window in those pixels,
// so that the room around the design area carries on the same backdrop.
void paintMenuBackground(QPainter& p, const QSize& design, const QRectF& room,
                         const MenuFrames& frames);

// The picture behind the Ok and Clear captions; `lit` (a caption in a light colour on it)
// darkens it.
void paintButtonFace(QPainter& p, const QRectF& box, bool enabled = true, bool lit = false);
// The caption of a closed entry: engraved, as a desktop draws a disabled caption.
void drawEngravedText(QPainter& p, const QRect& box, int flags, const QString& text);
// The face of a level chooser entry; a closed level is drawn dimmed, a lit one dark.
void paintLevelFace(QPainter& p, const QRectF& box, bool open, bool lit = false);

} // namespace vortalex::art
