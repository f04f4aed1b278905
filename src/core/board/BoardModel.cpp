#include "core/board/BoardModel.h"

#include "core/common/CuePlayer.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"

#include <QDir>

namespace vortalex {

BoardModel::BoardModel(Level level, Services& services, SessionState& session, QObject* parent)
    : QObject(parent)
    , m_info(levelInfo(level))
    , m_services(services)
    , m_session(session)
    , m_deal(m_info)
    , m_grid(m_info.side) {
    connect(&m_clock, &LevelClock::ended, this, &BoardModel::endLevel);
}

BoardModel::BoardModel(const DayField& day, Services& services, SessionState& session,
                       QObject* parent)
    : QObject(parent)
    , m_info(dailyInfo())
    , m_day(day)
    , m_services(services)
    , m_session(session)
    , m_deal(m_info)
    , m_grid(m_info.side) {
    connect(&m_clock, &LevelClock::ended, this, &BoardModel::endLevel);
}

BoardModel::~BoardModel() = default;

// ------------------------------------------------------------------ lifecycle

void BoardModel::load() {
    if (m_day) {
        m_deal.seedDay(*m_day, m_services.newRandom());
    } else {
        m_deal.seed(m_services.newRandom());
    }
    m_grid = TileGrid(m_info.side);
    // A failure here must not keep the board from opening.
    m_services.database().clearWrongWords();
    emit fieldChanged();
}

void BoardModel::activate() {
    GameDatabase& db = m_services.database();
    const bool wordsReadable = db.dictionaryAvailable();
    // Each is told once per run; a database that could not be opened was told at start.
    if (!wordsReadable && db.lastErrorBusy()) {
        // Nothing is wrong with the file: another program holds it for now.
        if (!db.busyTold()) {
            db.setBusyTold();
            message(busyText(m_services.databasePath), style::kExclamation, kAppTitle);
        }
    } else if (!wordsReadable && !db.wordListProblemTold()) {
        db.setWordListProblemTold();
        message(QStringLiteral("The dictionary in %1 is missing or cannot be read, so no word can "
                               "be accepted. Reinstall the game to restore it.")
                    .arg(QDir::toNativeSeparators(m_services.databasePath)),
                style::kExclamation, kAppTitle);
    }
    setEnabled(BoardCommand::Done, false);
    setEnabled(BoardCommand::Clear, false);
    setEnabled(BoardCommand::Shuffle, false);
}

// ------------------------------------------------------------------ deals and tiles

void BoardModel::startDeal() {
    const bool wasRunning = m_deal.running();
    m_deal.start();
    if (!wasRunning) {
        emit dealRunningChanged(true);
    }
}

void BoardModel::dealTick() {
    if (!m_deal.running()) {
        return;
    }
    m_deal.tick(m_grid);
    emit fieldChanged();
    if (!m_deal.running()) {
        emit dealRunningChanged(false);
    }
}

void BoardModel::freezeDeal() {
    if (m_deal.running()) {
        if (m_deal.freeze(m_grid)) {
            emit fieldChanged();
        }
        emit dealRunningChanged(false);
    }
}

void BoardModel::announceTiles(const TileGrid& before) {
    const TileGrid& after = m_grid;
    for (int i = 1; i <= after.count(); ++i) {
        const TileRecord& was = before.tile(i);
        const TileRecord& now = after.tile(i);
        if (was.letter != now.letter || was.open != now.open || was.used != now.used ||
            before.isPlaced(i) != after.isPlaced(i) || before.colour(i) != after.colour(i)) {
            emit tileChanged(i);
        }
    }
}

void BoardModel::setEnabled(BoardCommand command, bool enabled) {
    bool& slot = m_enabled.at(static_cast<std::size_t>(command));
    if (slot != enabled) {
        slot = enabled;
        emit commandChanged(command, enabled);
    }
}

// ------------------------------------------------------------------ picking

void BoardModel::clickTile(int index) {
    if (index < 0 || index > m_grid.count()) {
        return;
    }
    m_banner.putBack();
    freezeDeal();
    if (index == 0) {
        quitGame();
        return;
    }
    // Hidden tiles take no clicks, and a finished level takes no more words.
    if (!tilesVisible() || clock() == Clock::Ended) {
        return;
    }
    const TileGrid before = m_grid;
    const Pick pick = m_picker.click(index);
    if (pick == Pick::Swallowed || pick == Pick::InWord) {
        return;
    }
    play(Cue::Clicking);
    if (pick == Pick::Taken) {
        setWord(m_word + m_grid.tile(index).letter);
        announceTiles(before);
    }
}

void BoardModel::doubleClickTile(int index) {
    if (!m_grid.contains(index) || !tilesVisible() || clock() == Clock::Ended) {
        return;
    }
    if (m_picker.confirms(index)) {
        runCommand(BoardCommand::Done);
    }
}

void BoardModel::rightReleaseTile(int index) {
    if (!m_grid.contains(index) || !tilesVisible() || clock() == Clock::Ended) {
        return;
    }
    if (m_picker.rightRelease(index)) {
        runCommand(BoardCommand::Clear);
    }
}

void BoardModel::pauseInBackground() {
    // A message's own pause framing already holds the clock (Paused), so it is left alone.
    if (clock() == Clock::Running && !m_messageOpen) {
        clickPauseLabel();
    }
}

void BoardModel::setWord(const QString& word) {
    if (m_word != word) {
        m_word = word;
        emit wordChanged(word);
    }
}

void BoardModel::resetTiles() {
    unselectTiles();
    setWord(QString());
}

void BoardModel::unselectTiles() {
    const TileGrid before = m_grid;
    m_grid.reset();
    announceTiles(before);
}

void BoardModel::quitGame() {
    m_services.database().clearWrongWords();
    emit closeRequested(ScreenOutcome::menu());
}

bool BoardModel::confirmClose() {
    const bool inPlay = clock() == Clock::Running || clock() == Clock::Paused;
    if (inPlay && message(kLeaveQuestion, style::kYesNoQuestion, kAppTitle) != Answer::Yes) {
        return false;
    }
    quitGame(); // the same way out as "Quit Game"
    return true;
}

// ------------------------------------------------------------------ commands

void BoardModel::clickCommand(BoardCommand command) {
    if (commandEnabled(command)) {
        runCommand(command);
    }
}

void BoardModel::runCommand(BoardCommand command) {
    setEnabled(BoardCommand::Play, false);
    switch (command) {
    case BoardCommand::Done:
        submitWord();
        break;
    case BoardCommand::Play:
        startLevel();
        break;
    case BoardCommand::Clear:
        clearWord();
        break;
    case BoardCommand::Shuffle:
        shuffle();
        break;
    }
}

void BoardModel::selectWord(int index) {
    if (m_selectedWord != index) {
        m_selectedWord = index;
        emit selectedWordChanged(index);
    }
}

void BoardModel::selectLastWord() {
    selectWord(static_cast<int>(m_words.size()) - 1);
}

void BoardModel::submitWord() {
    play(Cue::Slide);
    const WordLookup lookup = m_services.database().lookUpWord(m_word.toLower());
    if (lookup == WordLookup::Failed) {
        keepUncheckedWord();
        return;
    }
    if (lookup == WordLookup::NotFound) {
        rejectNotInDictionary();
        return;
    }
    if (m_word.size() < m_info.minWordLength) {
        rejectTooShort();
        return;
    }
    for (int k = 0; k < m_words.size(); ++k) {
        m_selectedWord = k; // the list is walked as the player sees it; only a match is shown
        if (m_words.at(k) == m_word) {
            emit selectedWordChanged(k);
            withClockHeld([this] {
                message(QStringLiteral("Word already used!"), style::kExclamation,
                        QStringLiteral("Duplicate Word"));
            });
            unselectTiles();
            setWord(QString());
            return;
        }
    }
    acceptWord();
    selectLastWord();
}

void BoardModel::keepUncheckedWord() {
    // Nothing is known about the word, so it is neither scored nor recorded as rejected, and
    // its tiles stay picked for the player to submit it again.
    const GameDatabase& db = m_services.database();
    const QString why = !db.isOpen()         ? QStringLiteral("it could not be opened")
                        : db.lastErrorBusy() ? QStringLiteral("another program is using it")
                                             : db.lastError();
    withClockHeld([&] {
        message(QStringLiteral("%1 could not be checked: the dictionary in %2 cannot be read (%3).")
                        .arg(m_word, QDir::toNativeSeparators(m_services.databasePath), why) +
                    kLineBreak +
                    QStringLiteral("The word stays on the field; submit it again to have it "
                                   "checked."),
                style::kExclamation, kAppTitle);
    });
}

void BoardModel::rejectNotInDictionary() {
    unselectTiles();
    if (m_word.size() >= m_info.minWordLength) {
        GameDatabase& db = m_services.database();
        const bool kept = db.isOpen() && (db.writesRefused() || db.addWrongWord(m_word));
        if (!kept) {
            // The word stays formed so the player sees what could not be kept.
            message(QStringLiteral("Word not found in the dictionary!!"), style::kPlain, QString());
            return;
        }
    }
    withClockHeld([this] {
        play(Cue::WrongWord);
        message(QStringLiteral("Sorry! Word is not in the Dictionary."),
                style::kExclamationInformation, QStringLiteral("Word Not Found"));
    });
    setWord(QString());
    selectLastWord();
}

void BoardModel::rejectTooShort() {
    unselectTiles();
    withClockHeld([this] {
        play(Cue::WrongWord);
        message(QStringLiteral("Sorry! Word is too short."), style::kExclamationInformation,
                QStringLiteral("Word Not Found"));
    });
    setWord(QString());
    selectLastWord();
}

void BoardModel::acceptWord() {
    const TileGrid before = m_grid;
    m_deal.keepBuilt(m_word, m_grid);
    m_deal.refillUsed(m_grid);
    announceTiles(before);

    m_levelTotal += m_info.basePoints;
    m_bonusPoints = m_info.bonusFor(static_cast<int>(m_word.size()));
    m_levelTotal += m_bonusPoints;
    m_wordPoints = m_info.basePoints;
    m_subTotalText = QString::number(m_bonusPoints + m_info.basePoints);
    announceScores();

    play(m_info.acceptCue);
    m_banner.show(m_word);

    m_words.append(m_word);
    emit wordAdded(m_word);
    setWord(QString());
}

void BoardModel::announceScores() {
    emit scoreChanged(m_levelTotal, m_wordPoints, m_bonusPoints, m_subTotalText);
}

void BoardModel::startLevel() {
    play(Cue::Play);
    setEnabled(BoardCommand::Done, true);
    setEnabled(BoardCommand::Clear, true);
    setEnabled(BoardCommand::Shuffle, true);
    startDeal();
    setWord(QString());
    m_words.clear();
    m_deal.forgetFields();
    m_selectedWord = -1;
    emit wordsCleared();
    m_clock.start(m_info.clockMinutes);
    m_levelTotal = 0;
    m_wordPoints = 0;
    m_bonusPoints = 0;
    announceScores();
    m_shufflesLeft = kShufflesPerGame;
}

void BoardModel::clearWord() {
    if (m_info.clearCue) {
        play(*m_info.clearCue);
    }
    resetTiles();
}

void BoardModel::shuffle() {
    withClockHeld([this] {
        message(QStringLiteral("You only have %1 Shuffles per Game!").arg(kShufflesPerGame) +
                    kLineBreak + kLineBreak + QStringLiteral("Shuffles Remaining : ") +
                    QString::number(m_shufflesLeft - 1),
                style::kInformation, kAppTitle);
    });
    play(Cue::Shuffle);
    --m_shufflesLeft;
    if (m_shufflesLeft <= 0) {
        setEnabled(BoardCommand::Shuffle, false);
    }
    startDeal();
    setWord(QString());
}

// ------------------------------------------------------------------ clock and pause

void BoardModel::clockTick() {
    m_clock.tick();
}

void BoardModel::endLevel() {
    // The clock has stopped for good: no tick, and so no second end, can come while the end
    // messages or the summary are open.
    setEnabled(BoardCommand::Done, false);
    setEnabled(BoardCommand::Clear, false);
    setEnabled(BoardCommand::Shuffle, false);
    // Messages and the summary open from the event loop, never from inside the tick.
    QMetaObject::invokeMethod(this, &BoardModel::finishLevel, Qt::QueuedConnection);
}

void BoardModel::finishLevel() {
    LevelResult result;
    result.level = m_info.level;
    result.total = m_levelTotal;
    result.timeText = m_clock.text();
    result.words = m_words;
    result.fields = m_deal.fields();
    result.builtPaths = m_deal.builtPaths();
    // A deal still running at the end shows a passing random fill, not a field to play on.
    if (!m_deal.running()) {
        result.fields.append(m_grid);
    }
    result.passed = m_info.passed(m_levelTotal);
    if (m_day) {
        // Today's field has no target: the summary tells the result, and nothing opens.
        result.day = m_day->date;
        emit levelFinished(result);
        play(m_info.passCue);
        emit levelEnded(result);
        return;
    }
    emit levelFinished(result);

    const std::optional<Level> next = m_info.next();
    if (result.passed) {
        play(m_info.passCue);
        if (next) {
            message(QStringLiteral("CONGRATULATIONS!!") + kLineBreak +
                        QStringLiteral(" you are qualified to play for the next level"),
                    style::kPlain, kAppTitle);
            m_session.setLevelOpen(*next, true);
        } else {
            message(QStringLiteral("CONGRATULATIONS YOUR AN EXPERT PLAYER!!"), style::kPlain,
                    kAppTitle);
        }
        emit levelEnded(result);
    } else if (m_info.failCue) {
        play(*m_info.failCue);
        message(QStringLiteral("GAME OVER!"), style::kPlain, kAppTitle);
        emit levelEnded(result);
    } else {
        // A failed Expert level has no summary: the board asks straight away.
        const Answer again = message(QStringLiteral("Game Over!!!!!") + kLineBreak +
                                         QStringLiteral("Do you want to try again!"),
                                     style::kYesNo, kAppTitle);
        emit closeRequested(again == Answer::Yes ? ScreenOutcome::board(m_info.level)
                                                 : ScreenOutcome::menu());
    }
}

QString BoardModel::pauseLabelText() const {
    return m_playerPaused ? QStringLiteral("Resume") : QStringLiteral("Pause");
}

void BoardModel::clickPauseLabel() {
    // Before "Play" there is no clock to pause, and a finished level stays finished.
    if (clock() == Clock::NotStarted || clock() == Clock::Ended) {
        return;
    }
    m_playerPaused = !m_playerPaused;
    emit pauseLabelChanged(pauseLabelText());
    if (m_clock.running()) {
        m_clock.pause();
    } else {
        m_clock.resume();
    }
}

void BoardModel::withClockHeld(const std::function<void()>& show) {
    // A board already paused stays paused, with its clock stopped, while the message is open.
    const bool hold = m_clock.running();
    if (hold) {
        m_clock.pause();
    }
    show();
    if (hold) {
        m_clock.resume();
    }
}

Answer BoardModel::message(const QString& text, MessageStyle style, const QString& title) {
    m_messageOpen = true;
    const Answer answer = m_services.messages->show(text, style, title);
    m_messageOpen = false;
    return answer;
}

void BoardModel::play(Cue cue) {
    m_services.cues->play(cue);
}

} // namespace vortalex
