#include "app/DatabaseNotices.h"

#include "core/common/MessageBox.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"

namespace vortalex {

std::unique_ptr<GameDatabase> openDatabaseTellingProblems(const DataLocation& where,
                                                          MessageBoxes& messages) {
    OpenedGameDatabase opened = openGameDatabase(where);
    for (const DatabaseNotice& notice : std::as_const(opened.notices)) {
        messages.show(notice.text, notice.style, kAppTitle);
    }
    if (!opened.db) {
        const QString why = opened.notices.isEmpty() ? QString() : opened.notices.first().text;
        return GameDatabase::absent(why);
    }
    return std::move(opened.db);
}

} // namespace vortalex
