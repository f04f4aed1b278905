#pragma once

// Names and pieces of SQL that several parts of GameDatabase share. Only GameDatabase*.cpp
// include this.

#include "core/common/Level.h"

#include <QString>
#include <QStringList>

// The word list's columns, shared by its creation and its repair.
#define VORTALEX_WORD_LIST_COLUMNS                                                                 \
    "(Word TEXT NOT NULL COLLATE NOCASE, Meaning TEXT NOT NULL DEFAULT '')"

namespace vortalex::sql {

// SQLite matches column names ignoring case, so this also names total's fldusername.
inline const QString kNameColumn = QStringLiteral("fldUsername");

inline QString scoreTable(Level level) {
    return QString::fromLatin1(levelInfo(level).scoreTable);
}

// The tables whose rows are looked up by name.
inline QStringList nameTables() {
    QStringList tables{QStringLiteral("tblUsers")};
    for (const Level level : allLevels()) {
        tables.append(scoreTable(level));
    }
    tables.append(QStringLiteral("total"));
    return tables;
}

} // namespace vortalex::sql
