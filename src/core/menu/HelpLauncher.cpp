#include "HelpLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vortalex {

namespace {

bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder) {
    return QProcess::startDetached(program, arguments, workingFolder);
}

} // namespace

QString HelpLauncher::starterName() {
#ifdef Q_OS_WIN
    return QStringLiteral("help.bat");
#else
    return QStringLiteral("help.sh");
#endif
}

HelpLauncher::HelpLauncher(QString programFolder, MessageBoxes* messages, Starter starter)
    : m_programFolder(std::move(programFolder))
    , m_messages(messages)
    , m_starter(starter ? std::move(starter) : Starter(startDetached)) {}

QString HelpLauncher::starterPath() const {
    return QDir(m_programFolder).filePath(starterName());
}

bool HelpLauncher::launch() {
    const QString path = starterPath();
    const QString shown = QDir::toNativeSeparators(path);
    QString problem;
    if (!QFileInfo(path).isFile()) {
        problem = QStringLiteral("Help could not be started: %1 is missing.").arg(shown);
    } else {
#ifdef Q_OS_WIN
        // "start /min" gives the batch file a minimised window that has the focus.
        const QString program = QStringLiteral("cmd.exe");
        const QStringList arguments{QStringLiteral("/c"), QStringLiteral("start"), QString(),
                                    QStringLiteral("/min"), shown};
#else
        // Through the shell, so a starter that lost its execute bit still runs.
        const QString program = QStringLiteral("/bin/sh");
        const QStringList arguments{path};
#endif
        if (!m_starter(program, arguments, m_programFolder)) {
            problem = QStringLiteral("Help could not be started: %1 could not be run.").arg(shown);
        }
    }
    if (problem.isEmpty()) {
        return true;
    }
    if (m_messages != nullptr) {
        m_messages->show(problem, style::kExclamation, kAppTitle);
    }
    return false;
}

} // namespace vortalex
