#include "ui/board/BoardScreen.h"

#include "ui/summary/SummaryScreen.h"
#include "ui/widgets/Accessible.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/FocusReturn.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/Timers.h"
#include "ui/widgets/WindowScaler.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>

namespace vortalex {

namespace {

const QFont kWordFormedFont = theme::textFont(20.25, true);
constexpr qreal kSmallestWordPoints = 8;

// A caption with room around it: half a line on either side, a quarter above and below, so no
// button's text runs into its edges.
QSize captionRoom(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text) + metrics.height(),
            metrics.height() + metrics.height() / 2};
}

QLabel* panelText(QWidget* parent, const QString& text, const QColor& colour, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    theme::setTextColour(*label, colour);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

// A value label reads as its caption and its value, so a screen reader says "Time: 04:59".
void nameValue(QLabel* value, const QString& caption) {
    const QString text = value->text().isEmpty() ? QStringLiteral("none") : value->text();
    value->setAccessibleName(caption + QStringLiteral(": ") + text);
}

} // namespace

BoardScreen::BoardScreen(Level level, Services& services, SessionState& session, QWidget* parent)
    : QDialog(parent)
    , m_model(level, services, session)
    , m_places(level)
    , m_layout(*this, m_places.window())
    , m_backdrop(m_places, m_layout) {
    build(services, session);
}

BoardScreen::BoardScreen(const DayField& day, Services& services, SessionState& session,
                         QWidget* parent)
    : QDialog(parent)
    , m_model(day, services, session)
    , m_places(dailyInfo().level) // Easy's 5 x 5 board
    , m_layout(*this, m_places.window())
    , m_backdrop(m_places, m_layout) {
    build(services, session);
}

void BoardScreen::build(Services& services, SessionState& session) {
    const LevelInfo& info = m_model.info();
    setObjectName(QString::fromLatin1(info.boardName));
    // Today's field names its date too, which decides its letters.
    const std::optional<DayField>& day = m_model.day();
    const QString title = QString::fromLatin1(info.title);
    const QString name =
        day ? QStringLiteral("%1, %2").arg(title, day->date.toString(Qt::ISODate)) : title;
    setWindowTitle(QStringLiteral("%1 - %2 (%3 x %3)").arg(kAppTitle, name).arg(info.side));
    setMouseTracking(true);
    setModal(true);
    centreOnOwner(*this);

    buildField();
    buildPanel();
    m_sound = new SpeakerToggle(services.mute, this);
    theme::styleButtonLabel(*m_sound);
    m_layout.place(m_sound, m_places.sound());
    connect(m_sound, &ClickLabel::hovered, this, &BoardScreen::hoverNothing);
    connectModel();
    orderTabStops();

    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            &BoardScreen::applicationStateChanged);

    m_dealTimer.setInterval(kDealIntervalMs);
    m_slideTimer.setInterval(info.slideIntervalMs);
    m_gameTimer.setInterval(kClockIntervalMs);

    openSummary = [this, &services, &session](const LevelResult& result) {
        SummaryScreen summary(result, services, session, this);
        execOverOwner(summary);
        return summary.outcome();
    };
    connect(&m_dealTimer, &QTimer::timeout, &m_model, &BoardModel::dealTick);
    connect(&m_slideTimer, &QTimer::timeout, &m_model, &BoardModel::slideTick);
    connect(&m_gameTimer, &QTimer::timeout, &m_model, &BoardModel::clockTick);

    m_model.load();
    showAll();
    new WindowScaler(*this, m_layout.designPixels(), services.scale);
}

BoardScreen::~BoardScreen() = default;

void BoardScreen::buildField() {
    const LevelInfo& info = m_model.info();
    const QFont tileFont = theme::courier(36); // the letters keep the face the rules name
    for (int i = 1; i <= info.tileCount(); ++i) {
        auto* tile = new LetterTile(this);
        tile->setObjectName(QStringLiteral("Label1_%1").arg(i));
        m_layout.place(tile, m_places.tile(i), tileFont);
        tile->setPlace((i - 1) / info.side + 1, (i - 1) % info.side + 1);
        wireTile(tile, this, m_model, i);
        connect(tile, &ClickLabel::hovered, this, [this] {
            m_quit->setTextColour(theme::kRest);
            hoverCommand(-1);
        });
        m_tiles.append(tile);
    }

    m_quit = new ClickLabel(QStringLiteral("Quit Game"), this);
    m_quit->setButtonLike(true); // first: widget changes below fix its accessible kind
    m_quit->setObjectName(QStringLiteral("Label1_0"));
    theme::styleButtonLabel(*m_quit); // placed with the column (buildPanel)
    connect(m_quit, &ClickLabel::clicked, this, [this](Qt::MouseButton) { m_model.clickTile(0); });
    connect(m_quit, &ClickLabel::hovered, this, [this] {
        m_quit->setTextColour(theme::kHoverGo);
        hoverCommand(-1);
    });
}

void BoardScreen::buildPanel() {
    const LevelInfo& info = m_model.info();
    const std::optional<DayField>& day = m_model.day();
    m_heading = new QLabel(day ? QStringLiteral("TODAY  %1").arg(day->date.toString(Qt::ISODate))
                               : QStringLiteral("%1  %2 x %2")
                                     .arg(QString::fromLatin1(info.title).toUpper())
                                     .arg(info.side),
                           this);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    theme::styleValue(*m_heading);
    m_heading->setAlignment(Qt::AlignCenter);
    m_layout.place(m_heading, m_places.title(), theme::captionFont(13));

    const QFont commandFont = theme::textFont(12, true);
    static const std::array<const char*, 4> kCaptions{"Done", "Play", "Clear", "Shuffle"};
    for (const BoardCommand command : kBoardCommands) {
        const auto i = static_cast<int>(command);
        auto* label =
            new ClickLabel(QString::fromLatin1(kCaptions.at(static_cast<std::size_t>(i))), this);
        label->setButtonLike(true);
        label->setObjectName(QStringLiteral("lblCommands_%1").arg(i));
        theme::styleButtonLabel(*label);
        m_layout.place(label, m_places.command(command), commandFont);
        // Done and Clear are reached by double-click and right click on the tiles only.
        label->setVisible(command == BoardCommand::Play || command == BoardCommand::Shuffle);
        connect(label, &ClickLabel::clicked, this,
                [this, command](Qt::MouseButton) { m_model.clickCommand(command); });
        connect(label, &ClickLabel::hovered, this, [this, i] { hoverCommand(i); });
        m_commands.at(static_cast<std::size_t>(i)) = label;
    }

    m_pause = new ClickLabel(m_model.pauseLabelText(), this);
    m_pause->setButtonLike(true);
    m_pause->setObjectName(QStringLiteral("Label4"));
    theme::styleButtonLabel(*m_pause);
    m_layout.place(m_pause, m_places.pause(), commandFont);
    connect(m_pause, &ClickLabel::clicked, this,
            [this](Qt::MouseButton) { m_model.clickPauseLabel(); });
    connect(m_pause, &ClickLabel::hovered, this, [this] {
        if (m_model.info().pauseLabelHover) {
            m_pause->setTextColour(theme::kHoverCommand);
        }
    });

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("ANII"));
    theme::styleValue(*m_banner);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->hide();
    markDecorative(m_banner); // the accepted word it carries is read in the word list
    m_layout.place(m_banner, m_places.banner(m_model.bannerTop()), theme::textFont(16, true));

    m_wordFormed = new QLabel(this);
    m_wordFormed->setObjectName(QStringLiteral("lblWordFormed"));
    theme::setTextColour(*m_wordFormed, theme::kValue);
    m_wordFormed->setAlignment(Qt::AlignCenter);
    m_layout.place(m_wordFormed, m_places.wordFormed(), kWordFormedFont);
    makeReadout(m_wordFormed);

    static const std::array<const char*, 5> kPanelCaptions{
        "Time : ", "Total Score : ", "Word Score : ", "Bonus Point : ", "Sub Total :"};
    std::array<QLabel**, 5> values{&m_timer, &m_total, &m_wordScore, &m_bonus, &m_subTotal};
    static_assert(kPanelCaptions.size() == BoardLayout::kReadouts);
    for (std::size_t r = 0; r < kPanelCaptions.size(); ++r) {
        const int row = static_cast<int>(r);
        QLabel* caption = panelText(this, QString::fromLatin1(kPanelCaptions.at(r)),
                                    theme::kCaption, Qt::AlignLeft);
        m_layout.place(caption, m_places.caption(row), theme::textFont(10));
        QLabel* value = panelText(this, r == 0 ? QStringLiteral("00:00") : QStringLiteral("0"),
                                  theme::kValue, Qt::AlignRight);
        m_layout.place(value, m_places.value(row), theme::textFont(10, true));
        makeReadout(value);
        *values.at(r) = value;
    }
    m_timer->setObjectName(QStringLiteral("lblTimer"));
    m_total->setObjectName(QStringLiteral("lblTotScor"));
    m_wordScore->setObjectName(QStringLiteral("lblWrdScor"));
    m_bonus->setObjectName(QStringLiteral("lblBnsPnt"));
    m_subTotal->setObjectName(QStringLiteral("lblSubTotal"));

    // "Quit Game" as large as its caption needs at the design size, the list above it.
    const QFont quitFont = theme::textFont(18, true);
    const QSize quitRoom = captionRoom(quitFont, m_quit->text());
    m_layout.place(m_quit, m_places.quit(quitRoom), quitFont);
    m_wordList = new QListWidget(this);
    m_wordList->setObjectName(QStringLiteral("lstWords"));
    m_layout.place(m_wordList, m_places.wordList(quitRoom), theme::textFont(10, true));
    // Tab reaches the list for screen readers; typed letters still build the word.
    m_wordList->setFocusPolicy(Qt::TabFocus);
    m_wordList->setAccessibleName(QStringLiteral("Words built"));
    m_wordList->installEventFilter(this);
    m_wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wordList->setUniformItemSizes(true); // one line each: no item is measured on its own
}

void BoardScreen::connectModel() {
    const LevelClock& clock = m_model.levelClock();
    const WordBanner& banner = m_model.banner();
    connect(&m_model, &BoardModel::tileChanged, this, &BoardScreen::showTile);
    connect(&m_model, &BoardModel::fieldChanged, this, &BoardScreen::showField);
    connect(&m_model, &BoardModel::wordChanged, this, &BoardScreen::showWord);
    connect(&m_model, &BoardModel::scoreChanged, this, &BoardScreen::showScores);
    connect(&m_model, &BoardModel::wordAdded, m_wordList,
            [this](const QString& word) { m_wordList->addItem(word); });
    connect(&m_model, &BoardModel::wordsCleared, m_wordList, &QListWidget::clear);
    connect(&m_model, &BoardModel::selectedWordChanged, this, &BoardScreen::showSelectedWord);
    connect(
        &m_model, &BoardModel::commandChanged, this,
        [this](BoardCommand command, bool enabled) { commandLabel(command)->setEnabled(enabled); });
    connect(&m_model, &BoardModel::pauseLabelChanged, m_pause, &QLabel::setText);
    connect(&m_model, &BoardModel::dealRunningChanged, this,
            [this](bool running) { followTimer(m_dealTimer, running); });
    connect(&clock, &LevelClock::timeChanged, this, &BoardScreen::showTime);
    connect(&clock, &LevelClock::stateChanged, this, &BoardScreen::showClockState);
    connect(&banner, &WordBanner::changed, this, &BoardScreen::showBanner);
    connect(&banner, &WordBanner::slidingChanged, this,
            [this](bool sliding) { followTimer(m_slideTimer, sliding); });
    connect(&m_model, &BoardModel::closeRequested, this, &BoardScreen::finish);
    connect(&m_model, &BoardModel::levelEnded, this,
            [this](const LevelResult& result) { finish(openSummary(result)); });
}

void BoardScreen::showAll() {
    showField();
    showWord(m_model.word());
    showScores(m_model.levelTotal(), m_model.wordPoints(), m_model.bonusPoints(),
               m_model.subTotalText());
    showTime(m_model.clockText());
    m_pause->setText(m_model.pauseLabelText());
    showClockState(m_model.clock());
    showBanner(m_model.bannerVisible(), m_model.bannerText(), m_model.bannerTop());
    for (const BoardCommand command : kBoardCommands) {
        commandLabel(command)->setEnabled(m_model.commandEnabled(command));
    }
}

void BoardScreen::orderTabStops() {
    // The commands first, so Play is one key away when the board opens, and the sound beside
    // them; then the field, the readouts and the list; "Quit Game" last.
    QList<QWidget*> order{m_commands.at(static_cast<std::size_t>(BoardCommand::Play)),
                          m_commands.at(static_cast<std::size_t>(BoardCommand::Shuffle)), m_pause,
                          m_sound};
    for (LetterTile* tile : m_tiles) {
        order.append(tile);
    }
    order += QList<QWidget*>{m_wordFormed, m_timer,    m_total,    m_wordScore,
                             m_bonus,      m_subTotal, m_wordList, m_quit};
    m_tabOrder.set(order);
}

bool BoardScreen::focusNextPrevChild(bool next) {
    return m_tabOrder.enterFromWindow(this, next) || QDialog::focusNextPrevChild(next);
}

void BoardScreen::showField() {
    // Every tile asks for its own repaint, then the field for one of the whole: the field is
    // then painted in one piece and each tile once, not as a sum of 121 separate areas.
    for (int i = 1; i <= m_model.grid().count(); ++i) {
        showTile(i);
    }
    update(m_layout.map(m_places.field()));
}

void BoardScreen::showTile(int index) {
    const TileGrid& grid = m_model.grid();
    LetterTile* tile = m_tiles.at(index - 1);
    tile->setLetter(grid.tile(index).letter);
    tile->setState(grid.colour(index));
    tile->setReach(LetterTile::reachOf(grid, index));
}

void BoardScreen::showClockState(LevelClock::State state) {
    const bool visible = m_model.tilesVisible();
    if (!visible && qobject_cast<LetterTile*>(focusWidget()) != nullptr) {
        // Qt would hand the focus of a hidden tile to the next label, where Space or Return
        // would press it: the keys stay with the board instead.
        setFocus(Qt::OtherFocusReason);
    }
    if (m_tiles.first()->isHidden() == visible) {
        for (LetterTile* tile : m_tiles) {
            tile->setVisible(visible);
        }
    }
    const bool paused = state == LevelClock::State::Paused;
    if (paused != m_pausedSignShown) {
        m_pausedSignShown = paused;
        update(m_layout.map(m_places.field()));
    }
    followTimer(m_gameTimer, state == LevelClock::State::Running);
}

void BoardScreen::showWord(const QString& word) {
    m_wordFormed->setText(word);
    // Shrunk at the design size until it fits its column, so a long word never runs off the
    // window; the layout gives the font at the window's scale.
    QFont f = kWordFormedFont;
    const int room = design::toPixels(m_places.wordFormed()).width() - 8;
    while (f.pointSizeF() > kSmallestWordPoints && QFontMetrics(f).horizontalAdvance(word) > room) {
        f.setPointSizeF(f.pointSizeF() - 1);
    }
    m_layout.setFont(m_wordFormed, f);
    nameValue(m_wordFormed, QStringLiteral("Word formed"));
}

void BoardScreen::showScores(int total, int wordPoints, int bonusPoints, const QString& subTotal) {
    m_total->setText(QString::number(total));
    m_wordScore->setText(QString::number(wordPoints));
    m_bonus->setText(QString::number(bonusPoints));
    m_subTotal->setText(subTotal);
    nameValue(m_total, QStringLiteral("Total Score"));
    nameValue(m_wordScore, QStringLiteral("Word Score"));
    nameValue(m_bonus, QStringLiteral("Bonus Point"));
    nameValue(m_subTotal, QStringLiteral("Sub Total"));
}

void BoardScreen::showSelectedWord(int index) {
    if (index >= 0) {
        m_wordList->setCurrentRow(index);
        m_wordList->scrollToItem(m_wordList->item(index));
    } else {
        m_wordList->clearSelection();
    }
}

void BoardScreen::showBanner(bool visible, const QString& text, int top) {
    m_banner->setText(text);
    m_layout.place(m_banner, m_places.banner(top));
    m_banner->setVisible(visible);
}

void BoardScreen::showTime(const QString& text) {
    m_timer->setText(text);
    nameValue(m_timer, QStringLiteral("Time"));
}

void BoardScreen::hoverCommand(int index) {
    for (int i = 0; i < 4; ++i) {
        m_commands.at(static_cast<std::size_t>(i))
            ->setTextColour(i == index ? theme::kHoverCommand : theme::kRest);
    }
    if (index >= 0) {
        m_quit->setTextColour(theme::kRest);
    }
}

void BoardScreen::hoverNothing() {
    m_quit->setTextColour(theme::kRest);
    hoverCommand(-1);
    if (m_model.info().pauseLabelHover) {
        m_pause->setTextColour(theme::kRest);
    }
}

void BoardScreen::activateBoard() {
    m_model.activate();
}

void BoardScreen::finish(ScreenOutcome next) {
    m_outcome = next;
    m_finished = true;
    m_dealTimer.stop();
    m_slideTimer.stop();
    m_gameTimer.stop();
    QDialog::done(QDialog::Accepted);
}

void BoardScreen::reject() {
    // Escape would close a dialog; on a board it does nothing, so a stray key press never
    // throws a level away. The window's own close button asks first (closeEvent).
}

bool BoardScreen::playKey(const QKeyEvent* event) {
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_model.submitTypedWord();
        return true;
    case Qt::Key_Backspace:
        m_model.eraseLetter();
        return true;
    case Qt::Key_Escape:
        m_model.dropTypedWord();
        return true;
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) { // a held Space must not flicker the board
            m_model.pressPauseKey();
        }
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isLetter()) {
        m_model.typeLetter(text.at(0));
        return true;
    }
    return false;
}

void BoardScreen::keyPressEvent(QKeyEvent* event) {
    if (playKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool BoardScreen::eventFilter(QObject* watched, QEvent* event) {
    // The word list would take letters for its own search and Return for its items.
    if (watched == m_wordList && event->type() == QEvent::KeyPress &&
        playKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void BoardScreen::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        m_model.pauseInBackground();
    }
    QDialog::changeEvent(event);
}

void BoardScreen::applicationStateChanged(Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) {
        m_model.pauseInBackground();
    }
}

void BoardScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        m_tabOrder.focusFirst(); // Play: Return starts the level
        QMetaObject::invokeMethod(this, &BoardScreen::activateBoard, Qt::QueuedConnection);
    }
}

void BoardScreen::closeEvent(QCloseEvent* event) {
    if (m_finished) {
        event->accept();
        return;
    }
    if (m_model.confirmClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void BoardScreen::mouseMoveEvent(QMouseEvent* event) {
    hoverNothing();
    QDialog::mouseMoveEvent(event);
}

void BoardScreen::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Only the areas asked for: the box around a tile and a label far apart would be most of
    // the window.
    for (const QRect& area : event->region()) {
        m_backdrop.paint(p, area, size(), devicePixelRatioF());
    }
    if (m_pausedSignShown) {
        m_backdrop.paintPausedSign(p, m_model.pausedByPlayer());
    }
}

ScreenOutcome BoardScreenOpener::openBoard(Level level, SessionState& session) {
    BoardScreen board(level, m_services, session, m_parent);
    return run(board);
}

ScreenOutcome BoardScreenOpener::openDay(const DayField& day, SessionState& session,
                                         DaySummary openSummary) {
    BoardScreen board(day, m_services, session, m_parent);
    board.openSummary = [&board, open = std::move(openSummary)](const LevelResult& result) {
        return open(result, &board);
    };
    return run(board);
}

ScreenOutcome BoardScreenOpener::run(BoardScreen& board) {
    if (m_levelFinished) {
        // Before the level's messages open, so that even a failed Expert level, which has no
        // summary, is handed on.
        QObject::connect(&board.model(), &BoardModel::levelFinished, &board, m_levelFinished);
    }
    execOverOwner(board);
    return board.outcome();
}

} // namespace vortalex
