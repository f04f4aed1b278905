#pragma once

#include "core/common/MessageBox.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRectF;

namespace vortalex {

// A message box drawn as one of the game's own dialogs: the text (plain, its CR LF breaks as
// lines), the icon its style names painted in the game's look, and "OK" or "&Yes" and "&No".
// It answers as the desktop's message box did: Return takes the default button (Yes), Escape
// and the window's close button answer OK or No, Y and N (with or without Alt) press Yes and
// No, Ctrl+C copies the text. A screen reader meets it as an alert that reads its text. It
// opens centred on its owner, its text and icon at the chosen scale.
class GameMessageDialog final : public QDialog {
    Q_OBJECT
public:
    GameMessageDialog(const QString& text, MessageStyle style, const QString& title,
                      QWidget* owner = nullptr, qreal scale = 1.0);

    // Shows the box modally until it is answered.
    Answer ask();
    Answer answer() const { return m_answer; }

    QString text() const { return m_text; }
    MessageIcon icon() const { return m_icon; }
    QLabel* textLabel() const { return m_label; }
    // The button that gives `answer`; null where the box has none.
    QPushButton* button(Answer answer) const;

    // The icons, drawn for any size: stop, question, exclamation and information.
    static void paintIcon(QPainter& p, const QRectF& box, MessageIcon icon);

public slots:
    // Escape and the close button: the answer the box gives when it is dismissed.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void answerWith(Answer answer);

    QString m_text;
    MessageIcon m_icon;
    MessageButtons m_buttons;
    Answer m_answer;
    QLabel* m_label = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
};

} // namespace vortalex
