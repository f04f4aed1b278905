#include "core/common/MuteSwitch.h"

namespace vortalex {

MuteSwitch::MuteSwitch(CuePlayer& player, QObject* parent)
    : QObject(parent)
    , m_player(player) {}

void MuteSwitch::play(Cue cue) {
    // A cue already playing when sound is switched off runs out: cues are short, and the
    // player has no way to stop one.
    if (!m_muted) {
        m_player.play(cue);
    }
}

void MuteSwitch::setMuted(bool muted) {
    if (muted != m_muted) {
        m_muted = muted;
        emit mutedChanged(muted);
    }
}

} // namespace vortalex
