#include "app/QtMessageBoxes.h"
#include "app/ScreenFlow.h"
#include "data/GameDatabase.h"
#include "sound/SoundCuePlayer.h"

#include <QApplication>
#include <QDateTime>
#include <QRandomGenerator>

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
        messages.show(opened.error, msg::kCritical, kAppTitle);
    }

    playLevels(Level::Easy, services, nullptr);
    return 0;
}
