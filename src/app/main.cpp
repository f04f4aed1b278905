#include "app/QtMessageBoxes.h"
#include "app/SplashScreen.h"
#include "data/GameDatabase.h"
#include "menu/MenuScreen.h"
#include "sound/SoundCuePlayer.h"

#include <QApplication>
#include <QDateTime>
#include <QPointer>
#include <QRandomGenerator>

#include <memory>

using namespace vortalex;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    const QString programFolder = QCoreApplication::applicationDirPath();

    QtMessageBoxes messages;
    SoundCuePlayer cues(programFolder);
    Services services;
    services.programFolder = programFolder;
    services.cues = &cues;
    services.messages = &messages;
    services.newRandom = [] {
        const auto seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
                          QRandomGenerator::system()->generate64();
        return std::make_unique<SeededRandom>(seed);
    };

    auto opened = GameDatabase::open(GameDatabase::pathIn(programFolder));
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
    return status;
}
