// The data-folder rule: the program's own folder when it is writable, else
// the per-user folder seeded from it.
#include "model/datafolder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "model/drawing.h"

namespace fs = std::filesystem;

static std::string WithSep(std::string f) {
    if (f.empty() || f.back() != kSep) f += kSep;
    return f;
}

bool FolderWritable(const std::string& folder) {
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string ChooseDataFolder(const std::string& programFolder, const std::string& userFolder) {
    std::string prog = WithSep(programFolder);
    if (FolderWritable(prog) || userFolder.empty()) return prog;
    std::string user = WithSep(userFolder);
    std::error_code ec;
    fs::create_directories(user, ec);
    if (!FolderWritable(user)) return prog;
    // Seed: every installed file and folder the user folder does not have yet. The
    // user's own copies (defaults, recent list) are never overwritten.
    for (const auto& e : fs::directory_iterator(prog, ec)) {
        std::error_code fec;
        // Folders of data (the example drawings) come along whole.
        if (e.is_directory(fec)) {
            fs::copy(e.path(), fs::path(user) / e.path().filename(),
                     fs::copy_options::recursive | fs::copy_options::skip_existing, fec);
            continue;
        }
        if (!e.is_regular_file(fec)) continue;
        // The program itself may sit in the same folder; it is not data.
        if ((e.status(fec).permissions() & fs::perms::owner_exec) != fs::perms::none) continue;
        fs::path target = fs::path(user) / e.path().filename();
        if (!fs::exists(target, fec)) fs::copy_file(e.path(), target, fec);
    }
    return user;
}
