// Saves Intermediate scores 1, 2, 3, ... for one player, overwriting each time, until it is
// killed: the test kills it with SIGKILL at a moment of its choosing, most likely inside a save's
// transaction, and then checks that the database shows whole saves only.
//
//   save_child <database>
#include "TestDoubles.h"
#include "core/summary/SummaryModel.h"

#include <QCoreApplication>

#include <cstdio>

using namespace vortalex;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    auto opened = GameDatabase::open(QString::fromLocal8Bit(argv[1]));
    if (!opened.db) {
        return 2;
    }
    test::ServicesOver world(*opened.db);
    Services& services = world.services;
    SessionState& session = world.session;
    test::ScriptedMessages& messages = world.messages;
    for (int score = 1;; ++score) {
        const LevelResult result{Level::Intermediate, score, QStringLiteral("00:00"), {}, true};
        SummaryModel summary(result, services, session);
        summary.save(QStringLiteral("Ann"), QString());
        if (messages.shown.last().text != SummaryModel::kSaved) {
            return 1;
        }
        if (score == 1) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
