#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

namespace vortalex {

// Checks a password against stored hashes on a thread of its own, so that the slow hashing
// (a third of a second per row at the shipped count) never holds up the interface. The answer
// comes back as a queued signal on the thread that owns the check.
class PasswordCheck : public QObject {
    Q_OBJECT
public:
    explicit PasswordCheck(QObject* parent = nullptr);
    // Stops a running check and waits for its thread, which gives up within a millisecond.
    ~PasswordCheck() override;
    PasswordCheck(const PasswordCheck&) = delete;
    PasswordCheck& operator=(const PasswordCheck&) = delete;

    // Checks `password` against `hashes` in order and stops at the first that matches; a hash
    // claiming fewer than `lowestIterations` rounds or more than the ceiling never matches.
    // Does nothing while a check runs.
    void start(const QString& password, const QStringList& hashes, int lowestIterations);
    // Gives up a running check; its answer never arrives.
    void stop();
    // From start() until finished() or stop().
    bool running() const { return m_running; }

signals:
    // The index of the first matching hash, or -1 when none matches.
    void finished(int index);

private:
    void deliver(quint64 generation, int index);
    void join();

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    quint64 m_generation = 0;
    bool m_running = false;
};

} // namespace vortalex
