#include "TestWorld.h"
#include "core/common/SessionState.h"
#include "ui/menu/LoadSaveDialog.h"
#include "ui/menu/RegistrationDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace vortalex;

// Registration (frmName) and loading progress (frmLoadSave), each on its own fresh database.
class TestAccountDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
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
        m_world = std::make_unique<test::TestWorld>();
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
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kEmptyName});
        QCOMPARE(m_world->messages.shown.at(0).style, style::kExclamation);
        QCOMPARE(m_world->messages.shown.at(0).title, kAppTitle);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog->nameBox(), Qt::Key_Escape); // Escape is Cancel
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_session->demoRunning());
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

    // The owner is frameless, as the menu is: Qt's own placement would guess a frame for it.
    void loadOpensCentredOnTheScreenAndRegistrationOnItsOwner() {
        QWidget owner(nullptr, Qt::Window | Qt::FramelessWindowHint);
        owner.setGeometry(60, 40, 400, 300); // off the screen's centre
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        LoadSaveDialog load(m_world->services, *m_session, &owner);
        load.show();
        QVERIFY(QTest::qWaitForWindowExposed(&load));
        const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((load.frameGeometry().center() - screen).manhattanLength() <= 1);
        RegistrationDialog registration(m_world->services, *m_session, &owner);
        registration.show();
        QVERIFY(QTest::qWaitForWindowExposed(&registration));
        const QPoint off = registration.frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY2(off.manhattanLength() <= 1,
                 qPrintable(QStringLiteral("%1, %2 off").arg(off.x()).arg(off.y())));

        // Moved by the player, it stays where it was put.
        const QPoint put = registration.pos() + QPoint(30, 20);
        registration.move(put);
        QCoreApplication::processEvents();
        registration.update();
        QCoreApplication::processEvents();
        QCOMPARE(registration.pos(), put);
        // Each opening centres it again.
        registration.hide();
        registration.show();
        QVERIFY(QTest::qWaitForWindowExposed(&registration));
        QVERIFY((registration.frameGeometry().center() - owner.frameGeometry().center())
                    .manhattanLength() <= 1);

        // Centred on an owner at the screen's left edge, it would stand half off the screen.
        registration.hide();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        owner.setGeometry(available.left(), available.top() + 40, 100, 100);
        registration.show();
        QVERIFY(QTest::qWaitForWindowExposed(&registration));
        QVERIFY(available.contains(registration.frameGeometry()));
    }

    void enterLoadsAndClosesOnlyWhenThePlayerIsFound() {
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"), QStringLiteral("pw"),
                                   {true, true, false, false}));
        auto dialog = openLoad();
        QTest::keyClicks(dialog->nameBox(), QStringLiteral("Ann"));
        QTest::keyClicks(dialog->passwordBox(), QStringLiteral("no"));
        QTest::keyClick(dialog->passwordBox(), Qt::Key_Return); // Enter is Load
        QTRY_COMPARE(m_world->messages.texts(), QStringList{AccountModel::kNotFound});
        QVERIFY(dialog->isVisible());
        dialog->passwordBox()->setText(QStringLiteral("pw"));
        QTest::keyClick(dialog->passwordBox(), Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(m_world->messages.texts(),
                 (QStringList{AccountModel::kNotFound, AccountModel::kLoaded}));
        QCOMPARE(m_session->playerName(), QStringLiteral("Ann"));
    }

    void loadChecksThePasswordWhileTheWindowGoesOnWithLoadOff() {
        for (int i = 0; i < 10; ++i) {
            QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"),
                                       QStringLiteral("pw%1").arg(i), {true, false, false, false}));
        }
        auto dialog = openLoad();
        dialog->nameBox()->setText(QStringLiteral("ANN"));
        dialog->passwordBox()->setText(QStringLiteral("wrong"));
        dialog->loadButton()->click();
        // The click has returned before any answer: the hashing goes on elsewhere.
        QVERIFY(m_world->messages.shown.isEmpty());
        QVERIFY(!dialog->loadButton()->isEnabled());
        QVERIFY(dialog->cancelButton()->isEnabled());
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_COMPARE(m_world->messages.texts(), QStringList{AccountModel::kNotFound});
        QVERIFY(dialog->loadButton()->isEnabled());
        QVERIFY(dialog->cancelButton()->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(dialog->isVisible());

        dialog->passwordBox()->setText(QStringLiteral("PW9"));
        dialog->loadButton()->click();
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(m_session->playerName(), QStringLiteral("Ann"));
        QCOMPARE(m_world->messages.texts().last(), AccountModel::kLoaded);
    }

    void closingTheDialogDuringACheckDropsItsAnswer() {
        for (int i = 0; i < 10; ++i) {
            QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"),
                                       QStringLiteral("pw"), {true, true, true, true}));
        }
        auto dialog = openLoad();
        dialog->nameBox()->setText(QStringLiteral("Ann"));
        dialog->passwordBox()->setText(QStringLiteral("pw"));
        dialog->loadButton()->click();
        QTest::keyClick(dialog->passwordBox(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(m_session->demoRunning());
        // Destroyed with a check started again and still running: nothing arrives later.
        dialog->show();
        dialog->loadButton()->click();
        dialog.reset();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY(m_world->messages.shown.isEmpty());
        QCOMPARE(m_session->playerName(), QString());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aClickOnCancelDuringACheckClosesTheDialogAndDropsTheAnswer() {
        for (int i = 0; i < 10; ++i) {
            QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"),
                                       QStringLiteral("pw"), {true, true, true, true}));
        }
        auto dialog = openLoad();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->nameBox()->setText(QStringLiteral("Ann"));
        dialog->passwordBox()->setText(QStringLiteral("pw"));
        dialog->loadButton()->click();
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_session->demoRunning());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY(m_world->messages.shown.isEmpty());
        QCOMPARE(m_session->playerName(), QString());
    }

    void aRefusedTryByMouseGivesTheKeysBackToTheNameBox() {
        // The button clicked took the keyboard; the player's next keys are a corrected name.
        auto registration = openRegistration();
        QVERIFY(QTest::qWaitForWindowActive(registration.get()));
        QTest::mouseClick(registration->okButton(), Qt::LeftButton);
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kEmptyName});
        QCOMPARE(QApplication::focusWidget(), registration->nameBox());
        registration.reset();

        auto load = openLoad();
        QVERIFY(QTest::qWaitForWindowActive(load.get()));
        load->nameBox()->setText(QStringLiteral("Nobody"));
        QTest::mouseClick(load->loadButton(), Qt::LeftButton);
        QTRY_COMPARE(m_world->messages.shown.size(), 2);
        QCOMPARE(QApplication::focusWidget(), load->nameBox());
    }

    void loadWithoutADatabaseSignsNobodyIn() {
        m_world->loseDatabase();
        auto dialog = openLoad();
        dialog->nameBox()->setText(QStringLiteral("Ann"));
        QTest::mouseClick(dialog->loadButton(), Qt::LeftButton);
        QCOMPARE(m_world->messages.texts(),
                 QStringList{AccountModel::kLoadUnread + kLineBreak +
                             QStringLiteral("the game database is not open")});
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(TestAccountDialogs)
#include "TestAccountDialogs.moc"
