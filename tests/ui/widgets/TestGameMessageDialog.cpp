#include "ui/widgets/GameMessageDialog.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vortalex;

class TestGameMessageDialog : public QObject {
    Q_OBJECT
private slots:
    void eachKeyAndButtonGivesTheAnswerTheDesktopsBoxGave_data() {
        QTest::addColumn<MessageStyle>("style");
        QTest::addColumn<std::function<void(GameMessageDialog&)>>("gesture");
        QTest::addColumn<Answer>("answer");
        using Gesture = std::function<void(GameMessageDialog&)>;
        const auto key = [](Qt::Key k, Qt::KeyboardModifiers held = Qt::NoModifier) {
            return Gesture([k, held](GameMessageDialog& box) {
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box, k,
                                held);
            });
        };
        const auto click = [](Answer which) {
            return Gesture([which](GameMessageDialog& box) {
                QTest::mouseClick(box.button(which), Qt::LeftButton);
            });
        };
        const auto close = Gesture([](GameMessageDialog& box) { box.close(); });
        QTest::newRow("Return takes Yes")
            << style::kYesNoQuestion << key(Qt::Key_Return) << Answer::Yes;
        QTest::newRow("Escape is No") << style::kYesNo << key(Qt::Key_Escape) << Answer::No;
        QTest::newRow("the close button is No") << style::kYesNo << close << Answer::No;
        QTest::newRow("Y is Yes") << style::kYesNo << key(Qt::Key_Y) << Answer::Yes;
        QTest::newRow("N is No") << style::kYesNo << key(Qt::Key_N) << Answer::No;
        QTest::newRow("Alt+N is No")
            << style::kYesNo << key(Qt::Key_N, Qt::AltModifier) << Answer::No;
        QTest::newRow("No clicked") << style::kYesNoQuestion << click(Answer::No) << Answer::No;
        QTest::newRow("Tab to No, Return")
            << style::kYesNo << Gesture([key](GameMessageDialog& box) {
                   key(Qt::Key_Tab)(box);
                   key(Qt::Key_Return)(box);
               })
            << Answer::No;
        QTest::newRow("OK with Return") << style::kCritical << key(Qt::Key_Return) << Answer::Ok;
        QTest::newRow("OK with Escape") << style::kInformation << key(Qt::Key_Escape) << Answer::Ok;
        QTest::newRow("OK clicked") << style::kExclamation << click(Answer::Ok) << Answer::Ok;
    }

    void eachKeyAndButtonGivesTheAnswerTheDesktopsBoxGave() {
        QFETCH(MessageStyle, style);
        QFETCH(std::function<void(GameMessageDialog&)>, gesture);
        QFETCH(Answer, answer);
        GameMessageDialog box(QStringLiteral("Player <b>already</b> exist.\r\nOverwrite?"), style,
                              QString());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // The title the game gives every box, the text as it was written, read as
        // an alert.
        QCOMPARE(box.windowTitle(), kAppTitle);
        QCOMPARE(box.textLabel()->text(),
                 QStringLiteral("Player <b>already</b> exist.\nOverwrite?"));
        QCOMPARE(box.textLabel()->textFormat(), Qt::PlainText);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(spoken->role(), QAccessible::AlertMessage);
        QCOMPARE(spoken->text(QAccessible::Value), box.text());

        gesture(box);
        QTRY_VERIFY(!box.isVisible()); // a button's accelerator presses it with a short flash
        QCOMPARE(box.answer(), answer);
    }
};

QTEST_MAIN(TestGameMessageDialog)
#include "TestGameMessageDialog.moc"
