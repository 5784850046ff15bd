#include "FileLock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace JEX {

FileLock::FileLock(const QString& path, Wait wait) {
    const QByteArray native = QFile::encodeName(path);
    const int flags = QFileInfo(path).isDir() ? O_RDONLY | O_DIRECTORY | O_CLOEXEC
                                              : O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW;
    const int fd = ::open(native.constData(), flags, 0600);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    int result = 0;
    do
        result = ::flock(fd, LOCK_EX | (wait == Wait::No ? LOCK_NB : 0));
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        error_ = errno;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace JEX
