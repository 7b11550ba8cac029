// The safe write: temporary file, flush, backup by a second link (or a
// copy where links are not to be had), rename. Any failure leaves the old
// file and its backup as they were.
#include "model/safewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/fileio.h"
#include "model/messages.h"

std::string BackupName(const std::string& path) {
    // A name too short to have an extension gets one.
    if (path.size() < 3) return path + ".BAK";
    return path.substr(0, path.size() - 3) + "BAK";
}

WriteResult WriteResultOfErrno(int err) {
    WriteResult r;
    switch (err) {
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            r.fail = WriteFail::Permission;
            break;
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
            r.fail = WriteFail::PathNotFound;
            break;
        default:
            r.fail = WriteFail::Other;
            r.code = err;
            break;
    }
    return r;
}

namespace {

// A temporary file beside its target, removed again unless it was renamed
// into place.
class TempFile {
public:
    explicit TempFile(const std::string& target) : name_(target + ".zarnic-tmp-XXXXXX") {
        int fd = ::mkstemp(name_.data());
        if (fd < 0) {
            error_ = errno;
            name_.clear();
            return;
        }
        fd_.Reset(fd);
    }
    ~TempFile() {
        fd_.Close();
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    int error() const { return error_; }
    // Writes, flushes to the disk and closes; 0 or the errno of the failing step.
    int Fill(const std::string& text, mode_t mode) {
        if (::fchmod(fd_.get(), mode) != 0) return errno;
        if (!WriteAllFd(fd_.get(), text)) return errno;
        if (::fsync(fd_.get()) != 0) return errno;
        if (!fd_.Close()) return errno;
        return 0;
    }
    // Renames the file over the target; 0 or errno.
    int Commit(const std::string& target) {
        if (::rename(name_.c_str(), target.c_str()) != 0) return errno;
        name_.clear();
        return 0;
    }
private:
    std::string name_;
    Fd fd_;
    int error_ = 0;
};

// The mode a new file gets: the old file's, or what the user's mask allows.
mode_t NewFileMode(const struct stat* old) {
    if (old) return old->st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Copies `path` to `backup` through a temporary beside the backup, so a copy
// that fails half-way leaves the old backup whole.
int CopyToBackup(const std::string& path, const std::string& backup, const struct stat& st) {
    std::string old;
    {
        Fd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.get() < 0) return errno;
        if (!ReadAllFd(in.get(), old)) return errno;
    }
    TempFile tmp(backup);
    if (tmp.error()) return tmp.error();
    if (int err = tmp.Fill(old, st.st_mode & 07777)) return err;
    return tmp.Commit(backup);
}

// The old file becomes the backup. Where the folder allows it the old file
// itself gets the backup's name as a second link (nothing copied, already on
// the disk), renamed over the old backup in one step; elsewhere it is copied.
int MakeBackup(const std::string& path, const std::string& backup, const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        for (int attempt = 0; attempt < 8; ++attempt) {
            std::string link = backup + ".zarnic-lnk-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            if (::link(path.c_str(), link.c_str()) == 0) {
                if (::rename(link.c_str(), backup.c_str()) == 0) return 0;
                int err = errno;
                ::unlink(link.c_str());
                return err;
            }
            if (errno != EEXIST) break;  // links not supported here: copy instead
        }
    }
    return CopyToBackup(path, backup, st);
}
}  // namespace

WriteResult WriteFileSafely(const std::string& path, const std::string& backup, const std::string& text) {
    // Saving an opened backup would copy the file over itself.
    const bool keepBackup = !backup.empty();
    if (keepBackup && (backup == path || SameFile(path, backup))) return WriteResult{WriteFail::Permission, 0};
    struct stat st {};
    bool exists = ::stat(path.c_str(), &st) == 0;
    TempFile tmp(path);
    if (tmp.error()) return WriteResultOfErrno(tmp.error());
    if (int err = tmp.Fill(text, NewFileMode(exists ? &st : nullptr))) return WriteResultOfErrno(err);
    if (exists && keepBackup) {
        if (int err = MakeBackup(path, backup, st)) return WriteResultOfErrno(err);
    }
    // The rename is the one step that replaces the old file, whole.
    if (int err = tmp.Commit(path)) {
        // A linked backup would now be the file itself under a second name,
        // which would refuse every later save: that name goes.
        if (exists && keepBackup && SameFile(path, backup)) ::unlink(backup.c_str());
        return WriteResultOfErrno(err);
    }
    return {};
}

std::string WriteFailMessage(const WriteResult& r) {
    switch (r.fail) {
        case WriteFail::None: return "";
        case WriteFail::Permission: return kMsgSavePermission;
        case WriteFail::PathNotFound: return kMsgSavePath;
        case WriteFail::Other: break;
    }
    return kMsgSaveOtherA + std::to_string(r.code) + kMsgSaveOtherB;
}

std::string WriteFailReason(const WriteResult& r) {
    switch (r.fail) {
        case WriteFail::None: return "";
        case WriteFail::Permission: return "the file or its folder may not be written";
        case WriteFail::PathNotFound: return "the folder does not exist";
        case WriteFail::Other: break;
    }
    return std::strerror(r.code);
}
