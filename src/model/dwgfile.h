// The drawing file. A drawing is plain text, one value per line, CR LF ends:
// 27 header lines, the object count, the records in slot order, then the four
// extents. These procedures are the table-side half: formatting, parsing and
// the safe write; commands/files.h wraps them with the messages, the recent
// list and the caption (SaveFile, OpenFile).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/drawing.h"

// Rounds v in place to 5 decimals (halves away from zero) and returns its
// general text: shortest form, up to 15 significant digits, no trailing zeros.
std::string FormatNumber5(double& v);

// True when the path can be opened for reading.
bool FileExists(const std::string& path);

// The folder as shown in captions: "/ho...", then the folder from its first
// kSep + "Documents" on; unchanged when there is none; "" for "".
std::string ShortenPath(const std::string& folder);

// ---- reading -----------------------------------------------------------
enum class ReadFail { None, SlotRange, TypeMismatch, NotFound, PastEnd, BadPath, Other };
struct ReadResult {
    ReadFail fail = ReadFail::None;
    int slot = 0;             // SlotRange: the slot that did not exist
    std::string description;  // Other: what went wrong, in words
};
// Reads a whole file into `out`. NotFound, BadPath (the folder is missing) or Other.
ReadResult LoadTextFile(const std::string& path, std::string& out);
// A whole text file as its lines, without their CR LF or LF ends; false
// when it cannot be read. A last line without an end is kept.
bool LoadTextLines(const std::string& path, std::vector<std::string>& lines);
// Parses a drawing file's text into the table: a new drawing (insert false;
// the caller has emptied the table) or an insertion at (dx, dy) with scale.
// On failure the slots read completely stay and ObjNext follows them.
ReadResult ParseDrawing(Drawing& d, std::string_view text, bool insert, double dx, double dy,
                        double scale);
// The message a failed read shows.
std::string ReadFailMessage(const ReadResult& r);

// ---- writing -----------------------------------------------------------
// Step 1 of a save: drops degenerate objects and numbers the others 1, 2, ...
// Returns the object count to write.
int NumberObjectsForSave(Drawing& d);
// The whole file text: header, records (rounding the table in place, removing
// duplicate vertices, growing boxes and extents from the reset start), extents.
std::string FormatDrawing(Drawing& d, int count);
enum class WriteFail { None, Permission, PathNotFound, Other };
struct WriteResult {
    WriteFail fail = WriteFail::None;
    int code = 0;             // Other: the system's error number
};
// Writes `text` to a temporary file beside `path`, copies an existing `path`
// to `backup`, then renames the temporary over `path`. A failure at any step
// leaves the old file and backup as they were. A backup that would be the
// file itself is a Permission failure.
WriteResult WriteFileSafely(const std::string& path, const std::string& backup, const std::string& text);
// The backup name: the last three characters replaced by "BAK".
std::string BackupName(const std::string& path);
std::string WriteFailMessage(const WriteResult& r);
