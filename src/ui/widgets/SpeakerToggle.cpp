#include "ui/widgets/SpeakerToggle.h"
#include "ui/widgets/Theme.h"

#include "core/common/MuteSwitch.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>

namespace vortalex {

namespace {

const QColor kInk{20, 36, 60};
const QColor kStrike{178, 34, 34};

} // namespace

SpeakerToggle::SpeakerToggle(MuteSwitch* mute, QWidget* parent)
    : ClickLabel(parent)
    , m_mute(mute) {
    setButtonLike(true); // first: widget changes below fix its accessible kind
    setObjectName(QStringLiteral("cmdSound"));
    setAccessibleName(kName);
    if (m_mute == nullptr) {
        hide();
        return;
    }
    connect(this, &ClickLabel::clicked, m_mute, [this](Qt::MouseButton) { m_mute->toggle(); });
    // The window's shortcut, whichever of its widgets has the keys; a window that is not
    // active (the menu under a board) leaves it to the one that is.
    new QShortcut(shortcut(), this, [this] { m_mute->toggle(); });
    connect(m_mute, &MuteSwitch::mutedChanged, this, &SpeakerToggle::follow);
    follow();
}

bool SpeakerToggle::soundOn() const {
    return m_mute != nullptr && !m_mute->muted();
}

void SpeakerToggle::follow() {
    setToolTip(soundOn() ? QStringLiteral("Sound is on: click or press Ctrl+M to mute it")
                         : QStringLiteral("Sound is muted: click or press Ctrl+M to switch it on"));
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void SpeakerToggle::enterEvent(QEnterEvent* event) {
    update();
    ClickLabel::enterEvent(event);
}

void SpeakerToggle::leaveEvent(QEvent* event) {
    update();
    ClickLabel::leaveEvent(event);
}

void SpeakerToggle::paintEvent(QPaintEvent* event) {
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (hasFace()) {
        ClickLabel::paintEvent(event); // the face its screen gave it, and the focus ring
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!hasFace()) {
        // The face of the menu's open level entries, a shade lighter under the pointer.
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        const bool lit = underMouse();
        face.setColorAt(0.0, lit ? QColor(240, 247, 255) : QColor(214, 230, 248));
        face.setColorAt(1.0, lit ? QColor(160, 192, 230) : QColor(128, 164, 206));
        p.setPen(QPen(theme::kGold, 1.4));
        p.setBrush(face);
        const qreal radius = r.height() / 4;
        p.drawRoundedRect(r, radius, radius);
    }

    // The loudspeaker in a 24 x 24 box about the centre.
    p.save();
    p.translate(r.center());
    p.scale(r.width() / 24, r.height() / 24);
    QPainterPath speaker;
    speaker.moveTo(-9, -3);
    speaker.lineTo(-5, -3);
    speaker.lineTo(0, -8);
    speaker.lineTo(0, 8);
    speaker.lineTo(-5, 3);
    speaker.lineTo(-9, 3);
    speaker.closeSubpath();
    p.fillPath(speaker, kInk);
    p.setBrush(Qt::NoBrush);
    if (soundOn()) {
        p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(-4, -4.5, 9, 9), -55 * 16, 110 * 16);
        p.drawArc(QRectF(-7.5, -8, 16, 16), -55 * 16, 110 * 16);
    } else {
        p.setPen(QPen(kStrike, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, -4), QPointF(9, 4));
        p.drawLine(QPointF(3, 4), QPointF(9, -4));
    }
    p.restore();
    if (!hasFace()) {
        paintFocusRing(p);
    }
}

} // namespace vortalex
