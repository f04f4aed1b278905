#include "app/QtMessageBoxes.h"
#include "data/GameDatabase.h"
#include "sound/SoundCuePlayer.h"

#include <QApplication>
#include <QWidget>

using namespace vortalex;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    const QString programFolder = QCoreApplication::applicationDirPath();

    QtMessageBoxes messages;
    auto opened = GameDatabase::open(GameDatabase::pathIn(programFolder));
    if (!opened.db) {
        messages.show(opened.error, msg::kCritical, kAppTitle);
    }
    SoundCuePlayer cues(programFolder);

    QWidget window;
    window.setWindowTitle(kAppTitle);
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
