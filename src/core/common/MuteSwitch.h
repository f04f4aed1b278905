#pragma once

#include "core/common/CuePlayer.h"

#include <QObject>

namespace vortalex {

// Sound on or off for the whole game: every cue passes through to the real player while sound
// is on and none while it is muted, so a muted game never wakes the sound thread. One switch
// serves the run; the speaker controls of the menu and of every board show it and set it.
class MuteSwitch final : public QObject, public CuePlayer {
    Q_OBJECT
public:
    explicit MuteSwitch(CuePlayer& player, QObject* parent = nullptr);

    void play(Cue cue) override;

    bool muted() const { return m_muted; }
    void setMuted(bool muted);
    void toggle() { setMuted(!m_muted); }

signals:
    void mutedChanged(bool muted);

private:
    CuePlayer& m_player;
    bool m_muted = false;
};

} // namespace vortalex
