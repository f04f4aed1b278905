#pragma once

#include "CuePlayer.h"

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

    void play(const QString& cueName) override;

private:
    QString m_programFolder;
    QHash<QString, QString> m_resolved; // cue name -> file, "" when missing
    QThread* m_thread;
    CueWorker* m_worker;
};

} // namespace vortalex
