#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

namespace vortalex {

// Passwords are kept as salted Argon2id hashes in libsodium's own string form
// ("$argon2id$v=19$m=...,t=...,p=1$salt$key"). Players have always been able to type the
// password in any case, so it is folded before hashing, as names are (nameKey()). Rows written
// by older versions hold PBKDF2-SHA256 hashes of the password in lower case; they still match,
// with that folding, until the next LOAD rewrites them.
namespace password {

// Argon2id parameters: passes over the memory, and the memory in bytes.
struct Strength {
    quint64 passes = 0;
    quint64 memoryBytes = 0;
};

inline constexpr quint64 kMiB = 1024 * 1024;
// What new hashes get (libsodium's interactive setting): 60 to 100 ms on the machine the game
// was tuned on.
inline constexpr Strength kStrength{2, 64 * kMiB};
// The least a stored Argon2id hash may claim; what current guidance asks of Argon2id.
inline constexpr Strength kLeastTrusted{2, 19 * kMiB};
// The most memory a stored hash may claim: a doctored row must not take the machine's memory.
inline constexpr quint64 kMostMemory = 128 * kMiB;

// Work is counted in units of one kibibyte of Argon2id memory filled once, about half a
// microsecond here; a PBKDF2 round costs about as much as four (bench_load measures both).
inline constexpr quint64 kPbkdf2RoundWork = 4;
// The most work one stored hash may claim: the most memory trusted with three passes, or the
// PBKDF2 rounds older versions wrote. A hash once started is finished, so this bounds how far
// a check can run past its time.
inline constexpr quint64 kMostWork = 400'000;
// How long one check of all the rows of a name may go on: no hash is started after it, and the
// name then counts as not found. With the one hash in hand, a check ends within about two
// seconds, whatever the rows claim (bench_load measures it).
inline constexpr std::chrono::milliseconds kCheckTime{1500};

// The PBKDF2 rounds older versions wrote; a row claiming more is tried up to kMostWork.
inline constexpr int kIterations = 100000;

// The time as a check's thread reads it, from any fixed point: the machine's steady clock, or a
// test's.
using Clock = std::function<std::chrono::nanoseconds()>;
std::chrono::nanoseconds steadyTime();

// How new hashes are made, which stored ones are tried and for how long. The game keeps the
// defaults; tests take fastPolicy().
struct Policy {
    Strength strength = kStrength;
    Strength leastTrusted = kLeastTrusted;
    quint64 mostMemory = kMostMemory;
    int leastIterations = kIterations;
    quint64 mostWork = kMostWork;
    std::chrono::nanoseconds checkTime = kCheckTime;
    Clock clock = steadyTime;
};

// The cheapest hashes libsodium makes and trusts, and PBKDF2 rows from 1000 rounds on: fast
// enough for tests that hash hundreds of times.
Policy fastPolicy();

// A new Argon2id hash of the folded password, with a fresh salt; empty if libsodium failed.
QString hash(const QString& password, const Strength& strength = kStrength);

// The work checking `stored` takes, or nothing when it is not a hash the policy trusts (an
// unknown form, parameters below the least or above the most, more work than one hash may
// claim): such a hash never matches and costs nothing to refuse.
std::optional<quint64> workOf(const QString& stored, const Policy& policy);
// True when `stored` is a trusted hash of `password`. Gives up, answering false, once *stop is
// set: between PBKDF2 rounds, or before Argon2id starts.
bool matches(const QString& password, const QString& stored, const Policy& policy = {},
             const std::atomic<bool>* stop = nullptr);
// The index of the first of `stored` that matches, or -1; starts no hash once the policy's
// check time has passed on its clock since the call, and stops when *stop is set.
int firstMatch(const QString& password, const QStringList& stored, const Policy& policy,
               const std::atomic<bool>* stop = nullptr);
// True when a matching `stored` should be written anew: an older kind of hash, or Argon2id of
// another strength than the policy's.
bool needsRehash(const QString& stored, const Policy& policy);

// The PBKDF2 form older versions wrote, for making such rows in tests and tools.
QByteArray newSalt();
QString pbkdf2Hash(const QString& password, const QByteArray& salt, int iterations);

} // namespace password

} // namespace vortalex
