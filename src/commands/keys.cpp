// The key catcher Text1 and the input box Text2. Escape cancels whatever
// runs; Enter commits a typed answer; single keys arm commands while idle.
// Called by the Qt binding with the classic key codes.
#include "commands/keys.h"

#include "app.h"
#include "commands/registers.h"
#include "commands/shell.h"

namespace {

// Shift + letter: the colour and line-type settings.
struct ShiftKey {
    int key;                 // key code of the letter
    void (*act)(App&);
};

const ShiftKey kShiftKeys[] = {
    {'B', [](App& a) { ColorItem_Click(a, 5); }},
    {'C', [](App& a) { ColorItem_Click(a, 7); }},
    {'G', [](App& a) { ColorItem_Click(a, 3); }},
    {'H', [](App& a) { LineTypeItem_Click(a, 1); }},
    {'M', [](App& a) { ColorItem_Click(a, 6); }},
    {'R', [](App& a) { ColorItem_Click(a, 2); }},
    {'S', [](App& a) { LineTypeItem_Click(a, 0); }},
    {'W', [](App& a) { ColorItem_Click(a, 1); }},
    {'Y', [](App& a) { ColorItem_Click(a, 4); }},
};

}  // namespace

void Text1_KeyDown(App& app, int keyCode, int shift) {
    if (keyCode == 13) {
        app.ui.FocusKeyCatcher();
        return;
    }
    if (keyCode == 27) CancelCommand(app, 1);
    if (app.cmd.CurCommand != "None") return;
    if (shift == 1) {
        for (const ShiftKey& k : kShiftKeys)
            if (k.key == keyCode) k.act(app);
    }
}

void Text2_KeyPress(App& app, int charCode) {
    if (app.cmd.CurCommand == "ShapeLib") return;
    if (charCode == 13) app.ui.FocusKeyCatcher();
    else if (charCode == 27) CancelCommand(app, 1);
}
