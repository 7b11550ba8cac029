// The safe write of a drawing file: a temporary file beside the target,
// flushed to the disk, the old file kept as the backup, then one rename.
// Called by the file commands and the settings that save drawings.
#pragma once
#include <string>

enum class WriteFail { None, Permission, PathNotFound, Other };
struct WriteResult {
    WriteFail fail = WriteFail::None;
    int code = 0;             // Other: the system's error number
};
// Writes `text` to a temporary file beside `path`, copies an existing `path`
// to `backup`, then renames the temporary over `path`. A failure at any step
// leaves the old file and backup as they were. An empty `backup` keeps none
// (files the program makes again at will, like the plot file). A backup that would be the
// file itself is a Permission failure.
WriteResult WriteFileSafely(const std::string& path, const std::string& backup, const std::string& text);
// The failure a system error number stands for.
WriteResult WriteResultOfErrno(int err);
// The backup name: the last three characters replaced by "BAK".
std::string BackupName(const std::string& path);
// The message a failed drawing save shows.
std::string WriteFailMessage(const WriteResult& r);
// What went wrong in plain words, lower case, no full stop (for messages
// that name the file themselves).
std::string WriteFailReason(const WriteResult& r);
