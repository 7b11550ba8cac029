// The delete routine shared by the editing commands and the shape renderer.
#include "editing/delete.h"

#include "app.h"

void DeleteSelected(App& app) {
    Drawing& d = app.dwg;
    const Selection& sel = app.sel;
    for (int k = 0; k < sel.SelCount && k < static_cast<int>(sel.SelList.size()); ++k) {
        int s = sel.SelList[k];
        if (s < 0 || s > kMaxSlot) continue;
        d.UndoType[s] = d.ObjType[s];
        d.ObjType[s].clear();
        d.ObjNum[s] = 0;
        d.UndoValue[s] = d.ObjSize[s];
        d.ObjSize[s] = 0;
    }
}
