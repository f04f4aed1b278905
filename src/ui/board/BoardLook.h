#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace vortalex {

class ClickLabel;

// How the board's labels look and read.
namespace boardlook {

// The light blue of the column's captions and of the pause sign's hint, and the white of
// the values beside the captions.
inline const QColor kCaption{196, 214, 236};
inline const QColor kValue{255, 255, 255};

// A caption with room around it: half a line on either side, a quarter above and below, so
// no button's text runs into its edges.
QSize captionRoom(const QFont& font, const QString& text);
void styleButtonLabel(ClickLabel* label);
QLabel* panelText(QWidget* parent, const QString& text, const QColor& colour, bool bold,
                  Qt::Alignment align);
// Shrinks the word being formed until it fits its column, so a long word never runs off the
// window.
void fitText(QLabel* label, const QFont& base);
// A value label reads as its caption and its value, so a screen reader says "Time: 04:59".
void nameValue(QLabel* value, const QString& caption);

} // namespace boardlook

} // namespace vortalex
