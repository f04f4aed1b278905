#include "CuePlayer.h"

#include <QDir>
#include <QFileInfo>

namespace vortalex {

QString resolveCueFile(const QString& programFolder, const QString& cueName) {
    QString name = cueName;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/'))) {
        name.remove(0, 1);
    }
    // A cue names a file of the folder itself, never one elsewhere.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        return {};
    }
    const QDir dir(programFolder);
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
