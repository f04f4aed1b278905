#include "core/menu/HelpLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vortalex {

namespace {

// The starter waits for its opener's answer for about a second and a half at most (less when
// the answer comes sooner); this only guards against a starter that hangs, so the menu is never
// held for long. Such a starter counts as started: its opener, in a session of its own, runs on
// when the starter is stopped.
constexpr int kDecideMs = 2500;

// A path starts a line of its own: a message box wraps long lines at the path's slashes
// otherwise, splitting a name in two.
QString missing(const QString& path) {
    return QStringLiteral("Help could not be started:") + kLineBreak +
           QStringLiteral("%1 is missing.").arg(path);
}

int runBriefly(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    // No pipes to inherit: the viewer the starter leaves running must not keep any open.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(kDecideMs)) {
        return HelpLauncher::kNotStarted;
    }
    if (!process.waitForFinished(kDecideMs)) {
        // The starter is only a shell by now: its viewer runs on without it.
        return HelpLauncher::kStillRunning;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                        : HelpLauncher::kNotStarted;
}

} // namespace

QString HelpLauncher::starterName() {
#ifdef Q_OS_WIN
    return QStringLiteral("help.bat");
#else
    return QStringLiteral("help.sh");
#endif
}

HelpLauncher::HelpLauncher(QString dataFolder, MessageBoxes* messages, Starter starter)
    : m_dataFolder(std::move(dataFolder))
    , m_messages(messages)
    , m_starter(starter ? std::move(starter) : Starter(runBriefly)) {}

QString HelpLauncher::starterPath() const {
    return QDir(m_dataFolder).filePath(starterName());
}

QString HelpLauncher::pagePath() const {
    return QDir(m_dataFolder).filePath(QStringLiteral("help/index.html"));
}

QString HelpLauncher::start() {
    const QString starter = QDir::toNativeSeparators(starterPath());
    const QString page = QDir::toNativeSeparators(pagePath());
    if (!QFileInfo(pagePath()).isFile()) {
        return missing(page);
    }
    if (!QFileInfo(starterPath()).isFile()) {
        return missing(starter);
    }
#ifdef Q_OS_WIN
    // "start /min" gives the batch file a minimised window that has the focus.
    const QString program = QStringLiteral("cmd.exe");
    const QStringList arguments{QStringLiteral("/c"), QStringLiteral("start"), QString(),
                                QStringLiteral("/min"), starter};
#else
    // Through the shell, so a starter that lost its execute bit still runs.
    const QString program = QStringLiteral("/bin/sh");
    const QStringList arguments{starterPath()};
#endif
    switch (m_starter(program, arguments, m_dataFolder)) {
    case 0:
    case kStillRunning:
        return {};
    case kPageMissing:
        return missing(page);
    case kNoOpener:
        return QStringLiteral("Help could not be started: no program to open") + kLineBreak +
               QStringLiteral("%1 is installed. Install xdg-utils and a web browser.").arg(page);
    case kOpenersFailed:
        return QStringLiteral("Help could not be started: no program could open") + kLineBreak +
               QStringLiteral("%1.").arg(page);
    default:
        return QStringLiteral("Help could not be started:") + kLineBreak +
               QStringLiteral("%1 could not be run.").arg(starter);
    }
}

bool HelpLauncher::launch() {
    const QString problem = start();
    if (problem.isEmpty()) {
        return true;
    }
    if (m_messages != nullptr) {
        m_messages->show(problem, style::kExclamation, kAppTitle);
    }
    return false;
}

} // namespace vortalex
