#pragma once

#include "common/MessageBox.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vortalex {

// Starts the help starter of the program folder in a process of its own and returns at once.
// Help lives outside the game, so a missing or broken starter is told to the player and
// nothing else depends on it.
class HelpLauncher {
public:
    // Starts `program` with `arguments` in `workingFolder` without waiting; false when it
    // could not be started.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder)>;

    // help.bat on Windows, help.sh elsewhere.
    static QString starterName();

    HelpLauncher(QString programFolder, MessageBoxes* messages, Starter starter = {});

    QString starterPath() const;
    bool launch();

private:
    QString m_programFolder;
    MessageBoxes* m_messages;
    Starter m_starter;
};

} // namespace vortalex
