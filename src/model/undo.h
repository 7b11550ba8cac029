// The text-undo file: three lines (selection count, slot, old text) that let
// Undo bring back a text or a name that was changed. Written by the text
// change and the missing-shape rename; read and deleted by Undo.
#pragma once
#include <string>

inline constexpr const char* kTextUndoFileName = "Zarnic-Text-Undo.dat";

// Writes the file in `folder` (ending in the separator); false when it cannot.
bool WriteTextUndoFile(const std::string& folder, int count, int slot, const std::string& oldText);
