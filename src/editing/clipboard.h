// The clipboard: the picked objects as one line of text on the system
// clipboard, relative to a clicked base point, and the paste that rebuilds
// them at a clicked destination, in this drawing or in another copy of the
// program. Copy to Clipboard, Cut to Clipboard and Paste from Clipboard.
#pragma once
#include <string>

struct App;
struct Point2;

// The text of the listed objects with base point b (fields rounded in the
// table as the drawing file rounds them).
std::string ClipboardTextOf(App& app, const Point2& b);
// Places the listed objects' text with base point Pt1 on the clipboard.
void WriteClipboard(App& app);
// Appends the objects of a clipboard text with their base point at `at`;
// the complete records that read are pasted, nothing past the table.
// Returns how many; the selection then lists them (for Undo).
int PasteText(App& app, const std::string& text, const Point2& at);
// The clipboard's objects at Pt1.
void PasteClipboard(App& app);
// The text before the first "|" of the buffer, which loses it and the
// "|"; "" with the buffer kept when there is no "|" left.
std::string NextField(std::string& buffer);

void CopyToCB_Click(App& app, int button, int shift, float x, float y);
void CutToCB_Click(App& app, int button, int shift, float x, float y);
void PasteFromCB_Click(App& app, int button, int shift, float x, float y);
