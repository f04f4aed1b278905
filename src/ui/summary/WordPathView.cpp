#include "ui/summary/WordPathView.h"

#include "ui/widgets/LetterTile.h"
#include "ui/widgets/Theme.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vortalex {

namespace {

constexpr int kGap = 1;            // between tiles, in pixels
constexpr int kNumbersFrom = 30;   // tiles smaller than this hold no number
constexpr int kLegibleLetter = 18; // pixels: a capital letter about 12 pixels high

// The letters' size on tiles of `tile` pixels: seven tenths of the tile, but on small tiles as
// much as legibility asks and the tile allows.
int letterPixels(int tile) {
    return std::max({tile * 7 / 10, std::min(tile * 9 / 10, kLegibleLetter), 6});
}

// An arrowhead at `tip` pointing along `direction` (a unit vector), `size` pixels long.
QPolygonF arrowhead(QPointF tip, QPointF direction, qreal size) {
    const QPointF across(-direction.y(), direction.x());
    const QPointF back = tip - direction * size;
    return QPolygonF({tip, back + across * (size * 0.6), back - across * (size * 0.6)});
}

// How far from its centre a line in `direction` (a unit vector) leaves `box`.
qreal exitDistance(const QRectF& box, QPointF direction) {
    const qreal across = std::abs(direction.x()) > 1e-9 ? box.width() / 2 / std::abs(direction.x())
                                                        : std::numeric_limits<qreal>::max();
    const qreal down = std::abs(direction.y()) > 1e-9 ? box.height() / 2 / std::abs(direction.y())
                                                      : std::numeric_limits<qreal>::max();
    return std::min(across, down);
}

} // namespace

WordPathView::WordPathView(QWidget* parent)
    : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    theme::setTextColour(*this, theme::kHeading);
    setAccessibleName(kHint);
    redraw();
}

void WordPathView::setPath(const std::optional<WordPath>& path) {
    m_path = path;
    m_chosen = true;
    setAccessibleName(m_path ? QStringLiteral("Where %1 was on your field").arg(m_path->word)
                             : QString());
    tellChange();
}

void WordPathView::clear() {
    m_path.reset();
    m_chosen = false;
    setAccessibleName(kHint);
    tellChange();
}

void WordPathView::tellChange() {
    setAccessibleDescription(m_path ? m_path->spoken() : QString());
    redraw();
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void WordPathView::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    redraw();
}

void WordPathView::redraw() {
    if (!m_path || m_path->field.side() <= 0) {
        setPixmap(QPixmap());
        // Once a word is chosen, one whose field was not kept leaves the place empty rather
        // than ask again for a word.
        setText(m_chosen ? QString() : kHint);
        return;
    }
    setText(QString());
    setPixmap(picture(*m_path, std::min(width(), height()), devicePixelRatioF()));
}

QPixmap WordPathView::picture(const WordPath& path, int side, qreal dpr) {
    const TileGrid& field = path.field;
    const int n = std::max(field.side(), 1);
    const int tile = std::max((side - kGap * (n - 1)) / n, 1);
    const int extent = tile * n + kGap * (n - 1);
    QPixmap pixmap(QSize(extent, extent) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const auto place = [&](int index) {
        return QRect((index - 1) % n * (tile + kGap), (index - 1) / n * (tile + kGap), tile, tile);
    };
    for (int i = 1; i <= field.count(); ++i) {
        const TileColour state = path.chain.contains(i) ? TileColour::Used : TileColour::Plain;
        const QRect r = place(i);
        p.drawPixmap(r.topLeft(), LetterTile::face(r.size(), dpr, state, false));
    }

    QFont letterFont = theme::courier(10);
    letterFont.setPixelSize(letterPixels(tile));
    const QFontMetricsF metrics(letterFont);
    // Where each letter's ink stands: the line keeps out of these, so it runs beside the
    // letters, never through them.
    const auto letterBox = [&](int index) {
        const QRectF ink = metrics.tightBoundingRect(field.tile(index).letter);
        QRectF box(QPointF(), ink.size());
        box.moveCenter(QRectF(place(index)).center());
        return box;
    };
    const auto letterAt = [&](int index) {
        const QRectF ink = metrics.tightBoundingRect(field.tile(index).letter);
        return QRectF(place(index)).center() - ink.center();
    };

    // The line runs from tile to tile in the order they were picked, stopping short of each
    // letter, with an arrowhead between two tiles for the way it went; where the tiles hold no
    // numbers, a ring round the first letter marks where it starts.
    QList<int> chain;
    for (const int index : path.chain) {
        if (field.contains(index)) {
            chain.append(index);
        }
    }
    const qreal pen = std::max<qreal>(2.0, tile / 9.0);
    if (!chain.isEmpty()) {
        QPainterPath whole;
        whole.addRect(QRectF(0, 0, extent, extent));
        QPainterPath letters;
        for (const int index : chain) {
            letters.addRect(letterBox(index).adjusted(-pen, -pen, pen, pen));
        }
        p.save();
        p.setClipPath(whole.subtracted(letters));
        p.setPen(QPen(theme::kGold, pen, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (qsizetype k = 1; k < chain.size(); ++k) {
            p.drawLine(QRectF(place(chain.at(k - 1))).center(),
                       QRectF(place(chain.at(k))).center());
        }
        p.restore();
        // Each arrowhead in the middle of the room between the two letters, clear of both.
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kGold);
        const qreal head = std::clamp(tile * 0.3, 4.0, 10.0);
        for (qsizetype k = 1; k < chain.size(); ++k) {
            const QRectF from = letterBox(chain.at(k - 1));
            const QRectF to = letterBox(chain.at(k));
            const QPointF step = to.center() - from.center();
            const QPointF unit = step / std::hypot(step.x(), step.y());
            const qreal leave = exitDistance(from, unit);
            const qreal room = std::hypot(step.x(), step.y()) - leave - exitDistance(to, unit);
            const qreal length = std::min(head, room - 3.0); // a pixel and a half clear of each

            if (length >= 3) {
                const QPointF tip = from.center() + unit * (leave + (room + length) / 2);
                p.drawPolygon(arrowhead(tip, unit, length));
            }
        }
        if (tile < kNumbersFrom) {
            const QRectF first = letterBox(chain.first());
            const qreal radius = std::hypot(first.width(), first.height()) / 2 + pen;
            p.setPen(QPen(theme::kGold, std::max<qreal>(1.5, pen * 0.7)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(first.center(), radius, radius);
        }
    }

    p.setFont(letterFont);
    for (int i = 1; i <= field.count(); ++i) {
        QPainterPath glyph;
        glyph.addText(letterAt(i), letterFont, field.tile(i).letter);
        p.fillPath(glyph, path.chain.contains(i) ? LetterTile::kUsedText : LetterTile::kPlainText);
    }

    // Numbers in gold badges on the tiles' top left corners, where the tiles have room.
    if (tile >= kNumbersFrom) {
        const qreal badge = tile * 0.3;
        QFont numberFont = theme::textFont(8, true);
        numberFont.setPixelSize(std::max(static_cast<int>(badge * 0.8), 7));
        p.setFont(numberFont);
        int order = 0;
        for (const int index : path.chain) {
            ++order;
            if (!field.contains(index)) {
                continue;
            }
            const QRectF round(QPointF(place(index).topLeft()) + QPointF(1, 1),
                               QSizeF(badge, badge));
            p.setPen(Qt::NoPen);
            p.setBrush(theme::kGold);
            p.drawEllipse(round);
            p.setPen(theme::kInk);
            p.drawText(round, Qt::AlignCenter, QString::number(order));
        }
    }
    p.end();
    return pixmap;
}

} // namespace vortalex
