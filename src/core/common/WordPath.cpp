#include "core/common/WordPath.h"

#include <QStringList>

namespace vortalex {

QString WordPath::spoken() const {
    QStringList steps;
    for (const int index : chain) {
        if (!field.contains(index)) {
            continue; // a chain that does not fit its field says nothing false
        }
        steps.append(QStringLiteral("%1 row %2 column %3")
                         .arg(field.tile(index).letter)
                         .arg((index - 1) / field.side() + 1)
                         .arg((index - 1) % field.side() + 1));
    }
    return steps.join(QStringLiteral(", then "));
}

} // namespace vortalex
