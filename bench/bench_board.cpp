// Median time of one deal tick on the 11 x 11 board (fill plus repaint of its 121 tiles) and of
// one accepted "Done" (dictionary lookup, refill, repaint), offscreen, on a copy of the built
// database.
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
#include <vector>

using namespace vortalex;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
        while (screen.model().dealRunning()) {
            timer.start();
            screen.model().dealTick();
            screen.repaint();
            dealTicks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        for (int k = 0; k < 20; ++k) {
            const QList<int> tiles{1, 2, 3, 4, 5, 6};
            for (int t : tiles) {
                screen.model().clickTile(t);
            }
            const QString word = screen.model().word();
            QSqlQuery insert(raw);
            insert.prepare(
                QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) VALUES (?, 'x')"));
            insert.addBindValue(word);
            insert.exec();
            const auto before = screen.model().words().size();
            timer.start();
            screen.model().doubleClickTile(6);
            screen.repaint();
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (screen.model().words().size() == before + 1) {
                dones.push_back(ms);
            } else {
                screen.model().runCommand(BoardCommand::Clear);
            }
        }
        screen.model().clickTile(0);
    }
    std::printf("deal tick, 11 x 11, fill + repaint: median %.3f ms over %zu ticks (goal < 2 ms)\n",
                bench::median(dealTicks), dealTicks.size());
    std::printf(
        "accepted Done, lookup + refill + repaint: median %.3f ms over %zu words (goal < 5 ms)\n",
        bench::median(dones), dones.size());
    return 0;
}
