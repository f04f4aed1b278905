#include "core/summary/MissedWords.h"

#include "core/common/FieldSolver.h"

#include <QSet>

#include <algorithm>

namespace vortalex {

QList<MissedWord> missedWords(const Lexicon& lexicon, const LevelInfo& level,
                              const QList<TileGrid>& fields, const QStringList& built) {
    QSet<QString> seen;
    for (const QString& word : built) {
        seen.insert(word.toUpper());
    }
    QList<MissedWord> missed;
    for (const TileGrid& field : fields) {
        for (const FoundWord& found : solveField(field, lexicon, level.minWordLength)) {
            if (!seen.contains(found.word)) {
                seen.insert(found.word);
                missed.append({found.word, level.pointsFor(static_cast<int>(found.word.size())),
                               found.common});
            }
        }
    }
    std::sort(missed.begin(), missed.end(), [](const MissedWord& a, const MissedWord& b) {
        if (a.common != b.common) {
            return a.common;
        }
        if (a.word.size() != b.word.size()) {
            return a.word.size() > b.word.size();
        }
        return a.word < b.word;
    });
    return missed;
}

} // namespace vortalex
