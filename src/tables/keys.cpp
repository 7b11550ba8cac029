// The key catcher Text1 and the input box Text2. Escape cancels whatever
// runs; Enter commits a typed answer; single keys arm commands while idle.
// The keys are a table walked in the program's order of testing. Called by
// the Qt binding with the classic key codes.
#include "tables/keys.h"

#include "app.h"
#include "commands/browser.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "tables/starters.h"
#include "view/redraw.h"

namespace {

constexpr int kKeyA = 65;            // the prefix key of the arcs and arrays

// What a key does with the A prefix's state.
enum class Pending {
    Keep,                            // leaves a waiting A alone
    Clear,                           // clears it after acting
};

struct KeyRow {
    int key;                         // classic key code
    int shift;                       // 0 none, 1 Shift, 3 Shift and Ctrl
    Pending pending;                 // what happens to a waiting A
    void (*act)(App&, bool afterA);  // afterA: the A prefix was waiting
};

void Starter(App& a, const char* command) { RunStarter(a, command); }

// The keys, in the order the key catcher tests them.
const KeyRow kKeys[] = {
    {45, 0, Pending::Keep, [](App& a, bool) { Starter(a, "Copy"); }},
    {kKeyA, 0, Pending::Keep,
     [](App& a, bool) {
         a.cmd.ArcKeyPending = kKeyA;
         InputPrompt(a, 0, "", "Type 1, 2, 3, P, or R");
     }},
    {'1', 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "Arc"); }},
    {'2', 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "Arc2"); }},
    {'3', 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "Arc3"); }},
    {97, 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "Arc"); }},
    {98, 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "Arc2"); }},
    {99, 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "Arc3"); }},
    {'P', 0, Pending::Clear, [](App& a, bool afterA) { if (afterA) Starter(a, "ArrayPol"); }},
    {'R', 0, Pending::Clear,
     [](App& a, bool afterA) {
         if (afterA) Starter(a, "ArrayRec");
         else ScreenRedraw(a, 1);
     }},
    {'C', 0, Pending::Keep, [](App& a, bool) { Starter(a, "Circle"); }},
    {'D', 0, Pending::Keep, [](App& a, bool) { Starter(a, "Dimension"); }},
    {'L', 0, Pending::Keep, [](App& a, bool) { Starter(a, "Line"); }},
    {'S', 0, Pending::Keep, [](App& a, bool) { Shape_Click(a); }},
    {'T', 0, Pending::Keep, [](App& a, bool) { Starter(a, "Text"); }},
    {'B', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 5); }},
    {'C', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 7); }},
    {'G', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 3); }},
    {'H', 1, Pending::Keep, [](App& a, bool) { LineTypeItem_Click(a, 1); }},
    {'M', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 6); }},
    {'R', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 2); }},
    {'S', 1, Pending::Keep, [](App& a, bool) { LineTypeItem_Click(a, 0); }},
    {'W', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 1); }},
    {'Y', 1, Pending::Keep, [](App& a, bool) { ColorItem_Click(a, 4); }},
    {'M', 3, Pending::Keep, [](App& a, bool) { Starter(a, "Mirror"); }},
};

}  // namespace

void Text1_KeyDown(App& app, int keyCode, int shift) {
    if (keyCode == 13) {
        app.ui.FocusKeyCatcher();
        return;
    }
    if (keyCode == 27) CancelCommand(app, 1);
    if (app.cmd.CurCommand != "None") return;
    for (const KeyRow& k : kKeys) {
        if (k.key != keyCode || k.shift != shift) continue;
        bool afterA = app.cmd.ArcKeyPending == kKeyA;
        if (k.pending == Pending::Clear) app.cmd.ArcKeyPending = 0;
        k.act(app, afterA);
        return;
    }
}

void Text2_KeyPress(App& app, int charCode) {
    if (app.cmd.CurCommand == "ShapeLib") return;
    if (charCode == 13) app.ui.FocusKeyCatcher();
    else if (charCode == 27) CancelCommand(app, 1);
}
