#include "TestDoubles.h"
#include "core/menu/HelpLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace vortalex;

namespace {

bool writeFile(const QString& path, const QByteArray& content, bool executable = false) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(content);
    file.close();
    if (executable) {
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    return true;
}

#ifndef Q_OS_WIN
// The shipped starter and page in a data folder of their own, run for real with a PATH whose
// openers the test chooses.
class ShippedHelp {
public:
    ShippedHelp() {
        const QString source = QStringLiteral(VORTALEX_SOURCE_DIR "/assets/help/");
        QDir data(m_data.path());
        data.mkdir(QStringLiteral("help"));
        QFile::copy(source + QStringLiteral("help.sh"), data.filePath(QStringLiteral("help.sh")));
        QFile::copy(source + QStringLiteral("index.html"), page());
        m_path = m_tools.path() + QLatin1Char(':') + QString::fromLocal8Bit(qgetenv("PATH"));
    }
    QString page() const { return QDir(m_data.path()).filePath(QStringLiteral("help/index.html")); }
    QString opened() const { return QDir(m_tools.path()).filePath(QStringLiteral("opened.txt")); }
    QString openedPage() const {
        QFile file(opened());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                              : QString();
    }
    // An opener found first on the PATH, running `body`.
    void addOpener(const QString& name, const QByteArray& body) {
        writeFile(QDir(m_tools.path()).filePath(name), "#!/bin/sh\n" + body + "\n", true);
    }
    // Only what the starter itself needs stays on the PATH.
    void hideInstalledOpeners() {
        for (const char* tool : {"dirname", "sleep", "setsid"}) {
            const QString name = QString::fromLatin1(tool);
            QFile::link(QStandardPaths::findExecutable(name), QDir(m_tools.path()).filePath(name));
        }
        m_path = m_tools.path();
    }
    bool launch(test::ScriptedMessages& messages) {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_path.toLocal8Bit());
        const bool started = HelpLauncher(m_data.path(), &messages).launch();
        qputenv("PATH", path);
        return started;
    }

private:
    QTemporaryDir m_data;
    QTemporaryDir m_tools;
    QString m_path;
};
#endif

struct Start {
    QString program;
    QStringList arguments;
    QString folder;
};

} // namespace

class TestHelpLauncher : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    test::ScriptedMessages m_messages;
    QList<Start> m_starts;
    int m_starterStatus = 0;

    HelpLauncher launcher() {
        return HelpLauncher(
            m_folder.path(), &m_messages,
            [this](const QString& program, const QStringList& arguments, const QString& folder) {
                m_starts.append({program, arguments, folder});
                return m_starterStatus;
            });
    }

private slots:
    void init() {
        m_messages = test::ScriptedMessages();
        m_starts.clear();
        m_starterStatus = 0;
        QFile::remove(QDir(m_folder.path()).filePath(HelpLauncher::starterName()));
        QDir(m_folder.path()).mkdir(QStringLiteral("help"));
        QVERIFY(writeFile(launcher().pagePath(), "<html></html>\n"));
    }

    void aMissingStarterIsToldToThePlayer() {
        HelpLauncher help = launcher();
        QVERIFY(!help.launch());
        QVERIFY(m_starts.isEmpty());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Help could not be started:\r\n%1 is missing.")
                                 .arg(QDir::toNativeSeparators(help.starterPath()))});
        QCOMPARE(m_messages.shown.at(0).style, style::kExclamation);
    }

    void eachHelpStartsTheStarterOnceWithoutWaiting() {
        HelpLauncher help = launcher();
        QVERIFY(writeFile(help.starterPath(), "exit 0\n"));
        QVERIFY(help.launch());
        QVERIFY(help.launch());
        QCOMPARE(m_starts.size(), 2);
#ifdef Q_OS_WIN
        QVERIFY(m_starts.at(0).arguments.contains(QDir::toNativeSeparators(help.starterPath())));
#else
        QCOMPARE(m_starts.at(0).program, QStringLiteral("/bin/sh"));
        QCOMPARE(m_starts.at(0).arguments, QStringList{help.starterPath()});
#endif
        QCOMPARE(m_starts.at(0).folder, m_folder.path());
        QVERIFY(m_messages.shown.isEmpty());
    }

    void aMissingPageIsToldWithoutRunningTheStarter() {
        HelpLauncher help = launcher();
        QVERIFY(writeFile(help.starterPath(), "exit 0\n"));
        QVERIFY(QFile::remove(help.pagePath()));
        QVERIFY(!help.launch());
        QVERIFY(m_starts.isEmpty());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Help could not be started:\r\n%1 is missing.")
                                 .arg(QDir::toNativeSeparators(help.pagePath()))});
    }

    void aStarterThatIsStillRunningCountsAsStarted() {
        HelpLauncher help = launcher();
        QVERIFY(writeFile(help.starterPath(), "exit 0\n"));
        m_starterStatus = HelpLauncher::kStillRunning;
        QVERIFY(help.launch());
        QVERIFY(m_messages.shown.isEmpty());
    }

    void aStarterThatCannotRunIsToldToThePlayer() {
        HelpLauncher help = launcher();
        QVERIFY(writeFile(help.starterPath(), "exit 0\n"));
        m_starterStatus = HelpLauncher::kNotStarted;
        QVERIFY(!help.launch());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Help could not be started:\r\n%1 could not be run.")
                                 .arg(QDir::toNativeSeparators(help.starterPath()))});
    }

#ifndef Q_OS_WIN
    // The shipped help.sh opens the page beside it with the desktop's opener and returns.
    void theShippedStarterOpensTheHelpPage() {
        ShippedHelp shipped;
        // A stand-in opener that notes the page it was asked to open.
        shipped.addOpener(QStringLiteral("xdg-open"),
                          "echo \"$1\" > '" + shipped.opened().toUtf8() + "'");
        QVERIFY(shipped.launch(m_messages));
        QTRY_COMPARE_WITH_TIMEOUT(shipped.openedPage(), shipped.page(), 5000);
        QVERIFY(m_messages.shown.isEmpty());
    }

    // A browser that stays open is left running on its own; the game does not wait for it.
    void aViewerThatKeepsRunningIsLeftAlone() {
        ShippedHelp shipped;
        const QByteArray session = shipped.opened().toUtf8() + ".session";
        shipped.addOpener(QStringLiteral("xdg-open"), "cut -d' ' -f6 /proc/$$/stat > '" + session +
                                                          "'; sleep 3; echo \"$1\" > '" +
                                                          shipped.opened().toUtf8() + "'");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(shipped.launch(m_messages));
        qInfo("help decided after %lld ms with the viewer still running", clock.elapsed());
        QVERIFY(shipped.openedPage().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(shipped.openedPage(), shipped.page(), 5000);
        QVERIFY(m_messages.shown.isEmpty());
        // Detached: a session of its own, which the game's end or a Ctrl+C does not reach.
        QFile sessionFile(QString::fromUtf8(session));
        QVERIFY(sessionFile.open(QIODevice::ReadOnly));
        QVERIFY(sessionFile.readAll().trimmed().toLongLong() != ::getsid(0));
    }

    void noProgramToOpenThePageIsToldToThePlayer() {
        ShippedHelp shipped;
        shipped.hideInstalledOpeners();
        QVERIFY(!shipped.launch(m_messages));
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Help could not be started: no program to open\r\n%1 "
                                            "is installed. Install xdg-utils and a web browser.")
                                 .arg(shipped.page())});
    }

    void openersThatAllFailAtOnceAreToldToThePlayer() {
        ShippedHelp shipped;
        for (const char* opener : {"xdg-open", "sensible-browser", "x-www-browser"}) {
            shipped.addOpener(QString::fromLatin1(opener), "exit 3");
        }
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!shipped.launch(m_messages));
        qInfo("help decided after %lld ms with three failing openers", clock.elapsed());
        QCOMPARE(
            m_messages.texts(),
            QStringList{QStringLiteral("Help could not be started: no program could open\r\n%1.")
                            .arg(shipped.page())});
    }

    // xdg-open with no browser takes about half a second to give up; that is a failure too.
    void anOpenerThatFailsAfterAMomentIsToldToThePlayer() {
        ShippedHelp shipped;
        shipped.hideInstalledOpeners();
        shipped.addOpener(QStringLiteral("xdg-open"), "sleep 0.6; exit 3");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!shipped.launch(m_messages));
        qInfo("help decided after %lld ms with an opener failing after 600 ms", clock.elapsed());
        QCOMPARE(
            m_messages.texts(),
            QStringList{QStringLiteral("Help could not be started: no program could open\r\n%1.")
                            .arg(shipped.page())});
    }

    void theHelpPageCoversCommandsLevelsAndScoring() {
        QFile page(QStringLiteral(VORTALEX_SOURCE_DIR "/assets/help/index.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (const char* needle : {"START", "LOAD", "STAT", "HELP", "QUIT", "Easy", "Intermediate",
                                   "Difficult", "Expert", "5000", "7000", "9000", "&times;"}) {
            QVERIFY2(html.contains(QLatin1String(needle)), needle);
        }
    }

    void theHelpPageListsThePlayingKeys() {
        QFile page(QStringLiteral(VORTALEX_SOURCE_DIR "/assets/help/index.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (const char* key : {"Backspace", "Return", "Escape", "Space", "Tab", "Paused"}) {
            QVERIFY2(html.contains(QStringLiteral("<kbd>%1</kbd>").arg(QLatin1String(key))) ||
                         html.contains(QStringLiteral("<b>%1</b>").arg(QLatin1String(key))),
                     key);
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestHelpLauncher)
#include "TestHelpLauncher.moc"
