#pragma once

#include <QFontMetrics>
#include <QString>
#include <QTextDocument>

namespace vortalex {

// Text a player typed, a name above all, shows as typed. Labels and message boxes are told so
// (Qt::PlainText): left to guess, they take "<b>Bold</b>" for bold type and an <img> tag for a
// picture to load from the disk. A tooltip cannot be told, so its text goes in as markup that
// shows every character as it stands.
inline QString plainToolTip(const QString& text) {
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text);
}

// `line` as it fits `room` pixels: whole when it does, else with the `name` in it cut short with
// "…", so that the words around the name still read; when they alone take the room, the line is
// cut at its end instead, its name kept.
inline QString withNameCutToFit(const QFontMetrics& metrics, const QString& line,
                                const QString& name, int room) {
    const qsizetype at = name.isEmpty() ? -1 : line.indexOf(name);
    if (metrics.horizontalAdvance(line) <= room || at < 0) {
        return metrics.elidedText(line, Qt::ElideRight, room);
    }
    const QString before = line.left(at);
    const QString after = line.mid(at + name.size());
    const int nameRoom = room - metrics.horizontalAdvance(before + after);
    if (nameRoom < metrics.horizontalAdvance(name.left(1) + QChar(0x2026))) {
        return metrics.elidedText(line, Qt::ElideRight, room);
    }
    return before + metrics.elidedText(name, Qt::ElideRight, nameRoom) + after;
}

} // namespace vortalex
