#include "model/filelock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool FileLock::TryLock(const std::string& path, int* error) {
    Release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (error) *error = errno;
        if (fd >= 0) ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing the only descriptor lets the lock go
    fd_ = -1;
}
