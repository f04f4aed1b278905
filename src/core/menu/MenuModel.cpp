#include "core/menu/MenuModel.h"

#include "core/common/CuePlayer.h"
#include "core/common/WordTracer.h"
#include "core/data/GameDatabase.h"

namespace vortalex {

namespace {

const char* const kLetters = "QWDYU"
                             "NAHQI"
                             "OSETZ"
                             "CLTBR"
                             "XSPAT";

// One step of the demo: at tile `at`, when phase `phase` (A, B or C; 0 for none) is `when`,
// go to `next`. The first rule that matches wins, so the order matters: the lit tiles spell
// START, LOAD, STAT, HELP and QUIT, and the phases tell the second pass through 24, 25 and 17
// from the first.
struct DemoRule {
    int at;
    char phase;
    int when;
    int next;
    char setPhaseTo2;
    bool resetPhases;
    bool clearAfter;
};

// clang-format off
constexpr DemoRule kDemoRules[] = {
    // at, phase, when, next, phase := 2, phases := 1, clear step
    {12,   0,  0, 18,   0, false, false},
    {18,   0,  0, 24,   0, false, false},
    {24, 'A',  1, 20, 'A', false, false},
    {20,   0,  0, 25,   0, false, false},
    {25, 'C',  1, 17, 'C', false, true },
    {17, 'B',  1, 11, 'B', false, false},
    {11,   0,  0,  7,   0, false, false},
    { 7,   0,  0,  3,   0, false, false},
    { 3,   0,  0, 22,   0, false, true },
    {22,   0,  0, 18,   0, false, false},
    {24, 'A',  2, 25,   0, false, false},
    {25, 'C',  2,  8,   0, false, true },
    { 8,   0,  0, 13,   0, false, false},
    {13,   0,  0, 17,   0, false, false},
    {17, 'B',  2, 23,   0, false, false},
    {23,   0,  0,  9,   0, false, true },
    { 9,   0,  0,  5,   0, false, false},
    { 5,   0,  0, 10,   0, false, false},
    {10,   0,  0, 14,   0, false, false},
    {14,   0,  0, 12,   0, true,  true },
};
// clang-format on

} // namespace

QString MenuModel::startRefusal() {
    return QStringLiteral("START has been Selected!") + kLineBreak +
           QStringLiteral("You can execute this only once...");
}

QString MenuModel::letterAt(int index) {
    if (index < 1 || index > kSide * kSide) {
        return {};
    }
    return QString(QLatin1Char(kLetters[index - 1]));
}

MenuModel::MenuModel(SessionState& session, Services& services, MenuActions& actions,
                     QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_services(services)
    , m_actions(actions) {}

void MenuModel::load() {
    // Words rejected in an earlier run must not show up on the first summary; a database that
    // cannot be reached simply keeps them.
    m_services.database().clearWrongWords();
    m_grid.placeTiles();
    for (int i = 1; i <= m_grid.count(); ++i) {
        m_grid.tile(i).letter = letterAt(i);
    }
    resetTiles();
    m_session.setStartChosenRecord(false);
    m_session.setPlayerName(QString());
}

void MenuModel::activate() {
    resetTiles();
    setWord(QString());
    m_demoPosition = kDemoStartPosition;
    m_phaseA = 1;
    m_phaseB = 1;
    m_phaseC = 1;
}

void MenuModel::clickTile(int index) {
    stopDemo();
    if (!m_grid.contains(index)) {
        return; // the command word only stops the demo
    }
    if (m_word.size() >= kMaxWordLength) {
        return;
    }
    play(Cue::Clicking); // every click sounds on the menu, a swallowed one too
    const auto startAfterKeptCommand = [this] {
        if (m_commandKept) {
            startNewWord();
        }
    };
    if (m_picker.click(index, startAfterKeptCommand) != Pick::Taken) {
        return;
    }
    m_lit.fill(false);
    emit tilesChanged();
    setWord(m_word + m_grid.tile(index).letter);
}

void MenuModel::typeLetter(QChar letter) {
    const QChar upper = letter.toUpper();
    if (m_messageOpen || upper < QLatin1Char('A') || upper > QLatin1Char('Z')) {
        return;
    }
    stopDemo();
    if (m_commandKept) {
        startNewWord();
    }
    if (m_word.size() >= kMaxWordLength) {
        return;
    }
    const std::optional<QList<int>> chain = WordTracer::extend(m_grid, upper);
    if (!chain) {
        return;
    }
    play(Cue::Clicking);
    m_picker.forgetSwallow();
    m_grid.retrace(*chain);
    m_lit.fill(false);
    emit tilesChanged();
    setWord(WordTracer::lettersOf(m_grid, *chain));
}

void MenuModel::pressReturn() {
    if (!m_messageOpen) {
        ok();
    }
}

void MenuModel::pressClear() {
    if (!m_messageOpen) {
        clear();
    }
}

void MenuModel::doubleClickTile(int index) {
    if (m_picker.confirms(index)) {
        ok();
    }
}

void MenuModel::rightReleaseTile(int index) {
    if (m_picker.rightRelease(index)) {
        clear();
    }
}

void MenuModel::clear() {
    resetTiles();
    play(Cue::Level);
    setWord(QString());
}

void MenuModel::ok() {
    const QString command = m_word;
    if (command == QLatin1String("LOAD")) {
        m_actions.openLoad();
        activate();
    } else if (command == QLatin1String("QUIT")) {
        play(Cue::Quit);
        m_actions.quit();
    } else if (command == QLatin1String("HELP")) {
        m_actions.runHelp(); // the spelled word stays on the field
        m_commandKept = true;
    } else if (command == QLatin1String("START")) {
        start();
    } else if (command == QLatin1String("STAT")) {
        m_actions.openStats();
        activate();
    } else if (command.isEmpty()) {
        message(kNoCommand);
    } else {
        message(kNotRecognized);
        resetTiles();
        setWord(QString());
    }
}

void MenuModel::start() {
    // Read afresh from its record, as the demo's tick does: registration's Cancel clears the
    // record, and a touch of the field stops the demo before it ticks, so waiting for the tick
    // would refuse START for the rest of the run.
    m_session.takeStartChosenFromRecord();
    if (m_session.playerName().isEmpty() && !m_session.startChosen()) {
        resetTiles();
        m_actions.openRegistration();
        activate();
        setWord(QString());
        // Holds until the record is read again, at the demo's next tick or the next START; a
        // signed-in player is refused by name meanwhile.
        m_session.setStartChosen(true);
    } else {
        message(startRefusal());
        resetTiles();
        setWord(QString());
    }
}

void MenuModel::chooseLevel(Level level) {
    if (!m_session.levelOpen(level)) {
        return;
    }
    play(Cue::LevelChosen);
    m_actions.playLevels(level);
    activate();
}

void MenuModel::chooseTodaysField() {
    play(Cue::LevelChosen);
    m_actions.playTodaysField();
    activate();
}

void MenuModel::demoTick() {
    m_session.takeStartChosenFromRecord();
    m_lit.at(static_cast<std::size_t>(m_demoPosition - 1)) = true;
    emit tilesChanged();
    moveDemo();
}

void MenuModel::moveDemo() {
    const auto phase = [this](char name) -> int& {
        return name == 'A' ? m_phaseA : name == 'B' ? m_phaseB : m_phaseC;
    };
    for (const DemoRule& rule : kDemoRules) {
        if (rule.at != m_demoPosition || (rule.phase != 0 && phase(rule.phase) != rule.when)) {
            continue;
        }
        m_demoPosition = rule.next;
        if (rule.setPhaseTo2 != 0) {
            phase(rule.setPhaseTo2) = 2;
        }
        if (rule.resetPhases) {
            m_phaseA = 1;
            m_phaseB = 1;
            m_phaseC = 1;
        }
        if (rule.clearAfter) {
            setClearPending(true);
        }
        return;
    }
}

void MenuModel::clearTick() {
    resetTiles();
    setClearPending(false);
}

void MenuModel::stopDemo() {
    m_session.setDemoRunning(false);
    setClearPending(false);
}

void MenuModel::startNewWord() {
    resetTiles();
    setWord(QString());
}

void MenuModel::resetTiles() {
    m_commandKept = false;
    m_grid.reset();
    m_lit.fill(false);
    emit tilesChanged();
}

void MenuModel::setWord(const QString& word) {
    if (word != m_word) {
        m_word = word;
        emit wordChanged();
    }
}

void MenuModel::setClearPending(bool pending) {
    if (pending != m_clearPending) {
        m_clearPending = pending;
        emit clearPendingChanged(pending);
    }
}

void MenuModel::message(const QString& text) {
    if (m_services.messages != nullptr) {
        m_messageOpen = true;
        m_services.messages->show(text, style::kCritical, kAppTitle);
        m_messageOpen = false;
    }
}

void MenuModel::play(Cue cue) {
    if (m_services.cues != nullptr) {
        m_services.cues->play(cue);
    }
}

} // namespace vortalex
