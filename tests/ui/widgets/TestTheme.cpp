#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/PasswordBox.h"
#include "ui/widgets/ScoreGrid.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vortalex;

// The theme draws; the screens and their layouts keep deciding sizes and fonts.
class TestTheme : public QObject {
    Q_OBJECT
private slots:
    void theThemeLeavesSizesAndFontsToTheScreens() {
        ScoreGrid before;
        const int gridWidth = before.naturalWidth();

        theme::apply(*qApp);
        ScoreGrid grid; // sized to hold its scroll bar, which keeps its width
        QCOMPARE(grid.naturalWidth(), gridWidth);

        QWidget window;
        DesignLayout layout(window, design::pixels(200, 100));
        auto* button = new QPushButton(QStringLiteral("&Done"), &window);
        layout.place(button, design::pixels(10, 10, 80, 30), theme::textFont(12, true));
        // One that takes its font from the window, which the style sheet no longer hands on.
        auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &window);
        layout.place(cancel, design::pixels(100, 10, 80, 30));
        auto* password = new QLineEdit(&window);
        makeStarPasswordBox(*password);
        layout.place(password, design::pixels(10, 50, 80, 24));
        window.show();
        window.resize(400, 200);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->font().pointSizeF(), 24.0); // the style sheet names no size
        QCOMPARE(button->font().family(), theme::textFamily());
        QCOMPARE(cancel->font().pointSizeF(), window.font().pointSizeF());
        QCOMPARE(cancel->font().pointSizeF(), QApplication::font().pointSizeF() * 2);
        QCOMPARE(
            password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password),
            int('*'));
    }
};

QTEST_MAIN(TestTheme)
#include "TestTheme.moc"
