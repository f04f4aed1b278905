#include "core/data/InstanceLock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vortalex {

InstanceLock::InstanceLock(const QString& databasePath) {
    const QString canonical = QFileInfo(databasePath).canonicalFilePath();
    m_path = canonical.isEmpty() ? databasePath : canonical;
    if (canonical.isEmpty()) {
        return;
    }
    // The descriptor stays open for the life of this object. Closing any descriptor of the file
    // also drops the fcntl() locks SQLite holds on it in this process, so the object is meant
    // to outlive the game's connection, never the other way round.
    m_fd = ::open(QFile::encodeName(canonical).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        return;
    }
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        m_state = State::Held;
        return;
    }
    // The descriptor stays open even so, for the reason above: the database may be open.
    m_state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // releases the flock() when held
    }
}

} // namespace vortalex
