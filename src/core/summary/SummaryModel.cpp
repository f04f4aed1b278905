#include "core/summary/SummaryModel.h"

#include "core/data/DataLocation.h"

#include <QSqlError>

#include <algorithm>

namespace vortalex {

namespace {

const QString kMeaningMark = QStringLiteral(" ### ");
const QString kMeaningRule = QStringLiteral("------------------------");

qsizetype commonCount(const QList<MissedWord>& words) {
    return std::count_if(words.cbegin(), words.cend(),
                         [](const MissedWord& w) { return w.common; });
}

} // namespace

SummaryModel::Layers SummaryModel::openingLayers(Level level, bool passed) {
    const LevelInfo& info = levelInfo(level);
    Layers l;
    l.nextShown = info.summaryHasNext;
    if (passed) {
        // Easy and Expert reach their go-on "Exit" only through "&Done".
        l.goOnShown = info.next().has_value() && level != Level::Easy;
        return l;
    }
    l.reviewShown = true;
    l.tryAgainShown = true;
    // A failed Difficult level may still keep its score and go on to Expert.
    l.saveEnabled = info.summaryHasNext;
    l.nextEnabled = info.summaryHasNext;
    return l;
}

SummaryModel::Layers SummaryModel::dailyLayers() {
    Layers l;
    l.saveShown = false;
    l.saveEnabled = false;
    l.copyShown = true;
    return l;
}

SummaryModel::SummaryModel(const LevelResult& result, Services& services, SessionState& session,
                           QObject* parent)
    : QObject(parent)
    , m_info(result.day.isValid() ? dailyInfo() : levelInfo(result.level))
    , m_result(result)
    , m_services(services)
    , m_session(session)
    , m_layers(m_info.daily ? dailyLayers() : openingLayers(result.level, result.passed)) {}

void SummaryModel::activate() {
    refreshScores();
    emit playerNameChanged(m_session.playerName());
    m_wrongWords = m_services.database().wrongWords();
    emit wrongWordsChanged();
    m_suggestions.clear();
}

void SummaryModel::refreshScores() {
    if (m_info.daily) {
        // Today's field has no score table of its own to show: its results are the player's.
        m_scores.clear();
        emit scoresChanged();
        return;
    }
    QSqlQuery scores = m_services.database().levelScoresCursor(m_info.level);
    if (scores.isActive()) {
        m_scores.setQuery(std::move(scores));
    } else {
        m_scores.clear();
    }
    emit scoresChanged();
}

void SummaryModel::clearWrongWords() {
    // The grid keeps the words it shows, so they can still be looked up after "&Done".
    m_services.database().clearWrongWords();
}

void SummaryModel::setLayers(const Layers& layers) {
    if (!(layers == m_layers)) {
        m_layers = layers;
        emit layersChanged();
    }
}

void SummaryModel::done() {
    // "&Done" lies in the score area: under the review panel (a failed level, or "&Done" already
    // pressed) it cannot be reached, so the try-again question stays a failed level's way out.
    if (m_layers.reviewShown) {
        return;
    }
    clearWrongWords();
    Layers l = m_layers;
    l.reviewShown = true;
    l.goOnShown = true;
    l.tryAgainShown = false;
    setLayers(l);
}

void SummaryModel::next() {
    if (m_info.daily) {
        return;
    }
    clearWrongWords();
    emit finished(ScreenOutcome::board(Level::Expert));
}

void SummaryModel::tryAgainExit() {
    const Answer again = message(QString::fromLatin1(m_info.tryAgainText), style::kYesNo,
                                 QString::fromLatin1(m_info.tryAgainTitle));
    if (again == Answer::Yes) {
        emit finished(ScreenOutcome::board(m_info.level));
        return;
    }
    // Giving up closes every level, so no entry of the menu can be picked.
    m_session.closeAllLevels();
    emit finished(ScreenOutcome::menu());
}

void SummaryModel::goOnExit() {
    const std::optional<Level> next = m_info.next();
    emit finished(next ? ScreenOutcome::board(*next) : ScreenOutcome::menu());
}

void SummaryModel::closeWindow() {
    if (!m_layers.reviewShown) {
        done();
    } else if (m_layers.tryAgainShown) {
        tryAgainExit();
    } else if (m_layers.goOnShown) {
        goOnExit();
    }
}

// ------------------------------------------------------------------ saving

void SummaryModel::save(const QString& name, const QString& password) {
    if (m_info.daily) {
        return; // today's field writes nothing to the levels' tables, whatever is clicked
    }
    // Only the empty text is refused: a name of blanks is a name.
    if (name.isEmpty()) {
        message(kEnterName, style::kExclamation, kAppTitle);
        return;
    }
    GameDatabase& db = m_services.database();
    // The overwrite question is decided by what the file holds: a read that failed is no answer.
    Lookup<ScoreRow> stored = db.findScore(m_info.level, name);
    // A row may come or go between the question and the write (another copy of the game on the
    // same file): the write checks again under its lock and, when the file changed, asks anew.
    constexpr int kTries = 3;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (stored.isFailed()) {
            saveFailed();
            break;
        }
        const bool overwrite = stored.isFound();
        if (overwrite &&
            message(kOverwrite, MessageStyle{MessageButtons::YesNo, MessageIcon::Question},
                    kAppTitle) != Answer::Yes) {
            break;
        }
        // Hashing is slow on purpose; it happens before the write transaction starts, so the
        // file is never held for it. Intermediate and Difficult saves need one only for a
        // player who has no row yet (signed in by START, no Easy save): the empty password.
        QString hash;
        if (m_info.level == Level::Easy && !overwrite) {
            hash = db.passwordHash(password);
        } else if (m_info.level == Level::Intermediate || m_info.level == Level::Difficult) {
            const Lookup<PlayerRow> player = db.findPlayerByName(name);
            if (player.isFailed()) {
                saveFailed();
                break;
            }
            if (player.isNotFound()) {
                hash = db.passwordHash(QString());
            }
        }
        bool changed = false;
        const bool saved = db.inTransaction([&] {
            const Lookup<ScoreRow> now = db.findScore(m_info.level, name);
            if (now.isFailed()) {
                return false;
            }
            if (now.isFound() != overwrite) {
                stored = now;
                changed = true;
                return false;
            }
            return writeScore(name, hash, overwrite);
        });
        if (changed && attempt < kTries) {
            continue;
        }
        if (saved) {
            message(kSaved, style::kInformation, kAppTitle);
            if (m_info.level != Level::Easy) {
                Layers l = m_layers;
                l.saveEnabled = false;
                setLayers(l);
            }
        } else {
            saveFailed();
        }
        break;
    }
    refreshScores();
}

void SummaryModel::saveFailed() {
    message(QStringLiteral("The score could not be saved; nothing was written.") + kLineBreak +
                failureReason(m_services.database()),
            style::kCritical, kAppTitle);
}

bool SummaryModel::writeScore(const QString& name, const QString& passwordHash, bool overwrite) {
    GameDatabase& db = m_services.database();
    const qint64 score = m_result.total;
    if (overwrite) {
        if (!db.updateScore(m_info.level, name, score, m_result.timeText)) {
            return false;
        }
    } else if (!db.appendScore(m_info.level, {name, score, m_result.timeText})) {
        return false;
    }

    switch (m_info.level) {
    case Level::Easy:
        if (overwrite) {
            return true;
        }
        // Appended even when the name has a row already, as the first save always did.
        return db.appendPlayerHashed(name, passwordHash, {true, true, false, false}) &&
               db.appendTotal(name, score);
    case Level::Intermediate:
    case Level::Difficult: {
        const Level highest = m_info.level == Level::Difficult ? Level::Expert : Level::Difficult;
        if (!db.openPlayerLevels(name, highest)) {
            if (!db.lastError().isEmpty()) {
                return false;
            }
            // A player signed in by START has no row until an Easy save; this save makes one,
            // with the empty password, instead of failing.
            std::array<bool, kLevelCount> open{};
            for (int i = 0; i <= static_cast<int>(highest); ++i) {
                open.at(static_cast<std::size_t>(i)) = true;
            }
            // The row was not there before the transaction either, so the hash is ready.
            if (passwordHash.isEmpty() || !db.appendPlayerHashed(name, passwordHash, open)) {
                return false;
            }
        }
        const Lookup<qint64> old = db.findTotal(name);
        if (old.isFailed()) {
            return false;
        }
        return old.isFound() ? db.updateTotal(name, *old + score) : db.appendTotal(name, score);
    }
    case Level::Expert:
        return true;
    }
    return false;
}

// ------------------------------------------------------------------ review

void SummaryModel::suggestFor(int row) {
    if (row <= 0 || row > m_wrongWords.size()) {
        return;
    }
    const QString prefix = m_wrongWords.at(row - 1).left(3).toUpper();
    QSqlQuery words = m_services.database().wordsStartingWithCursor(prefix);
    if (words.isActive()) {
        m_suggestions.setQuery(std::move(words));
    } else {
        m_suggestions.clear();
    }
}

void SummaryModel::showMeanings(const QString& word) {
    // A word with no dictionary row shows an empty box.
    const QStringList meanings = m_services.database().meanings(word);
    QString text;
    for (const QString& meaning : meanings) {
        text += kMeaningMark + meaning + kLineBreak + kMeaningRule + kLineBreak;
    }
    m_meaningsText = text;
    emit meaningsChanged(text);
}

void SummaryModel::clearMeanings() {
    m_meaningsText = kMeaningsHint;
    emit meaningsChanged(m_meaningsText);
}

const QList<MissedWord>& SummaryModel::missedWords() {
    if (!m_missed && m_result.fields.isEmpty()) {
        m_missed.emplace(); // nothing was dealt, so the dictionary need not be loaded
    }
    if (!m_missed) {
        GameDatabase& db = m_services.database();
        const std::shared_ptr<const Lexicon> lexicon = db.wordTree();
        if (!lexicon) {
            // Told on the page instead of an empty list; not read again for this summary.
            m_missedUnknown = failureReason(db);
            m_missed.emplace();
            m_showAllMissed = true;
            return *m_missed;
        }
        m_missed = vortalex::missedWords(*lexicon, m_info, m_result.fields, m_result.words);
        // With no common word among them the rarer ones show at once, not an empty list.
        m_showAllMissed = std::none_of(m_missed->cbegin(), m_missed->cend(),
                                       [](const MissedWord& w) { return w.common; });
    }
    return *m_missed;
}

QList<MissedWord> SummaryModel::shownMissedWords() {
    QList<MissedWord> shown = missedWords();
    if (!m_showAllMissed) {
        shown.removeIf([](const MissedWord& w) { return !w.common; });
    }
    return shown;
}

bool SummaryModel::showAllMissed() {
    missedWords();
    return m_showAllMissed;
}

void SummaryModel::setShowAllMissed(bool all) {
    missedWords();
    if (m_showAllMissed != all) {
        m_showAllMissed = all;
        emit missedWordsChanged();
    }
}

bool SummaryModel::showAllMissedChoosable() {
    const QList<MissedWord>& all = missedWords();
    const qsizetype common = commonCount(all);
    return common > 0 && common < all.size();
}

QString SummaryModel::missedTabText() {
    const QList<MissedWord>& all = missedWords();
    return m_missedUnknown.isEmpty() ? QStringLiteral("Words you missed (%1)").arg(all.size())
                                     : QStringLiteral("Words you missed (?)");
}

QString SummaryModel::missedNote() {
    const QList<MissedWord>& all = missedWords();
    const qsizetype common = commonCount(all);
    QString note;
    if (!m_missedUnknown.isEmpty()) {
        note = QStringLiteral("The words you missed cannot be listed, since the word list could "
                              "not be read: %1")
                   .arg(m_missedUnknown);
    } else if (all.isEmpty()) {
        note = QStringLiteral("No word escaped you: you built every word your fields held.");
    } else if (common == 0) {
        note = QStringLiteral("Your fields held %1 words you did not build, none of them an "
                              "everyday word.")
                   .arg(all.size());
    } else {
        note = QStringLiteral("Your fields held %1 words you did not build. The %2 everyday ones "
                              "come first; tick the box below for the rarer ones, in italics.")
                   .arg(all.size())
                   .arg(common);
    }
    return note + QStringLiteral("\n\nSelect a word on the left to read its meaning below.");
}

QString SummaryModel::foundText() {
    const FieldShare share = fieldShare(m_result.words, missedWords());
    if (m_missedUnknown.isEmpty()) {
        return share.text();
    }
    // Without the word list the words on the fields cannot be counted, so there is no share.
    QString line = QStringLiteral("You built %1 %2; how many words your fields held cannot be "
                                  "told now, the word list could not be read.")
                       .arg(share.found)
                       .arg(share.found == 1 ? QStringLiteral("word") : QStringLiteral("words"));
    if (!share.longest.isEmpty()) {
        line += QStringLiteral(" Longest: %1.").arg(share.longest);
    }
    return line;
}

QString SummaryModel::scoreText() const {
    if (m_info.daily) {
        return QStringLiteral("Your score: %1.").arg(m_result.total); // the day asks for none
    }
    // The level table keeps Expert's "anything but 0" as a target of 1, which is no number to
    // show a player.
    const QString needed =
        m_info.passTarget > 1 ? QString::number(m_info.passTarget) : QStringLiteral("more than 0");
    return QStringLiteral("Your score: %1. Needed: %2.").arg(m_result.total).arg(needed);
}

QString SummaryModel::reviewResultText() {
    return scoreText() + QLatin1Char('\n') + foundText();
}

std::optional<WordPath> SummaryModel::builtPath(const QString& word) const {
    for (const WordPath& path : m_result.builtPaths) {
        if (path.word == word) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<WordPath> SummaryModel::missedPath(const QString& word) const {
    return missedWordPath(m_result.fields, word);
}

Answer SummaryModel::message(const QString& text, MessageStyle style, const QString& title) {
    return m_services.messages->show(text, style, title);
}

} // namespace vortalex
