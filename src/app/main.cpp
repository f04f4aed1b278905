#include "app/QtMessageBoxes.h"
#include "app/SplashScreen.h"
#include "data/GameDatabase.h"
#include "data/InstanceLock.h"
#include "menu/MenuScreen.h"
#include "sound/SoundCuePlayer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QPointer>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace vortalex;

namespace {

QString alreadyRunningText(const QString& databasePath) {
    return QStringLiteral("Vortalex is already running.") + kLineBreak +
           QStringLiteral("Only one game at a time can use %1; switch to the game that is open.")
               .arg(databasePath);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(VORTALEX_VERSION));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Build words from touching letter tiles against the clock."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("Deal every board from generators seeded with <n>, so that a run's deals "
                       "can be replayed. Without it, deals are seeded from the clock."),
        QStringLiteral("n"));
    options.addOption(seedOption);
    options.process(app);
    std::optional<std::uint64_t> fixedSeed;
    if (options.isSet(seedOption)) {
        bool ok = false;
        fixedSeed = options.value(seedOption).toULongLong(&ok);
        if (!ok) {
            qCritical("--seed takes a whole number, not \"%s\"",
                      qPrintable(options.value(seedOption)));
            return 2;
        }
    }
    const QString programFolder = QCoreApplication::applicationDirPath();

    QtMessageBoxes messages;
    SoundCuePlayer cues(programFolder);
    Services services;
    services.programFolder = programFolder;
    services.cues = &cues;
    services.messages = &messages;
    services.newRandom = [fixedSeed, boards = std::uint64_t{0}]() mutable {
        // Each board gets its own seed, so a replayed run deals every board as before.
        if (fixedSeed) {
            return std::make_unique<SeededRandom>(*fixedSeed + boards++);
        }
        const auto seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
                          QRandomGenerator::system()->generate64();
        return std::make_unique<SeededRandom>(seed);
    };

    const QString databasePath = GameDatabase::pathIn(programFolder);
    // Declared before the database, so its descriptor is closed after the connection.
    std::optional<InstanceLock> oneGame;
    auto opened = GameDatabase::open(databasePath);
    if (opened.db) {
        oneGame.emplace(databasePath);
        if (oneGame->state() == InstanceLock::State::HeldElsewhere) {
            // Before the menu empties the rejected words of the game that is running.
            opened.db.reset();
            messages.show(alreadyRunningText(oneGame->path()), style::kExclamation, kAppTitle);
            return 1;
        }
    }
    services.database = opened.db.get();
    if (!opened.db) {
        services.dictionaryProblemTold = true;
        messages.show(opened.error, style::kCritical, kAppTitle);
    }

    // Declared after everything it uses, so it is gone before they are.
    std::unique_ptr<MenuScreen> menu;
    QPointer<SplashScreen> splash = new SplashScreen;
    QObject::connect(splash, &SplashScreen::timeUp, [&menu, &services] {
        menu = std::make_unique<MenuScreen>(services);
        menu->show();
    });
    splash->show();
    const int status = QApplication::exec();
    delete splash; // still there only if the program ended before the hand-over
    menu.reset();
    opened.db.reset(); // closed here, whatever becomes of the sound thread
    if (!cues.shutDown(SoundCuePlayer::kShutDownGrace)) {
        // The sound back end is stuck on a hung sound server, and its exit handlers would wait
        // for it for half a minute after the window has gone. Nothing of the game's is left to
        // tear down, so the process ends without them.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
