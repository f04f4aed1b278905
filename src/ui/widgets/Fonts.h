#pragma once

#include <QFont>
#include <QStringList>

namespace vortalex::fonts {

// The game's faces with their metric-compatible stand-ins, so layouts hold where the
// original faces are not installed.
inline QFont courier(qreal points, bool bold = true) {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Monospace")});
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

inline QFont arial(qreal points, bool bold = true, bool italic = false) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// Twips to device-independent pixels (15 twips to a pixel at 96 dpi).
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

} // namespace vortalex::fonts
