// libFuzzer entry for the drawing file reader: every input is read as a new
// drawing and as an insertion, and a drawing that reads is saved and read
// back. Built by `cmake --build <dir> --target fuzz_reader` (clang, ASan, UBSan).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/drawing.h"
#include "model/dwgfile.h"
#include "model/extents.h"

namespace {

// The table must stay consistent whatever the input: ObjNext within 1..3001.
void CheckTable(const Drawing& d, const char* where) {
    if (d.ObjNext < 1 || d.ObjNext > kMaxSlot + 1) {
        std::fprintf(stderr, "%s: ObjNext %d out of range\n", where, d.ObjNext);
        std::abort();
    }
}

// The settings a read may leave half-changed go back to one state, so every
// input behaves the same however often it runs.
void Fresh(Drawing& d) {
    ClearObjects(d);
    d.SnapX = 0.1;
    d.SnapY = 0.1;
    ResetExtents(d);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Drawing d;
    static Drawing back;
    std::string_view text(reinterpret_cast<const char*>(data), size);

    Fresh(d);
    ReadResult r = ParseDrawing(d, text, false, 0, 0, 1);
    CheckTable(d, "open");
    RecomputeExtents(d);
    if (r.fail == ReadFail::None) {
        // A drawing that reads is saved, and the saved text reads back whole.
        int count = NumberObjectsForSave(d);
        std::string saved = FormatDrawing(d, count);
        Fresh(back);
        ReadResult again = ParseDrawing(back, saved, false, 0, 0, 1);
        if (again.fail != ReadFail::None || back.ObjNext != count + 1) {
            std::fprintf(stderr, "saved drawing does not read back: fail %d, ObjNext %d, count %d\n",
                         static_cast<int>(again.fail), back.ObjNext, count);
            std::abort();
        }
    } else {
        (void)ReadFailMessage(r);
    }

    // The same text inserted into what is there, moved and scaled.
    r = ParseDrawing(d, text, true, 1.5, -2.25, 2.5);
    CheckTable(d, "insert");
    RecomputeExtents(d);
    return 0;
}
