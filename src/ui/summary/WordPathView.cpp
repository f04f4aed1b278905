#include "ui/summary/WordPathView.h"

#include "ui/widgets/DialogLook.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/Palette.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace vortalex {

namespace {

constexpr int kGap = 1;          // between tiles, in pixels
constexpr int kNumbersFrom = 24; // tiles smaller than this hold no number
const QColor kLine{255, 214, 102, 220};
const QColor kRim{15, 40, 85}; // the foot of a used tile's face

} // namespace

WordPathView::WordPathView(QWidget* parent)
    : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFont(fonts::arial(10, false, true));
    look::setTextColour(*this, palette::kHeading);
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

    // The line runs under the letters from tile to tile in the order they were picked; where
    // the tiles hold no numbers, a ring marks the first.
    QList<QPointF> centres;
    for (const int index : path.chain) {
        if (field.contains(index)) {
            centres.append(QRectF(place(index)).center());
        }
    }
    if (!centres.isEmpty()) {
        QPainterPath line(centres.first());
        for (qsizetype k = 1; k < centres.size(); ++k) {
            line.lineTo(centres.at(k));
        }
        p.setPen(QPen(kLine, std::max<qreal>(2.0, tile / 7.0), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        if (tile < kNumbersFrom) {
            p.drawEllipse(centres.first(), tile * 0.4, tile * 0.4);
        }
    }

    QFont letterFont = fonts::courier(10);
    letterFont.setPixelSize(std::max(tile * 7 / 10, 6));
    p.setFont(letterFont);
    const QFontMetricsF metrics(letterFont);
    for (int i = 1; i <= field.count(); ++i) {
        const QString& letter = field.tile(i).letter;
        if (!path.chain.contains(i)) {
            p.setPen(LetterTile::kPlainText);
            p.drawText(place(i), Qt::AlignCenter, letter);
            continue;
        }
        // The word's letters stand on the line: a rim of the tile's own blue keeps them
        // readable where it crosses them.
        const QRectF box = metrics.tightBoundingRect(letter);
        const QPointF at = QRectF(place(i)).center() - box.center();
        QPainterPath glyph;
        glyph.addText(at, letterFont, letter);
        p.strokePath(glyph, QPen(kRim, std::max<qreal>(2.0, tile / 8.0), Qt::SolidLine,
                                 Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(glyph, LetterTile::kUsedText);
    }

    // Numbers in gold badges on the tiles' top left corners, where the tiles have room.
    if (tile >= kNumbersFrom) {
        const qreal badge = tile * 0.36;
        QFont numberFont = fonts::arial(8, true);
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
            p.setBrush(palette::kGold);
            p.drawEllipse(round);
            p.setPen(LetterTile::kPlainText);
            p.drawText(round, Qt::AlignCenter, QString::number(order));
        }
    }
    p.end();
    return pixmap;
}

} // namespace vortalex
