#pragma once

#include <QFontMetrics>
#include <QString>
#include <QTextDocument>

#include <algorithm>

namespace vortalex {

// Text a player typed, a name above all, shows as typed. Labels and message boxes are told so
// (Qt::PlainText): left to guess, they take "<b>Bold</b>" for bold type and an <img> tag for a
// picture to load from the disk. A tooltip cannot be told, so its text goes in as markup that
// shows every character as it stands.
inline QString plainToolTip(const QString& text) {
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text);
}

// `line` as it fits `room` pixels: whole when it does, else with the `name` in it cut short with
// "…", so that the words around the name still read.
inline QString withNameCutToFit(const QFontMetrics& metrics, const QString& line,
                                const QString& name, int room) {
    const qsizetype at = name.isEmpty() ? -1 : line.indexOf(name);
    if (metrics.horizontalAdvance(line) <= room || at < 0) {
        return metrics.elidedText(line, Qt::ElideRight, room);
    }
    const QString before = line.left(at);
    const QString after = line.mid(at + name.size());
    const int frame = metrics.horizontalAdvance(before + after);
    return before + metrics.elidedText(name, Qt::ElideRight, std::max(room - frame, 0)) + after;
}

} // namespace vortalex
