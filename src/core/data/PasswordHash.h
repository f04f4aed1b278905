#pragma once

#include <QString>

namespace vortalex {

// Passwords are kept as salted PBKDF2-SHA256 hashes. The password is folded to lower case
// before hashing because players have always been able to type it in any case.
namespace password {

inline constexpr int kIterations = 100000;

QString hash(const QString& password);
QByteArray newSalt();
QString hash(const QString& password, const QByteArray& salt, int iterations);
bool matches(const QString& password, const QString& stored);

} // namespace password

} // namespace vortalex
