#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QTransform>

#include <functional>
#include <vector>

class QPainter;
class QPixmap;
class QWidget;

namespace vortalex {

// Places in twips, the unit the rules give positions in (15 to a pixel at the design size).
namespace design {

inline constexpr int kTwipsPerPixel = 15;

// Where a screen was designed in its own pixels (no rule gives its places): the same place in
// twips, which maps back to exactly those pixels at the design size.
constexpr QRect pixels(int x, int y, int width, int height) {
    return {x * kTwipsPerPixel, y * kTwipsPerPixel, width * kTwipsPerPixel,
            height * kTwipsPerPixel};
}
constexpr QRect pixels(const QRect& place) {
    return pixels(place.x(), place.y(), place.width(), place.height());
}
constexpr QSize pixels(int width, int height) {
    return {width * kTwipsPerPixel, height * kTwipsPerPixel};
}

// A length in twips in pixels at `scale`. At the design size this is the rounding the screens
// have always used, (twips + 7) / 15, so every window opens where and as large as it did.
int toPixels(int twips, qreal scale = 1.0);
// A design place in pixels at the design size: where paint code written in design pixels (a
// backdrop drawn under transform()) finds a placed control.
inline QRect toPixels(const QRect& twips) {
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
            toPixels(twips.height())};
}
// A font at `scale`: the design font itself at 1, so nothing changes at the design size.
QFont scaledFont(const QFont& design, qreal scale);

} // namespace design

// Lays a screen out from its design: the design area (twips) and each control's design place
// (twips) and design font. Whenever the host (the window, or a page of it) changes size, the
// design area is scaled to the largest size that fits, its proportions kept, and centred; the spare
// room around it is the host's backdrop. Every placed control is then moved, sized and given its
// font at that scale, so text is laid out anew at the new size rather than stretched.
//
// How a screen uses it:
//   m_layout(*this, QSize(12000, 9000))                  // the design area, twips
//   label->setFont(theme::textFont(12));                   // the design font, set first
//   m_layout.place(label, QRect(3240, 7740, 1320, 480));  // instead of setGeometry(px(...))
//   m_layout.place(box, design::pixels(14, 74, 200, 24)); // a place designed in pixels
// A control whose parent is the host is placed relative to the design area; one whose parent is
// another placed control (a panel, a page) relative to that parent, as setGeometry() would.
// place() again moves a control (a sliding banner); setFont() changes its design font. Paint
// code draws in design pixels under transform(), or into picture(), which renders it crisply at
// the current scale; map() turns a design place into the host's pixels. scaleChanged() follows
// every new scale, for what a screen sizes itself (grid columns, row heights).
class DesignLayout final : public QObject {
    Q_OBJECT
public:
    DesignLayout(QWidget& host, QSize designTwips);

    QSize designTwips() const { return m_design; }
    // The design area at the design size: the size the host opens at.
    QSize designPixels() const;
    qreal scale() const { return m_scale; }
    // Where the design area stands in the host now.
    QRect area() const { return m_area; }
    // The host's room outside the design area, for the backdrop.
    QRegion spareRoom() const;

    void place(QWidget* widget, const QRect& twips);
    void place(QWidget* widget, const QRect& twips, const QFont& designFont);
    void setFont(QWidget* widget, const QFont& designFont);
    // The design place a control was given, and its design font.
    QRect placeOf(const QWidget* widget) const;
    QFont fontOf(const QWidget* widget) const;

    // A design place in the host's pixels now (with the design area's offset).
    QRect map(const QRect& twips) const;
    QPoint map(const QPoint& twips) const;
    // A design length in pixels now, without any offset: a column's width, a row's height.
    int length(int twips) const { return design::toPixels(twips, m_scale); }
    QFont font(const QFont& designFont) const { return design::scaledFont(designFont, m_scale); }
    // Design pixels to the host's pixels now, for paint code written for the design size.
    QTransform transform() const;
    // A picture of the design area drawn by `draw` in design pixels, at the current scale and
    // the given pixel ratio: sharp at every size, and drawn once rather than on every paint.
    QPixmap picture(qreal pixelRatio, const std::function<void(QPainter&)>& draw) const;

    // Lays everything out for the host's size now; the host's resizes call it themselves.
    void refresh();

signals:
    void scaleChanged(qreal scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect twips;
        QFont font;
        bool ownFont = false;
    };
    Placed* find(const QWidget* widget);
    const Placed* find(const QWidget* widget) const;
    void apply(const Placed& placed) const;

    QWidget& m_host;
    QSize m_design;
    QFont m_hostFont;
    bool m_hostFontSet;
    qreal m_scale = 1.0;
    QRect m_area;
    std::vector<Placed> m_placed;
};

} // namespace vortalex
