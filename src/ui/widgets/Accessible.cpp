#include "ui/widgets/Accessible.h"

#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFocusEvent>

namespace vortalex {

namespace {

QString plainText(const QLabel* label) {
    QString text = label->text();
    text.remove(QLatin1Char('&'));
    return text.simplified();
}

// A label clicked like a button.
class ButtonLabelAccessible : public QAccessibleWidget {
public:
    explicit ButtonLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked(Qt::MouseButton)"));
    }

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) {
            return plainText(label());
        }
        return own;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->isEnabled()) {
            emit label()->clicked(Qt::LeftButton);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

protected:
    ClickLabel* label() const { return static_cast<ClickLabel*>(object()); }
};

// A letter tile: "picked" reads as checked, "out of reach" as unavailable.
class TileAccessible final : public ButtonLabelAccessible {
public:
    explicit TileAccessible(LetterTile* tile)
        : ButtonLabelAccessible(tile) {}

    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return tile()->spokenName();
        }
        if (t == QAccessible::Description) {
            return LetterTile::reachText(tile()->reach());
        }
        return ButtonLabelAccessible::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = tile()->reach() == TileReach::Picked;
        s.disabled = s.disabled || tile()->reach() == TileReach::OutOfReach;
        return s;
    }

private:
    LetterTile* tile() const { return static_cast<LetterTile*>(object()); }
};

// The speaker control: checked while sound is on; toggling it is pressing it.
class SpeakerAccessible final : public ButtonLabelAccessible {
public:
    explicit SpeakerAccessible(SpeakerToggle* toggle)
        : ButtonLabelAccessible(toggle) {}

    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<SpeakerToggle*>(object())->soundOn();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + ButtonLabelAccessible::actionNames();
    }

    void doAction(const QString& action) override {
        ButtonLabelAccessible::doAction(action == toggleAction() ? pressAction() : action);
    }
};

const char* const kDecorative = "vortalexDecorative";
const char* const kHoldsDecorative = "vortalexHoldsDecorative";

bool isDecorative(const QAccessibleInterface* node) {
    return node != nullptr && node->object() != nullptr &&
           node->object()->property(kDecorative).toBool();
}

// A window or panel whose decorative labels a screen reader never meets: they are left out of
// its children, by index, by count and by hit test alike. Otherwise it reads as Qt's own.
class QuietParentAccessible final : public QAccessibleWidget {
public:
    explicit QuietParentAccessible(QWidget* widget)
        : QAccessibleWidget(widget, qobject_cast<QDialog*>(widget) != nullptr
                                        ? QAccessible::Dialog
                                        : QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> shown = shownChildren();
        return index >= 0 && index < shown.size() ? shown.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QAccessibleInterface*> shown = shownChildren();
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown.at(i) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private:
    QList<QAccessibleInterface*> shownChildren() const {
        QList<QAccessibleInterface*> shown;
        const int all = QAccessibleWidget::childCount();
        for (int i = 0; i < all; ++i) {
            QAccessibleInterface* c = QAccessibleWidget::child(i);
            if (c != nullptr && !isDecorative(c)) {
                shown.append(c);
            }
        }
        return shown;
    }
};

QAccessibleInterface* gameWidgets(const QString& /*className*/, QObject* object) {
    if (auto* tile = qobject_cast<LetterTile*>(object)) {
        return new TileAccessible(tile);
    }
    if (auto* toggle = qobject_cast<SpeakerToggle*>(object)) {
        return new SpeakerAccessible(toggle);
    }
    if (auto* label = qobject_cast<ClickLabel*>(object);
        label != nullptr && label->isButtonLike()) {
        return new ButtonLabelAccessible(label);
    }
    if (object != nullptr && object->isWidgetType() &&
        object->property(kHoldsDecorative).toBool()) {
        return new QuietParentAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

class ReadoutFrame final : public QObject {
public:
    explicit ReadoutFrame(QLabel* label)
        : QObject(label) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
            }
        } else if (event->type() == QEvent::FocusOut) {
            label->setFrameStyle(QFrame::NoFrame);
        }
        return false;
    }
};

} // namespace

void markDecorative(QWidget* label) {
    installAccessibleFactory();
    label->setProperty(kDecorative, true);
    if (QWidget* parent = label->parentWidget()) {
        parent->setProperty(kHoldsDecorative, true);
    }
}

void makeReadout(QLabel* label) {
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(new ReadoutFrame(label));
}

void TabOrder::set(const QList<QWidget*>& order) {
    m_order = order;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
}

namespace {

QWidget* firstTabStop(const QList<QWidget*>& order, bool next) {
    const qsizetype count = order.size();
    for (qsizetype k = 0; k < count; ++k) {
        QWidget* w = order.at(next ? k : count - 1 - k);
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

bool TabOrder::enterFromWindow(QWidget* window, bool next) const {
    if (window->focusWidget() != nullptr && window->focusWidget() != window) {
        return false;
    }
    QWidget* w = firstTabStop(m_order, next);
    if (w != nullptr) {
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return w != nullptr;
}

void TabOrder::focusFirst() const {
    if (QWidget* w = firstTabStop(m_order, true)) {
        w->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(gameWidgets);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vortalex
