#pragma once

#include <QString>

namespace vortalex {

// One running game per database. Two games on one file would empty each other's rejected words
// and wait on each other's writes, so the second is turned away at start.
//
// The lock is an flock() on the database file itself, taken through a descriptor opened for
// reading only: it needs no write access to the file or its folder (an installed game keeps
// its database in a folder the player may not write), it follows the file whatever path leads
// to it (symbolic links, "..", a second mount), it holds for every user sharing the file, and
// the kernel drops it when the holder ends, however it ends, so a crash never leaves a stale
// lock behind. flock() locks are apart from the fcntl() locks SQLite takes on the same file.
class InstanceLock {
public:
    enum class State {
        Held,          // this process is the one game on the file
        HeldElsewhere, // another running game holds the file
        Unavailable,   // the file could not be opened (missing, unreadable): nothing to guard
    };

    explicit InstanceLock(const QString& databasePath);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return m_state; }
    // The file's canonical path, or the path as given when it cannot be resolved.
    QString path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
    State m_state = State::Unavailable;
};

} // namespace vortalex
