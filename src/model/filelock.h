// An advisory lock on a file, held while the object lives. The system drops
// it when the process ends in any way, a crash or a kill included, so a lock
// that cannot be taken means a running program holds it. Another holder, in
// this process or another, makes TryLock fail. Used for the recovery copies.
#pragma once
#include <string>

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock of `path`, making the file when missing; false when
    // someone else holds it (error EWOULDBLOCK) or the file cannot be opened
    // (the system's error number). A lock already held here is let go first.
    bool TryLock(const std::string& path, int* error = nullptr);
    void Release();

private:
    int fd_ = -1;
};
