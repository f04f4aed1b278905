// LOAD at the shipped password policy: how long one Argon2id check and one new hash take, what a
// unit of work costs here, how long the interface thread is held while rows of one name are
// checked through the account model, and how long the worst rows a doctored file can hold keep
// a check busy against the check's time.
//
//   bench_load                     the whole report
//   bench_load --hash PASSWORD     prints a new stored hash of PASSWORD
//   bench_load --check STORED PW   checks PW against STORED once and prints the time; exits 0
//                                  on a match. Run under /usr/bin/time -v for the peak memory
//                                  of one check (a STORED that is no hash gives the baseline).
#include "TestDoubles.h"

#include "core/common/SessionState.h"
#include "core/data/GameDatabase.h"
#include "core/data/PasswordHash.h"
#include "core/menu/AccountModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vortalex;

namespace {

constexpr int kRows = 10;
constexpr int kDoctoredRows = 40;
constexpr int kRuns = 5;

double median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

double msOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        samples.push_back(msOf(work));
    }
    return median(samples);
}

struct LoadTimes {
    double startReturns = 0;
    double longestGap = 0;
    double answer = 0;
};

// One LOAD through the account model, with a 10 ms tick on the interface thread: the longest
// gap between two ticks is the longest the window could not repaint or take a click.
LoadTimes timeLoad(AccountModel& account, const QString& name, const QString& password) {
    LoadTimes times;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        times.longestGap =
            std::max(times.longestGap, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.start();
    });
    QEventLoop loop;
    QObject::connect(&account, &AccountModel::loadFinished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    tick.start();
    sinceTick.start();
    timer.start();
    account.startLoad(name, password);
    times.startReturns = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    times.longestGap = std::max(times.longestGap, times.startReturns);
    loop.exec();
    times.answer = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return times;
}

// A stored Argon2id string with other parameters than `real`'s: what a doctored file may hold.
QString withClaim(const QString& real, quint64 memoryKiB, quint64 passes) {
    QString doctored = real;
    const qsizetype from = doctored.indexOf(QStringLiteral("$m="));
    const qsizetype to = doctored.indexOf(QLatin1Char('$'), from + 1);
    return doctored.replace(from, to - from,
                            QStringLiteral("$m=%1,t=%2,p=1").arg(memoryKiB).arg(passes));
}

int checkOnce(const QString& stored, const QString& password) {
    bool matched = false;
    const double ms = msOf([&] { matched = password::matches(password, stored); });
    std::printf("one check: %.1f ms, %s\n", ms, matched ? "matched" : "no match");
    return matched ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--hash")) {
        std::printf("%s\n", qPrintable(password::hash(args[2])));
        return 0;
    }
    if (args.size() == 4 && args[1] == QStringLiteral("--check")) {
        return checkOnce(args[2], args[3]);
    }

    QTemporaryDir dir;
    auto opened = GameDatabase::open(GameDatabase::pathIn(dir.path()));
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 1;
    }
    GameDatabase& db = *opened.db;
    const password::Policy& policy = db.passwordPolicy();
    const QString secret = QStringLiteral("Secret");

    QString stored;
    const double hashMs = medianMs(kRuns, [&] { stored = password::hash(secret); });
    bool matched = true;
    const double checkMs =
        medianMs(kRuns, [&] { matched = matched && password::matches(secret, stored, policy); });
    const quint64 checkWork = password::workOf(stored, policy).value_or(0);
    // The cost of a PBKDF2 round, as a row of an older version takes it.
    password::Policy oldRows = policy;
    oldRows.leastIterations = 1;
    const QString pbkdf2 = password::pbkdf2Hash(secret, password::newSalt(), 50000);
    const double pbkdf2Ms =
        medianMs(kRuns, [&] { matched = matched && password::matches(secret, pbkdf2, oldRows); });
    if (!matched || checkWork == 0) {
        std::fprintf(stderr, "the right password did not match\n");
        return 1;
    }

    std::printf("Passwords: Argon2id m=%llu KiB, t=%llu, p=1 (median of %d)\n",
                static_cast<unsigned long long>(policy.strength.memoryBytes / 1024),
                static_cast<unsigned long long>(policy.strength.passes), kRuns);
    std::printf("  one check of the right password                %8.1f ms\n", checkMs);
    std::printf("  one new hash                                   %8.1f ms\n", hashMs);
    std::printf("  a unit of work (1 KiB x 1 pass of Argon2id)    %8.3f us\n",
                checkMs * 1e3 / static_cast<double>(checkWork));
    std::printf("  a PBKDF2 round (counted as %llu units)           %8.3f us\n",
                static_cast<unsigned long long>(password::kPbkdf2RoundWork),
                pbkdf2Ms * 1e3 / 50000);
    std::printf("  the most one hash may claim: %llu units, about %8.1f ms\n",
                static_cast<unsigned long long>(policy.mostWork),
                checkMs * static_cast<double>(policy.mostWork) / static_cast<double>(checkWork));
    std::printf("  time of one check of all the rows of a name    %8.1f ms\n",
                static_cast<double>(policy.checkTime.count()) / 1e6);

    test::ScriptedMessages messages;
    Services services(db);
    services.messages = &messages;
    SessionState session;
    AccountModel account(services, session);

    for (int i = 0; i < kRows; ++i) {
        db.appendPlayerHashed(QStringLiteral("Ann"),
                              db.passwordHash(QStringLiteral("secret%1").arg(i)),
                              {true, false, false, false});
    }
    std::vector<double> startReturns;
    std::vector<double> gaps;
    std::vector<double> answers;
    for (int run = 0; run < kRuns; ++run) {
        const LoadTimes t = timeLoad(account, QStringLiteral("ANN"), QStringLiteral("wrong"));
        startReturns.push_back(t.startReturns);
        gaps.push_back(t.longestGap);
        answers.push_back(t.answer);
    }
    std::printf("LOAD, %d rows of one name, wrong password, through the account model:\n", kRows);
    std::printf("  startLoad returns in                           %8.1f ms\n",
                median(startReturns));
    std::printf("  longest interface gap                          %8.1f ms\n", median(gaps));
    std::printf("  answer after                                   %8.1f ms\n", median(answers));

    // The rows a doctored file may hold at the most each claim that is still tried.
    const QString heavyPbkdf2 = QStringLiteral("pbkdf2-sha256$%1$c2FsdA==$%2")
                                    .arg(policy.mostWork / password::kPbkdf2RoundWork)
                                    .arg(QString::fromLatin1(QByteArray(32, 'k').toBase64()));
    const quint64 mostKiB = policy.mostMemory / 1024;
    const QString heavyArgon2 = withClaim(stored, mostKiB, policy.mostWork / mostKiB);
    for (int i = 0; i < kDoctoredRows; ++i) {
        db.appendPlayerHashed(QStringLiteral("Heavy PBKDF2"), heavyPbkdf2, {});
        db.appendPlayerHashed(QStringLiteral("Heavy Argon2id"), heavyArgon2, {});
    }
    std::printf("LOAD, %d doctored rows of one name, wrong password (one run each):\n",
                kDoctoredRows);
    for (const auto& [name, row] : {std::pair{QStringLiteral("Heavy PBKDF2"), heavyPbkdf2},
                                    std::pair{QStringLiteral("Heavy Argon2id"), heavyArgon2}}) {
        const quint64 work = password::workOf(row, policy).value_or(0);
        const LoadTimes t = timeLoad(account, name, QStringLiteral("wrong"));
        std::printf("  %-15s %llu units a row: answer after %8.1f ms, longest gap %.1f ms\n",
                    qPrintable(name), static_cast<unsigned long long>(work), t.answer,
                    t.longestGap);
    }
    if (session.playerName() != QString() || messages.texts().size() != kRuns + 2) {
        std::fprintf(stderr, "unexpected outcome: %s\n", qPrintable(messages.texts().join('|')));
        return 1;
    }

    // Twelve rows claiming the most memory and three passes ahead of the right one: the right
    // one comes too late to be tried.
    const QString threePasses = withClaim(stored, mostKiB, 3);
    for (int i = 0; i < 12; ++i) {
        db.appendPlayerHashed(QStringLiteral("Twelve ahead"), threePasses, {});
    }
    db.appendPlayerHashed(QStringLiteral("Twelve ahead"), db.passwordHash(secret), {});
    const LoadTimes t = timeLoad(account, QStringLiteral("Twelve ahead"), secret);
    std::printf("LOAD, 12 rows of %llu KiB x 3 passes ahead of the right one: answer after "
                "%8.1f ms, %s\n",
                static_cast<unsigned long long>(mostKiB), t.answer,
                session.playerName().isEmpty() ? "not found" : "signed in");
    return 0;
}
