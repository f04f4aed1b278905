#include "ui/menu/MenuScreen.h"

#include "ui/menu/MenuArt.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/Timers.h"
#include "ui/widgets/TypedText.h"
#include "ui/widgets/WindowScaler.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vortalex {

namespace {

// Places in twips on the 12000 x 9000 client area.
constexpr QSize kDesign(12000, 9000);
constexpr int kTileSize = 495;
constexpr int kTileStep = 540;
constexpr int kFieldLeft = 420;
constexpr int kFieldTop = 5940;
constexpr int kTopRightTileTop = 5970; // tile 5 sits a little lower than its row
constexpr QRect kOkPicture(3240, 7740, 1320, 480);
constexpr QRect kClearPicture(3240, 8230, 1320, 480);
constexpr QRect kCommandWordBox(1680, 5280, 3000, 510);

// Where the rules leave the layout open: the menu's own design, in its pixels.
constexpr QRect kGreetingBox = design::pixels(24, 12, 640, 46);
constexpr QRect kInstructionsBox = design::pixels(452, 214, 316, 92);
constexpr QRect kSoundBox = design::pixels(752, 18, 32, 32); // top right, level with the greeting
constexpr QRect kFirstLevel = design::pixels(440, 486, 76, 64);
constexpr int kLevelStep = design::pixels(86, 0).width();
// Above the level chooser's panel, as wide as its last two entries and flush with them: near
// the levels, on none of the rules' controls or panels.
constexpr QRect kTodayBox = design::pixels(612, 398, 162, 40);

using design::toPixels;

// The picture behind a caption; a press shows as a thin frame until release, and a caption in
// a light colour darkens it.
class ButtonPicture final : public ClickLabel {
public:
    using ClickLabel::ClickLabel;
    const ClickLabel* caption = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter p(this);
            const bool lit = caption != nullptr && theme::isLight(caption->textColour());
            art::paintButtonFace(p, QRectF(rect()), true, lit);
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
        theme::drawHaloText(p, rect(), static_cast<int>(alignment()), text(), textColour());
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
        art::paintLevelFace(p, QRectF(rect()), open, theme::isLight(textColour()));
        p.setFont(font());
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        const QRect box = rect().adjusted(3, 2, -3, -2);
        if (open) {
            theme::drawHaloText(p, box, flags, text(), textColour());
        } else {
            art::drawEngravedText(p, box, flags, text());
        }
        paintFocusRing(p);
    }
};

} // namespace

MenuScreen::MenuScreen(Services& services, MenuActions& actions, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_model(m_session, services, actions)
    , m_layout(*this, kDesign) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildTexts();
    buildField();
    buildButtons();
    buildLevels();
    buildToday();
    m_sound = new SpeakerToggle(services.mute, this);
    m_layout.place(m_sound, kSoundBox);
    connect(m_sound, &ClickLabel::hovered, this, &MenuScreen::hoverNothing);
    // The open levels first and Ok and Clear next, each a key or two away (Ok has the keys when
    // the menu opens, as before today's field came); today's field, the field, and the sound
    // last.
    QList<QWidget*> order(m_levels.begin(), m_levels.end());
    order += QList<QWidget*>{m_okLabel, m_clearLabel, m_today};
    for (LetterTile* t : m_tiles) {
        order.append(t);
    }
    order.append(m_sound);
    m_tabOrder.set(order);

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
    // A long name is cut to the room the greeting has at the new size.
    connect(&m_layout, &DesignLayout::scaleChanged, this,
            [this] { showGreeting(m_session.greeting()); });

    m_model.load();
    syncTiles();
    syncTimers();

    centreOnScreen(*this);
    m_scaler = new WindowScaler(*this, m_layout.designPixels(), services.scale);
}

MenuScreen::~MenuScreen() {
    m_demoTimer.stop();
    m_clearTimer.stop();
}

void MenuScreen::buildTexts() {
    m_greeting = new QLabel(m_session.greeting(), this);
    m_greeting->setObjectName(QStringLiteral("Label4"));
    m_greeting->setTextFormat(Qt::PlainText); // it holds the player's name
    theme::styleCaption(*m_greeting);
    m_layout.place(m_greeting, kGreetingBox, theme::captionFont(24));

    m_instructions = new QLabel(kInstructions, this);
    m_instructions->setObjectName(QStringLiteral("Label3"));
    m_instructions->setWordWrap(true);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    theme::styleCaption(*m_instructions);
    m_layout.place(m_instructions, kInstructionsBox, theme::captionFont(12));
}

art::MenuFrames MenuScreen::frames() const {
    const auto at = [this](const QWidget* w) {
        return toPixels(m_layout.placeOf(w));
    };
    art::MenuFrames frames;
    frames.field = at(tile(1)).united(at(tile(25)));
    frames.commandWord = toPixels(kCommandWordBox);
    frames.buttons = toPixels(kOkPicture).united(toPixels(kClearPicture));
    frames.instructions = toPixels(kInstructionsBox);
    frames.levels = at(m_levels.front()).united(at(m_levels.back()));
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
    const QFont tileFont = theme::arial(20.25, true); // the letters keep the face the rules name
    for (int i = 1; i <= MenuModel::kSide * MenuModel::kSide; ++i) {
        const int row = (i - 1) / MenuModel::kSide;
        const int column = (i - 1) % MenuModel::kSide;
        auto* t = new LetterTile(this);
        t->setObjectName(QStringLiteral("lblMenu_%1").arg(i));
        t->setLetter(MenuModel::letterAt(i));
        const int top = i == 5 ? kTopRightTileTop : kFieldTop + kTileStep * row;
        m_layout.place(t, QRect(kFieldLeft + kTileStep * column, top, kTileSize, kTileSize),
                       tileFont);
        t->setPlace(row + 1, column + 1);
        wireTile(t, this, m_model, i);
        m_tiles.at(static_cast<std::size_t>(i - 1)) = t;
    }

    m_commandWord = new ClickLabel(this);
    m_commandWord->setObjectName(QStringLiteral("lblMenu_0"));
    m_commandWord->setTextColour(theme::kCommandWord);
    m_commandWord->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_layout.place(m_commandWord, kCommandWordBox, theme::textFont(18, true));
    connect(m_commandWord, &ClickLabel::clicked, this,
            [this](Qt::MouseButton) { m_model.clickTile(0); });
}

void MenuScreen::buildButtons() {
    const QFont captionFont = theme::textFont(14.25, true);
    const auto build = [&](const QString& name, const QString& caption, const QRect& face,
                           ClickLabel*& picture, ClickLabel*& label) {
        auto* facePicture = new ButtonPicture(this);
        picture = facePicture;
        picture->setObjectName(name == QLatin1String("Label2") ? QStringLiteral("Image1")
                                                               : QStringLiteral("Image2"));
        m_layout.place(picture, face);
        markDecorative(picture); // its caption is the button a screen reader reads
        label = new Caption(caption, this);
        label->setButtonLike(true); // first: widget changes below fix its accessible kind
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        facePicture->caption = label;
        // As wide as its text at the design size, centred on the picture.
        const QRect round = toPixels(face);
        const int width = QFontMetrics(captionFont).horizontalAdvance(caption) + 10;
        m_layout.place(label,
                       design::pixels(round.center().x() - width / 2 + 1, round.top() + 4, width,
                                      round.height() - 8),
                       captionFont);
    };
    build(QStringLiteral("Label2"), QStringLiteral("Ok"), kOkPicture, m_okPicture, m_okLabel);
    build(QStringLiteral("Label1"), QStringLiteral("Clear"), kClearPicture, m_clearPicture,
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
        entry->setAlignment(Qt::AlignCenter);
        entry->setWordWrap(true);
        m_layout.place(entry, kFirstLevel.translated(i * kLevelStep, 0), theme::textFont(12, true));
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

void MenuScreen::buildToday() {
    m_today = new LevelBadge(QStringLiteral("Today's field"), this);
    m_today->setButtonLike(true); // first: widget changes below fix its accessible kind
    m_today->setObjectName(QStringLiteral("lblToday"));
    m_today->setAlignment(Qt::AlignCenter);
    m_layout.place(m_today, kTodayBox, theme::textFont(12, true));
    m_today->setAccessibleName(QStringLiteral("Today's field"));
    m_today->setToolTip(QStringLiteral("The same 5 x 5 letters for every player today: three "
                                       "minutes, and the first play of the day is kept"));
    connect(m_today, &ClickLabel::clicked, this,
            [this](Qt::MouseButton) { m_model.chooseTodaysField(); });
    connect(m_today, &ClickLabel::hovered, this, &MenuScreen::hoverToday);
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

void MenuScreen::colourCaption(ClickLabel* caption, const QColor& colour) {
    caption->setTextColour(colour);
    // The picture behind darkens under a light caption.
    (caption == m_okLabel ? m_okPicture : m_clearPicture)->update();
}

void MenuScreen::hoverOk(bool clearToo) {
    colourCaption(m_okLabel, theme::kHoverCommand);
    if (clearToo) {
        colourCaption(m_clearLabel, theme::kRest);
    }
}

void MenuScreen::hoverClear(bool okToo) {
    colourCaption(m_clearLabel, theme::kHoverCommand);
    if (okToo) {
        colourCaption(m_okLabel, theme::kRest);
    }
}

void MenuScreen::hoverLevel(int index) {
    for (int i = 0; i < kLevelCount; ++i) {
        m_levels.at(static_cast<std::size_t>(i))
            ->setTextColour(i == index ? theme::kHoverGo : theme::kRest);
    }
    m_today->setTextColour(theme::kRest);
}

void MenuScreen::hoverToday() {
    hoverLevel(-1);
    m_today->setTextColour(theme::kHoverGo);
}

void MenuScreen::hoverNothing() {
    colourCaption(m_okLabel, theme::kRest);
    colourCaption(m_clearLabel, theme::kRest);
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
    // Drawn anew at each size, so that nothing of it is a stretched picture.
    const qreal ratio = devicePixelRatioF();
    if (m_background.size() != size() * ratio || m_background.devicePixelRatio() != ratio) {
        m_background = QPixmap(size() * ratio);
        m_background.setDevicePixelRatio(ratio);
        QPainter b(&m_background);
        theme::paintSky(b, QRectF(rect()));
        const QTransform toWindow = m_layout.transform();
        b.setTransform(toWindow);
        art::paintMenuBackground(b, m_layout.designPixels(),
                                 toWindow.inverted().mapRect(QRectF(rect())), frames());
    }
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
