#include "core/board/BoardModel.h"

#include "core/common/CuePlayer.h"
#include "core/common/WordTracer.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"

#include <QDir>

namespace vortalex {

namespace {

bool isVowel(const QString& letter) {
    return letter.size() == 1 && QStringLiteral("AEIOU").contains(letter.at(0));
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

BoardModel::BoardModel(Level level, Services& services, SessionState& session, QObject* parent)
    : QObject(parent)
    , m_info(levelInfo(level))
    , m_services(services)
    , m_session(session)
    , m_grid(m_info.side) {}

BoardModel::~BoardModel() = default;

// ------------------------------------------------------------------ lifecycle

void BoardModel::load() {
    m_random = m_services.newRandom();
    m_grid = TileGrid(m_info.side);
    // A failure here must not keep the board from opening.
    if (m_services.database != nullptr) {
        m_services.database->clearWrongWords();
    }
    emit tilesChanged();
}

void BoardModel::activate() {
    GameDatabase* db = m_services.database;
    const bool wordsReadable = db != nullptr && db->dictionaryAvailable();
    // Each is told once per run; a database that could not be opened was told at start.
    if (!wordsReadable && db != nullptr && db->lastErrorBusy()) {
        // Nothing is wrong with the file: another program holds it for now.
        if (!db->busyTold()) {
            db->setBusyTold();
            message(busyText(m_services.databasePath), style::kExclamation, kAppTitle);
        }
    } else if (!wordsReadable && db != nullptr && !db->wordListProblemTold()) {
        db->setWordListProblemTold();
        message(QStringLiteral("The dictionary in %1 is missing or cannot be read, so no word can "
                               "be accepted. Reinstall the game to restore it.")
                    .arg(QDir::toNativeSeparators(m_services.databasePath)),
                style::kExclamation, kAppTitle);
    }
    setEnabled(BoardCommand::Done, false);
    setEnabled(BoardCommand::Clear, false);
    setEnabled(BoardCommand::Shuffle, false);
}

// ------------------------------------------------------------------ letters and deals

QString BoardModel::letterSelect() {
    return QString(QChar(u'A' + m_random->draw(26) - 1));
}

void BoardModel::fillBoard() {
    m_grid.placeTiles();
    for (int i = 1; i <= m_grid.count(); ++i) {
        m_grid.tile(i).letter = letterSelect();
    }
    m_grid.reset();
    emit tilesChanged();
}

void BoardModel::fillBoardVowelCount() {
    m_grid.placeTiles();
    int vowelCount = 0;
    for (int i = 1; i <= m_grid.count(); ++i) {
        QString letter = letterSelect();
        vowelCount += isVowel(letter) ? 1 : 0;
        m_grid.tile(i).letter = std::move(letter);
    }
    m_grid.reset();
    // Turns random consonants into vowels until the quota is met; a tile that became a vowel
    // is never drawn for change again, so the loop ends.
    static const QStringList kVowels{"A", "E", "I", "O", "U"};
    while (vowelCount < m_info.vowelQuota) {
        TileRecord& t = m_grid.tile(m_random->draw(m_grid.count()));
        if (isVowel(t.letter)) {
            continue;
        }
        t.letter = kVowels.at(m_random->draw(5) - 1);
        ++vowelCount;
    }
    emit tilesChanged();
}

void BoardModel::startDeal() {
    m_dealTicks = 1;
    setDealRunning(true);
}

void BoardModel::dealTick() {
    if (!m_dealRunning) {
        return;
    }
    fillBoard();
    ++m_dealTicks;
    if (m_dealTicks == kDealTicks) {
        setDealRunning(false);
        fillBoardVowelCount();
        keepField();
    }
}

void BoardModel::freezeDeal() {
    // A click during a deal freezes the field as it stands, without the vowel quota.
    if (m_dealRunning) {
        setDealRunning(false);
        keepField();
    }
}

void BoardModel::keepField() {
    m_fields.append(m_grid);
}

void BoardModel::setDealRunning(bool running) {
    if (m_dealRunning != running) {
        m_dealRunning = running;
        emit timersChanged();
    }
}

void BoardModel::setSlideRunning(bool running) {
    if (m_slideRunning != running) {
        m_slideRunning = running;
        emit timersChanged();
    }
}

void BoardModel::setEnabled(BoardCommand command, bool enabled) {
    bool& slot = m_enabled.at(static_cast<std::size_t>(command));
    if (slot != enabled) {
        slot = enabled;
        emit commandsChanged();
    }
}

// ------------------------------------------------------------------ picking

void BoardModel::clickTile(int index) {
    if (index < 0 || index > m_grid.count()) {
        return;
    }
    putBannerBack();
    freezeDeal();
    if (index == 0) {
        quitGame();
        return;
    }
    // Hidden tiles take no clicks, and a finished level takes no more words.
    if (!tilesVisible() || m_clock == Clock::Ended) {
        return;
    }
    if (m_ignoreNextClick) {
        m_ignoreNextClick = false;
        return;
    }
    if (m_grid.tile(index).used) {
        return;
    }
    m_ignoreNextClick = false;
    play(Cue::Clicking);
    if (!m_grid.canPick(index)) {
        return;
    }
    setWord(m_word + m_grid.tile(index).letter);
    m_grid.pick(index);
    emit tilesChanged();
}

void BoardModel::doubleClickTile(int index) {
    if (!m_grid.contains(index) || !tilesVisible() || m_clock == Clock::Ended) {
        return;
    }
    if (!m_ignoreNextClick && m_grid.tile(index).used) {
        runCommand(BoardCommand::Done);
    }
}

void BoardModel::rightReleaseTile(int index) {
    if (!m_grid.contains(index) || !tilesVisible() || m_clock == Clock::Ended) {
        return;
    }
    if (m_grid.tile(index).used) {
        m_ignoreNextClick = true;
        runCommand(BoardCommand::Clear);
    }
    // The click the release completes must not pick the tile.
    m_ignoreNextClick = true;
}

void BoardModel::putBannerBack() {
    if (m_bannerVisible || m_bannerTop != kBannerStartTop) {
        m_bannerVisible = false;
        m_bannerTop = kBannerStartTop;
        emit bannerChanged();
    }
}

// ------------------------------------------------------------------ keyboard

bool BoardModel::keysTakeTiles() const {
    return !m_messageOpen && tilesVisible() && m_clock != Clock::Ended;
}

void BoardModel::typeLetter(QChar letter) {
    const QChar upper = letter.toUpper();
    if (!keysTakeTiles() || upper < QLatin1Char('A') || upper > QLatin1Char('Z')) {
        return;
    }
    const std::optional<QList<int>> chain = WordTracer::extend(m_grid, typedChain(), upper);
    if (!chain) {
        return; // no chain spells it: the letter is ignored, silently
    }
    // As a click would: the banner goes back, a running deal freezes the field as it stands.
    putBannerBack();
    freezeDeal();
    m_ignoreNextClick = false;
    play(Cue::Clicking);
    takeChain(*chain);
}

QList<int> BoardModel::typedChain() const {
    // Tiles can stay picked under a word that is gone (a shuffle empties the word before its
    // deal repaints the tiles): keys then start afresh instead of bringing that word back.
    const QList<int>& chain = m_grid.chain();
    return WordTracer::lettersOf(m_grid, chain) == m_word ? chain : QList<int>{};
}

void BoardModel::eraseLetter() {
    QList<int> chain = typedChain();
    if (!keysTakeTiles() || chain.isEmpty()) {
        return;
    }
    chain.removeLast();
    takeChain(chain);
}

void BoardModel::takeChain(const QList<int>& chain) {
    m_grid.retrace(chain);
    setWord(WordTracer::lettersOf(m_grid, chain));
    emit tilesChanged();
}

void BoardModel::submitTypedWord() {
    // A double-click on the last picked tile, which is white, runs Done.
    const QList<int> chain = typedChain();
    if (keysTakeTiles() && !chain.isEmpty()) {
        m_ignoreNextClick = false;
        doubleClickTile(chain.last());
    }
}

void BoardModel::dropTypedWord() {
    // A right click on a white tile runs Clear; no click follows a key to be swallowed.
    if (keysTakeTiles() && !typedChain().isEmpty()) {
        runCommand(BoardCommand::Clear);
    }
}

void BoardModel::pressPauseKey() {
    if (!m_messageOpen) {
        clickPauseLabel();
    }
}

void BoardModel::pauseInBackground() {
    // A message's own pause framing already holds the clock (Paused), so it is left alone.
    if (m_clock == Clock::Running && !m_messageOpen) {
        clickPauseLabel();
    }
}

void BoardModel::setWord(const QString& word) {
    if (m_word != word) {
        m_word = word;
        emit wordChanged();
    }
}

void BoardModel::resetTiles() {
    unselectTiles();
    setWord(QString());
}

void BoardModel::unselectTiles() {
    m_grid.reset();
    emit tilesChanged();
}

void BoardModel::quitGame() {
    if (m_services.database != nullptr) {
        m_services.database->clearWrongWords();
    }
    emit closeRequested(ScreenOutcome::menu());
}

bool BoardModel::confirmClose() {
    const bool inPlay = m_clock == Clock::Running || m_clock == Clock::Paused;
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

void BoardModel::selectLastWord() {
    const int last = static_cast<int>(m_words.size()) - 1;
    if (m_selectedWord != last) {
        m_selectedWord = last;
        emit wordListChanged();
    }
}

void BoardModel::submitWord() {
    play(Cue::Slide);
    GameDatabase* db = m_services.database;
    const WordLookup lookup = db != nullptr ? db->lookUpWord(m_word.toLower()) : WordLookup::Failed;
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
        m_selectedWord = k;
        if (m_words.at(k) == m_word) {
            emit wordListChanged();
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
    GameDatabase* db = m_services.database;
    const QString why = db == nullptr         ? QStringLiteral("it could not be opened")
                        : db->lastErrorBusy() ? QStringLiteral("another program is using it")
                                              : db->lastError();
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
        GameDatabase* db = m_services.database;
        const bool kept = db != nullptr && (db->writesRefused() || db->addWrongWord(m_word));
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
    for (int i = 1; i <= m_grid.count(); ++i) {
        if (m_grid.tile(i).used) {
            m_grid.tile(i).letter = letterSelect();
        }
    }
    m_grid.reset();
    emit tilesChanged();

    m_levelTotal += m_info.basePoints;
    m_bonusPoints = m_info.bonusFor(static_cast<int>(m_word.size()));
    m_levelTotal += m_bonusPoints;
    m_wordPoints = m_info.basePoints;
    m_subTotalText = QString::number(m_bonusPoints + m_info.basePoints);
    emit scoresChanged();

    play(m_info.acceptCue);
    m_bannerVisible = true;
    m_bannerText = m_word;
    emit bannerChanged();
    setSlideRunning(true);

    m_words.append(m_word);
    emit wordListChanged();
    setWord(QString());
}

void BoardModel::startLevel() {
    play(Cue::Play);
    setEnabled(BoardCommand::Done, true);
    setEnabled(BoardCommand::Clear, true);
    setEnabled(BoardCommand::Shuffle, true);
    startDeal();
    setWord(QString());
    m_words.clear();
    m_fields.clear();
    m_selectedWord = -1;
    emit wordListChanged();
    m_clock = Clock::Running;
    m_levelTotal = 0;
    m_wordPoints = 0;
    m_bonusPoints = 0;
    emit scoresChanged();
    m_clockSeconds = 60;
    m_clockMinutes = m_info.clockMinutes;
    m_shufflesLeft = kShufflesPerGame;
    emit clockChanged();
    emit timersChanged();
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

// ------------------------------------------------------------------ banner

void BoardModel::slideTick() {
    if (!m_slideRunning) {
        return;
    }
    // The slide leaves the clock alone: it must not restart a paused or finished level.
    m_bannerTop += kBannerStep;
    if (m_bannerTop >= kBannerEndTop) {
        setSlideRunning(false);
        m_bannerVisible = false;
    }
    emit bannerChanged();
}

// ------------------------------------------------------------------ clock and pause

void BoardModel::clockTick() {
    if (m_clock != Clock::Running) {
        return;
    }
    --m_clockSeconds;
    if (m_clockSeconds == 0) {
        --m_clockMinutes;
        m_clockSeconds = 60;
    }
    m_clockText = m_clockSeconds == 60
                      ? twoDigits(m_clockMinutes + 1) + QStringLiteral(":00")
                      : twoDigits(m_clockMinutes) + QLatin1Char(':') + twoDigits(m_clockSeconds);
    emit clockChanged();
    if (m_clockMinutes < 0) {
        endLevel();
    }
}

void BoardModel::endLevel() {
    // The clock stops first and for good: no tick, and so no second end, can come while the
    // end messages or the summary are open.
    m_clock = Clock::Ended;
    setEnabled(BoardCommand::Done, false);
    setEnabled(BoardCommand::Clear, false);
    setEnabled(BoardCommand::Shuffle, false);
    emit clockChanged();
    emit timersChanged();
    // Messages and the summary open from the event loop, never from inside the tick.
    QMetaObject::invokeMethod(this, &BoardModel::finishLevel, Qt::QueuedConnection);
}

void BoardModel::finishLevel() {
    LevelResult result;
    result.level = m_info.level;
    result.total = m_levelTotal;
    result.timeText = m_clockText;
    result.words = m_words;
    result.fields = m_fields;
    // A deal still running at the end shows a passing random fill, not a field to play on.
    if (!m_dealRunning) {
        result.fields.append(m_grid);
    }
    result.passed = m_info.passed(m_levelTotal);

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

void BoardModel::clickPauseLabel() {
    // Before "Play" there is no clock to pause, and a finished level stays finished.
    if (m_clock == Clock::NotStarted || m_clock == Clock::Ended) {
        return;
    }
    m_pauseLabelText = m_pauseLabelText == QStringLiteral("Pause") ? QStringLiteral("Resume")
                                                                   : QStringLiteral("Pause");
    pauseToggle();
}

void BoardModel::pauseToggle() {
    if (m_clock == Clock::Running) {
        m_clock = Clock::Paused;
    } else if (m_clock == Clock::Paused) {
        m_clock = Clock::Running;
    } else {
        return;
    }
    emit clockChanged();
    emit timersChanged();
    emit tilesChanged();
}

void BoardModel::withClockHeld(const std::function<void()>& show) {
    // A board already paused stays paused, with its clock stopped, while the message is open.
    const bool hold = m_clock == Clock::Running;
    if (hold) {
        pauseToggle();
    }
    show();
    if (hold && m_clock == Clock::Paused) {
        pauseToggle();
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
