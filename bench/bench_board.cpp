// Median time of one deal tick on the 11 x 11 board (fill plus repaint of its 121 tiles) and of
// one accepted "Done" (dictionary lookup, refill, repaint), offscreen, on a copy of the built
// database. Each step is timed up to the screen painted as the event loop would paint it after
// the step: what changed, not the whole window. `--whole` repaints the whole window instead.
#include "core/data/GameDatabase.h"
#include "ui/board/BoardScreen.h"

#include "BenchSupport.h"
#include "BenchWorld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace vortalex;

namespace {

bool g_whole = false;

void paint(QWidget& screen) {
    if (g_whole) {
        screen.repaint();
    } else {
        QCoreApplication::sendPostedEvents(); // the update the loop would paint next
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_whole = argc > 1 && std::strcmp(argv[1], "--whole") == 0;
    QTemporaryDir dir;
    auto opened = bench::copyOfBuiltDatabase(dir);
    if (!opened) {
        return 1;
    }
    bench::BenchWorld world(dir.path(), *opened);
    Services& services = world.services;
    SessionState& session = world.session;

    QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    raw.setDatabaseName(opened->path());
    raw.open();

    std::vector<double> dealTicks;
    std::vector<double> dones;
    QElapsedTimer timer;
    for (int round = 0; round < 60; ++round) {
        BoardScreen screen(Level::Expert, services, session);
        screen.show();
        QCoreApplication::processEvents();
        screen.model().clickCommand(BoardCommand::Play);
        paint(screen);
        while (screen.model().dealRunning()) {
            timer.start();
            screen.model().dealTick();
            paint(screen);
            dealTicks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        for (int k = 0; k < 20; ++k) {
            const QList<int> tiles{1, 2, 3, 4, 5, 6};
            for (int t : tiles) {
                screen.model().clickTile(t);
            }
            paint(screen);
            const QString word = screen.model().word();
            QSqlQuery insert(raw);
            insert.prepare(
                QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) VALUES (?, 'x')"));
            insert.addBindValue(word);
            insert.exec();
            const auto before = screen.model().words().size();
            timer.start();
            screen.model().doubleClickTile(6);
            paint(screen);
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (screen.model().words().size() == before + 1) {
                dones.push_back(ms);
            } else {
                screen.model().runCommand(BoardCommand::Clear);
            }
        }
        screen.model().clickTile(0);
    }
    const char* painted = g_whole ? "whole window" : "what changed";
    std::printf("deal tick, 11 x 11, fill + repaint (%s): median %.3f ms over %zu ticks (goal < 1 "
                "ms)\n",
                painted, bench::median(dealTicks), dealTicks.size());
    std::printf(
        "accepted Done, lookup + refill + repaint (%s): median %.3f ms over %zu words (goal "
        "< 1 ms)\n",
        painted, bench::median(dones), dones.size());
    return 0;
}
