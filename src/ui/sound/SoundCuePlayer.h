#pragma once

#include "sound/CuePlayer.h"

#include <QHash>
#include <QString>

class QThread;

namespace vortalex {

class CueWorker;

// Plays cues on a thread of its own. The sound back end can block for good inside play() when
// the sound server is half set up, so the interface thread only posts a request and returns.
class SoundCuePlayer final : public CuePlayer {
public:
    explicit SoundCuePlayer(QString programFolder);
    ~SoundCuePlayer() override;

    void play(Cue cue) override;

private:
    QString m_programFolder;
    QHash<Cue, QString> m_resolved; // "" when the file is missing
    QThread* m_thread;
    CueWorker* m_worker;
};

} // namespace vortalex
