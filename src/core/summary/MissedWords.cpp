#include "core/summary/MissedWords.h"

#include "core/common/FieldSolver.h"
#include "core/common/WordTracer.h"

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

std::optional<WordPath> missedWordPath(const QList<TileGrid>& fields, const QString& word) {
    for (const TileGrid& field : fields) {
        // The solver's walk and the tracer's follow the same pick rule, so the first field the
        // tracer finds the word on is the one the solver listed it from.
        if (const std::optional<QList<int>> chain = WordTracer::trace(field, word)) {
            return WordPath{word.toUpper(), field, *chain};
        }
    }
    return std::nullopt;
}

FieldShare fieldShare(const QStringList& built, const QList<MissedWord>& missed) {
    FieldShare share;
    share.found = static_cast<int>(built.size());
    share.onFields = share.found + static_cast<int>(missed.size());
    for (const QString& word : built) {
        if (word.size() > share.longest.size()) {
            share.longest = word;
        }
    }
    return share;
}

QString FieldShare::text() const {
    QString line = QStringLiteral("You found %1 of the %2 words on your fields (%3%).")
                       .arg(found)
                       .arg(onFields)
                       .arg(percent());
    if (!longest.isEmpty()) {
        line += QStringLiteral(" Longest: %1.").arg(longest);
    }
    return line;
}

} // namespace vortalex
