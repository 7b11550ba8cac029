// The model's own file plumbing: an open descriptor closed with its object,
// whole-file reads and writes that survive interrupted calls, and the
// folder of a path. Shared by the text-file reader and the safe write.
#pragma once
#include <string>

// An open file descriptor, closed with the object.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Closes now; false (errno set) when the close itself failed.
    bool Close() {
        if (fd_ < 0) return true;
        int r = ::close(fd_);
        fd_ = -1;
        return r == 0;
    }
private:
    int fd_;
};

// The folder part of a path, ending in kSep; "" for a bare name.
std::string FolderOf(const std::string& path);
// True when the folder ("" is the working folder) exists.
bool IsFolder(const std::string& folder);
// Reads an open file to its end; false with errno set on failure.
bool ReadAllFd(int fd, std::string& out);
// Writes all of `text`; false with errno set on failure.
bool WriteAllFd(int fd, const std::string& text);
