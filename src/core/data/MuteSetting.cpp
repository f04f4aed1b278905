#include "core/data/MuteSetting.h"

#include "core/common/MuteSwitch.h"
#include "core/data/GameDatabase.h"

namespace vortalex {

namespace {

const QString kMutedSetting = QStringLiteral("SoundMuted");

} // namespace

void keepMuteChoice(MuteSwitch& mute, GameDatabase& database, const QObject* context) {
    if (const std::optional<QString> stored = database.setting(kMutedSetting)) {
        mute.setMuted(*stored == QLatin1String("1"));
    }
    QObject::connect(&mute, &MuteSwitch::mutedChanged, context, [&database](bool muted) {
        // A file the player was told cannot be written is not tried on every switch.
        if (!database.writesRefused()) {
            database.storeSetting(kMutedSetting, muted ? QStringLiteral("1") : QStringLiteral("0"));
        }
    });
}

} // namespace vortalex
