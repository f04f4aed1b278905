#include "TestDoubles.h"
#include "menu/HelpLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
    bool m_starterWorks = true;

    HelpLauncher launcher() {
        return HelpLauncher(
            m_folder.path(), &m_messages,
            [this](const QString& program, const QStringList& arguments, const QString& folder) {
                m_starts.append({program, arguments, folder});
                return m_starterWorks;
            });
    }

private slots:
    void init() {
        m_messages = test::ScriptedMessages();
        m_starts.clear();
        m_starterWorks = true;
        QFile::remove(QDir(m_folder.path()).filePath(HelpLauncher::starterName()));
    }

    void aMissingStarterIsToldToThePlayer() {
        HelpLauncher help = launcher();
        QVERIFY(!help.launch());
        QVERIFY(m_starts.isEmpty());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Help could not be started: %1 is missing.")
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

    void aStarterThatCannotRunIsToldToThePlayer() {
        HelpLauncher help = launcher();
        QVERIFY(writeFile(help.starterPath(), "exit 0\n"));
        m_starterWorks = false;
        QVERIFY(!help.launch());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Help could not be started: %1 could not be run.")
                                 .arg(QDir::toNativeSeparators(help.starterPath()))});
    }

#ifndef Q_OS_WIN
    // The shipped help.sh opens the page beside it with the desktop's opener and returns.
    void theShippedStarterOpensTheHelpPage() {
        QTemporaryDir program;
        QTemporaryDir tools;
        const QString source = QStringLiteral(VORTALEX_SOURCE_DIR "/assets/help/");
        QVERIFY(QFile::copy(source + QStringLiteral("help.sh"),
                            QDir(program.path()).filePath(QStringLiteral("help.sh"))));
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("help")));
        QVERIFY(QFile::copy(source + QStringLiteral("index.html"),
                            QDir(program.path()).filePath(QStringLiteral("help/index.html"))));
        // A stand-in opener that notes the page it was asked to open.
        const QString opened = QDir(tools.path()).filePath(QStringLiteral("opened.txt"));
        QVERIFY(writeFile(QDir(tools.path()).filePath(QStringLiteral("xdg-open")),
                          QByteArray("#!/bin/sh\necho \"$1\" > '") + opened.toUtf8() + "'\n",
                          true));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", tools.path().toUtf8() + ':' + path);
        HelpLauncher help(program.path(), &m_messages);
        const bool started = help.launch();
        qputenv("PATH", path);
        QVERIFY(started);
        const auto openedPage = [&opened] {
            QFile file(opened);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                                  : QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            openedPage(), QDir(program.path()).filePath(QStringLiteral("help/index.html")), 5000);
        QVERIFY(m_messages.shown.isEmpty());
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
