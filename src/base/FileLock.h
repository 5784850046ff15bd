#pragma once
// An advisory lock (flock) on a file or a folder, held while the object lives. The system
// drops it with the process, so a crash never leaves a stale lock behind.

#include <QString>

namespace JEX {

class FileLock {
public:
    enum class Wait { No, Yes };
    // Opens path (a missing file is created 0600; a folder is opened as it is) and locks it
    // exclusively, waiting for another holder or not.
    FileLock(const QString& path, Wait wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Why the lock is not held: EWOULDBLOCK when another holds it; 0 when it is held.
    int error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace JEX
