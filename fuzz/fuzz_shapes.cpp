// libFuzzer entry for the shape reader and the stroke-font compiler and
// loader: every input is read as a shape file, compiled as a character
// drawing, and loaded as a font file; the compiled character is loaded too.
// Nothing may crash or write past the font tables. Built by
// `cmake --build <dir> --target fuzz_shapes` (clang, ASan, UBSan).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "view/font.h"
#include "view/shapes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);

    ShapeFile shape = ParseShapeFile(text);
    for (const ShapeRecord& r : shape.records) {
        if (r.kind == 'L' && (r.count < 0 || r.count > kMaxShapeLineVertices ||
                              static_cast<size_t>(r.first + r.count) > shape.vx.size())) {
            std::fprintf(stderr, "line record outside its vertices\n");
            std::abort();
        }
    }

    static Font font;
    std::string compiled = "32\r\n" + CompileCharacter(text);
    ParseFont(font, compiled);
    ParseFont(font, text);
    for (int c = 0; c < kFontChars; ++c) {
        if (font.FontStrokeCount[c] < 0 || font.FontStrokeCount[c] > kMaxStrokes) {
            std::fprintf(stderr, "stroke count %d out of range\n", font.FontStrokeCount[c]);
            std::abort();
        }
    }
    return 0;
}
