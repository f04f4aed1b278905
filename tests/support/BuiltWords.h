#pragma once

#include "core/common/Lexicon.h"
#include "core/data/GameDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace vortalex::test {

// The word tree of the Dictionary.mdb the build made, read from a copy so that no test touches
// the file a player uses; null when it cannot be read. The test needs the build's dictionary
// (add_dependencies on vortalex_dictionary).
inline std::shared_ptr<const Lexicon> builtWordTree() {
    QTemporaryDir dir;
    const QString copy = GameDatabase::pathIn(dir.path());
    if (!QFile::copy(GameDatabase::pathIn(QStringLiteral(VORTALEX_PROGRAM_DIR)), copy)) {
        return nullptr;
    }
    auto opened = GameDatabase::open(copy);
    return opened.db ? opened.db->wordTree() : nullptr;
}

} // namespace vortalex::test
