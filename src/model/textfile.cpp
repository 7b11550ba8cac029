// Reading text files, and the file plumbing the model's writers share.
#include "model/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/drawing.h"
#include "model/fileio.h"

bool FileExists(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);  // a folder cannot be read as a file
    ::close(fd);
    return ok;
}

std::string ShortenPath(const std::string& folder) {
    if (folder.empty()) return "";
    size_t at = folder.find(std::string(1, kSep) + "Documents");
    if (at == std::string::npos) return folder;
    return folder.substr(0, 3) + "..." + folder.substr(at);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind(kSep);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsFolder(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads an open file to its end; false with errno set on failure.
bool ReadAllFd(int fd, std::string& out) {
    out.clear();
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        out.append(buf, static_cast<size_t>(n));
    }
}

bool WriteAllFd(int fd, const std::string& text) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

ReadResult LoadTextFile(const std::string& path, std::string& out) {
    ReadResult r;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        int err = errno;
        if (err == ENOENT) {
            r.fail = IsFolder(FolderOf(path)) ? ReadFail::NotFound : ReadFail::BadPath;
        } else if (err == ENOTDIR) {
            r.fail = ReadFail::BadPath;
        } else {
            r.fail = ReadFail::Other;
            r.description = std::strerror(err);
        }
        return r;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        r.fail = ReadFail::Other;
        r.description = std::strerror(EISDIR);
        return r;
    }
    if (!ReadAllFd(fd.get(), out)) {
        r.fail = ReadFail::Other;
        r.description = std::strerror(errno);
    }
    return r;
}

bool LoadTextLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string text;
    if (LoadTextFile(path, text).fail != ReadFail::None) return false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return true;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.get() < 0) return false;
    return WriteAllFd(fd.get(), text) && fd.Close();
}
