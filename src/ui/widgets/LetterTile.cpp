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
}

void LetterTile::setLetter(const QString& letter) {
    if (m_letter != letter) {
        m_letter = letter;
        m_lookKey.clear(); // the rest of the look stays
        tellNameChanged();
        update();
    }
}

void LetterTile::setPlace(int row, int column) {
    m_row = row;
    m_column = column;
    tellNameChanged();
}

QString LetterTile::spokenName() const {
    const QString letter = m_letter.isEmpty() ? QStringLiteral("blank tile") : m_letter;
    return QStringLiteral("%1, row %2, column %3").arg(letter).arg(m_row).arg(m_column);
}

void LetterTile::tellNameChanged() {
    // The name is made when a screen reader asks; one that listens hears that it changed.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
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
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
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
    // The tile paints its letter itself: the label's palette is left alone.
    if (m_lit) {
        keepTextColour(kLitText);
    } else if (m_state == TileColour::Used) {
        keepTextColour(kUsedText);
    } else if (m_state == TileColour::Open) {
        keepTextColour(kOpenText);
    } else {
        keepTextColour(kPlainText);
    }
    forgetLook();
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

// A tile of a size, state and letter looks the same wherever it stands: the field's tiles share
// a few dozen pictures, so a deal repaints them by copying, without laying out any text.
QPixmap LetterTile::look(qreal dpr) {
    if (m_lookKey.isEmpty() || dpr != m_lookDpr) {
        if (m_lookPrefix.isEmpty() || dpr != m_lookDpr) {
            m_lookDpr = dpr;
            m_lookPrefix = QStringLiteral("vortalex-look/%1/%2x%3@%4/%5/%6/%7/")
                               .arg(font().key())
                               .arg(width())
                               .arg(height())
                               .arg(dpr)
                               .arg(static_cast<int>(m_state))
                               .arg(m_lit)
                               .arg(textColour().rgba());
        }
        m_lookKey = m_lookPrefix + m_letter;
    }
    QPixmap pixmap;
    if (QPixmapCache::find(m_lookKey, &pixmap)) {
        return pixmap;
    }
    pixmap = face(size(), dpr, m_state, m_lit);
    pixmap.detach(); // the face stays in the cache as it is
    QPainter p(&pixmap);
    p.setFont(font());
    p.setPen(textColour());
    p.drawText(QRect(QPoint(0, 0), size()), Qt::AlignCenter, m_letter);
    p.end();
    QPixmapCache::insert(m_lookKey, pixmap);
    return pixmap;
}

void LetterTile::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawPixmap(0, 0, look(devicePixelRatioF()));
    paintFocusRing(p);
}

void LetterTile::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        forgetLook();
    }
    ClickLabel::changeEvent(event);
}

void LetterTile::forgetLook() {
    m_lookPrefix.clear();
    m_lookKey.clear();
}

void LetterTile::resizeEvent(QResizeEvent* event) {
    forgetLook();
    ClickLabel::resizeEvent(event);
}

} // namespace vortalex
