#include "ui/widgets/DesignLayout.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vortalex {

namespace design {

int toPixels(int twips, qreal scale) {
    return static_cast<int>(std::floor(twips * scale / kTwipsPerPixel + 0.5));
}

QFont scaledFont(const QFont& design, qreal scale) {
    if (qFuzzyCompare(scale, 1.0)) {
        return design;
    }
    QFont scaled = design;
    if (design.pointSizeF() > 0) {
        scaled.setPointSizeF(design.pointSizeF() * scale);
    } else if (design.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, qRound(design.pixelSize() * scale)));
    }
    return scaled;
}

} // namespace design

using design::toPixels;

DesignLayout::DesignLayout(QWidget& host, QSize designTwips)
    : QObject(&host)
    , m_host(host)
    , m_design(designTwips)
    , m_hostFont(host.font())
    , m_hostFontSet(host.testAttribute(Qt::WA_SetFont)) {
    // The host opens at the design size, where every place is the one the design gives; a
    // window's scaler sizes it afterwards.
    if (!host.isVisible()) {
        host.resize(designPixels());
    }
    m_area = QRect(QPoint(0, 0), designPixels());
    host.installEventFilter(this);
    refresh();
}

QSize DesignLayout::designPixels() const {
    return {toPixels(m_design.width()), toPixels(m_design.height())};
}

QRegion DesignLayout::spareRoom() const {
    return QRegion(m_host.rect()).subtracted(m_area);
}

DesignLayout::Placed* DesignLayout::find(const QWidget* widget) {
    const auto at = std::find_if(m_placed.begin(), m_placed.end(),
                                 [widget](const Placed& p) { return p.widget == widget; });
    return at != m_placed.end() ? &*at : nullptr;
}

const DesignLayout::Placed* DesignLayout::find(const QWidget* widget) const {
    return const_cast<DesignLayout*>(this)->find(widget);
}

void DesignLayout::place(QWidget* widget, const QRect& twips) {
    if (Placed* placed = find(widget)) {
        placed->twips = twips; // moved: its design font stays the one it was placed with
        apply(*placed);
        return;
    }
    // A font of its own is its design font; one it takes from its parent scales with the
    // parent's.
    const bool ownFont = widget->testAttribute(Qt::WA_SetFont);
    m_placed.push_back({widget, twips, ownFont ? widget->font() : QFont(), ownFont});
    apply(m_placed.back());
}

void DesignLayout::place(QWidget* widget, const QRect& twips, const QFont& designFont) {
    if (Placed* placed = find(widget)) {
        placed->twips = twips;
        placed->font = designFont;
        placed->ownFont = true;
        apply(*placed);
        return;
    }
    m_placed.push_back({widget, twips, designFont, true});
    apply(m_placed.back());
}

void DesignLayout::setFont(QWidget* widget, const QFont& designFont) {
    if (Placed* placed = find(widget)) {
        placed->font = designFont;
        placed->ownFont = true;
        apply(*placed);
    } else {
        widget->setFont(font(designFont));
    }
}

QRect DesignLayout::placeOf(const QWidget* widget) const {
    const Placed* placed = find(widget);
    return placed != nullptr ? placed->twips : QRect();
}

QFont DesignLayout::fontOf(const QWidget* widget) const {
    const Placed* placed = find(widget);
    return placed != nullptr && placed->ownFont ? placed->font : widget->font();
}

QRect DesignLayout::map(const QRect& twips) const {
    return {m_area.x() + length(twips.x()), m_area.y() + length(twips.y()), length(twips.width()),
            length(twips.height())};
}

QPoint DesignLayout::map(const QPoint& twips) const {
    return {m_area.x() + length(twips.x()), m_area.y() + length(twips.y())};
}

QTransform DesignLayout::transform() const {
    return QTransform::fromTranslate(m_area.x(), m_area.y()).scale(m_scale, m_scale);
}

QPixmap DesignLayout::picture(qreal pixelRatio, const std::function<void(QPainter&)>& draw) const {
    QPixmap pixmap(m_area.size() * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(m_scale, m_scale);
    draw(p);
    return pixmap;
}

void DesignLayout::apply(const Placed& placed) const {
    QWidget* widget = placed.widget;
    if (widget == nullptr) {
        return;
    }
    // Each edge and length is rounded on its own, as the screens always did: at the design
    // size the pixels are exactly the ones they used.
    const QRect& t = placed.twips;
    const QRect pixels =
        widget->parentWidget() == &m_host
            ? map(t)
            : QRect(length(t.x()), length(t.y()), length(t.width()), length(t.height()));
    if (placed.ownFont) {
        const QFont scaled = font(placed.font);
        if (scaled != widget->font()) {
            widget->setFont(scaled);
        }
    } else if (widget->font() != m_host.font()) {
        // Handed the window's font rather than left to inherit it: a control the application's
        // style sheet styles (a push button) no longer inherits its parent's.
        widget->setFont(m_host.testAttribute(Qt::WA_SetFont) ? m_host.font() : QFont());
    }
    widget->setGeometry(pixels);
}

void DesignLayout::refresh() {
    const QSize design = designPixels();
    const QSize room = m_host.size();
    if (design.isEmpty() || room.isEmpty()) {
        return;
    }
    const qreal scale = std::min(static_cast<qreal>(room.width()) / design.width(),
                                 static_cast<qreal>(room.height()) / design.height());
    const QSize size(qRound(design.width() * scale), qRound(design.height() * scale));
    const QRect area(QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2),
                     size);
    const bool rescaled = !qFuzzyCompare(scale, m_scale);
    if (!rescaled && area == m_area) {
        return;
    }
    m_scale = scale;
    m_area = area;
    if (rescaled) {
        // What takes its font from the window (buttons, grids' headers) scales with it.
        if (m_hostFontSet || !qFuzzyCompare(scale, 1.0)) {
            m_host.setFont(font(m_hostFont));
        } else {
            m_host.setFont(QFont()); // back to the font it inherits
        }
    }
    std::erase_if(m_placed, [](const Placed& p) { return p.widget.isNull(); });
    for (const Placed& placed : m_placed) {
        apply(placed);
    }
    if (rescaled) {
        emit scaleChanged(m_scale);
    }
}

bool DesignLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_host && event->type() == QEvent::Resize) {
        refresh();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vortalex
