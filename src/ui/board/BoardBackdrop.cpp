#include "ui/board/BoardBackdrop.h"

#include "ui/board/BoardLook.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace vortalex {

void BoardBackdrop::paint(QPainter& p, const QRect& area, qreal dpr) {
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != dpr) {
        m_pixmap = QPixmap(m_layout.window() * dpr);
        m_pixmap.setDevicePixelRatio(dpr);
        QPainter painter(&m_pixmap);
        draw(painter);
    }
    p.drawPixmap(area, m_pixmap, QRectF(QPointF(area.topLeft()) * dpr, QSizeF(area.size()) * dpr));
}

void BoardBackdrop::draw(QPainter& p) const {
    const QRect all(QPoint(0, 0), m_layout.window());
    const QRect field = m_layout.field();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, all.height());
    sky.setColorAt(0.0, QColor(10, 34, 62));
    sky.setColorAt(1.0, palette::kSea);
    p.fillRect(all, sky);

    // Faint diagonal weave, the game's backdrop.
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = -all.height(); x < all.width(); x += 18) {
        p.drawLine(x, 0, x + all.height(), all.height());
    }

    // A soft glow under the field.
    QRadialGradient glow(field.center(), field.width() * 0.75);
    glow.setColorAt(0.0, QColor(120, 190, 255, 70));
    glow.setColorAt(1.0, QColor(120, 190, 255, 0));
    p.fillRect(all, glow);

    QPainterPath tray;
    tray.addRoundedRect(QRectF(field.adjusted(-8, -8, 8, 8)), 10, 10);
    p.fillPath(tray, QColor(5, 20, 38, 170));
    p.setPen(QPen(palette::withAlpha(palette::kGold, 120), 1.5));
    p.drawPath(tray);

    const QRect column = m_layout.panel();
    QPainterPath panel;
    panel.addRoundedRect(QRectF(column), 12, 12);
    p.fillPath(panel, QColor(5, 20, 38, 150));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawPath(panel);
    p.setPen(QPen(QColor(255, 255, 255, 35), 1));
    for (int y : BoardLayout::kSeparators) {
        p.drawLine(column.left() + 10, y, column.right() - 10, y);
    }
}

void BoardBackdrop::paintPausedSign(QPainter& p, bool byPlayer) const {
    const QRect field = m_layout.field();
    p.setRenderHint(QPainter::TextAntialiasing);
    QRect upper = field;
    upper.setBottom(field.center().y() + 8);
    p.setFont(fonts::arial(30, true));
    p.setPen(palette::kGold);
    p.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Paused"));
    if (!byPlayer) {
        return;
    }
    QRect lower = field;
    lower.setTop(field.center().y() + 16);
    p.setFont(fonts::arial(11, false));
    p.setPen(boardlook::kCaption);
    p.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Space or Resume to go on"));
}

} // namespace vortalex
