#pragma once

#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/menu/MenuModel.h"
#include "ui/menu/MenuArt.h"
#include "ui/widgets/Accessible.h"
#include "ui/widgets/DesignLayout.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;

namespace vortalex {

class ClickLabel;
class LetterTile;
class SpeakerToggle;
class WindowScaler;

// The main menu (frmMain): the letter field on which commands are spelled, the level chooser,
// and the owner of the run's SessionState. It stays open for the whole run. What its commands
// open is handed in: each action runs modally and returns when its screen has closed.
class MenuScreen : public QWidget {
    Q_OBJECT
public:
    static inline const QString kTitle =
        QStringLiteral("A Game for the Quillaro (A Multimedia Game for Constructing Words)");
    static inline const QString kInstructions = QStringLiteral(
        "Construct a Word to Access a Menu Command. Valid Menu Commands are LOAD,QUIT, STAT, "
        "START, Click OK or Clear.");

    MenuScreen(Services& services, MenuActions& actions, QWidget* parent = nullptr);
    ~MenuScreen() override;

    SessionState& session() { return m_session; }
    MenuModel& model() { return m_model; }
    LetterTile* tile(int index) const { return m_tiles.at(static_cast<std::size_t>(index - 1)); }
    ClickLabel* commandWordLabel() const { return m_commandWord; }
    ClickLabel* okLabel() const { return m_okLabel; }
    ClickLabel* okPicture() const { return m_okPicture; }
    ClickLabel* clearLabel() const { return m_clearLabel; }
    ClickLabel* clearPicture() const { return m_clearPicture; }
    ClickLabel* levelEntry(Level level) const {
        return m_levels.at(static_cast<std::size_t>(level));
    }
    // Beside the level chooser: today's field, open to every player.
    ClickLabel* todayEntry() const { return m_today; }
    QLabel* greetingLabel() const { return m_greeting; }
    QLabel* instructionsLabel() const { return m_instructions; }
    SpeakerToggle* soundToggle() const { return m_sound; }
    QTimer& demoTimer() { return m_demoTimer; }
    // Where the controls the background frames stand, in pixels of the design size.
    art::MenuFrames frames() const;
    const DesignLayout& layout() const { return m_layout; }
    WindowScaler* scaler() const { return m_scaler; }
    QTimer& clearTimer() { return m_clearTimer; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildField();
    void buildButtons();
    void buildLevels();
    void buildToday();
    void buildTexts();
    void showGreeting(const QString& greeting);
    void syncTiles();
    void syncTimers();
    void colourCaption(ClickLabel* caption, const QColor& colour);
    void hoverOk(bool clearToo);
    void hoverClear(bool okToo);
    void hoverLevel(int index);
    void hoverToday();
    void hoverNothing();

    SessionState m_session;
    MenuModel m_model;
    DesignLayout m_layout;
    WindowScaler* m_scaler = nullptr;
    std::array<LetterTile*, MenuModel::kSide * MenuModel::kSide> m_tiles{};
    ClickLabel* m_commandWord = nullptr;
    ClickLabel* m_okLabel = nullptr;
    ClickLabel* m_okPicture = nullptr;
    ClickLabel* m_clearLabel = nullptr;
    ClickLabel* m_clearPicture = nullptr;
    std::array<ClickLabel*, kLevelCount> m_levels{};
    ClickLabel* m_today = nullptr;
    QLabel* m_greeting = nullptr;
    QLabel* m_instructions = nullptr;
    SpeakerToggle* m_sound = nullptr;
    TabOrder m_tabOrder;
    QTimer m_demoTimer;
    QTimer m_clearTimer;
    QPixmap m_background;
    bool m_shownOnce = false;
};

} // namespace vortalex
