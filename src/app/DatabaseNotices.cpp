#include "app/DatabaseNotices.h"

#include "core/common/Services.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"

namespace vortalex {

std::unique_ptr<GameDatabase> openDatabaseTellingProblems(const DataLocation& where,
                                                          Services& services) {
    services.dataFolder = where.dataFolder;
    services.databasePath = where.databasePath;
    OpenedGameDatabase opened = openGameDatabase(where);
    for (const DatabaseNotice& notice : std::as_const(opened.notices)) {
        services.messages->show(notice.text, notice.style, kAppTitle);
    }
    services.database = opened.db.get();
    return std::move(opened.db);
}

} // namespace vortalex
