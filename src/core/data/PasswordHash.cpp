#include "PasswordHash.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace vortalex::password {

namespace {

constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32; // one block of SHA-256, so PBKDF2 needs a single chain of rounds
// How often a check looks whether it should give up: about a millisecond of rounds.
constexpr int kRoundsBetweenStopLooks = 512;
const QString kScheme = QStringLiteral("pbkdf2-sha256");

// PBKDF2-HMAC-SHA256 (RFC 8018) with one block of output, as QPasswordDigestor computes it, but
// able to give up between rounds: a check the player walked away from must not hold up the
// program for the seconds a heavy hash takes.
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

QString hash(const QString& password, const QByteArray& salt, int iterations) {
    return QStringList{kScheme, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, iterations, nullptr)->toBase64())}
        .join(QLatin1Char('$'));
}

QByteArray newSalt() {
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return salt;
}

QString hash(const QString& password) {
    return hash(password, newSalt(), kIterations);
}

bool matches(const QString& password, const QString& stored, int lowestIterations,
             const std::atomic<bool>* stop) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != kScheme) {
        return false;
    }
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations < std::max(lowestIterations, 1) || iterations > kMaxIterations) {
        return false;
    }
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    const std::optional<QByteArray> key = derive(password, salt, iterations, stop);
    return key && equalInConstantTime(*key, expected);
}

} // namespace vortalex::password
