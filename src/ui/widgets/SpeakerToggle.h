#pragma once

#include "ui/widgets/ClickLabel.h"

#include <QKeySequence>

namespace vortalex {

class MuteSwitch;

// The speaker control of the menu and of the boards: a loudspeaker the game draws, sending out
// waves while sound is on and struck through while it is muted. A click, Space or Return while
// it has the keys, or Ctrl+M anywhere in its window (plain letters still build words), switches
// the run's one MuteSwitch, so every screen's control shows the same state. A screen reader
// meets a check box named "Sound", checked while sound is on. Without a switch (a screen built
// for a test that wants none) it stays hidden and takes no keys. Its own face is the menu's
// gold-rimmed one; a face set with setFace() (the board's buttons) takes its place.
class SpeakerToggle final : public ClickLabel {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("Sound");
    static QKeySequence shortcut() { return QKeySequence(Qt::CTRL | Qt::Key_M); }

    SpeakerToggle(MuteSwitch* mute, QWidget* parent);

    bool soundOn() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void follow();

    MuteSwitch* m_mute;
};

} // namespace vortalex
