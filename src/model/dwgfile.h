// The drawing file. A drawing is plain text, one value per line, CR LF ends:
// 27 header lines, the object count, the records in slot order, then the four
// extents (the layout is described beside the writer, model/dwgwrite.cpp).
// These procedures are the table-side half: parsing and formatting; the safe
// write is model/safewrite.h, and commands/files.h wraps them with the
// messages, the recent list and the caption (SaveFile, OpenFile).
#pragma once
#include <string>
#include <string_view>

#include "model/drawing.h"
#include "model/textfile.h"

// ---- reading -----------------------------------------------------------
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
