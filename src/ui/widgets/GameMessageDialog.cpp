#include "ui/widgets/GameMessageDialog.h"

#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/Theme.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QtMath>

#include <algorithm>

namespace vortalex {

namespace {

constexpr qreal kIconSide = 40; // pixels at the design size
constexpr qreal kTextPoints = 10;
constexpr qreal kMargin = 16;
constexpr qreal kWidestLine = 460; // longer lines wrap

// The icon beside the text; the text itself is what a screen reader reads.
class IconView final : public QWidget {
public:
    IconView(MessageIcon icon, int side, QWidget* parent)
        : QWidget(parent)
        , m_icon(icon) {
        setFixedSize(side, side);
        setAccessibleName(QString());
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        GameMessageDialog::paintIcon(p, QRectF(rect()), m_icon);
    }

private:
    MessageIcon m_icon;
};

// The box reads as an alert: named by its title, its value the message.
class AlertAccessible final : public QAccessibleWidget {
public:
    explicit AlertAccessible(GameMessageDialog* box)
        : QAccessibleWidget(box, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const GameMessageDialog*>(object());
        switch (t) {
        case QAccessible::Name: {
            const QString title = QAccessibleWidget::text(t);
            return title.isEmpty() ? box->text() : title;
        }
        case QAccessible::Value:
        case QAccessible::Description:
            return box->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* alerts(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<GameMessageDialog*>(object)) {
        return new AlertAccessible(box);
    }
    return nullptr;
}

QPainterPath polygon(const QList<QPointF>& corners) {
    QPainterPath path(corners.first());
    for (qsizetype i = 1; i < corners.size(); ++i) {
        path.lineTo(corners.at(i));
    }
    path.closeSubpath();
    return path;
}

// A rounded bar from `from` to `to`, `width` wide: the strokes of the glyphs on the icons.
void bar(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& colour) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

void dot(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

GameMessageDialog::GameMessageDialog(const QString& text, MessageStyle style, const QString& title,
                                     QWidget* owner, qreal scale)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_text(QString(text).replace(kLineBreak, QStringLiteral("\n")))
    , m_icon(style.icon == MessageIcon::ExclamationInformation ? MessageIcon::Exclamation
                                                               : style.icon)
    , m_buttons(style.buttons)
    , m_answer(style.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok) {
    static const bool readable = [] {
        QAccessible::installFactory(alerts);
        return true;
    }();
    Q_UNUSED(readable);
    setObjectName(QStringLiteral("gameMessage"));
    setWindowTitle(title.isEmpty() ? kAppTitle : title);
    setModal(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, theme::kSea);
    look.setColor(QPalette::WindowText, theme::kValue);
    setPalette(look);
    setFont(theme::textFont(kTextPoints * scale));

    const int margin = qRound(kMargin * scale);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setHorizontalSpacing(margin);
    grid->setVerticalSpacing(margin);
    // A box of a fixed size, as large as its text: the player reads it, nothing more.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    if (m_icon != MessageIcon::None) {
        grid->addWidget(new IconView(m_icon, qRound(kIconSide * scale), this), 0, 0,
                        Qt::AlignTop | Qt::AlignHCenter);
    }
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("messageText"));
    m_label->setTextFormat(Qt::PlainText); // what a player typed is never read as markup
    m_label->setText(m_text);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int widest = qRound(kWidestLine * scale);
    if (m_label->sizeHint().width() > widest) {
        m_label->setWordWrap(true);
        m_label->setMinimumWidth(widest);
    }
    if (m_icon != MessageIcon::None) {
        grid->addWidget(m_label, 0, 1);
    } else {
        grid->addWidget(m_label, 0, 0, 1, 2);
    }

    // The desktop's own buttons, so the texts, their order and their accelerators stay
    // those the player knows; the game's look draws them.
    auto* buttons = new QDialogButtonBox(this);
    const int buttonWidth = qRound(80 * scale);
    if (m_buttons == MessageButtons::YesNo) {
        m_yes = buttons->addButton(QDialogButtonBox::Yes);
        m_no = buttons->addButton(QDialogButtonBox::No);
        m_yes->setDefault(true);
    } else {
        m_ok = buttons->addButton(QDialogButtonBox::Ok);
        m_ok->setDefault(true);
    }
    for (QAbstractButton* b : buttons->buttons()) {
        b->setMinimumSize(buttonWidth, qRound(26 * scale));
    }
    connect(buttons, &QDialogButtonBox::clicked, this, [this](QAbstractButton* b) {
        answerWith(b == m_yes ? Answer::Yes : b == m_no ? Answer::No : Answer::Ok);
    });
    grid->addWidget(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    centreOnOwner(*this);
}

QPushButton* GameMessageDialog::button(Answer answer) const {
    switch (answer) {
    case Answer::Yes:
        return m_yes;
    case Answer::No:
        return m_no;
    case Answer::Ok:
        break;
    }
    return m_ok;
}

Answer GameMessageDialog::ask() {
    exec();
    return m_answer;
}

void GameMessageDialog::answerWith(Answer answer) {
    m_answer = answer;
    done(answer == Answer::No ? QDialog::Rejected : QDialog::Accepted);
}

void GameMessageDialog::reject() {
    answerWith(m_buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok);
}

void GameMessageDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(m_text);
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (held == Qt::NoModifier) {
        // A button's underlined letter presses it without Alt too, as it always did here.
        for (QPushButton* b : {m_yes, m_no}) {
            const QKeySequence mnemonic =
                b != nullptr ? QKeySequence::mnemonic(b->text()) : QKeySequence();
            if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                b->animateClick();
                event->accept();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void GameMessageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QPushButton* first = m_yes != nullptr ? m_yes : m_ok) {
        first->setFocus(Qt::ActiveWindowFocusReason);
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void GameMessageDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    theme::paintSky(p, QRectF(rect()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme::withAlpha(theme::kGold, 150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void GameMessageDialog::paintIcon(QPainter& p, const QRectF& box, MessageIcon icon) {
    if (icon == MessageIcon::None) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(box.width(), box.height());
    const QRectF r(box.center() - QPointF(s, s) / 2, QSizeF(s, s));
    const QRectF face = r.adjusted(s * 0.04, s * 0.04, -s * 0.06, -s * 0.06);
    const qreal rim = std::max<qreal>(1.0, s / 26);
    const QPointF c = face.center();
    const qreal u = face.width();

    QPainterPath shape;
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    QColor rimColour = theme::kGold;
    switch (icon) {
    case MessageIcon::Critical: {
        // A stop sign: an octagon of deep red.
        QList<QPointF> corners;
        for (int k = 0; k < 8; ++k) {
            const qreal a = qDegreesToRadians(22.5 + 45.0 * k);
            corners.append(c + QPointF(std::cos(a), std::sin(a)) * u / 2);
        }
        shape = polygon(corners);
        fill.setColorAt(0, QColor(226, 72, 58));
        fill.setColorAt(1, QColor(150, 22, 24));
        break;
    }
    case MessageIcon::Exclamation:
    case MessageIcon::ExclamationInformation:
        // A warning triangle in the game's gold.
        shape = polygon({QPointF(c.x(), face.top() + u * 0.02),
                         QPointF(face.right(), face.bottom() - u * 0.04),
                         QPointF(face.left(), face.bottom() - u * 0.04)});
        fill.setColorAt(0, QColor(255, 230, 150));
        fill.setColorAt(1, QColor(232, 170, 40));
        rimColour = QColor(110, 72, 12);
        break;
    case MessageIcon::Question:
    case MessageIcon::Information:
    case MessageIcon::None:
        // A disc of the sea's blue, rimmed in gold.
        shape.addEllipse(face);
        fill.setColorAt(0, QColor(52, 138, 206));
        fill.setColorAt(1, QColor(0, 66, 118));
        break;
    }
    p.fillPath(shape.translated(s * 0.04, s * 0.06), QColor(0, 0, 0, 90)); // its shadow
    p.fillPath(shape, fill);
    p.setPen(QPen(rimColour, rim * 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    const qreal stroke = u * 0.12;
    const QColor light = theme::kValue;
    switch (icon) {
    case MessageIcon::Critical: {
        const qreal arm = u * 0.2;
        bar(p, c - QPointF(arm, arm), c + QPointF(arm, arm), stroke, light);
        bar(p, c + QPointF(arm, -arm), c + QPointF(-arm, arm), stroke, light);
        break;
    }
    case MessageIcon::Exclamation:
    case MessageIcon::ExclamationInformation:
        bar(p, QPointF(c.x(), face.top() + u * 0.34), QPointF(c.x(), face.top() + u * 0.64), stroke,
            theme::kInk);
        dot(p, QPointF(c.x(), face.top() + u * 0.8), stroke * 0.62, theme::kInk);
        break;
    case MessageIcon::Information:
        dot(p, c - QPointF(0, u * 0.22), stroke * 0.62, light);
        bar(p, c - QPointF(0, u * 0.05), c + QPointF(0, u * 0.24), stroke, light);
        break;
    case MessageIcon::Question: {
        // The hook of a question mark over its dot, in gold.
        QPainterPath hook;
        const qreal radius = u * 0.15;
        const QPointF bowl = c - QPointF(0, u * 0.12);
        hook.arcMoveTo(QRectF(bowl - QPointF(radius, radius), QSizeF(radius, radius) * 2), 160);
        hook.arcTo(QRectF(bowl - QPointF(radius, radius), QSizeF(radius, radius) * 2), 160, -250);
        hook.lineTo(c + QPointF(0, u * 0.1));
        p.setPen(QPen(theme::kGold, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(hook);
        dot(p, c + QPointF(0, u * 0.27), stroke * 0.62, theme::kGold);
        break;
    }
    case MessageIcon::None:
        break;
    }
    p.restore();
}

} // namespace vortalex
