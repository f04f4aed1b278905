#include "ui/widgets/WindowScaler.h"

#include "core/common/ScaleChoice.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace vortalex {

namespace {

// How long the edge must stand still before a drag counts as the player's choice: the sizes
// on the way are not worth a write each.
constexpr int kSettleMs = 400;

bool shownAsIs(const QWidget& window) {
    return (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0;
}

// The frame the window manager draws round the window: the window's own once it has one, else
// its owner's, which a dialog's resembles.
QMargins frameOf(const QWidget& window) {
    const auto known = [](const QWidget* w) {
        return w != nullptr && w->isVisible() && w->windowHandle() != nullptr;
    };
    if (known(&window)) {
        return window.windowHandle()->frameMargins();
    }
    const QWidget* owner =
        window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
    return known(owner) && !owner->windowFlags().testFlag(Qt::FramelessWindowHint)
               ? owner->windowHandle()->frameMargins()
               : QMargins();
}

QList<QKeySequence> keysOf(QList<QKeySequence> keys) {
    QList<QKeySequence> unique;
    for (const QKeySequence& key : keys) {
        if (!key.isEmpty() && !unique.contains(key)) {
            unique.append(key);
        }
    }
    return unique;
}

} // namespace

double largestScaleOn(const QScreen& screen, QSize designSize, QMargins frame) {
    if (designSize.isEmpty()) {
        return 1.0;
    }
    const QSize room = screen.availableGeometry().size().shrunkBy(frame);
    const double fit = std::min(static_cast<double>(room.width()) / designSize.width(),
                                static_cast<double>(room.height()) / designSize.height());
    // Down to a hundredth, so that the window surely fits.
    return std::clamp(std::floor(fit * 100.0) / 100.0, ScaleChoice::kSmallest,
                      ScaleChoice::kLargest);
}

WindowScaler::WindowScaler(QWidget& window, QSize designSize, ScaleChoice* choice)
    : QObject(&window)
    , m_window(window)
    , m_design(designSize)
    , m_choice(choice) {
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (m_window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        m_grip = new QSizeGrip(&m_window);
        m_grip->setObjectName(QStringLiteral("sizeGrip"));
        // A screen reader meets it among the window's controls: it tells what it is for and
        // the keys that do the same.
        m_grip->setAccessibleName(QStringLiteral("Window size"));
        m_grip->setAccessibleDescription(
            QStringLiteral("Drag to resize; Ctrl+Plus, Ctrl+Minus and F11 from the keyboard"));
        m_grip->resize(m_grip->sizeHint());
    } else {
        // Maximising now works: everything inside scales with the window.
        m_window.setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    }
    m_window.setMinimumSize(m_design);
    resizeTo(m_choice != nullptr ? m_choice->scale() : 1.0);
    addKeys();
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &WindowScaler::settle);
    m_window.installEventFilter(this);
}

void WindowScaler::addKeys() {
    const auto add = [this](const QList<QKeySequence>& keys, void (WindowScaler::*slot)()) {
        auto* shortcut = new QShortcut(&m_window);
        shortcut->setKeys(keysOf(keys));
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    add(QKeySequence::keyBindings(QKeySequence::ZoomIn) +
            QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        &WindowScaler::stepUp);
    add(QKeySequence::keyBindings(QKeySequence::ZoomOut) +
            QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        &WindowScaler::stepDown);
    add({QKeySequence(Qt::CTRL | Qt::Key_0)}, &WindowScaler::toDesignSize);
    add({QKeySequence(Qt::Key_F11)}, &WindowScaler::toggleFullScreen);
}

QScreen* WindowScaler::screen() const {
    const QWidget* owner = m_window.parentWidget();
    QScreen* screen = owner != nullptr ? owner->window()->screen() : m_window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

double WindowScaler::scale() const {
    if (m_design.isEmpty()) {
        return 1.0;
    }
    return std::min(static_cast<double>(m_window.width()) / m_design.width(),
                    static_cast<double>(m_window.height()) / m_design.height());
}

double WindowScaler::largest() const {
    const QScreen* on = screen();
    return on != nullptr ? largestScaleOn(*on, m_design, frameOf(m_window)) : 1.0;
}

double WindowScaler::smallest() const {
    return std::min(1.0, largest());
}

void WindowScaler::resizeTo(double scale) {
    const double kept = std::clamp(scale, smallest(), largest());
    const QSize size(qRound(m_design.width() * kept), qRound(m_design.height() * kept));
    m_window.setMinimumSize(
        QSize(qRound(m_design.width() * smallest()), qRound(m_design.height() * smallest())));
    if (size == m_window.size()) {
        return;
    }
    const QRect before = m_window.frameGeometry();
    m_resizing = true;
    m_window.resize(size);
    m_resizing = false;
    if (!m_window.isVisible()) {
        return; // placed when it shows
    }
    // About the centre the player sees, and kept on the screen.
    QRect frame(QPoint(0, 0), size.grownBy(frameOf(m_window)));
    frame.moveCenter(before.center());
    const QRect room = screen()->availableGeometry();
    frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() - frame.width() + 1)));
    frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() - frame.height() + 1)));
    m_window.move(frame.topLeft());
}

void WindowScaler::stepUp() {
    const double from = shownAsIs(m_window) || m_choice == nullptr ? scale() : m_choice->scale();
    showAsIs();
    resizeTo(ScaleChoice::stepUp(from, largest()));
    if (m_choice != nullptr) {
        m_choice->setScale(scale());
    }
}

void WindowScaler::stepDown() {
    const double from = shownAsIs(m_window) || m_choice == nullptr ? scale() : m_choice->scale();
    showAsIs();
    resizeTo(ScaleChoice::stepDown(from, smallest()));
    if (m_choice != nullptr) {
        m_choice->setScale(scale());
    }
}

void WindowScaler::toDesignSize() {
    showAsIs();
    resizeTo(1.0);
    if (m_choice != nullptr) {
        m_choice->setScale(scale());
    }
}

void WindowScaler::showAsIs() {
    if (!shownAsIs(m_window)) {
        m_window.showNormal();
    }
}

void WindowScaler::toggleFullScreen() {
    if (m_window.isFullScreen()) {
        m_window.showNormal();
    } else {
        m_window.showFullScreen();
    }
}

void WindowScaler::settle() {
    m_settle.stop();
    const bool dragged = m_dragged;
    m_dragged = false;
    if (dragged && m_choice != nullptr && m_window.isVisible() && shownAsIs(m_window)) {
        m_choice->setScale(scale());
    }
}

bool WindowScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window) {
        return false;
    }
    if (event->type() == QEvent::Resize) {
        if (m_grip != nullptr) {
            m_grip->move(m_window.width() - m_grip->width(), m_window.height() - m_grip->height());
            m_grip->raise();
        }
        if (m_shown && !m_resizing && shownAsIs(m_window)) {
            m_dragged = true; // by the player
            m_settle.start();
        }
    } else if (event->type() == QEvent::Show) {
        // The size a window opens at is not the player's: the wish stays for larger screens.
        m_shown = true;
    } else if (event->type() == QEvent::Hide) {
        m_shown = false;
    } else if (event->type() == QEvent::WindowStateChange && m_grip != nullptr) {
        m_grip->setVisible(shownAsIs(m_window));
    }
    return false;
}

} // namespace vortalex
