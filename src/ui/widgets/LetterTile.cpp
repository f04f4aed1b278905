#include "ui/widgets/LetterTile.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace vortalex {

const QColor LetterTile::kPlainText{0, 0, 0};
const QColor LetterTile::kOpenText{192, 192, 0};
const QColor LetterTile::kUsedText{255, 255, 255};

namespace {

const QColor kLitText{255, 255, 0};

struct Face {
    QColor top;
    QColor bottom;
    QColor border;
};

Face faceFor(TileColour state, bool lit) {
    if (lit) {
        return {QColor(70, 70, 90), QColor(40, 40, 60), QColor(255, 235, 120)};
    }
    switch (state) {
    case TileColour::Used:
        return {QColor(30, 70, 130), QColor(15, 40, 85), QColor(220, 235, 255)};
    case TileColour::Open:
        return {QColor(55, 62, 70), QColor(32, 36, 42), QColor(192, 192, 0)};
    case TileColour::Plain:
        break;
    }
    return {QColor(250, 243, 225), QColor(222, 206, 170), QColor(120, 95, 60)};
}

} // namespace

LetterTile::LetterTile(QWidget* parent)
    : ClickLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Tab visits the tiles for screen readers; typed letters pass on to the screen.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(reachText(m_reach));
}

void LetterTile::setLetter(const QString& letter) {
    if (text() != letter) {
        setText(letter);
        refreshName();
    }
}

void LetterTile::setPlace(int row, int column) {
    m_row = row;
    m_column = column;
    refreshName();
}

void LetterTile::refreshName() {
    const QString letter = text().isEmpty() ? QStringLiteral("blank tile") : text();
    setAccessibleName(QStringLiteral("%1, row %2, column %3").arg(letter).arg(m_row).arg(m_column));
}

QString LetterTile::reachText(TileReach reach) {
    switch (reach) {
    case TileReach::Picked:
        return QStringLiteral("picked");
    case TileReach::OutOfReach:
        return QStringLiteral("out of reach");
    case TileReach::Open:
        break;
    }
    return QStringLiteral("open");
}

TileReach LetterTile::reachOf(const TileGrid& grid, int index) {
    if (grid.tile(index).used) {
        return TileReach::Picked;
    }
    return grid.canPick(index) ? TileReach::Open : TileReach::OutOfReach;
}

void LetterTile::setReach(TileReach reach) {
    if (reach == m_reach) {
        return;
    }
    m_reach = reach;
    setAccessibleDescription(reachText(reach));
    QAccessible::State changed;
    changed.checked = true;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void LetterTile::setState(TileColour state) {
    if (state != m_state) {
        m_state = state;
        refreshColour();
    }
}

void LetterTile::setLit(bool lit) {
    if (lit != m_lit) {
        m_lit = lit;
        refreshColour();
    }
}

void LetterTile::refreshColour() {
    if (m_lit) {
        setTextColour(kLitText);
    } else if (m_state == TileColour::Used) {
        setTextColour(kUsedText);
    } else if (m_state == TileColour::Open) {
        setTextColour(kOpenText);
    } else {
        setTextColour(kPlainText);
    }
    update();
}

// Faces are the same for every tile of a size and state; drawing one gradient per tile per
// repaint made a full deal on the largest field several times slower.
QPixmap LetterTile::face(QSize size, qreal dpr, TileColour state, bool lit) {
    const QString key = QStringLiteral("vortalex-tile/%1x%2@%3/%4/%5")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(dpr)
                            .arg(static_cast<int>(state))
                            .arg(lit);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    pixmap = QPixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const Face colours = faceFor(state, lit);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMax<qreal>(3.0, size.width() / 10.0);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, colours.top);
    fill.setColorAt(1.0, colours.bottom);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, fill);
    p.setPen(QPen(colours.border, 1.0));
    p.drawPath(path);
    // A thin highlight along the top edge gives the face some depth.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5),
               QPointF(r.right() - radius, r.top() + 1.5));
    p.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void LetterTile::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawPixmap(0, 0, face(size(), devicePixelRatioF(), m_state, m_lit));
    p.setFont(font());
    p.setPen(textColour());
    p.drawText(rect(), Qt::AlignCenter, text());
    paintFocusRing(p);
}

} // namespace vortalex
