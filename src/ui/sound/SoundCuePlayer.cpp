#include "ui/sound/SoundCuePlayer.h"

#include "core/sound/Cues.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace vortalex {

// Lives on the sound thread; owns one effect per file so a cue played again starts at once.
class CueWorker final : public QObject {
public:
    using QObject::QObject;

    void play(const QString& path) {
        if (m_current != nullptr) {
            m_current->stop();
        }
        QSoundEffect*& effect = m_effects[path];
        if (effect == nullptr) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(path));
        }
        m_current = effect;
        effect->play();
    }

private:
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_current = nullptr;
};

SoundCuePlayer::SoundCuePlayer(QString folder)
    : m_folder(std::move(folder))
    , m_thread(new QThread)
    , m_worker(new CueWorker) {
    m_thread->setObjectName(QStringLiteral("vortalex-cues"));
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

SoundCuePlayer::~SoundCuePlayer() {
    shutDown(kShutDownGrace);
}

bool SoundCuePlayer::shutDown(std::chrono::milliseconds grace) {
    if (m_thread == nullptr) {
        return true;
    }
    m_thread->quit();
    if (!m_thread->wait(QDeadlineTimer(grace))) {
        // A sound server that hangs keeps the thread inside the back end for good; the thread
        // is left to the end of the process, and so is the worker it would have deleted.
        return false;
    }
    delete m_thread;
    m_thread = nullptr;
    m_worker = nullptr;
    return true;
}

void SoundCuePlayer::play(Cue cue) {
    auto found = m_resolved.find(cue);
    if (found == m_resolved.end()) {
        found = m_resolved.insert(cue, resolveCueFile(m_folder, cueFileName(cue)));
    }
    const QString path = found.value();
    if (path.isEmpty() || m_worker == nullptr) {
        return;
    }
    CueWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, path] { worker->play(path); }, Qt::QueuedConnection);
}

} // namespace vortalex
