#pragma once

#include <QString>

#include <atomic>

namespace vortalex {

// Passwords are kept as salted PBKDF2-SHA256 hashes. The password is folded to lower case
// before hashing because players have always been able to type it in any case.
namespace password {

inline constexpr int kIterations = 100000;
// The most rounds a stored hash may claim; checking it takes a few seconds already.
inline constexpr int kMaxIterations = 1000000;

QString hash(const QString& password);
QByteArray newSalt();
QString hash(const QString& password, const QByteArray& salt, int iterations);
// True when `stored` is a hash of `password` whose round count lies between lowestIterations
// and kMaxIterations. Gives up, answering false, once *stop is set.
bool matches(const QString& password, const QString& stored, int lowestIterations = kIterations,
             const std::atomic<bool>* stop = nullptr);

} // namespace password

} // namespace vortalex
