// Writing, deleting and offering recovery copies. A copy is the drawing
// file Save would write, put into the folder safely; its companion
// "<copy>.info" holds three lines: the drawing's folder, its name ("" when
// unnamed) and the time of the copy; "<copy>.lock" is locked by the run
// that writes the copy, for as long as that run lives.
#include "commands/recovery.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app.h"
#include "commands/shell.h"
#include "model/dwgfile.h"
#include "model/safewrite.h"
#include "model/textfile.h"
#include "view/redraw.h"
#include "view/shapes.h"
#include "view/view.h"

namespace {

const char kMsgFoundA[] = "Zarnic found unsaved work from ";  // + time + " in " + name + "." CR LF "Restore it?"
const char kMsgFoundB[] = "Restore it?";
const char kMsgDiscard[] = "Discard it for good?";
const char kMsgCannotA[] = "Recovery copies cannot be written to ";  // + folder + ": " + reason + "."
const char kInfoSuffix[] = ".info";
const char kDamagedSuffix[] = ".damaged";
const char kLockSuffix[] = ".lock";
constexpr int kMaxNameTries = 1000;

struct Found {
    std::string copy;     // file name in the folder
    std::string folder;   // the drawing's own folder
    std::string name;     // its name, "" when unnamed
    std::string time;     // when the copy was made
    FileLock lock;        // its lock, taken from the run that wrote it
};

void CannotWrite(App& app, const std::string& reason) {
    Recovery& r = app.recovery;
    if (r.FolderFailed) return;
    r.FolderFailed = true;
    app.ui.MsgBox(kMsgCannotA + RecoveryFolder(app) + ": " + reason + ".", MsgButtons::OK, MsgIcon::Warning, "");
}

// "2026-12-08 16:55:03" as a file name's part: "2026-12-08 16-55-03".
std::string FileStamp(std::string t) {
    std::replace(t.begin(), t.end(), ':', '-');
    std::replace(t.begin(), t.end(), '/', '-');
    return t;
}

void Remove(const std::string& path) { std::remove(path.c_str()); }

// Any entry takes a copy's name, a folder or an unreadable file included
// (FileExists answers only for files that can be read).
bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// Removes a copy with its companion and lock files.
void RemoveCopy(const std::string& folder, const std::string& copy) {
    Remove(folder + copy);
    Remove(folder + copy + kInfoSuffix);
    Remove(folder + copy + kLockSuffix);
}

// Names the current drawing's copy: `base`, or "<stem> (2)<ext>" and on when
// a copy of that name is already there (another running program's, or an
// earlier run's still waiting to be offered), and takes its lock. False, with
// the reason, when no name can be had.
bool TakeFreeName(App& app, const std::string& base, std::string& reason) {
    Recovery& r = app.recovery;
    const std::string folder = RecoveryFolder(app);
    const size_t dot = base.rfind('.');
    const std::string stem = dot == std::string::npos ? base : base.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : base.substr(dot);
    int error = 0;
    for (int k = 1; k <= kMaxNameTries; ++k) {
        const std::string name = k == 1 ? base : stem + " (" + std::to_string(k) + ")" + ext;
        if (Exists(folder + name)) continue;
        if (!r.Lock.TryLock(folder + name + kLockSuffix, &error)) {
            if (error == EWOULDBLOCK) continue;  // another program is naming its copy so
            reason = WriteFailReason(WriteResultOfErrno(error));
            return false;
        }
        if (Exists(folder + name)) {  // written between the look and the lock
            r.Lock.Release();
            continue;
        }
        r.CopyName = name;
        return true;
    }
    reason = "no free name for the copy of " + base;
    return false;
}

// Opens a copy as the current drawing under its own name; false (after the
// damaged-file message, the copy renamed) when it cannot be read.
bool Restore(App& app, Found& f) {
    Drawing& d = app.dwg;
    const std::string path = RecoveryFolder(app) + f.copy;
    std::string text;
    ReadResult r = LoadTextFile(path, text);
    if (r.fail == ReadFail::None) {
        ClearObjects(d);
        r = ParseDrawing(d, text, false, 0, 0, 1);
    }
    if (r.fail != ReadFail::None) {
        ClearObjects(d);
        std::rename(path.c_str(), (path + kDamagedSuffix).c_str());
        Remove(path + kLockSuffix);
        app.ui.MsgBox(ReadFailMessage(r) + "\r\n" + path + "\r\nThe copy is kept as " + path + kDamagedSuffix,
                      MsgButtons::OK, MsgIcon::None, "");
        return false;
    }
    d.DwgPath = f.folder;
    d.DwgName = f.name;
    d.DrawingChanged = true;  // Save puts it in place
    app.recovery.CopyName = f.copy;
    app.recovery.Lock = std::move(f.lock);
    app.recovery.ChangedSeconds = 0;
    app.cmd.ObjNextAtStart = d.ObjNext;
    CaptionFile(app);
    SetStatusAndCaption(app);
    FitZoomOnly(app);
    LoadNewShapes(app);
    ScreenRedraw(app, 1);
    return true;
}

}  // namespace

std::string RecoveryFolder(const App& app) { return app.set.DataFolder + kRecoveryFolderName + "/"; }

bool WriteRecoveryCopy(App& app, const std::string& wallTime) {
    Recovery& r = app.recovery;
    Drawing& d = app.dwg;
    const std::string folder = RecoveryFolder(app);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        CannotWrite(app, ec.message());
        return false;
    }
    if (r.CopyName.empty()) {
        std::string reason;
        if (!TakeFreeName(app, d.DwgName.empty() ? "Unnamed " + FileStamp(wallTime) + ".dwg" : d.DwgName, reason)) {
            CannotWrite(app, reason);
            return false;
        }
    }
    // The bytes Save would write; the drawing's own file, caption, recent
    // list and backup are not touched.
    const int count = NumberObjectsForSave(d);
    WriteResult w = WriteFileSafely(folder + r.CopyName, "", FormatDrawing(d, count));
    if (w.fail == WriteFail::None)
        w = WriteFileSafely(folder + r.CopyName + kInfoSuffix, "", d.DwgPath + "\r\n" + d.DwgName + "\r\n" + wallTime + "\r\n");
    if (w.fail != WriteFail::None) {
        CannotWrite(app, WriteFailReason(w));
        return false;
    }
    return true;
}

void DeleteRecoveryCopy(App& app) {
    Recovery& r = app.recovery;
    r.ChangedSeconds = 0;
    if (r.CopyName.empty()) return;
    RemoveCopy(RecoveryFolder(app), r.CopyName);
    r.CopyName.clear();
    r.Lock.Release();
}

void RecoveryTick(App& app, double now, const std::string& wallTime) {
    Recovery& r = app.recovery;
    const double step = r.LastTick < 0 ? 0 : std::max(0.0, now - r.LastTick);
    r.LastTick = now;
    if (!app.dwg.DrawingChanged) {
        r.ChangedSeconds = 0;
        return;
    }
    r.ChangedSeconds += step;
    // A command's clicks may have half an object in the table: wait for its end.
    if (r.ChangedSeconds < r.IntervalSeconds || app.cmd.CurCommand != "None") return;
    r.ChangedSeconds = 0;
    WriteRecoveryCopy(app, wallTime);
}

bool OfferRecoveryCopies(App& app) {
    const std::string folder = RecoveryFolder(app);
    std::vector<std::string> names;
    if (ListDrawingFiles(folder, names) != 0) return false;
    std::vector<Found> found;
    for (const std::string& n : names) {
        Found f;
        f.copy = n;
        // A copy whose lock is held belongs to a program running now.
        if (!f.lock.TryLock(folder + n + kLockSuffix)) continue;
        std::vector<std::string> info;
        if (LoadTextLines(folder + n + kInfoSuffix, info) && info.size() >= 3)
            f.folder = info[0], f.name = info[1], f.time = info[2];
        if (f.time.empty()) f.time = "an earlier run";
        found.push_back(std::move(f));
    }
    // Newest first: the times are written year first.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.time > b.time; });
    for (Found& f : found) {
        std::string name = f.name.empty() ? f.copy.substr(0, f.copy.size() - 4) : f.name;
        const std::string ask = kMsgFoundA + f.time + " in " + name + ".\r\n" + kMsgFoundB;
        if (app.ui.MsgBox(ask, MsgButtons::YesNo, MsgIcon::Question, "") == MsgAnswer::Yes) {
            if (Restore(app, f)) return true;
            continue;
        }
        if (app.ui.MsgBox(kMsgDiscard, MsgButtons::YesNo, MsgIcon::Question, "") == MsgAnswer::Yes)
            RemoveCopy(folder, f.copy);
    }
    return false;
}
