// Text files and paths: the existence test, the caption's short folder,
// and the reading of a whole file as text or as lines, with the kinds of
// failure the messages tell apart. Called by the drawing file, the shape
// and font readers, the help viewer, undo and the settings.
#pragma once
#include <string>
#include <vector>

// True when the path can be opened for reading.
bool FileExists(const std::string& path);

// The folder as shown in captions: "/ho...", then the folder from its first
// kSep + "Documents" on; unchanged when there is none; "" for "".
std::string ShortenPath(const std::string& folder);

enum class ReadFail { None, SlotRange, TypeMismatch, NotFound, PastEnd, BadPath, Other };
struct ReadResult {
    ReadFail fail = ReadFail::None;
    int slot = 0;             // SlotRange: the slot that did not exist
    std::string description;  // Other: what went wrong, in words
};
// Reads a whole file into `out`. NotFound, BadPath (the folder is missing) or Other.
ReadResult LoadTextFile(const std::string& path, std::string& out);
// Writes the lines with CR LF ends (the program's small data files); false
// when the file cannot be written.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
// A whole text file as its lines, without their CR LF or LF ends; false
// when it cannot be read. A last line without an end is kept.
bool LoadTextLines(const std::string& path, std::vector<std::string>& lines);
