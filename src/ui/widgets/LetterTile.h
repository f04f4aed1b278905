#pragma once

#include "core/common/TileGrid.h"
#include "ui/widgets/ClickLabel.h"

namespace vortalex {

// What a tile offers the player now, as a screen reader says it.
enum class TileReach { Open, Picked, OutOfReach };

// A letter tile of the board or the menu. The letter's colour tells the tile's state as the
// rules give it (black, (192, 192, 0) open, white used); the face behind it is darkened for
// open and used tiles so that every one of those colours stays readable.
class LetterTile : public ClickLabel {
    Q_OBJECT
public:
    static const QColor kPlainText;
    static const QColor kOpenText;
    static const QColor kUsedText;

    explicit LetterTile(QWidget* parent = nullptr);

    // The letter is the tile's text. It is kept here, not in the label: a label's text change
    // lays the text out again and asks its window for a new layout, on every tile of every
    // deal, though a tile paints its letter itself.
    void setLetter(const QString& letter);
    QString text() const { return m_letter; }
    // What a screen reader says: the letter (or "blank tile") and where the tile stands.
    QString spokenName() const;
    void setState(TileColour state);
    // Where the tile stands (1-based), for its accessible name.
    void setPlace(int row, int column);
    void setReach(TileReach reach);
    TileReach reach() const { return m_reach; }
    static QString reachText(TileReach reach);
    // Open, picked or out of reach on a field that follows the pick rule.
    static TileReach reachOf(const TileGrid& grid, int index);
    // The menu's demo paints letters yellow over the plain face.
    void setLit(bool lit);
    TileColour state() const { return m_state; }
    bool lit() const { return m_lit; }
    // The face behind the letter, for pictures of a field drawn in the tiles' look.
    static QPixmap face(QSize size, qreal dpr, TileColour state, bool lit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap look(qreal dpr);
    void forgetLook();
    void refreshColour();
    void tellNameChanged();

    QString m_letter;
    // Where the tile's picture is kept: everything but the letter, then the key with it.
    QString m_lookPrefix;
    QString m_lookKey;
    qreal m_lookDpr = 0;

    TileColour m_state = TileColour::Plain;
    bool m_lit = false;
    TileReach m_reach = TileReach::Open;
    int m_row = 0;
    int m_column = 0;
};

// Passes a tile's gestures to a model with the pick rules (the board's or the menu's): click,
// double-click, and the right button's release.
template <class Model> void wireTile(LetterTile* tile, QObject* context, Model& model, int index) {
    QObject::connect(tile, &ClickLabel::clicked, context,
                     [&model, index](Qt::MouseButton) { model.clickTile(index); });
    QObject::connect(tile, &ClickLabel::doubleClicked, context,
                     [&model, index] { model.doubleClickTile(index); });
    QObject::connect(tile, &ClickLabel::released, context, [&model, index](Qt::MouseButton button) {
        if (button == Qt::RightButton) {
            model.rightReleaseTile(index);
        }
    });
}

} // namespace vortalex
