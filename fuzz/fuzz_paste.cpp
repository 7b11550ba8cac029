// libFuzzer entry for the clipboard's paste reader: every input is pasted
// as clipboard text from elsewhere into an empty drawing and into one that
// is nearly full. Nothing may crash, write past the table or leave ObjNext
// outside 1..3001. Built by `cmake --build <dir> --target fuzz_paste`
// (clang, ASan, UBSan).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app.h"
#include "editing/clipboard.h"
#include "platform/null_platform.h"

namespace {

void Check(const App& app, int pasted, const char* where) {
    if (app.dwg.ObjNext < 1 || app.dwg.ObjNext > kMaxSlot + 1 || pasted < 0 || pasted > app.sel.SelCount + 0 ||
        app.sel.SelCount > kMaxSlot) {
        std::fprintf(stderr, "%s: ObjNext %d, pasted %d, SelCount %d\n", where, app.dwg.ObjNext, pasted,
                     app.sel.SelCount);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static NullPlatform platform;
    static App app(platform);
    const std::string text(reinterpret_cast<const char*>(data), size);
    ClearObjects(app.dwg);
    Check(app, PasteText(app, text, {1.5, -2.5}), "empty");
    app.dwg.ObjNext = kMaxSlot - 1;
    Check(app, PasteText(app, text, {0, 0}), "nearly full");
    return 0;
}
