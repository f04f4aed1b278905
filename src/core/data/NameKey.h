#pragma once

#include <QString>

namespace vortalex {

// The form of a name that lookups compare: letter case folded in every script (ß like SS, Σ
// like σ and ς), an accent typed as a separate mark like the accented letter. Blanks stay
// part of the name. Passwords are folded the same way before they are hashed.
QString nameKey(const QString& name);

} // namespace vortalex
