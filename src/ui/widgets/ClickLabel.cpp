#include "ui/widgets/ClickLabel.h"

#include "ui/widgets/Accessible.h"
#include "ui/widgets/Theme.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace vortalex {

ClickLabel::ClickLabel(QWidget* parent)
    : ClickLabel(QString(), parent) {}

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    installAccessibleFactory();
    setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, m_textColour);
    setPalette(p);
}

void ClickLabel::setTextColour(const QColor& colour) {
    if (colour == m_textColour) {
        return;
    }
    m_textColour = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, colour.darker(160));
    setPalette(p);
}

void ClickLabel::setFace(const QColor& top, const QColor& bottom, const QColor& border) {
    m_faceTop = top;
    m_faceBottom = bottom;
    m_faceBorder = border;
    update();
}

void ClickLabel::setFramed(bool framed) {
    if (framed != m_framed) {
        m_framed = framed;
        update();
    }
}

void ClickLabel::setButtonLike(bool buttonLike) {
    m_buttonLike = buttonLike;
    // Tab only: a label clicked with the mouse must not keep the keys, or the next Space would
    // press it again instead of pausing the level.
    setFocusPolicy(buttonLike ? Qt::TabFocus : Qt::NoFocus);
}

bool ClickLabel::focusNextPrevChild(bool next) {
    if (!isEnabled() && hasFocus()) {
        // Disabled while it held the keys (Play once clicked): they go back to the window, not
        // on to the next label, where Space or Return would press it.
        window()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QLabel::focusNextPrevChild(next);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool typing = event->text().size() == 1 && event->text().at(0).isLetter();
    if (m_buttonLike && (press || typing) && hasFocus()) {
        // The keys go back to the window first: the next Space or Return must act on the game,
        // not press this label again, and a label that disables itself must not hand the
        // focus on to the next one.
        window()->setFocus(Qt::OtherFocusReason);
    }
    if (m_buttonLike && press && event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
        // The mouse's order: press, release, click.
        emit pressed(Qt::LeftButton);
        emit released(Qt::LeftButton);
        emit clicked(Qt::LeftButton);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event); // anything else goes on to the screen
}

void ClickLabel::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                      reason == Qt::ShortcutFocusReason;
    update();
    QLabel::focusInEvent(event);
}

void ClickLabel::focusOutEvent(QFocusEvent* event) {
    m_keyboardFocus = false;
    update();
    QLabel::focusOutEvent(event);
}

void ClickLabel::paintFocusRing(QPainter& painter) const {
    if (!m_keyboardFocus || !hasFocus()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 214, 90), 2.0, Qt::DashLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    painter.restore();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (m_faceTop.isValid() || m_framed) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath path;
        path.addRoundedRect(r, 6, 6);
        if (m_faceTop.isValid()) {
            // A caption in a light colour (the rules' hover colours) stands on a dark face.
            const bool lit = theme::isLight(m_textColour);
            const bool dim = !isEnabled();
            const QColor top = lit ? theme::kLitFaceTop : m_faceTop;
            const QColor bottom = lit ? theme::kLitFaceBottom : m_faceBottom;
            QLinearGradient fill(r.topLeft(), r.bottomLeft());
            fill.setColorAt(0.0, dim ? top.darker(140) : top);
            fill.setColorAt(1.0, dim ? bottom.darker(140) : bottom);
            p.fillPath(path, fill);
            p.setPen(QPen(m_faceBorder, 1.0));
            p.drawPath(path);
        }
        if (m_framed) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(Qt::black, 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        if (m_faceTop.isValid()) {
            p.setFont(font());
            const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
            theme::drawHaloText(p, contentsRect(), static_cast<int>(alignment()), text(),
                                palette().color(group, QPalette::WindowText));
            paintFocusRing(p);
            return;
        }
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter ring(this);
        paintFocusRing(ring);
    }
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    m_pressWasDoubleClick = false;
    emit pressed(event->button());
    event->accept();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // A right double-click is two right clicks.
        mousePressEvent(event);
        return;
    }
    m_pressWasDoubleClick = true;
    emit pressed(event->button());
    emit doubleClicked();
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const bool wasDoubleClick = m_pressWasDoubleClick;
    m_pressWasDoubleClick = false;
    emit released(button);
    const bool inside = rect().contains(event->position().toPoint());
    if (!wasDoubleClick && inside && (button == Qt::LeftButton || button == Qt::RightButton)) {
        emit clicked(button);
    }
    event->accept();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    event->accept();
}

} // namespace vortalex
