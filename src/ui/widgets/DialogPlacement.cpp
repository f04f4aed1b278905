#include "ui/widgets/DialogPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace vortalex {

namespace {

const char* const kPlacementName = "vortalexPlacement";

// Asked of the window itself: a widget keeps the frame it last heard of, which on X can still be
// none when the window manager has already drawn one.
QMargins frameMarginsOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// The place as the widget has it, the frame's margins as the window has them: under a window
// manager that has just put a frameless window (the menu) in a frame of its own, the native
// window can hold (0, 0) for a while, and a dialog centred on that opened in the screen's corner.
QRect frameOf(const QWidget& window) {
    return window.geometry().marginsAdded(frameMarginsOf(window));
}

// `frame` moved as little as it takes to lie on `available` (when it is known).
QRect keptOn(QRect frame, const QRect& available) {
    if (!available.isEmpty()) {
        frame.moveRight(qMin(frame.right(), available.right()));
        frame.moveBottom(qMin(frame.bottom(), available.bottom()));
        frame.moveLeft(qMax(frame.left(), available.left()));
        frame.moveTop(qMax(frame.top(), available.top()));
    }
    return frame;
}

// move() takes the frame's corner as the widget last heard of the frame; aim the window itself
// at the corner inside the frame now known.
void moveFrameTo(QWidget& window, const QRect& frame, const QMargins& margins) {
    const QPoint inside = frame.topLeft() + QPoint(margins.left(), margins.top());
    window.move(inside - (window.geometry().topLeft() - window.pos()));
}

class Placement final : public QObject {
public:
    Placement(QWidget& dialog, bool onOwner)
        : QObject(&dialog)
        , m_dialog(dialog)
        , m_onOwner(onOwner) {
        setObjectName(QString::fromLatin1(kPlacementName));
        dialog.installEventFilter(this);
    }

    void setOnOwner(bool onOwner) { m_onOwner = onOwner; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_dialog) {
            return false;
        }
        switch (event->type()) {
        case QEvent::Show:
            // Sent before the window is mapped: with no frame known yet the window itself is
            // centred, which is final where there is no window manager.
            if (!event->spontaneous()) {
                m_framed = false;
                place();
            }
            break;
        case QEvent::WindowStateChange:
            // Where the window goes after full screen or maximised is the player's and the
            // window manager's: a move then would keep the full size and leave full screen in
            // name only.
            m_framed = true;
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate: {
            // The frame a window manager puts around the dialog is known only once it is mapped:
            // the dialog is centred once more then, and only then. A move by the player leaves
            // the frame as it is, so it is never undone. Full screen and maximised, the window
            // manager takes the frame away and places the window itself, and puts it back
            // after: a move meanwhile would leave its idea of the window behind Qt's, and the
            // next F11 unheeded or the window restored at the full screen's size.
            const bool placedByManager =
                (m_dialog.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)) != 0;
            if (m_dialog.isVisible() && !m_framed && !placedByManager &&
                frameMarginsOf(m_dialog) != m_placedWith) {
                place();
                m_framed = !m_placedWith.isNull();
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    void place() {
        const QWidget* owner =
            m_dialog.parentWidget() != nullptr ? m_dialog.parentWidget()->window() : nullptr;
        const QScreen* screen = owner != nullptr ? owner->screen() : m_dialog.screen();
        if (screen == nullptr) {
            screen = QGuiApplication::primaryScreen();
        }
        const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
        const QRect target =
            m_onOwner && owner != nullptr && owner->isVisible() ? frameOf(*owner) : available;
        if (target.isEmpty()) {
            return;
        }
        const QMargins margins = frameMarginsOf(m_dialog);
        QRect frame(QPoint(0, 0), m_dialog.size().grownBy(margins));
        frame.moveCenter(target.center());
        m_placedWith = margins;
        // Never partly off the screen, wherever the owner stands.
        moveFrameTo(m_dialog, keptOn(frame, available), margins);
    }

    QWidget& m_dialog;
    bool m_onOwner;
    QMargins m_placedWith;
    bool m_framed = false; // placed in the frame the window manager gave it this opening
};

void centre(QWidget& dialog, bool onOwner) {
    if (auto* placement = dialog.findChild<Placement*>(QString::fromLatin1(kPlacementName),
                                                       Qt::FindDirectChildrenOnly)) {
        placement->setOnOwner(onOwner);
        return;
    }
    new Placement(dialog, onOwner);
}

} // namespace

void centreOnOwner(QWidget& dialog) {
    centre(dialog, true);
}

void centreOnScreen(QWidget& dialog) {
    centre(dialog, false);
}

} // namespace vortalex
