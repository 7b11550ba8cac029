// The answer table: one row per command that takes typed answers, in the
// program's order of testing; the handlers live in their rooms. Commands
// not in the table ignore answers. A new command adds its row here.
#include "tables/answers.h"

#include <string>
#include <vector>

#include "app.h"
#include "commands/browser.h"
#include "commands/dimension.h"
#include "commands/draw.h"
#include "commands/typed.h"
#include "commands/viewmenu.h"
#include "editing/arrays.h"
#include "editing/change.h"
#include "editing/editcmds.h"
#include "model/numbers.h"

namespace {

struct AnswerRow {
    const char* command;       // CurCommand the row takes
    void (*answer)(App&, const TypedAnswer&);
};

const std::vector<AnswerRow>& AnswerTable() {
    static const std::vector<AnswerRow> rows = {
        {"Arc", Arc_Answer},
        {"Arc2", Arc_Answer},
        {"ArrayPol", ArrayPol_Answer},
        {"ArrayRec", ArrayRec_Answer},
        {"Change", Change_Answer},
        {"Circle", Circle_Answer},
        {"Color", Color_Answer},
        {"Delete", Delete_Answer},
        {"Dimension", Dimension_Answer},
        {"Flip", Flip_Answer},
        {"Grid", Grid_Answer},
        {"Hidden", Hidden_Answer},
        {"Insert", Insert_Answer},
        {"Limits", Limits_Answer},
        {"Line", Line_Answer},
        {"Lock", Lock_Answer},
        {"Mirror", Mirror_Answer},
        {"PlotSc", PlotSc_Answer},
        {"Rotate", Rotate_Answer},
        {"Scale", Scale_Answer},
        {"Shape", Shape_Answer},
        {"ShapeLib", ShapeLib_Answer},
        {"ShapeName", ShapeName_Answer},
        {"Snap", Snap_Answer},
        {"Text", Text_Answer},
        {"TextH", TextH_Answer},
        {"TracePix", TracePix_Answer},
        {"What", What_Answer},
    };
    return rows;
}

}  // namespace

void Text2_LostFocus(App& app) {
    const std::string s = app.ui.InputBoxText();
    if (s.empty() && app.ui.InputBoxVisible()) {
        app.ui.FocusInputBox();
        return;
    }
    TypedAnswer a = ParseAnswer(s);
    if (!a.pair) app.cmd.TypedValue = LeadingNumber(s);
    for (const AnswerRow& r : AnswerTable()) {
        if (app.cmd.CurCommand != r.command) continue;
        r.answer(app, a);
        return;
    }
}

void CommitThenClick(App& app, void (*click)(App&, int), int row) {
    if (app.ui.InputBoxVisible()) Text2_LostFocus(app);
    click(app, row);
}
