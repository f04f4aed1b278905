#pragma once

#include "core/data/GameDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace vortalex::bench {

inline double median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// A copy of the built database in `dir`, so a benchmark never touches the player's file; null
// (after saying why) when it cannot be made.
inline std::unique_ptr<GameDatabase> copyOfBuiltDatabase(const QTemporaryDir& dir) {
    const QString path = GameDatabase::pathIn(dir.path());
    if (!QFile::copy(QStringLiteral(VORTALEX_PROGRAM_DIR "/Dictionary.mdb"), path)) {
        std::fprintf(stderr, "cannot copy the built database\n");
        return nullptr;
    }
    auto opened = GameDatabase::open(path);
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
    }
    return std::move(opened.db);
}

} // namespace vortalex::bench
