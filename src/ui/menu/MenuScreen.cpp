#include "ui/menu/MenuScreen.h"

#include "ui/menu/MenuArt.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/Palette.h"
#include "ui/widgets/SpeakerToggle.h"
#include "ui/widgets/Timers.h"
#include "ui/widgets/TypedText.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace vortalex {

namespace {

using fonts::px;

const QColor kLightText = palette::kHeading;
const QColor kCommandWord{64, 64, 64};

// Positions in twips on the 12000 x 9000 client area.
constexpr int kTileSize = 495;
constexpr int kTileStep = 540;
constexpr int kFieldLeft = 420;
constexpr int kFieldTop = 5940;
constexpr int kTopRightTileTop = 5970; // tile 5 sits a little lower than its row
constexpr int kButtonLeft = 3240;
constexpr int kOkTop = 7740;
constexpr int kClearTop = 8230;
constexpr int kButtonWidth = 1320;
constexpr int kButtonHeight = 480;
constexpr int kCommandWordLeft = 1680;
constexpr int kCommandWordTop = 5280;

// Pixels: where the rules leave the layout open.
const QRect kGreetingBox{24, 12, 640, 46};
const QRect kInstructionsBox{452, 214, 316, 92};
const QRect kCommandWordBox{px(kCommandWordLeft), px(kCommandWordTop), 200, 34};
const QRect kSoundBox{752, 18, 32, 32}; // the top right corner, level with the greeting
constexpr int kLevelLeft = 440;
constexpr int kLevelTop = 486;
constexpr int kLevelWidth = 76;
constexpr int kLevelHeight = 64;
constexpr int kLevelGap = 10;

// The picture behind a caption; a press shows as a thin frame until release.
class ButtonPicture final : public ClickLabel {
public:
    using ClickLabel::ClickLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter p(this);
            art::paintButtonFace(p, QRectF(rect()));
        }
        ClickLabel::paintEvent(event);
    }
};

// A caption whose colour follows the rules (black, cyan on hover) and stays readable on the
// painted faces.
class Caption final : public ClickLabel {
public:
    using ClickLabel::ClickLabel;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font());
        art::drawHaloText(p, rect(), static_cast<int>(alignment()), text(), textColour());
        paintFocusRing(p);
    }
};

// A level chooser entry: a badge that is greyed while its level is closed.
class LevelBadge final : public ClickLabel {
public:
    using ClickLabel::ClickLabel;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const bool open = isEnabled();
        art::paintLevelFace(p, QRectF(rect()), open);
        p.setFont(font());
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        const QRect box = rect().adjusted(3, 2, -3, -2);
        if (open) {
            art::drawHaloText(p, box, flags, text(), textColour());
        } else {
            // Engraved, as a desktop draws a disabled caption.
            p.setPen(QColor(140, 150, 162, 140));
            p.drawText(box.translated(1, 1), flags, text());
            p.setPen(QColor(40, 46, 56));
            p.drawText(box, flags, text());
        }
        paintFocusRing(p);
    }
};

} // namespace

MenuScreen::MenuScreen(Services& services, MenuActions& actions, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_model(m_session, services, actions) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setFixedSize(px(12000), px(9000));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildTexts();
    buildField();
    buildButtons();
    buildLevels();
    m_sound = new SpeakerToggle(services.mute, this);
    m_sound->setGeometry(kSoundBox);
    connect(m_sound, &ClickLabel::hovered, this, &MenuScreen::hoverNothing);
    // The open levels first and Ok and Clear next, each a key or two away; then the field, and
    // the sound last.
    QList<QWidget*> order(m_levels.begin(), m_levels.end());
    order += QList<QWidget*>{m_okLabel, m_clearLabel};
    for (LetterTile* t : m_tiles) {
        order.append(t);
    }
    order.append(m_sound);
    m_tabOrder.set(order);

    m_background = art::menuBackground(size(), frames(), devicePixelRatioF());

    m_demoTimer.setInterval(MenuModel::kDemoIntervalMs);
    m_clearTimer.setInterval(MenuModel::kClearIntervalMs);
    connect(&m_demoTimer, &QTimer::timeout, &m_model, &MenuModel::demoTick);
    connect(&m_clearTimer, &QTimer::timeout, &m_model, &MenuModel::clearTick);
    connect(&m_model, &MenuModel::tilesChanged, this, &MenuScreen::syncTiles);
    const auto showWord = [this] {
        const QString word = m_model.word();
        m_commandWord->setText(word);
        m_commandWord->setAccessibleName(QStringLiteral("Command word: ") +
                                         (word.isEmpty() ? QStringLiteral("none") : word));
    };
    showWord();
    connect(&m_model, &MenuModel::wordChanged, this, showWord);
    connect(&m_model, &MenuModel::clearPendingChanged, this, &MenuScreen::syncTimers);
    connect(&m_session, &SessionState::demoRunningChanged, this, &MenuScreen::syncTimers);
    connect(&m_session, &SessionState::greetingChanged, this, &MenuScreen::showGreeting);
    connect(&m_session, &SessionState::levelOpenChanged, this,
            [this](Level level, bool open) { levelEntry(level)->setEnabled(open); });

    m_model.load();
    syncTiles();
    syncTimers();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MenuScreen::~MenuScreen() {
    m_demoTimer.stop();
    m_clearTimer.stop();
}

void MenuScreen::buildTexts() {
    m_greeting = new QLabel(m_session.greeting(), this);
    m_greeting->setObjectName(QStringLiteral("Label4"));
    m_greeting->setTextFormat(Qt::PlainText); // it holds the player's name
    m_greeting->setFont(fonts::arial(24, true, true));
    m_greeting->setGeometry(kGreetingBox);
    QPalette gp = m_greeting->palette();
    gp.setColor(QPalette::WindowText, kLightText);
    m_greeting->setPalette(gp);

    m_instructions = new QLabel(kInstructions, this);
    m_instructions->setObjectName(QStringLiteral("Label3"));
    m_instructions->setFont(fonts::arial(12, true, true));
    m_instructions->setWordWrap(true);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_instructions->setGeometry(kInstructionsBox);
    m_instructions->setPalette(gp);
}

art::MenuFrames MenuScreen::frames() const {
    art::MenuFrames frames;
    frames.field = QRect(tile(1)->geometry().topLeft(), tile(25)->geometry().bottomRight());
    frames.commandWord = kCommandWordBox;
    frames.buttons = m_okPicture->geometry().united(m_clearPicture->geometry());
    frames.instructions = kInstructionsBox;
    frames.levels = m_levels.front()->geometry().united(m_levels.back()->geometry());
    return frames;
}

void MenuScreen::showGreeting(const QString& greeting) {
    // A long name is cut short with "…" inside the brackets, so the greeting still reads as
    // one; the whole name shows as the tooltip.
    const QFontMetrics metrics = m_greeting->fontMetrics();
    const int room = m_greeting->contentsRect().width();
    const QString name = m_session.playerName();
    QString shown = greeting;
    QString whole;
    if (metrics.horizontalAdvance(greeting) > room) {
        if (!name.isEmpty() && greeting == SessionState::welcome(name)) {
            const int frame = metrics.horizontalAdvance(SessionState::welcome(QString()));
            shown = SessionState::welcome(metrics.elidedText(name, Qt::ElideRight, room - frame));
            whole = name;
        } else {
            shown = metrics.elidedText(greeting, Qt::ElideRight, room);
            whole = greeting;
        }
    }
    m_greeting->setText(shown);
    m_greeting->setToolTip(plainToolTip(whole));
}

void MenuScreen::buildField() {
    const QFont tileFont = fonts::arial(20.25, true);
    for (int i = 1; i <= MenuModel::kSide * MenuModel::kSide; ++i) {
        const int row = (i - 1) / MenuModel::kSide;
        const int column = (i - 1) % MenuModel::kSide;
        auto* t = new LetterTile(this);
        t->setObjectName(QStringLiteral("lblMenu_%1").arg(i));
        t->setFont(tileFont);
        t->setLetter(MenuModel::letterAt(i));
        const int top = i == 5 ? kTopRightTileTop : kFieldTop + kTileStep * row;
        t->setGeometry(px(kFieldLeft + kTileStep * column), px(top), px(kTileSize), px(kTileSize));
        t->setPlace(row + 1, column + 1);
        wireTile(t, this, m_model, i);
        m_tiles.at(static_cast<std::size_t>(i - 1)) = t;
    }

    m_commandWord = new ClickLabel(this);
    m_commandWord->setObjectName(QStringLiteral("lblMenu_0"));
    m_commandWord->setFont(fonts::arial(18, true));
    m_commandWord->setTextColour(kCommandWord);
    m_commandWord->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_commandWord->setGeometry(kCommandWordBox);
    connect(m_commandWord, &ClickLabel::clicked, this,
            [this](Qt::MouseButton) { m_model.clickTile(0); });
}

void MenuScreen::buildButtons() {
    const QFont captionFont = fonts::courier(14.25, true);
    const auto build = [&](const QString& name, const QString& caption, int top,
                           ClickLabel*& picture, ClickLabel*& label) {
        picture = new ButtonPicture(this);
        picture->setObjectName(name == QLatin1String("Label2") ? QStringLiteral("Image1")
                                                               : QStringLiteral("Image2"));
        picture->setGeometry(px(kButtonLeft), px(top), px(kButtonWidth), px(kButtonHeight));
        markDecorative(picture); // its caption is the button a screen reader reads
        label = new Caption(caption, this);
        label->setButtonLike(true); // first: widget changes below fix its accessible kind
        label->setObjectName(name);
        label->setFont(captionFont);
        label->setAlignment(Qt::AlignCenter);
        const int width = QFontMetrics(captionFont).horizontalAdvance(caption) + 10;
        const QRect face = picture->geometry();
        label->setGeometry(face.center().x() - width / 2 + 1, face.top() + 4, width,
                           face.height() - 8);
    };
    build(QStringLiteral("Label2"), QStringLiteral("Ok"), kOkTop, m_okPicture, m_okLabel);
    build(QStringLiteral("Label1"), QStringLiteral("Clear"), kClearTop, m_clearPicture,
          m_clearLabel);

    for (ClickLabel* okPart : {m_okLabel, m_okPicture}) {
        // Like the tiles, the menu's labels take a right click as a click.
        connect(okPart, &ClickLabel::clicked, this, [this](Qt::MouseButton) { m_model.ok(); });
        connect(okPart, &ClickLabel::pressed, this,
                [this](Qt::MouseButton) { m_okPicture->setFramed(true); });
        connect(okPart, &ClickLabel::released, this,
                [this](Qt::MouseButton) { m_okPicture->setFramed(false); });
    }
    for (ClickLabel* clearPart : {m_clearLabel, m_clearPicture}) {
        connect(clearPart, &ClickLabel::clicked, this,
                [this](Qt::MouseButton) { m_model.clear(); });
        connect(clearPart, &ClickLabel::pressed, this,
                [this](Qt::MouseButton) { m_clearPicture->setFramed(true); });
        connect(clearPart, &ClickLabel::released, this,
                [this](Qt::MouseButton) { m_clearPicture->setFramed(false); });
    }
    connect(m_okLabel, &ClickLabel::hovered, this, [this] { hoverOk(false); });
    connect(m_okPicture, &ClickLabel::hovered, this, [this] { hoverOk(true); });
    connect(m_clearLabel, &ClickLabel::hovered, this, [this] { hoverClear(false); });
    connect(m_clearPicture, &ClickLabel::hovered, this, [this] { hoverClear(true); });
}

void MenuScreen::buildLevels() {
    static const std::array<const char*, kLevelCount> kCaptions{"Easy", "Inter mediate",
                                                                "Difficult", "Expert"};
    for (int i = 0; i < kLevelCount; ++i) {
        auto* entry =
            new LevelBadge(QString::fromLatin1(kCaptions.at(static_cast<std::size_t>(i))), this);
        entry->setObjectName(QStringLiteral("lblLevel_%1").arg(i));
        entry->setFont(fonts::arial(12, true));
        entry->setAlignment(Qt::AlignCenter);
        entry->setWordWrap(true);
        entry->setGeometry(kLevelLeft + i * (kLevelWidth + kLevelGap), kLevelTop, kLevelWidth,
                           kLevelHeight);
        // Tab reaches an entry once its level is open. Set first: the widget changes below
        // fix its accessible kind.
        entry->setButtonLike(true);
        entry->setEnabled(m_session.levelOpen(static_cast<Level>(i)));
        entry->setAccessibleName(QStringLiteral("%1 level").arg(entry->text().remove(' ')));
        connect(entry, &ClickLabel::clicked, this,
                [this, i](Qt::MouseButton) { m_model.chooseLevel(static_cast<Level>(i)); });
        connect(entry, &ClickLabel::hovered, this, [this, i] { hoverLevel(i); });
        m_levels.at(static_cast<std::size_t>(i)) = entry;
    }
}

void MenuScreen::syncTiles() {
    for (int i = 1; i <= MenuModel::kSide * MenuModel::kSide; ++i) {
        LetterTile* t = tile(i);
        t->setState(m_model.colour(i));
        t->setReach(LetterTile::reachOf(m_model.grid(), i));
        t->setLit(m_model.lit(i));
    }
}

void MenuScreen::syncTimers() {
    followTimer(m_demoTimer, m_session.demoRunning());
    followTimer(m_clearTimer, m_model.clearPending());
}

void MenuScreen::hoverOk(bool clearToo) {
    m_okLabel->setTextColour(palette::kHoverCommand);
    if (clearToo) {
        m_clearLabel->setTextColour(palette::kRest);
    }
}

void MenuScreen::hoverClear(bool okToo) {
    m_clearLabel->setTextColour(palette::kHoverCommand);
    if (okToo) {
        m_okLabel->setTextColour(palette::kRest);
    }
}

void MenuScreen::hoverLevel(int index) {
    for (int i = 0; i < kLevelCount; ++i) {
        m_levels.at(static_cast<std::size_t>(i))
            ->setTextColour(i == index ? palette::kHoverGo : palette::kRest);
    }
}

void MenuScreen::hoverNothing() {
    m_okLabel->setTextColour(palette::kRest);
    m_clearLabel->setTextColour(palette::kRest);
    hoverLevel(-1);
}

void MenuScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Later activations are run by the model after each screen it opened has closed: the
    // window system also activates the menu whenever a message box closes, and those must
    // not wipe the field.
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_tabOrder.focusFirst();
        m_model.activate();
    }
}

void MenuScreen::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);
}

bool MenuScreen::focusNextPrevChild(bool next) {
    return m_tabOrder.enterFromWindow(this, next) || QWidget::focusNextPrevChild(next);
}

void MenuScreen::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_model.pressReturn();
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        m_model.pressClear();
        break;
    default:
        if (text.size() == 1 && text.at(0).isLetter()) {
            m_model.typeLetter(text.at(0));
            break;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MenuScreen::mouseMoveEvent(QMouseEvent* event) {
    hoverNothing();
    QWidget::mouseMoveEvent(event);
}

} // namespace vortalex
