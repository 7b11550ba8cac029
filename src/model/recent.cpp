// The recent-file list as plain data: removing, de-duplicating and pushing
// entries, and the 20-line text of "Zarnic_Last_Group_Open.dat". No file
// system here; the file commands (commands/files.cpp) read and write the file
// and keep the Files menu in step.
#include "model/recent.h"

const char* const kRecentFileName = "Zarnic_Last_Group_Open.dat";

// Entry i goes; everything after it, the spill-over places included, moves up
// one place and the last spill-over place empties. While the list is not
// being shifted the spill-over places are empty, so entry 9 empties; while
// RecentPushFront works, the entry pushed into place 10 comes back into 9
// when a duplicate above it is removed, so a re-opened file costs no entry.
void RecentRemoveAt(FileState& f, int i) {
    if (i < 0 || i >= kRecentSlots) return;
    for (int j = i; j + 1 < kRecentSlots; ++j) {
        f.RecentPath[j] = f.RecentPath[j + 1];
        f.RecentName[j] = f.RecentName[j + 1];
    }
    f.RecentPath[kRecentSlots - 1].clear();
    f.RecentName[kRecentSlots - 1].clear();
}

// From the top, while entries are filled: every later entry up to 9 naming the
// same folder and file (exact text) is removed.
void RecentRemoveDuplicates(FileState& f) {
    for (int i = 0; i < kRecentKept; ++i) {
        if (f.RecentPath[i].empty() || f.RecentName[i].empty()) break;
        for (int j = i + 1; j < kRecentKept;) {
            if (f.RecentPath[j] == f.RecentPath[i] && f.RecentName[j] == f.RecentName[i])
                RecentRemoveAt(f, j);  // the next entry moved into j: look at it again
            else
                ++j;
        }
    }
}

void RecentPushFront(FileState& f, const std::string& path, const std::string& name) {
    for (int i = kRecentKept - 1; i >= 0; --i) {
        f.RecentPath[i + 1] = f.RecentPath[i];
        f.RecentName[i + 1] = f.RecentName[i];
    }
    f.RecentPath[0] = path;
    f.RecentName[0] = name;
    RecentRemoveDuplicates(f);
    // Whatever is still beyond entry 9 has fallen off the end.
    for (int i = kRecentKept; i < kRecentSlots; ++i) {
        f.RecentPath[i].clear();
        f.RecentName[i].clear();
    }
}

std::string RecentFileText(const FileState& f) {
    std::string text;
    for (int i = 0; i < kRecentKept; ++i) text += f.RecentPath[i] + "\r\n" + f.RecentName[i] + "\r\n";
    return text;
}

// Lines end in CR LF or LF alone; a line missing at the end leaves its entry
// empty, and anything past the 20th line is ignored.
void RecentParse(FileState& f, const std::string& text) {
    for (int i = 0; i < kRecentSlots; ++i) {
        f.RecentPath[i].clear();
        f.RecentName[i].clear();
    }
    size_t pos = 0;
    for (int line = 0; line < 2 * kRecentKept && pos < text.size(); ++line) {
        size_t end = text.find('\n', pos);
        std::string s = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (!s.empty() && s.back() == '\r') s.pop_back();
        (line % 2 == 0 ? f.RecentPath : f.RecentName)[line / 2] = s;
        if (end == std::string::npos) break;
        pos = end + 1;
    }
}
