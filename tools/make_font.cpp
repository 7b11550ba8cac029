// make_font <jhf path> <output folder>: the build step that writes the stroke
// font's 96 character drawings and the Hershey acknowledgement into the
// program's data folder. Run by tools/CMakeLists.txt; the conversion itself
// lives in tools/hershey.cpp.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "hershey.h"
#include "model/dwgfile.h"

namespace {

// Why a read failed, in words for the build log.
std::string ReadFailReason(const ReadResult& r) {
    switch (r.fail) {
        case ReadFail::NotFound: return "no such file";
        case ReadFail::BadPath: return "no such folder";
        case ReadFail::Other: return r.description;
        default: return "unreadable";
    }
}

// Writes the file whole: through a temporary renamed over the target, so a
// failed build never leaves a cut-short drawing that looks up to date.
bool WriteWhole(const std::string& path, const std::string& text) {
    std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::remove(tmp.c_str());
            return false;
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

// One line for the build log: how close the font comes to the stroke limits.
void PrintSummary(const std::vector<HersheyGlyph>& glyphs, const std::string& folder) {
    size_t mostStrokes = 0, longest = 0;
    for (size_t i = 0; i < glyphs.size() && i < static_cast<size_t>(kFontChars); ++i) {
        mostStrokes = std::max(mostStrokes, ConvertGlyph(glyphs[i]).strokes.size());
        for (const CellStroke& s : MapToCell(glyphs[i])) longest = std::max(longest, s.size());
    }
    std::cout << "make_font: " << kFontChars << " character drawings in " << folder << " (at most "
              << mostStrokes << " strokes a character; longest stroke " << longest << " points before splitting)\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_font <jhf path> <output folder>\n";
        return 2;
    }
    std::string jhfPath = argv[1];
    std::string folder = argv[2];
    if (!folder.empty() && folder.back() != '/') folder += '/';

    std::string text;
    ReadResult read = LoadTextFile(jhfPath, text);
    if (read.fail != ReadFail::None) {
        std::cerr << "make_font: cannot read " << jhfPath << ": " << ReadFailReason(read) << "\n";
        return 1;
    }
    std::vector<HersheyGlyph> glyphs;
    std::string error;
    if (!ParseJhf(text, glyphs, error)) {
        std::cerr << "make_font: " << jhfPath << ": " << error << "\n";
        return 1;
    }
    if (glyphs.empty()) {
        std::cerr << "make_font: " << jhfPath << " holds no glyphs\n";
        return 1;
    }
    if (glyphs.size() < static_cast<size_t>(kFontChars)) {
        std::cerr << "make_font: warning: " << jhfPath << " holds only " << glyphs.size()
                  << " glyphs; characters from " << kFontFirst + static_cast<int>(glyphs.size())
                  << " on are left empty\n";
    }

    std::vector<std::string> warnings;
    std::vector<FontFile> files = StrokeFontFiles(glyphs, warnings);
    for (const std::string& w : warnings) std::cerr << "make_font: warning: " << w << "\n";
    for (const FontFile& f : files) {
        if (!WriteWhole(folder + f.name, f.text)) {
            std::cerr << "make_font: cannot write " << folder + f.name << "\n";
            return 1;
        }
    }
    PrintSummary(glyphs, folder);
    return 0;
}
