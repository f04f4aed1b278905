#include "ui/board/BoardScreen.h"

#include "ui/summary/SummaryScreen.h"
#include "ui/widgets/Timers.h"

#include "ui/widgets/Accessible.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/Palette.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace vortalex {

namespace {

using fonts::px;

const QColor kCaption{196, 214, 236};
const QColor kValue{255, 255, 255};

constexpr int kTileSize = 750;     // twips
constexpr int kTileStep = 780;     // twips
constexpr int kColumnLeft = 592;   // pixels: the right-hand column, beside the smaller fields
constexpr int kFieldToColumn = 70; // pixels: the least room between a field and the column
constexpr int kQuitHeight = 405;   // twips: the design height of "Quit Game"

// A caption with room around it: half a line on either side, a quarter above and below, so
// no button's text runs into its edges.
QSize captionRoom(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text) + metrics.height(),
            metrics.height() + metrics.height() / 2};
}

void styleButtonLabel(ClickLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    label->setFace(QColor(150, 178, 212), QColor(98, 128, 168), QColor(30, 45, 70));
}

QLabel* panelText(QWidget* parent, const QString& text, const QColor& colour, bool bold,
                  Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setFont(fonts::arial(10, bold));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

// Shrinks the word being formed until it fits its column, so a long word never runs off the
// window.
void fitText(QLabel* label, const QFont& base) {
    QFont f = base;
    const int room = label->width() - 8;
    while (f.pointSizeF() > 8 && QFontMetrics(f).horizontalAdvance(label->text()) > room) {
        f.setPointSizeF(f.pointSizeF() - 1);
    }
    if (f != label->font()) {
        label->setFont(f);
    }
}

// A value label reads as its caption and its value, so a screen reader says "Time: 04:59".
void nameValue(QLabel* value, const QString& caption) {
    const QString text = value->text().isEmpty() ? QStringLiteral("none") : value->text();
    value->setAccessibleName(caption + QStringLiteral(": ") + text);
}

} // namespace

BoardScreen::BoardScreen(Level level, Services& services, SessionState& session, QWidget* parent)
    : QDialog(parent)
    , m_model(level, services, session) {
    const LevelInfo& info = m_model.info();
    setObjectName(QString::fromLatin1(info.boardName));
    setWindowTitle(QStringLiteral("%1 - %2 (%3 x %3)")
                       .arg(kAppTitle, QString::fromLatin1(info.title))
                       .arg(info.side));
    setFixedSize(px(info.clientWidth), px(info.clientHeight));
    setMouseTracking(true);
    setModal(true);
    centreOnOwner(*this);

    buildField();
    buildPanel();
    connectModel();
    orderTabStops();

    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            &BoardScreen::applicationStateChanged);

    m_dealTimer.setInterval(kDealIntervalMs);
    m_slideTimer.setInterval(info.slideIntervalMs);
    m_gameTimer.setInterval(kClockIntervalMs);

    openSummary = [this, &services, &session](const LevelResult& result) {
        SummaryScreen summary(result, services, session, this);
        summary.exec();
        return summary.outcome();
    };
    connect(&m_dealTimer, &QTimer::timeout, &m_model, &BoardModel::dealTick);
    connect(&m_slideTimer, &QTimer::timeout, &m_model, &BoardModel::slideTick);
    connect(&m_gameTimer, &QTimer::timeout, &m_model, &BoardModel::clockTick);

    m_model.load();
    syncTiles();
    syncWord();
    syncScores();
    syncWordList();
    syncBanner();
    syncClock();
    syncCommands();
}

BoardScreen::~BoardScreen() = default;

void BoardScreen::buildField() {
    const LevelInfo& info = m_model.info();
    const QFont tileFont = fonts::courier(36);
    for (int i = 1; i <= info.tileCount(); ++i) {
        const int row = (i - 1) / info.side;
        const int column = (i - 1) % info.side;
        auto* tile = new LetterTile(this);
        tile->setObjectName(QStringLiteral("Label1_%1").arg(i));
        tile->setFont(tileFont);
        tile->setGeometry(px(info.fieldLeft + kTileStep * column),
                          px(info.fieldTop + kTileStep * row), px(kTileSize), px(kTileSize));
        tile->setPlace(row + 1, column + 1);
        wireTile(tile, this, m_model, i);
        connect(tile, &ClickLabel::hovered, this, [this] {
            m_quit->setTextColour(palette::kRest);
            hoverCommand(-1);
        });
        m_tiles.append(tile);
    }
    const int extent = px(kTileStep * (info.side - 1) + kTileSize);
    m_fieldRect = QRect(px(info.fieldLeft), px(info.fieldTop), extent, extent);

    m_quit = new ClickLabel(QStringLiteral("Quit Game"), this);
    m_quit->setButtonLike(true); // first: widget changes below fix its accessible kind
    m_quit->setObjectName(QStringLiteral("Label1_0"));
    m_quit->setFont(fonts::courier(18));
    styleButtonLabel(m_quit); // placed with the column (buildPanel)
    connect(m_quit, &ClickLabel::clicked, this, [this](Qt::MouseButton) { m_model.clickTile(0); });
    connect(m_quit, &ClickLabel::hovered, this, [this] {
        m_quit->setTextColour(palette::kHoverGo);
        hoverCommand(-1);
    });
}

void BoardScreen::buildPanel() {
    const LevelInfo& info = m_model.info();
    // The widest field pushes the column (and the window) right rather than crowd it.
    const int columnLeft = std::max(kColumnLeft, m_fieldRect.right() + 1 + kFieldToColumn);
    const int columnWidth = width() - columnLeft - 10;
    m_panelRect = QRect(columnLeft - 8, 6, columnWidth + 16, height() - 12);

    auto* title = new QLabel(
        QStringLiteral("%1  %2 x %2").arg(QString::fromLatin1(info.title).toUpper()).arg(info.side),
        this);
    title->setFont(fonts::arial(13, true, true));
    QPalette tp = title->palette();
    tp.setColor(QPalette::WindowText, palette::kGold);
    title->setPalette(tp);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(columnLeft, 10, columnWidth, 26);

    static const std::array<const char*, 4> kCaptions{"Done", "Play", "Clear", "Shuffle"};
    const int buttonWidth = (columnWidth - 8) / 2;
    for (const BoardCommand command : kBoardCommands) {
        const auto i = static_cast<int>(command);
        auto* label =
            new ClickLabel(QString::fromLatin1(kCaptions.at(static_cast<std::size_t>(i))), this);
        label->setButtonLike(true);
        label->setObjectName(QStringLiteral("lblCommands_%1").arg(i));
        label->setFont(fonts::courier(12));
        styleButtonLabel(label);
        // Done and Clear are reached by double-click and right click on the tiles only.
        const bool right = command == BoardCommand::Shuffle || command == BoardCommand::Clear;
        label->setGeometry(columnLeft + (right ? buttonWidth + 8 : 0), 44, buttonWidth, 32);
        label->setVisible(command == BoardCommand::Play || command == BoardCommand::Shuffle);
        connect(label, &ClickLabel::clicked, this,
                [this, command](Qt::MouseButton) { m_model.clickCommand(command); });
        connect(label, &ClickLabel::hovered, this, [this, i] { hoverCommand(i); });
        m_commands.at(static_cast<std::size_t>(i)) = label;
    }

    m_pause = new ClickLabel(m_model.pauseLabelText(), this);
    m_pause->setButtonLike(true);
    m_pause->setObjectName(QStringLiteral("Label4"));
    m_pause->setFont(fonts::courier(12));
    styleButtonLabel(m_pause);
    m_pause->setGeometry(columnLeft + (columnWidth - 100) / 2, 86, 100, 26);
    connect(m_pause, &ClickLabel::clicked, this,
            [this](Qt::MouseButton) { m_model.clickPauseLabel(); });
    connect(m_pause, &ClickLabel::hovered, this, [this] {
        if (m_model.info().pauseLabelHover) {
            m_pause->setTextColour(palette::kHoverCommand);
        }
    });

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("ANII"));
    m_banner->setFont(fonts::arial(16, true));
    QPalette bp = m_banner->palette();
    bp.setColor(QPalette::WindowText, palette::kGold);
    m_banner->setPalette(bp);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->hide();
    markDecorative(m_banner); // the accepted word it carries is read in the word list

    m_wordFormed = new QLabel(this);
    m_wordFormed->setObjectName(QStringLiteral("lblWordFormed"));
    m_wordFormed->setFont(fonts::courier(20.25));
    QPalette wp = m_wordFormed->palette();
    wp.setColor(QPalette::WindowText, QColor(255, 255, 255));
    m_wordFormed->setPalette(wp);
    m_wordFormed->setAlignment(Qt::AlignCenter);
    m_wordFormed->setGeometry(columnLeft, px(info.wordFormedTop), columnWidth, 34);
    makeReadout(m_wordFormed);

    static const std::array<const char*, 5> kPanelCaptions{
        "Time : ", "Total Score : ", "Word Score : ", "Bonus Point : ", "Sub Total :"};
    std::array<QLabel**, 5> values{&m_timer, &m_total, &m_wordScore, &m_bonus, &m_subTotal};
    for (std::size_t r = 0; r < kPanelCaptions.size(); ++r) {
        const int top = 248 + static_cast<int>(r) * 22;
        QLabel* caption = panelText(this, QString::fromLatin1(kPanelCaptions.at(r)), kCaption,
                                    false, Qt::AlignLeft);
        caption->setGeometry(columnLeft + 4, top, 110, 22);
        QLabel* value = panelText(this, r == 0 ? QStringLiteral("00:00") : QStringLiteral("0"),
                                  kValue, true, Qt::AlignRight);
        value->setGeometry(columnLeft + 110, top, columnWidth - 114, 22);
        makeReadout(value);
        *values.at(r) = value;
    }
    m_timer->setObjectName(QStringLiteral("lblTimer"));
    m_total->setObjectName(QStringLiteral("lblTotScor"));
    m_wordScore->setObjectName(QStringLiteral("lblWrdScor"));
    m_bonus->setObjectName(QStringLiteral("lblBnsPnt"));
    m_subTotal->setObjectName(QStringLiteral("lblSubTotal"));

    m_wordList = new QListWidget(this);
    m_wordList->setObjectName(QStringLiteral("lstWords"));
    m_wordList->setFont(fonts::arial(10, true));
    // "Quit Game" keeps the bottom edge the level's layout gives it and sits centred under
    // the column; the word list takes the room above it.
    const QSize quit = captionRoom(m_quit->font(), m_quit->text());
    const int quitBottom = px(info.quitTop) + px(kQuitHeight);
    m_quit->setGeometry(columnLeft + (columnWidth - quit.width()) / 2, quitBottom - quit.height(),
                        quit.width(), quit.height());
    m_wordList->setGeometry(columnLeft, 364, columnWidth, m_quit->y() - 8 - 364);
    // Tab reaches the list for screen readers; typed letters still build the word.
    m_wordList->setFocusPolicy(Qt::TabFocus);
    m_wordList->setAccessibleName(QStringLiteral("Words built"));
    m_wordList->installEventFilter(this);
    m_wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette lp = m_wordList->palette();
    lp.setColor(QPalette::Base, QColor(8, 32, 56));
    lp.setColor(QPalette::Text, QColor(230, 238, 248));
    lp.setColor(QPalette::Highlight, palette::kGold);
    lp.setColor(QPalette::HighlightedText, QColor(20, 20, 20));
    m_wordList->setPalette(lp);
}

void BoardScreen::connectModel() {
    connect(&m_model, &BoardModel::tilesChanged, this, &BoardScreen::syncTiles);
    connect(&m_model, &BoardModel::wordChanged, this, &BoardScreen::syncWord);
    connect(&m_model, &BoardModel::scoresChanged, this, &BoardScreen::syncScores);
    connect(&m_model, &BoardModel::wordListChanged, this, &BoardScreen::syncWordList);
    connect(&m_model, &BoardModel::bannerChanged, this, &BoardScreen::syncBanner);
    connect(&m_model, &BoardModel::clockChanged, this, &BoardScreen::syncClock);
    connect(&m_model, &BoardModel::commandsChanged, this, &BoardScreen::syncCommands);
    connect(&m_model, &BoardModel::timersChanged, this, &BoardScreen::syncTimers);
    connect(&m_model, &BoardModel::closeRequested, this, &BoardScreen::finish);
    connect(&m_model, &BoardModel::levelEnded, this,
            [this](const LevelResult& result) { finish(openSummary(result)); });
}

void BoardScreen::orderTabStops() {
    // The commands first, so Play is one key away when the board opens; then the field, the
    // readouts and the list; "Quit Game" last.
    QList<QWidget*> order{m_commands.at(static_cast<std::size_t>(BoardCommand::Play)),
                          m_commands.at(static_cast<std::size_t>(BoardCommand::Shuffle)), m_pause};
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

void BoardScreen::syncTiles() {
    const TileGrid& grid = m_model.grid();
    const bool visible = m_model.tilesVisible();
    if (!visible && qobject_cast<LetterTile*>(focusWidget()) != nullptr) {
        // Qt would hand the focus of a hidden tile to the next label, where Space or Return
        // would press it: the keys stay with the board instead.
        setFocus(Qt::OtherFocusReason);
    }
    for (int i = 1; i <= grid.count(); ++i) {
        LetterTile* t = m_tiles.at(i - 1);
        t->setLetter(grid.tile(i).letter);
        t->setState(grid.colour(i));
        t->setReach(LetterTile::reachOf(grid, i));
        t->setVisible(visible);
    }
    syncPausedSign();
}

void BoardScreen::syncPausedSign() {
    const bool paused = m_model.clock() == BoardModel::Clock::Paused;
    if (paused != m_pausedSignShown) {
        m_pausedSignShown = paused;
        update(m_fieldRect);
    }
}

void BoardScreen::paintPausedSign(QPainter& p) const {
    // Over the empty tray, so hidden tiles never look like a broken board.
    p.setRenderHint(QPainter::TextAntialiasing);
    QRect upper = m_fieldRect;
    upper.setBottom(m_fieldRect.center().y() + 8);
    p.setFont(fonts::arial(30, true));
    p.setPen(palette::kGold);
    p.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Paused"));
    if (m_model.pauseLabelText() != QStringLiteral("Resume")) {
        return; // a message holds the clock: the message itself says how to go on
    }
    QRect lower = m_fieldRect;
    lower.setTop(m_fieldRect.center().y() + 16);
    p.setFont(fonts::arial(11, false));
    p.setPen(kCaption);
    p.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Space or Resume to go on"));
}

void BoardScreen::syncWord() {
    m_wordFormed->setText(m_model.word());
    fitText(m_wordFormed, fonts::courier(20.25));
    nameValue(m_wordFormed, QStringLiteral("Word formed"));
}

void BoardScreen::syncScores() {
    m_total->setText(QString::number(m_model.levelTotal()));
    m_wordScore->setText(QString::number(m_model.wordPoints()));
    m_bonus->setText(QString::number(m_model.bonusPoints()));
    m_subTotal->setText(m_model.subTotalText());
    nameValue(m_total, QStringLiteral("Total Score"));
    nameValue(m_wordScore, QStringLiteral("Word Score"));
    nameValue(m_bonus, QStringLiteral("Bonus Point"));
    nameValue(m_subTotal, QStringLiteral("Sub Total"));
}

void BoardScreen::syncWordList() {
    const QStringList words = m_model.words();
    if (m_wordList->count() != words.size()) {
        m_wordList->clear();
        m_wordList->addItems(words);
    }
    const int selected = m_model.selectedWord();
    if (selected >= 0) {
        m_wordList->setCurrentRow(selected);
        m_wordList->scrollToItem(m_wordList->item(selected));
    } else {
        m_wordList->clearSelection();
    }
}

void BoardScreen::syncBanner() {
    m_banner->setText(m_model.bannerText());
    const int top = px(m_model.bannerTop());
    m_banner->setGeometry(m_wordFormed->x(), top, m_wordFormed->width(), 30);
    m_banner->setVisible(m_model.bannerVisible());
}

void BoardScreen::syncClock() {
    m_timer->setText(m_model.clockText());
    nameValue(m_timer, QStringLiteral("Time"));
    m_pause->setText(m_model.pauseLabelText());
    syncPausedSign();
}

void BoardScreen::syncCommands() {
    for (const BoardCommand command : kBoardCommands) {
        commandLabel(command)->setEnabled(m_model.commandEnabled(command));
    }
}

void BoardScreen::syncTimers() {
    followTimer(m_dealTimer, m_model.dealRunning());
    followTimer(m_slideTimer, m_model.slideRunning());
    followTimer(m_gameTimer, m_model.clockRunning());
}

void BoardScreen::hoverCommand(int index) {
    for (int i = 0; i < 4; ++i) {
        m_commands.at(static_cast<std::size_t>(i))
            ->setTextColour(i == index ? palette::kHoverCommand : palette::kRest);
    }
    if (index >= 0) {
        m_quit->setTextColour(palette::kRest);
    }
}

void BoardScreen::hoverNothing() {
    m_quit->setTextColour(palette::kRest);
    hoverCommand(-1);
    if (m_model.info().pauseLabelHover) {
        m_pause->setTextColour(palette::kRest);
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
    const qreal dpr = devicePixelRatioF();
    if (m_backdrop.isNull() || m_backdrop.devicePixelRatio() != dpr) {
        m_backdrop = QPixmap(size() * dpr);
        m_backdrop.setDevicePixelRatio(dpr);
        QPainter painter(&m_backdrop);
        paintBackdrop(painter);
    }
    QPainter p(this);
    p.drawPixmap(
        event->rect(), m_backdrop,
        QRectF(QPointF(event->rect().topLeft()) * dpr, QSizeF(event->rect().size()) * dpr));
    if (m_pausedSignShown) {
        paintPausedSign(p);
    }
}

void BoardScreen::paintBackdrop(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(10, 34, 62));
    sky.setColorAt(1.0, palette::kSea);
    p.fillRect(rect(), sky);

    // Faint diagonal weave, the game's backdrop.
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = -height(); x < width(); x += 18) {
        p.drawLine(x, 0, x + height(), height());
    }

    // A soft glow under the field.
    const QPointF centre = m_fieldRect.center();
    QRadialGradient glow(centre, m_fieldRect.width() * 0.75);
    glow.setColorAt(0.0, QColor(120, 190, 255, 70));
    glow.setColorAt(1.0, QColor(120, 190, 255, 0));
    p.fillRect(rect(), glow);

    QPainterPath tray;
    tray.addRoundedRect(QRectF(m_fieldRect.adjusted(-8, -8, 8, 8)), 10, 10);
    p.fillPath(tray, QColor(5, 20, 38, 170));
    p.setPen(QPen(palette::withAlpha(palette::kGold, 120), 1.5));
    p.drawPath(tray);

    QPainterPath panel;
    panel.addRoundedRect(QRectF(m_panelRect), 12, 12);
    p.fillPath(panel, QColor(5, 20, 38, 150));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawPath(panel);
    // Separators between the sections of the column.
    p.setPen(QPen(QColor(255, 255, 255, 35), 1));
    for (int y : {120, 240, 358}) {
        p.drawLine(m_panelRect.left() + 10, y, m_panelRect.right() - 10, y);
    }
}

ScreenOutcome BoardScreenOpener::openBoard(Level level, SessionState& session) {
    BoardScreen board(level, m_services, session, m_parent);
    board.exec();
    return board.outcome();
}

} // namespace vortalex
