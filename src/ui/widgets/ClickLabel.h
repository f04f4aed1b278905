#pragma once

#include <QColor>
#include <QLabel>

namespace vortalex {

// A label that reports mouse gestures in the order the game's rules are written for: a real
// double-click arrives as press, release, double-click, release; the first release is a click,
// the double-click is reported as such and its release is not a click; a release is reported
// before the click it completes. Middle-button clicks are not reported.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    ClickLabel(const QString& text, QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
    QColor textColour() const { return m_textColour; }
    // Paints a rounded face behind the text, so labels read as buttons on any background.
    void setFace(const QColor& top, const QColor& bottom, const QColor& border);
    bool hasFace() const { return m_faceTop.isValid(); }
    // Draws a single-line border, as a button picture does while pressed.
    void setFramed(bool framed);
    // Makes the label a button for the keyboard and for screen readers: it takes focus with Tab,
    // Space, Return and Enter click it while it has focus (and give the focus back to the
    // window, as a typed letter does), and it reads as a push button.
    void setButtonLike(bool buttonLike);
    bool isButtonLike() const { return m_buttonLike; }

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked(Qt::MouseButton button);
    void doubleClicked();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // A dashed ring while the label has focus that the keyboard gave it; subclasses that
    // paint themselves call it last.
    void paintFocusRing(QPainter& painter) const;
    // For subclasses that paint their text themselves: the colour, without the palette.
    void keepTextColour(const QColor& colour) { m_textColour = colour; }

private:
    QColor m_textColour{Qt::black};
    bool m_pressWasDoubleClick = false;
    QColor m_faceTop;
    QColor m_faceBottom;
    QColor m_faceBorder;
    bool m_framed = false;
    bool m_buttonLike = false;
    bool m_keyboardFocus = false;
};

} // namespace vortalex
