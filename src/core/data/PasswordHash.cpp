#include "core/data/PasswordHash.h"

#include "core/data/NameKey.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <sodium.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace vortalex::password {

namespace {

constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32; // one block of SHA-256, so PBKDF2 needs a single chain of rounds
// How often a check looks whether it should give up: about a millisecond of rounds.
constexpr int kRoundsBetweenStopLooks = 512;
constexpr QLatin1String kPbkdf2Scheme("pbkdf2-sha256");

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray argon2Input(const QString& password) {
    return nameKey(password).toUtf8();
}

// ------------------------------------------------------------------ Argon2id

struct Argon2Claim {
    quint64 memoryKiB = 0;
    quint64 passes = 0;
    quint64 lanes = 0;
};

// What a stored Argon2id string claims, read before libsodium is let near it: libsodium takes
// the memory and passes a string names, however many. Not a static: a thread left hashing at
// the program's end must not find it destroyed.
std::optional<Argon2Claim> argon2Claim(const QString& stored) {
    const QRegularExpression form(QStringLiteral(
        "^\\$argon2id\\$v=19\\$m=(\\d{1,10}),t=(\\d{1,10}),p=(\\d{1,3})\\$[A-Za-z0-9+/]{1,88}"
        "\\$[A-Za-z0-9+/]{1,88}$"));
    if (stored.size() >= static_cast<qsizetype>(crypto_pwhash_STRBYTES)) {
        return std::nullopt;
    }
    const QRegularExpressionMatch m = form.match(stored);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return Argon2Claim{m.captured(1).toULongLong(), m.captured(2).toULongLong(),
                       m.captured(3).toULongLong()};
}

bool argon2Matches(const QString& password, const QString& stored) {
    if (!sodiumReady()) {
        return false;
    }
    std::array<char, crypto_pwhash_STRBYTES> text{};
    const QByteArray latin = stored.toLatin1();
    std::memcpy(text.data(), latin.constData(), static_cast<std::size_t>(latin.size()));
    const QByteArray input = argon2Input(password);
    return crypto_pwhash_str_verify(text.data(), input.constData(),
                                    static_cast<unsigned long long>(input.size())) == 0;
}

// ------------------------------------------------------------------ PBKDF2

struct Pbkdf2Claim {
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

std::optional<Pbkdf2Claim> pbkdf2Claim(const QString& stored) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != kPbkdf2Scheme) {
        return std::nullopt;
    }
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return Pbkdf2Claim{iterations, QByteArray::fromBase64(parts[2].toLatin1()),
                       QByteArray::fromBase64(parts[3].toLatin1())};
}

// PBKDF2-HMAC-SHA256 (RFC 8018) with one block of output, as QPasswordDigestor computes it, but
// able to give up between rounds: a check the player walked away from must not hold up the
// program for the seconds a heavy hash takes. Older versions folded the password by toLower()
// only, and their rows are checked as they were written.
std::optional<QByteArray> derive(const QString& password, const QByteArray& salt, int iterations,
                                 const std::atomic<bool>* stop) {
    QMessageAuthenticationCode hmac(QCryptographicHash::Sha256, password.toLower().toUtf8());
    static constexpr char kFirstBlock[] = {0, 0, 0, 1};
    hmac.addData(salt);
    hmac.addData(kFirstBlock, sizeof kFirstBlock);
    QByteArray round = hmac.result();
    QByteArray key = round;
    for (int i = 1; i < iterations; ++i) {
        if (stop != nullptr && i % kRoundsBetweenStopLooks == 0 &&
            stop->load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        hmac.reset();
        hmac.addData(round);
        round = hmac.result();
        for (qsizetype b = 0; b < key.size(); ++b) {
            key[b] = static_cast<char>(key[b] ^ round[b]);
        }
    }
    Q_ASSERT(key.size() == kKeyBytes);
    return key;
}

bool equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) {
        return false;
    }
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return diff == 0;
}

} // namespace

std::chrono::nanoseconds steadyTime() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

Policy fastPolicy() {
    Policy policy;
    policy.strength = {crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN};
    policy.leastTrusted = policy.strength;
    policy.leastIterations = 1000;
    return policy;
}

QString hash(const QString& password, const Strength& strength) {
    if (!sodiumReady()) {
        return {};
    }
    std::array<char, crypto_pwhash_STRBYTES> text{};
    const QByteArray input = argon2Input(password);
    if (crypto_pwhash_str_alg(text.data(), input.constData(),
                              static_cast<unsigned long long>(input.size()), strength.passes,
                              static_cast<std::size_t>(strength.memoryBytes),
                              crypto_pwhash_ALG_ARGON2ID13) != 0) {
        return {};
    }
    return QString::fromLatin1(text.data());
}

std::optional<quint64> workOf(const QString& stored, const Policy& policy) {
    std::optional<quint64> work;
    if (const std::optional<Argon2Claim> claim = argon2Claim(stored)) {
        // The memory is compared in kibibytes, as the string gives it, so nothing overflows.
        if (claim->lanes == 1 && claim->passes >= policy.leastTrusted.passes &&
            claim->memoryKiB >= policy.leastTrusted.memoryBytes / 1024 &&
            claim->memoryKiB <= policy.mostMemory / 1024) {
            work = claim->memoryKiB * claim->passes;
        }
    } else if (const std::optional<Pbkdf2Claim> rounds = pbkdf2Claim(stored)) {
        if (rounds->iterations >= std::max(policy.leastIterations, 1)) {
            work = static_cast<quint64>(rounds->iterations) * kPbkdf2RoundWork;
        }
    }
    // A hash that would keep a check busy long past its time is never started.
    if (work && *work > policy.mostWork) {
        return std::nullopt;
    }
    return work;
}

bool matches(const QString& password, const QString& stored, const Policy& policy,
             const std::atomic<bool>* stop) {
    if (!workOf(stored, policy) || (stop != nullptr && stop->load())) {
        return false;
    }
    if (argon2Claim(stored)) {
        return argon2Matches(password, stored);
    }
    const std::optional<Pbkdf2Claim> claim = pbkdf2Claim(stored);
    const std::optional<QByteArray> key = derive(password, claim->salt, claim->iterations, stop);
    return key && equalInConstantTime(*key, claim->key);
}

int firstMatch(const QString& password, const QStringList& stored, const Policy& policy,
               const std::atomic<bool>* stop) {
    // Measured, not estimated: what a unit of work costs varies with the memory a row claims
    // and with what else the machine is doing.
    const std::chrono::nanoseconds deadline = policy.clock() + policy.checkTime;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stop != nullptr && stop->load()) {
            return -1;
        }
        if (!workOf(stored.at(i), policy)) {
            continue;
        }
        if (policy.clock() >= deadline) {
            return -1;
        }
        if (matches(password, stored.at(i), policy, stop)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool needsRehash(const QString& stored, const Policy& policy) {
    const std::optional<Argon2Claim> claim = argon2Claim(stored);
    return !claim || claim->passes != policy.strength.passes ||
           claim->memoryKiB != policy.strength.memoryBytes / 1024;
}

QByteArray newSalt() {
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return salt;
}

QString pbkdf2Hash(const QString& password, const QByteArray& salt, int iterations) {
    return QStringList{QString(kPbkdf2Scheme), QString::number(iterations),
                       QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, iterations, nullptr)->toBase64())}
        .join(QLatin1Char('$'));
}

} // namespace vortalex::password
