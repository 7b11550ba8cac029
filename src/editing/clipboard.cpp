// The clipboard text: the object count, then for every listed object its
// kind, number, colour and size and its kind's own fields, each introduced
// by "|", then "|" and the base point "x,y"; no line break. Numbers are
// written as the drawing file writes them; coordinates relative to the base
// point. A "|" inside a text or shape name is carried as U+00A6 (a broken
// bar, which the stroke font cannot draw, so no drawable text is changed):
// every text without "|" is written exactly as it stands.
//
// The reader takes text from anywhere: each record is read whole before it
// enters the table; an unknown kind, a vertex or value count beyond the
// table, a number that is none, or a missing field ends the paste with the
// complete records before it pasted.
#include "editing/clipboard.h"

#include <cmath>
#include <string>
#include <vector>

#include "app.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "editing/delete.h"
#include "editing/selection.h"
#include "model/extents.h"
#include "model/messages.h"
#include "model/numbers.h"
#include "view/view.h"

namespace {

const char* const kPipeInText = "\xC2\xA6";  // U+00A6 stands for "|" inside a text
const char* const kCopyMore = "Copy to Clipboard:  Shift-click to select more.  Or 1 left click base point.        ";
const char* const kCutMore = "Cut to Clipboard:  Shift-click to select more.  Or left click base point.        ";

std::string Replace(std::string t, const std::string& from, const std::string& to) {
    for (size_t at = t.find(from); at != std::string::npos; at = t.find(from, at + to.size()))
        t.replace(at, from.size(), to);
    return t;
}


// ---- writing ---------------------------------------------------------------------------------

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}
    void Text(const std::string& t) { Field(Replace(t, "|", kPipeInText)); }
    void Int(long v) { Field(std::to_string(v)); }
    // A table value, rounded in place as the file writer does.
    void Num(double& v) { Field(FormatNumber5(v)); }
    // A value relative to the base point; the table keeps its own.
    void Rel(double v) { Field(FormatNumber5(v)); }

private:
    void Field(const std::string& f) {
        out_ += '|';
        out_ += f;
    }
    std::string& out_;
};

void WriteRecord(Drawing& d, int s, const Point2& b, Writer& w) {
    const std::string& kind = d.ObjType[s];
    w.Text(kind);
    w.Int(d.ObjNum[s]);
    w.Int(d.ObjColor[s]);
    w.Num(d.ObjSize[s]);
    if (kind == "Arc" || kind == "Circle") {
        w.Rel(d.ObjX[s] - b.x);
        w.Rel(d.ObjY[s] - b.y);
        if (kind == "Arc") w.Num(d.ObjAngle[s]), w.Num(d.ObjEndAngle[s]);
        w.Num(d.ObjXScale[s]);
        w.Num(d.ObjYScale[s]);
    } else if (kind == "Dial") {
        w.Rel(d.ObjX[s] - b.x);
        w.Rel(d.ObjY[s] - b.y);
        for (int k = 1, n = VertexCountOf(d.ObjSize[s]); k <= n; ++k) w.Num(d.VertX(s, k));
    } else if (kind == "Line") {
        w.Int(d.ObjLineType[s]);
        w.Num(d.ObjLineWidth[s]);
        for (int k = 1, n = VertexCountOf(d.ObjSize[s]); k <= n; ++k) {
            w.Rel(d.VertX(s, k) - b.x);
            w.Rel(d.VertY(s, k) - b.y);
        }
        if (d.ObjXScale[s] == 0) d.ObjXScale[s] = 1;
        if (d.ObjYScale[s] == 0) d.ObjYScale[s] = 1;
        w.Num(d.ObjXScale[s]);
        w.Num(d.ObjYScale[s]);
    } else if (kind == "Shape" || kind == "Text") {
        w.Text(d.ObjText[s]);
        if (kind == "Shape") w.Num(d.ObjXScale[s]), w.Num(d.ObjYScale[s]);
        else w.Text(d.ObjJust[s]);
        w.Num(d.ObjAngle[s]);
        w.Rel(d.ObjX[s] - b.x);
        w.Rel(d.ObjY[s] - b.y);
        w.Rel(d.ObjBoxX1[s] - b.x);
        w.Rel(d.ObjBoxX2[s] - b.x);
        w.Rel(d.ObjBoxY1[s] - b.y);
        w.Rel(d.ObjBoxY2[s] - b.y);
    }
}

// ---- reading ---------------------------------------------------------------------------------

// One record as read, before it enters the table.
struct Record {
    std::string kind, text, just;
    double num = 0, color = 0, size = 0, x = 0, y = 0, angle = 0, endAngle = 0, fx = 1, fy = 1;
    double lineType = 0, lineWidth = 0, box[4] = {0, 0, 0, 0};
    std::vector<double> vx, vy;   // Line vertices, or a Dial's values in vx
};

class Reader {
public:
    explicit Reader(const std::string& text) : buf_(text) {}
    bool Text(std::string& t) {
        if (buf_.find('|') == std::string::npos) return false;
        t = Replace(NextField(buf_), kPipeInText, "|");
        return true;
    }
    bool Num(double& v) {
        std::string f;
        if (!Text(f)) return false;
        v = LeadingNumber(f);
        return std::isfinite(v);
    }
    // A coordinate, moved by the destination.
    bool At(double& v, double offset) {
        if (!Num(v)) return false;
        v += offset;
        return true;
    }

private:
    std::string buf_;
};

bool ReadRecord(Reader& r, const Point2& at, Record& rec) {
    if (!r.Text(rec.kind) || !r.Num(rec.num) || !r.Num(rec.color) || !r.Num(rec.size)) return false;
    const std::string& kind = rec.kind;
    if (kind.empty()) return true;  // a taken-back pick: an empty slot
    if (kind == "Arc" || kind == "Circle") {
        if (!r.At(rec.x, at.x) || !r.At(rec.y, at.y)) return false;
        if (kind == "Arc" && (!r.Num(rec.angle) || !r.Num(rec.endAngle))) return false;
        return r.Num(rec.fx) && r.Num(rec.fy);
    }
    if (kind == "Dial" || kind == "Line") {
        const double n = std::nearbyint(rec.size);
        if (!(n >= 0 && n <= kMaxVertex)) return false;  // beyond the table
        if (kind == "Dial") {
            if (!r.At(rec.x, at.x) || !r.At(rec.y, at.y)) return false;
            rec.vx.resize(static_cast<size_t>(n));
            for (double& v : rec.vx)
                if (!r.Num(v)) return false;
            return true;
        }
        if (!r.Num(rec.lineType) || !r.Num(rec.lineWidth)) return false;
        rec.vx.resize(static_cast<size_t>(n));
        rec.vy.resize(static_cast<size_t>(n));
        for (size_t k = 0; k < rec.vx.size(); ++k)
            if (!r.At(rec.vx[k], at.x) || !r.At(rec.vy[k], at.y)) return false;
        return r.Num(rec.fx) && r.Num(rec.fy);
    }
    if (kind == "Shape" || kind == "Text") {
        if (!r.Text(rec.text)) return false;
        if (kind == "Shape" && (!r.Num(rec.fx) || !r.Num(rec.fy))) return false;
        if (kind == "Text" && !r.Text(rec.just)) return false;
        return r.Num(rec.angle) && r.At(rec.x, at.x) && r.At(rec.y, at.y) && r.At(rec.box[0], at.x) &&
               r.At(rec.box[1], at.x) && r.At(rec.box[2], at.y) && r.At(rec.box[3], at.y);
    }
    return false;  // a kind this program does not know: its fields cannot be told apart
}

int16_t Small(double v) {
    const double n = std::nearbyint(v);
    return static_cast<int16_t>(n < -32768 ? -32768 : n > 32767 ? 32767 : n);
}

void Store(Drawing& d, int t, const Record& rec) {
    d.ObjType[t] = rec.kind;
    d.ObjNum[t] = Small(rec.num);
    d.ObjColor[t] = Small(rec.color);
    d.ObjSize[t] = rec.size;
    d.ObjX[t] = rec.x, d.ObjY[t] = rec.y;
    d.ObjAngle[t] = rec.angle, d.ObjEndAngle[t] = rec.endAngle;
    d.ObjXScale[t] = rec.fx, d.ObjYScale[t] = rec.fy;
    d.ObjText[t] = rec.text;
    d.ObjJust[t] = rec.just;
    d.ObjLineType[t] = Small(rec.lineType);
    d.ObjLineWidth[t] = rec.lineWidth;
    d.ObjBoxX1[t] = rec.box[0], d.ObjBoxX2[t] = rec.box[1], d.ObjBoxY1[t] = rec.box[2], d.ObjBoxY2[t] = rec.box[3];
    for (size_t k = 0; k < rec.vx.size(); ++k) {
        d.VertX(t, static_cast<int>(k) + 1) = rec.vx[k];
        if (k < rec.vy.size()) d.VertY(t, static_cast<int>(k) + 1) = rec.vy[k];
    }
    d.UndoValue[t] = rec.size;
}

// Copy and Cut share their clicks; `cut` deletes the objects once written.
void ToClipboardClick(App& app, int button, int shift, float x, float y, bool cut) {
    if (button != kButtonLeft) return;
    Registers& c = app.cmd;
    const bool plain = (shift & (kShiftKey | kCtrlKey)) == 0;
    if (!app.sel.SelActive) {
        c.ClickCount += 1;
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 0, "", cut ? kCutMore : kCopyMore);
    } else if (!plain) {
        PickObject(app, x, y, button, shift);
    } else {
        SnapToDrawing(app, x, y, c.Pt1.x, c.Pt1.y);
        c.ClickCount += 1;
        WriteClipboard(app);
        if (cut) {
            DeleteSelected(app);
            app.dwg.DrawingChanged = true;
        }
        CancelCommand(app, 1);
    }
}

}  // namespace

std::string NextField(std::string& buffer) {
    const size_t bar = buffer.find('|');
    if (bar == std::string::npos) return "";
    std::string field = buffer.substr(0, bar);
    buffer.erase(0, bar + 1);
    return field;
}

std::string ClipboardTextOf(App& app, const Point2& b) {
    Drawing& d = app.dwg;
    const Selection& sel = app.sel;
    std::string out = std::to_string(sel.SelCount);
    Writer w(out);
    for (int k = 0; k < sel.SelCount && k < static_cast<int>(sel.SelList.size()); ++k) {
        const int s = sel.SelList[k];
        if (s >= 0 && s <= kMaxSlot) WriteRecord(d, s, b, w);
    }
    double bx = b.x, by = b.y;
    out += '|' + FormatNumber5(bx) + ',' + FormatNumber5(by);
    return out;
}

void WriteClipboard(App& app) {
    const std::string text = ClipboardTextOf(app, app.cmd.Pt1);
    app.ui.ClipboardClear();
    app.ui.ClipboardSetText(text);
}

int PasteText(App& app, const std::string& text, const Point2& at) {
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    Reader r(text);
    double count = 0;
    if (!r.Num(count)) count = 0;
    int made = 0;
    for (double i = 0; i < std::nearbyint(count); ++i) {
        Record rec;
        if (!ReadRecord(r, at, rec)) break;
        const int t = d.ObjNext;
        if (t < 1 || t > kMaxSlot || made >= static_cast<int>(sel.SelList.size())) {
            app.ui.MsgBox(kMsgDrawingFull, MsgButtons::OK, MsgIcon::Warning, "");
            break;
        }
        Store(d, t, rec);
        d.ObjNext = static_cast<int16_t>(t + 1);
        UpdateObjectExtents(d, t);
        // The selection names the pasted objects, so Undo takes them away.
        sel.SelList[made++] = static_cast<int16_t>(t);
    }
    sel.SelCount = static_cast<int16_t>(made);
    return made;
}

void PasteClipboard(App& app) { PasteText(app, app.ui.ClipboardText(), app.cmd.Pt1); }

void CopyToCB_Click(App& app, int button, int shift, float x, float y) {
    ToClipboardClick(app, button, shift, x, y, false);
}

void CutToCB_Click(App& app, int button, int shift, float x, float y) {
    ToClipboardClick(app, button, shift, x, y, true);
}

void PasteFromCB_Click(App& app, int, int, float x, float y) {
    SnapToDrawing(app, x, y, app.cmd.Pt1.x, app.cmd.Pt1.y);
    PasteClipboard(app);
    app.dwg.DrawingChanged = true;
    CancelCommand(app, 1);
}
