#include "PasswordCheck.h"

#include "PasswordHash.h"

namespace vortalex {

PasswordCheck::PasswordCheck(QObject* parent)
    : QObject(parent) {}

PasswordCheck::~PasswordCheck() {
    m_stop.store(true);
    join();
}

void PasswordCheck::start(const QString& password, const QStringList& hashes,
                          int lowestIterations) {
    if (m_running) {
        return;
    }
    join(); // the last check's thread has ended: its answer was delivered
    m_running = true;
    m_stop.store(false);
    const quint64 generation = ++m_generation;
    m_thread = std::thread([this, password, hashes, lowestIterations, generation] {
        int found = -1;
        for (qsizetype i = 0; i < hashes.size() && !m_stop.load(); ++i) {
            if (password::matches(password, hashes.at(i), lowestIterations, &m_stop)) {
                found = static_cast<int>(i);
                break;
            }
        }
        // The owner joins this thread before it is destroyed, so it is alive here; an answer
        // still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(
            this, [this, generation, found] { deliver(generation, found); }, Qt::QueuedConnection);
    });
}

void PasswordCheck::stop() {
    if (!m_running) {
        return;
    }
    m_stop.store(true);
    ++m_generation; // an answer already on its way is ignored
    join();
    m_running = false;
}

void PasswordCheck::deliver(quint64 generation, int index) {
    if (generation != m_generation || !m_running) {
        return;
    }
    join();
    m_running = false;
    emit finished(index);
}

void PasswordCheck::join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace vortalex
