#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
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
// Text with a thin halo in the opposite lightness, so any caption colour stays readable on
// the painted faces.
void drawHaloText(QPainter& p, const QRect& box, int flags, const QString& text,
                  const QColor& colour);

// The 509 x 412 splash picture.
void paintSplash(QPainter& p, const QSize& size);

// Where the menu's controls sit, so the background can frame them.
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
// Drawn at the screen's pixel ratio, so it stays sharp on dense screens.
QPixmap menuBackground(const QSize& size, const MenuFrames& frames, qreal pixelRatio);

// The picture behind the Ok and Clear captions.
void paintButtonFace(QPainter& p, const QRectF& box, bool enabled = true);
// The face of a level chooser entry; a closed level is drawn dimmed.
void paintLevelFace(QPainter& p, const QRectF& box, bool open);

} // namespace vortalex::art
