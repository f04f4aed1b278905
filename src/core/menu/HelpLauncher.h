#pragma once

#include "core/common/MessageBox.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vortalex {

// Opens the help page of the data folder through its starter and returns once the starter has
// the opener's answer, within about a second and a half; the page's viewer runs on its own. Help
// lives outside the game, so a missing page or no program to show it is told to the player and
// nothing else depends on it.
class HelpLauncher {
public:
    // What a starter can report about the run it began.
    static constexpr int kNotStarted = -1;
    static constexpr int kStillRunning = -2;
    // The starter's own exit statuses (help.sh): the page is missing, no opener is installed,
    // every opener failed at once.
    static constexpr int kPageMissing = 2;
    static constexpr int kNoOpener = 3;
    static constexpr int kOpenersFailed = 4;

    // Runs `program` with `arguments` in `workingFolder` and waits briefly for it: its exit
    // status, kStillRunning when it had not ended by then (it is left alone), or kNotStarted.
    using Starter = std::function<int(const QString& program, const QStringList& arguments,
                                      const QString& workingFolder)>;

    // help.bat on Windows, help.sh elsewhere.
    static QString starterName();

    HelpLauncher(QString dataFolder, MessageBoxes* messages, Starter starter = {});

    QString starterPath() const;
    QString pagePath() const;
    // Why help could not be shown, empty when it was.
    QString start();
    // start(), telling the player when it failed.
    bool launch();

private:
    QString m_dataFolder;
    MessageBoxes* m_messages;
    Starter m_starter;
};

} // namespace vortalex
