// The text-undo file's writer, CR LF lines as every data file.
#include "model/undo.h"

#include <cstdio>

bool WriteTextUndoFile(const std::string& folder, int count, int slot, const std::string& oldText) {
    const std::string text = std::to_string(count) + "\r\n" + std::to_string(slot) + "\r\n" + oldText + "\r\n";
    std::FILE* f = std::fopen((folder + kTextUndoFileName).c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}
