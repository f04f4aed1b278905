#include "ui/board/BoardBackdrop.h"

#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/Theme.h"

#include <QPainter>

namespace vortalex {

using design::toPixels;

void BoardBackdrop::paint(QPainter& p, const QRect& area, QSize size, qreal dpr) {
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != dpr || m_pixmap.size() != size * dpr) {
        m_pixmap = QPixmap(size * dpr);
        m_pixmap.setDevicePixelRatio(dpr);
        QPainter painter(&m_pixmap);
        draw(painter, size);
    }
    p.drawPixmap(area, m_pixmap, QRectF(QPointF(area.topLeft()) * dpr, QSizeF(area.size()) * dpr));
}

void BoardBackdrop::draw(QPainter& p, QSize size) const {
    const QRectF window(QPointF(0, 0), QSizeF(size));
    theme::paintSky(p, window);
    // The rest in pixels of the design size, drawn at the window's scale.
    const QTransform toWindow = m_layout.transform();
    p.setTransform(toWindow);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect field = toPixels(m_places.field());

    // A soft glow under the field, fading out over the room around the design too.
    QRadialGradient glow(field.center(), field.width() * 0.75);
    glow.setColorAt(0.0, QColor(120, 190, 255, 70));
    glow.setColorAt(1.0, QColor(120, 190, 255, 0));
    p.fillRect(toWindow.inverted().mapRect(window), glow);

    theme::paintPanel(p, QRectF(field.adjusted(-8, -8, 8, 8)), theme::withAlpha(theme::kGold, 120));
    const QRect column = toPixels(m_places.panel());
    theme::paintPanel(p, QRectF(column));
    p.setPen(QPen(QColor(255, 255, 255, 35), 1));
    for (int y : BoardLayout::kSeparators) {
        p.drawLine(column.left() + 10, y, column.right() - 10, y);
    }
}

void BoardBackdrop::paintPausedSign(QPainter& p, bool byPlayer) const {
    p.save();
    p.setTransform(m_layout.transform());
    const QRect field = toPixels(m_places.field());
    p.setRenderHint(QPainter::TextAntialiasing);
    QRect upper = field;
    upper.setBottom(field.center().y() + 8);
    p.setFont(theme::textFont(30, true));
    p.setPen(theme::kGold);
    p.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Paused"));
    if (byPlayer) {
        QRect lower = field;
        lower.setTop(field.center().y() + 16);
        p.setFont(theme::textFont(11));
        p.setPen(theme::kCaption);
        p.drawText(lower, Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("Space or Resume to go on"));
    }
    p.restore();
}

} // namespace vortalex
