#include "core/data/NameKey.h"

namespace vortalex {

QString nameKey(const QString& name) {
    // toCaseFolded() maps one character to one, which leaves ß apart from SS; upper case
    // applies the longer mappings (ß to SS, the ligature ﬁ to FI) before folding again.
    // Decomposing first lets İ fold like the I and dot it is made of.
    return name.normalized(QString::NormalizationForm_D)
        .toCaseFolded()
        .toUpper()
        .toCaseFolded()
        .normalized(QString::NormalizationForm_C);
}

} // namespace vortalex
