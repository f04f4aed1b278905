#include "core/sound/Cues.h"

#include <QDir>
#include <QFileInfo>

namespace vortalex {

QString cueFileName(Cue cue) {
    switch (cue) {
    case Cue::Clicking:
        return QStringLiteral("\\CLICKING.wav");
    case Cue::Level:
        return QStringLiteral("\\level.wav");
    case Cue::Quit:
        return QStringLiteral("\\QUIT.wav");
    case Cue::LevelChosen:
        return QStringLiteral("\\sound136.wav");
    case Cue::Slide:
        return QStringLiteral("\\Slide.wav");
    case Cue::Correct:
        return QStringLiteral("\\CORRECT.wav");
    case Cue::CorrectLower:
        return QStringLiteral("\\correct.wav");
    case Cue::WrongWord:
        return QStringLiteral("\\WRONG WORD.wav");
    case Cue::Play:
        return QStringLiteral("\\shuffle.wav");
    case Cue::Shuffle:
        return QStringLiteral("\\Shuffle.wav");
    case Cue::TileDown:
        return QStringLiteral("\\TileDown.wav");
    case Cue::OhNo:
        return QStringLiteral("\\ohno.wav");
    case Cue::Winner:
        return QStringLiteral("\\WINNER.WAV");
    }
    return {};
}

QString resolveCueFile(const QString& folder, const QString& cueName) {
    QString name = cueName;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/'))) {
        name.remove(0, 1);
    }
    // A cue names a file of the folder itself, never one elsewhere.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        return {};
    }
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile()) {
        return exact;
    }
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return {};
}

} // namespace vortalex
