#include "core/data/PasswordCheck.h"

#include <mutex>

namespace vortalex {

// The owner as its threads see it: gone (null) once it is destroyed, so that a thread still
// hashing then never posts to it.
struct PasswordCheck::Link {
    std::mutex mutex;
    PasswordCheck* owner = nullptr;
};

PasswordCheck::PasswordCheck(QObject* parent)
    : QObject(parent)
    , m_link(std::make_shared<Link>()) {
    m_link->owner = this;
}

PasswordCheck::~PasswordCheck() {
    {
        const std::lock_guard lock(m_link->mutex);
        m_link->owner = nullptr;
    }
    if (m_stop) {
        m_stop->store(true);
    }
    // An Argon2id hash cannot be interrupted; the thread finishes it on its own and posts
    // nothing. An answer it posted before is dropped with this object.
    if (m_thread.joinable()) {
        m_thread.detach();
    }
}

void PasswordCheck::start(const QString& password, const QStringList& hashes,
                          const password::Policy& policy) {
    if (m_running) {
        return;
    }
    // The last check's thread has delivered or been stopped; a stopped one posts its answer
    // before it ends, so that answer is queued ahead of this check's and is dropped.
    join();
    m_running = true;
    m_stop = std::make_shared<std::atomic<bool>>(false);
    const quint64 generation = ++m_generation;
    m_thread = std::thread([link = m_link, stop = m_stop, password, hashes, policy, generation] {
        const int found = password::firstMatch(password, hashes, policy, stop.get());
        QString rehashed;
        if (found >= 0 && !stop->load() && password::needsRehash(hashes.at(found), policy)) {
            rehashed = password::hash(password, policy.strength);
        }
        const std::lock_guard lock(link->mutex);
        if (PasswordCheck* owner = link->owner) {
            QMetaObject::invokeMethod(
                owner,
                [owner, generation, found, rehashed] {
                    owner->deliver(generation, found, rehashed);
                },
                Qt::QueuedConnection);
        }
    });
}

void PasswordCheck::stop() {
    if (!m_running) {
        return;
    }
    m_stop->store(true);
    ++m_generation; // an answer already on its way is ignored
    m_running = false;
}

void PasswordCheck::deliver(quint64 generation, int index, const QString& rehashed) {
    if (generation != m_generation || !m_running) {
        return;
    }
    join();
    m_running = false;
    emit finished(index, rehashed);
}

void PasswordCheck::join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace vortalex
