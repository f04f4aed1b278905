#pragma once

#include "core/common/Level.h"
#include "core/common/ScreenFlow.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/data/GameDatabase.h"
#include "core/summary/MissedWords.h"

#include <QObject>
#include <QSqlQueryModel>
#include <QStringList>

#include <optional>

namespace vortalex {

// The summary of a finished level (frmEasySummary and its three sisters) without its widgets:
// which layer and buttons show, what each button does, saving the score and reviewing words.
// The screen shows this state and passes the player's clicks and typed text in. When a button
// closes the summary, finished() tells the board what opens next.
class SummaryModel : public QObject {
    Q_OBJECT
public:
    static inline const QString kEnterName = QStringLiteral("Please enter your name!");
    static inline const QString kOverwrite =
        QStringLiteral("Name Found. Overwrite Previous Scores?");
    static inline const QString kSaved = QStringLiteral("Scores Successfuly Updated!");
    static inline const QString kMeaningsHint =
        QStringLiteral("Click on a word on the left to view its meaning / description");

    // What shows when the summary opens: the board decides it from the level and its outcome.
    struct Layers {
        bool reviewShown = false; // the "Spelling" panel over the score area
        bool tryAgainShown = false;
        bool goOnShown = false;
        bool saveEnabled = true;
        bool nextShown = false;
        bool nextEnabled = true;
        bool saveShown = true;
        // Today's field: the control that copies the day's shared line (TodaysField).
        bool copyShown = false;
        bool operator==(const Layers&) const = default;
    };
    static Layers openingLayers(Level level, bool passed);
    // Today's field opens on the score area with the copy control, keeps no score and leads only
    // back to the menu, through "&Done" and the panel's go-on "Exit".
    static Layers dailyLayers();

    SummaryModel(const LevelResult& result, Services& services, SessionState& session,
                 QObject* parent = nullptr);

    const LevelInfo& info() const { return m_info; }
    const LevelResult& result() const { return m_result; }
    const Layers& layers() const { return m_layers; }
    QString totalText() const { return QString::number(m_result.total); }

    // The screen became the active window: score grid, name, rejected words, no suggestions.
    void activate();
    // The level's score table in stored order, fetched as its grid scrolls.
    QSqlQueryModel* scores() { return &m_scores; }
    QStringList wrongWords() const { return m_wrongWords; }

    // Buttons.
    void done();
    void next();
    void tryAgainExit();
    void goOnExit();
    // The window's own close (its title bar's button, Alt+F4) takes the way on that shows: the
    // panel's "Exit", or "&Done" from the score area, which leads to the panel.
    void closeWindow();
    void save(const QString& name, const QString& password);

    // Review: suggestions for a row of the rejected words (0 is the header row, and does
    // nothing) and the meanings of a built word.
    void suggestFor(int row);
    QSqlQueryModel* suggestions() { return &m_suggestions; }
    void showMeanings(const QString& word);
    // No word selected: the box asks for one again.
    void clearMeanings();
    QString meaningsText() const { return m_meaningsText; }

    // "Words you missed": words on the level's fields the player did not build, common words
    // first, longest first. The common ones show unless the player asks for all of them; a
    // database without common words shows all at once. The list is worked out at first use.
    const QList<MissedWord>& missedWords();
    QList<MissedWord> shownMissedWords();
    bool showAllMissed();
    void setShowAllMissed(bool all);
    // The choice between the everyday words and all of them is offered only when both kinds
    // were missed.
    bool showAllMissedChoosable();
    // What the page says above that choice: how many words were missed and of which kinds, or
    // that the word list could not be read, which leaves the list empty and its count unknown.
    QString missedNote();
    // The caption of the page's tab, with the count.
    QString missedTabText();
    // "You found N of the M words on your fields (P%). Longest: WORD.", counted over the same
    // fields and minimum length as the missed words, which it works out if they are not yet.
    QString foundText();
    // "Your score: 7800. Needed: 9000.": the total against the level's target. Expert has no
    // target, it passes with anything but 0, and says so; today's field has none and names none.
    QString scoreText() const;
    // The review panel's own line, which a failed level opens on without the score area: the
    // score against the target, and below it the found share.
    QString reviewResultText();

    // Where a word of the review stood on the player's fields: a built word on the field it was
    // built on, with the tiles picked for it; a missed word on the field it was found on, with
    // one chain that spells it. None when that field was not kept.
    std::optional<WordPath> builtPath(const QString& word) const;
    std::optional<WordPath> missedPath(const QString& word) const;

signals:
    void layersChanged();
    void scoresChanged();
    void wrongWordsChanged();
    void playerNameChanged(const QString& name);
    void meaningsChanged(const QString& text);
    void missedWordsChanged();
    // A button closed the summary; the board closes too and the loop opens `next`.
    void finished(vortalex::ScreenOutcome next);

private:
    void refreshScores();
    void clearWrongWords();
    bool writeScore(const QString& name, const QString& passwordHash, bool overwrite);
    void saveFailed();
    void setLayers(const Layers& layers);
    Answer message(const QString& text, MessageStyle style, const QString& title);

    const LevelInfo& m_info;
    LevelResult m_result;
    Services& m_services;
    SessionState& m_session;
    Layers m_layers;
    QSqlQueryModel m_scores;
    QStringList m_wrongWords;
    QSqlQueryModel m_suggestions;
    QString m_meaningsText = kMeaningsHint;
    std::optional<QList<MissedWord>> m_missed;
    QString m_missedUnknown; // why the word list could not be read; empty when it was
    bool m_showAllMissed = false;
};

} // namespace vortalex
