// LOAD with ten rows of one name and a wrong password, at the shipped round count: how long the
// interface thread is held, checked on it as LOAD used to and through the account model as it
// does now, and how long the answer takes.
#include "TestDoubles.h"

#include "common/SessionState.h"
#include "data/GameDatabase.h"
#include "data/PasswordHash.h"
#include "menu/AccountModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vortalex;

namespace {

constexpr int kRows = 10;
constexpr int kRuns = 3;

double median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    auto opened = GameDatabase::open(GameDatabase::pathIn(dir.path()));
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 1;
    }
    GameDatabase& db = *opened.db;
    for (int i = 0; i < kRows; ++i) {
        db.appendPlayer(QStringLiteral("Ann"), QStringLiteral("secret%1").arg(i),
                        {true, false, false, false});
    }
    const QString name = QStringLiteral("ANN");
    const QString wrong = QStringLiteral("wrong");

    std::vector<double> onThread;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        const bool found = db.findPlayer(name, wrong).has_value();
        onThread.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (found) {
            return 1;
        }
    }

    test::ScriptedMessages messages;
    Services services;
    services.database = &db;
    services.messages = &messages;
    SessionState session;
    AccountModel account(services, session);
    std::vector<double> startReturns;
    std::vector<double> answers;
    std::vector<double> longestGaps;
    for (int run = 0; run < kRuns; ++run) {
        // A 10 ms tick on the interface thread: the longest gap between two ticks is the
        // longest the window could not repaint or take a click.
        QElapsedTimer sinceTick;
        double longestGap = 0;
        QTimer tick;
        tick.setInterval(10);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.start();
        });
        QEventLoop loop;
        QObject::connect(&account, &AccountModel::loadFinished, &loop, &QEventLoop::quit);
        tick.start();
        sinceTick.start();
        timer.start();
        account.startLoad(name, wrong);
        startReturns.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        longestGap = std::max(longestGap, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        loop.exec();
        answers.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        longestGaps.push_back(longestGap);
    }
    if (messages.texts().size() != kRuns || session.playerName() != QString()) {
        std::fprintf(stderr, "unexpected outcome: %s\n", qPrintable(messages.texts().join('|')));
        return 1;
    }

    std::printf("LOAD, %d rows of one name, wrong password, %d rounds per row (median of %d):\n",
                kRows, password::kIterations, kRuns);
    std::printf("  checked on the interface thread (as LOAD did):   held %8.1f ms\n",
                median(onThread));
    std::printf("  through the account model: startLoad returns in     %8.1f ms\n",
                median(startReturns));
    std::printf("                             longest interface gap    %8.1f ms\n",
                median(longestGaps));
    std::printf("                             answer after             %8.1f ms\n",
                median(answers));
    return 0;
}
