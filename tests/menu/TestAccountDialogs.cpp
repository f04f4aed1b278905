#include "MenuTestKit.h"
#include "app/SessionState.h"
#include "menu/LoadSaveDialog.h"
#include "menu/RegistrationDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace vortalex;

// Registration (frmName) and loading progress (frmLoadSave), each on its own fresh database.
class TestAccountDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MenuWorld> m_world;
    std::unique_ptr<SessionState> m_session;

    std::unique_ptr<RegistrationDialog> openRegistration() {
        auto dialog = std::make_unique<RegistrationDialog>(m_world->services, *m_session);
        dialog->show();
        return dialog;
    }
    std::unique_ptr<LoadSaveDialog> openLoad() {
        auto dialog = std::make_unique<LoadSaveDialog>(m_world->services, *m_session);
        dialog->show();
        return dialog;
    }

private slots:
    void init() {
        m_world = std::make_unique<test::MenuWorld>();
        m_session = std::make_unique<SessionState>();
        m_session->setDemoRunning(false); // as after the player spelled the command
    }

    void cleanup() {
        m_session.reset();
        m_world.reset();
    }

    void registrationStartsInTheNameBoxAndTakesEnterAndEscape() {
        auto dialog = openRegistration();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(dialog->size(), QSize(312, 154));
        QCOMPARE(QApplication::focusWidget(), dialog->nameBox());
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QTest::keyClick(dialog->nameBox(), Qt::Key_Return); // Enter is Ok: empty name
        QCOMPARE(m_world->messages.texts(), QStringList{RegistrationDialog::kEmptyName});
        QCOMPARE(m_world->messages.shown.at(0).style, msg::kOkOnly + msg::kExclamation);
        QCOMPARE(m_world->messages.shown.at(0).title, kAppTitle);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog->nameBox(), Qt::Key_Escape); // Escape is Cancel
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_session->demoRunning());
    }

    void aNewNameSignsInWhateverItsCharacters_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Ann");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bob\"");
        QTest::newRow("sql-like") << QStringLiteral("x' OR '1'='1");
        QTest::newRow("spaces kept") << QStringLiteral("  Ann  ");
    }

    void aNewNameSignsInWhateverItsCharacters() {
        QFETCH(QString, name);
        QVERIFY(m_world->db->appendPlayer(QStringLiteral("Zed"), QStringLiteral("pw"), {}));
        auto dialog = openRegistration();
        dialog->nameBox()->setText(name);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QVERIFY(m_world->messages.shown.isEmpty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_session->playerName(), name);
        QCOMPARE(m_session->greeting(), QStringLiteral("Welcome [") + name + QStringLiteral("]"));
        QVERIFY(m_session->levelOpen(Level::Easy));
        QVERIFY(!m_session->levelOpen(Level::Intermediate));
        QVERIFY(m_session->demoRunning());
        // Registering writes nothing: the player's row comes with the first saved score.
        QVERIFY(!m_world->db->findPlayerByName(name).has_value());
    }

    void aStoredNameIsTakenInAnyLetterCase_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("same case") << QStringLiteral("O'Hara");
        QTest::newRow("other case") << QStringLiteral("o'HARA");
    }

    void aStoredNameIsTakenInAnyLetterCase() {
        QFETCH(QString, typed);
        QVERIFY(m_world->db->appendPlayer(QStringLiteral("O'Hara"), QStringLiteral("pw"), {}));
        auto dialog = openRegistration();
        dialog->nameBox()->setText(typed);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(m_world->messages.texts(), QStringList{RegistrationDialog::kNameTaken});
        QCOMPARE(m_world->messages.shown.at(0).style, msg::kOkOnly);
        QCOMPARE(m_world->messages.shown.at(0).title, kAppTitle);
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_session->playerName(), QString());
        QCOMPARE(m_session->greeting(), SessionState::kGuestGreeting);
        QVERIFY(!m_session->levelOpen(Level::Easy));
        QVERIFY(!m_session->demoRunning());
    }

    void aDatabaseThatCannotBeReadTreatsTheNameAsFree() {
        m_world->services.database = nullptr;
        auto dialog = openRegistration();
        dialog->nameBox()->setText(QStringLiteral("Ann"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(m_session->playerName(), QStringLiteral("Ann"));
        QVERIFY(m_world->messages.shown.isEmpty());
    }

    void cancelClosesEasyAndTheStartFlagButKeepsTheGreeting() {
        m_session->setPlayerName(QStringLiteral("Ann"));
        m_session->setGreeting(SessionState::welcome(QStringLiteral("Ann")));
        m_session->setLevelOpen(Level::Easy, true);
        m_session->setLevelOpen(Level::Intermediate, true);
        m_session->setStartChosen(true);
        auto dialog = openRegistration();
        dialog->nameBox()->setText(QStringLiteral("Bea"));
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!m_session->levelOpen(Level::Easy));
        QVERIFY(m_session->levelOpen(Level::Intermediate));
        QCOMPARE(m_session->startChosenText(), QStringLiteral("False"));
        QVERIFY(!m_session->startChosen());
        QVERIFY(m_session->demoRunning());
        QCOMPARE(m_session->playerName(), QStringLiteral("Ann"));
        QCOMPARE(m_session->greeting(), QStringLiteral("Welcome [Ann]"));
    }

    void loadStartsInTheNameBoxAndMasksThePassword() {
        auto dialog = openLoad();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(dialog->size(), QSize(312, 164));
        QCOMPARE(QApplication::focusWidget(), dialog->nameBox());
        QTest::keyClick(dialog->nameBox(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->passwordBox());
        QTest::keyClicks(dialog->passwordBox(), QStringLiteral("abc"));
        QCOMPARE(dialog->passwordBox()->displayText(), QStringLiteral("***"));
        QTest::keyClick(dialog->passwordBox(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_session->demoRunning());
        QVERIFY(m_world->messages.shown.isEmpty());
    }

    void loadOpensCentredOnTheScreenWhereverItsOwnerIs() {
        QWidget owner;
        owner.setGeometry(360, 420, 400, 300); // off the screen's centre
        owner.show();
        LoadSaveDialog load(m_world->services, *m_session, &owner);
        load.show();
        QVERIFY(QTest::qWaitForWindowExposed(&load));
        const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((load.geometry().center() - screen).manhattanLength() <= 4);
        RegistrationDialog registration(m_world->services, *m_session, &owner);
        registration.show();
        QVERIFY(QTest::qWaitForWindowExposed(&registration));
        QVERIFY((registration.geometry().center() - owner.geometry().center()).manhattanLength() <=
                4);
    }

    void loadNeedsTheRightNameAndPassword_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("found");
        QTest::newRow("right") << QStringLiteral("Ann") << QStringLiteral("it's \"me\"") << true;
        QTest::newRow("password case ignored")
            << QStringLiteral("Ann") << QStringLiteral("IT'S \"ME\"") << true;
        QTest::newRow("name case ignored")
            << QStringLiteral("aNN") << QStringLiteral("it's \"me\"") << true;
        QTest::newRow("wrong password")
            << QStringLiteral("Ann") << QStringLiteral("its me") << false;
        QTest::newRow("unknown name")
            << QStringLiteral("Bea") << QStringLiteral("it's \"me\"") << false;
        QTest::newRow("injection") << QStringLiteral("Ann' --") << QStringLiteral("x") << false;
    }

    void loadNeedsTheRightNameAndPassword() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, found);
        QVERIFY(m_world->db->appendPlayer(QStringLiteral("Ann"), QStringLiteral("it's \"me\""),
                                          {true, true, false, false}));
        auto dialog = openLoad();
        QTest::keyClicks(dialog->nameBox(), name);
        QTest::keyClicks(dialog->passwordBox(), password);
        QTest::keyClick(dialog->passwordBox(), Qt::Key_Return); // Enter is Load
        QCOMPARE(m_world->messages.shown.size(), 1);
        const test::ShownMessage shown = m_world->messages.shown.at(0);
        QCOMPARE(shown.title, kAppTitle);
        if (found) {
            QCOMPARE(shown.text, LoadSaveDialog::kLoaded);
            QCOMPARE(shown.style, msg::kOkOnly + msg::kInformation);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(m_session->playerName(), QStringLiteral("Ann")); // as stored
            QCOMPARE(m_session->greeting(), QStringLiteral("Welcome [Ann]"));
            QVERIFY(m_session->levelOpen(Level::Easy));
            QVERIFY(m_session->levelOpen(Level::Intermediate));
            QVERIFY(!m_session->levelOpen(Level::Difficult));
        } else {
            QCOMPARE(shown.text, LoadSaveDialog::kNotFound);
            QCOMPARE(shown.style, msg::kOkOnly + msg::kExclamation);
            QVERIFY(dialog->isVisible());
            QCOMPARE(m_session->playerName(), QString());
            QVERIFY(!m_session->levelOpen(Level::Easy));
        }
        QVERIFY(!m_session->demoRunning()); // a load leaves the demo alone
    }

    void loadReplacesEveryFlagAndTakesTheFirstMatchingRow() {
        QVERIFY(m_world->db->appendPlayer(QStringLiteral("Ann"), QStringLiteral("old"),
                                          {true, true, true, true}));
        QVERIFY(m_world->db->appendPlayer(QStringLiteral("ANN"), QStringLiteral("new"),
                                          {false, false, true, false}));
        for (const Level level : allLevels()) {
            m_session->setLevelOpen(level, level != Level::Difficult);
        }
        m_session->setPlayerName(QStringLiteral("Zed"));
        auto dialog = openLoad();
        dialog->nameBox()->setText(QStringLiteral("ann"));
        dialog->passwordBox()->setText(QStringLiteral("new"));
        QTest::mouseClick(dialog->loadButton(), Qt::LeftButton);
        QCOMPARE(m_session->playerName(), QStringLiteral("ANN"));
        QCOMPARE(m_session->greeting(), QStringLiteral("Welcome [ANN]"));
        QVERIFY(!m_session->levelOpen(Level::Easy));
        QVERIFY(!m_session->levelOpen(Level::Intermediate));
        QVERIFY(m_session->levelOpen(Level::Difficult));
        QVERIFY(!m_session->levelOpen(Level::Expert));
    }

    void loadWithoutADatabaseFindsNobody() {
        m_world->services.database = nullptr;
        auto dialog = openLoad();
        dialog->nameBox()->setText(QStringLiteral("Ann"));
        QTest::mouseClick(dialog->loadButton(), Qt::LeftButton);
        QCOMPARE(m_world->messages.texts(), QStringList{LoadSaveDialog::kNotFound});
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(TestAccountDialogs)
#include "TestAccountDialogs.moc"
