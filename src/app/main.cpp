#include "app/DatabaseNotices.h"
#include "app/GameScreens.h"
#include "app/QtMessageBoxes.h"
#include "app/SplashScreen.h"
#include "core/common/MuteSwitch.h"
#include "core/common/ScaleChoice.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"
#include "core/data/InstanceLock.h"
#include "core/data/ScaleSetting.h"
#include "ui/sound/SoundCuePlayer.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace vortalex;

namespace {

// The program's options; the seed option is returned for reading its value.
QCommandLineOption describeOptions(QCommandLineParser& options) {
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
    return seedOption;
}

// --help and --version are answered before the window system is asked for, so they work in a
// terminal without a display. The window system's own options are not known here: any option
// this parse does not know is left for the full parse once the application exists.
void answerHelpOrVersion(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser options;
    describeOptions(options);
    // A window-system option such as "-reverse" must not read as the short options in it (-v).
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.parse(arguments);
    if (options.isSet(QStringLiteral("help"))) {
        // Without an application the parser cannot name the program itself.
        QString text = options.helpText();
        const QString program =
            argc > 0 ? QFileInfo(arguments.first()).fileName() : QStringLiteral("vortalex");
        text.replace(QStringLiteral("<executable_name>"), program);
        std::fputs(qPrintable(text), stdout);
        std::exit(0);
    }
    if (options.isSet(QStringLiteral("version"))) {
        options.showVersion();
    }
}

QString alreadyRunningText(const QString& databasePath) {
    return QStringLiteral("Vortalex is already running.") + kLineBreak +
           QStringLiteral("Only one game at a time can use %1; switch to the game that is open.")
               .arg(databasePath);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(kAppTitle);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORTALEX_VERSION));
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry and its icon; a game run from its build
    // folder finds no themed icon and keeps the window system's default.
    const QString appId = QStringLiteral("io.github.vortalex.Vortalex");
    QGuiApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));
    theme::apply(app); // every window, its first message box included, in the game's look

    QCommandLineParser options;
    const QCommandLineOption seedOption = describeOptions(options);
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
    // The database path decided here is the one the game opens for the whole run.
    const DataLocation where =
        DataLocation::prepare(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    ScaleChoice scale;
    QtMessageBoxes messages(&scale);
    SoundCuePlayer cues(where.dataFolder);
    // Every cue, QUIT's at the very end too, passes the switch before it reaches the sound
    // thread.
    MuteSwitch mute(cues);
    // Declared before the database, so its descriptor is closed after the connection.
    std::optional<InstanceLock> oneGame;
    // Taken before anything is written to the file: a second start turned away must leave the
    // running game's rejected words and word list alone.
    const auto turnedAway = [&] {
        oneGame.emplace(where.databasePath);
        if (oneGame->state() != InstanceLock::State::HeldElsewhere) {
            return false;
        }
        messages.show(alreadyRunningText(oneGame->path()), style::kExclamation, kAppTitle);
        return true;
    };
    if (turnedAway()) {
        return 1;
    }
    std::unique_ptr<GameDatabase> database = openDatabaseTellingProblems(where, messages);
    // A file the open has only now created had nothing to lock before.
    if (database->isOpen() && oneGame->state() == InstanceLock::State::Unavailable &&
        turnedAway()) {
        database.reset();
        return 1;
    }
    Services services(*database);
    services.programFolder = QCoreApplication::applicationDirPath();
    services.dataFolder = where.dataFolder;
    services.databasePath = where.databasePath;
    services.cues = &mute;
    services.mute = &mute;
    services.scale = &scale;
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

    // Gone before the database, which it writes the player's choice of size into.
    const QObject scaleKept;
    keepScaleChoice(scale, *database, &scaleKept);

    // Declared after everything it uses, so it is gone before they are.
    std::unique_ptr<GameScreens> screens;
    QPointer<SplashScreen> splash = new SplashScreen(nullptr, scale.scale());
    QObject::connect(splash, &SplashScreen::timeUp, [&screens, &services] {
        screens = std::make_unique<GameScreens>(services);
        screens->menu().show();
    });
    splash->show();
    const int status = QApplication::exec();
    delete splash; // still there only if the program ended before the hand-over
    screens.reset();
    database.reset(); // closed here, whatever becomes of the sound thread
    if (!cues.shutDown(SoundCuePlayer::kShutDownGrace)) {
        // The sound back end is stuck on a hung sound server, and its exit handlers would wait
        // for it for half a minute after the window has gone. Nothing of the game's is left to
        // tear down, so the process ends without them.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
