#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vortalex::test {

// The contrast of two colours as the web's accessibility guidelines measure it: 1 for one colour
// on itself, 21 for black on white. Large text needs at least 3.
inline double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The face a caption stands on: `face` as drawn, a little in from its left edge at mid height,
// clear of the rim and of a centred caption.
inline QColor faceOf(QWidget* face) {
    return face->grab().toImage().pixelColor(std::max(8, face->width() / 12), face->height() / 2);
}

} // namespace vortalex::test
