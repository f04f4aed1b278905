#pragma once

#include "core/common/CuePlayer.h"

#include <QHash>
#include <QString>

#include <chrono>

class QThread;

namespace vortalex {

class CueWorker;

// Plays the cue files of a folder (the data folder DataLocation chose) on a thread of its own.
// The sound back end can block for good inside play() when the sound server is half set up, so
// the interface thread only posts a request and returns.
class SoundCuePlayer final : public CuePlayer {
public:
    static constexpr std::chrono::milliseconds kShutDownGrace{300};

    explicit SoundCuePlayer(QString folder);
    ~SoundCuePlayer() override;

    void play(Cue cue) override;

    // Ends the sound thread, waiting at most `grace` for it; later cues are dropped. False when
    // the thread is stuck in the sound back end, whose exit handlers would then wait for it
    // when the process ends (half a minute with a hung server): the caller ends the process
    // without them.
    bool shutDown(std::chrono::milliseconds grace);

private:
    QString m_folder;
    QHash<Cue, QString> m_resolved; // "" when the file is missing
    QThread* m_thread;
    CueWorker* m_worker;
};

} // namespace vortalex
