#include "core/data/ScaleSetting.h"

#include "core/common/ScaleChoice.h"
#include "core/data/GameDatabase.h"

namespace vortalex {

namespace {

const QString kScaleSetting = QStringLiteral("WindowScale");

} // namespace

void keepScaleChoice(ScaleChoice& scale, GameDatabase& database, const QObject* context) {
    if (const std::optional<QString> stored = database.setting(kScaleSetting)) {
        bool number = false;
        const double kept = stored->toDouble(&number);
        if (number) { // a value edited by hand into nonsense leaves the design size
            scale.setScale(kept);
        }
    }
    QObject::connect(&scale, &ScaleChoice::scaleChanged, context, [&database](double chosen) {
        // A file the player was told cannot be written is not tried on every change.
        if (!database.writesRefused()) {
            database.storeSetting(kScaleSetting, QString::number(chosen, 'f', 2));
        }
    });
}

} // namespace vortalex
