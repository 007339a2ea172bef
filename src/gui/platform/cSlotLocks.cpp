#include "cSlotLocks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tabloo {

cSlotLocks::cSlotLocks(const QString &settingsFile) : Base(settingsFile) {}

cSlotLocks::~cSlotLocks() {
    for (int fd : Held)
        ::close(fd);
}

bool cSlotLocks::TryHold(int slot) {
    QDir().mkpath(QFileInfo(Base).absolutePath());
    const QByteArray path = QFile::encodeName(Base + QStringLiteral(".game%1.lock").arg(slot));
    // Not handed on to programs the game starts: the lock is this copy's alone.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    // Each open file holds a lock of its own, even within one program.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    Held.push_back(fd);
    return true;
}

} // namespace tabloo
