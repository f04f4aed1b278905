#pragma once

#include "core/data/PasswordHash.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <thread>

namespace vortalex {

// Checks a password against stored hashes on a thread of its own, so that the slow hashing
// (60 to 100 ms a row at the shipped strength) never holds up the interface. The answer comes
// back as a queued signal on the thread that owns the check.
class PasswordCheck : public QObject {
    Q_OBJECT
public:
    explicit PasswordCheck(QObject* parent = nullptr);
    // Stops a running check without waiting for it: its thread ends after the hash in hand and
    // its answer is dropped.
    ~PasswordCheck() override;
    PasswordCheck(const PasswordCheck&) = delete;
    PasswordCheck& operator=(const PasswordCheck&) = delete;

    // Checks `password` against `hashes` in order and stops at the first that matches, within
    // the policy's trust and check time, timed on the check's own thread (password::firstMatch).
    // Does nothing while a check runs; after stop() it first waits for the stopped thread to
    // give up the hash in hand.
    void start(const QString& password, const QStringList& hashes, const password::Policy& policy);
    // Gives up a running check at once; its answer never arrives.
    void stop();
    // From start() until finished() or stop().
    bool running() const { return m_running; }

signals:
    // The index of the first matching hash, or -1 when none matches. `rehashed` is the
    // password hashed anew when the matching hash is of an older kind or strength (written
    // off the interface thread like the check), otherwise empty.
    void finished(int index, const QString& rehashed);

private:
    struct Link;
    void deliver(quint64 generation, int index, const QString& rehashed);
    void join();

    std::shared_ptr<Link> m_link; // lets a thread that outlives its owner drop its answer
    std::thread m_thread;
    std::shared_ptr<std::atomic<bool>> m_stop;
    quint64 m_generation = 0;
    bool m_running = false;
};

} // namespace vortalex
