#include "core/common/ScreenFlow.h"
#include "core/common/SessionState.h"

#include <QtTest>

using namespace vortalex;

namespace {

// Plays back what each opened board asks for, and remembers what was opened.
class ScriptedBoards final : public BoardOpener {
public:
    explicit ScriptedBoards(QList<ScreenOutcome> outcomes)
        : m_outcomes(std::move(outcomes)) {}
    ScreenOutcome openBoard(Level level, SessionState& session) override {
        opened.append(level);
        sessions.append(&session);
        return m_outcomes.isEmpty() ? ScreenOutcome::menu() : m_outcomes.takeFirst();
    }
    QList<Level> opened;
    QList<SessionState*> sessions;

private:
    QList<ScreenOutcome> m_outcomes;
};

} // namespace

class TestScreenFlow : public QObject {
    Q_OBJECT

private slots:
    void theLoopOpensWhatEachBoardAsksForUntilTheMenu() {
        SessionState session;
        // Easy passed, on to Intermediate; tried again; then Difficult; then back to the menu.
        ScriptedBoards boards({ScreenOutcome::board(Level::Intermediate),
                               ScreenOutcome::board(Level::Intermediate),
                               ScreenOutcome::board(Level::Difficult), ScreenOutcome::menu(),
                               ScreenOutcome::board(Level::Expert)});
        playLevels(Level::Easy, session, boards);
        QCOMPARE(boards.opened, (QList<Level>{Level::Easy, Level::Intermediate, Level::Intermediate,
                                              Level::Difficult}));
        for (SessionState* s : boards.sessions) {
            QCOMPARE(s, &session);
        }
    }

    void aBoardThatGoesStraightBackOpensNothingMore() {
        SessionState session;
        ScriptedBoards boards({ScreenOutcome::menu()});
        playLevels(Level::Expert, session, boards);
        QCOMPARE(boards.opened, QList<Level>{Level::Expert});
    }
};

QTEST_GUILESS_MAIN(TestScreenFlow)
#include "TestScreenFlow.moc"
