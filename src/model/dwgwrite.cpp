// The drawing file's writer: NumberObjectsForSave drops degenerate objects
// and numbers the rest, FormatDrawing spells the whole file.
//
// The file is one value per line, CR LF ends (a bare LF is read as well):
//   1 "Shape File Prefix"   2 ShapePrefix        3 "Font File"   4 FontFile
//   5 "Limits"              6-9 LimLLX LimLLY LimURX LimURY
//  10 "Grid"               11 True|False        12 GridSpacing
//  13 "Snap Non Ortho"     14 SnapMode          15 SnapX,SnapY
//     (older files have another key on 13 and a single SnapX on 15)
//  16 "Zoom" 17 Zoom   18 "Pan" 19 PanX 20 PanY   21 "Plot Scale" 22 PlotScale
//  23 "Start Text Height" 24 TextHeight   25 "Hidden Line" 26 HiddenDash 27 HiddenGap
//  28 object count, then the records in slot order, then ExtMinX ExtMaxX ExtMinY ExtMaxY.
// A record is kind, ObjNum, ObjColor, ObjSize and the kind's own lines:
//   Arc    X Y start end XScale YScale
//   Circle X Y XScale YScale
//   Dial   X Y and VertX 1..n (n = ObjSize rounded, 15)
//   Line   LineType LineWidth, n pairs VertX VertY (n = ObjSize), XScale YScale
//   Shape  name XScale YScale angle X Y BoxX1 BoxX2 BoxY1 BoxY2
//   Text   text Just angle X Y BoxX1 BoxX2 BoxY1 BoxY2
// Each value sits on its own line. A field ends at the first comma (the rest
// of that line is not read) except on the snap line, which holds two fields,
#include <cmath>

#include "model/dwgfile.h"
#include "model/extents.h"
#include "model/numbers.h"

int NumberObjectsForSave(Drawing& d) {
    int number = 1;
    int last = d.ObjNext - 1;
    if (last > kMaxSlot) last = kMaxSlot;
    for (int s = 1; s <= last; ++s) {
        const std::string& kind = d.ObjType[s];
        bool keep;
        if (kind == "Arc") {
            keep = d.ObjAngle[s] != d.ObjEndAngle[s] && d.ObjSize[s] != 0;
        } else if (kind == "Circle") {
            keep = d.ObjSize[s] != 0;
        } else if (kind == "Dial") {
            keep = true;
        } else if (kind == "Line") {
            double n = d.ObjSize[s];
            if (n >= 2 && n <= kMaxVertex) {
                int k = static_cast<int>(n);
                if (d.VertX(s, k) == d.VertX(s, k - 1) && d.VertY(s, k) == d.VertY(s, k - 1))
                    d.ObjSize[s] -= 1;
            }
            keep = d.ObjSize[s] >= 2;
        } else if (kind == "Shape" || kind == "Text") {
            keep = !d.ObjText[s].empty();
        } else {
            continue;  // empty slots and unknown kinds are simply not written
        }
        if (keep) {
            d.ObjNum[s] = static_cast<int16_t>(number++);
        } else {
            d.ObjType[s].clear();
        }
    }
    return number - 1;
}

namespace {

// The records' and header's lines, each ended by CR LF.
class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}
    void Text(std::string& s) {
        // A line end inside a value would split the file's lines: it becomes a blank.
        for (char& c : s)
            if (c == '\n') c = ' ';
        out_ += s;
        End();
    }
    void Key(const char* k) {
        out_ += k;
        End();
    }
    void Int(long v) {
        AppendInt(out_, v);
        End();
    }
    void Float(double& v) {
        AppendNumber5(out_, v);
        End();
    }
    void Pair(double& a, double& b) {
        AppendNumber5(out_, a);
        out_ += ',';
        AppendNumber5(out_, b);
        End();
    }
    void End() { out_ += "\r\n"; }
private:
    std::string& out_;
};

void WriteHeader(Writer& w, Drawing& d, int count) {
    w.Key("Shape File Prefix");
    w.Text(d.ShapePrefix);
    w.Key("Font File");
    w.Text(d.FontFile);
    w.Key("Limits");
    w.Float(d.LimLLX);
    w.Float(d.LimLLY);
    w.Float(d.LimURX);
    w.Float(d.LimURY);
    w.Key("Grid");
    w.Key(d.GridOn ? "True" : "False");
    w.Float(d.GridSpacing);
    w.Key("Snap Non Ortho");
    w.Int(d.SnapMode);
    if (d.SnapX == 0) d.SnapX = 0.0001;  // a zero snap step would stall the snapping
    w.Pair(d.SnapX, d.SnapY);
    w.Key("Zoom");
    w.Float(d.Zoom);
    w.Key("Pan");
    w.Int(d.PanX);
    w.Int(d.PanY);
    w.Key("Plot Scale");
    w.Float(d.PlotScale);
    w.Key("Start Text Height");
    w.Float(d.TextHeight);
    w.Key("Hidden Line");
    w.Float(d.HiddenDash);
    w.Float(d.HiddenGap);
    w.Int(count);
}

void WriteRecord(Writer& w, Drawing& d, int s) {
    const std::string& kind = d.ObjType[s];
    if (kind == "Line") {
        d.ObjSize[s] = VertexCountOf(d.ObjSize[s]);
        RemoveDuplicateVertices(d, s);
    }
    w.Key(kind.c_str());
    w.Int(d.ObjNum[s]);
    w.Int(d.ObjColor[s]);
    w.Float(d.ObjSize[s]);
    if (kind == "Arc") {
        w.Float(d.ObjX[s]);
        w.Float(d.ObjY[s]);
        w.Float(d.ObjAngle[s]);
        w.Float(d.ObjEndAngle[s]);
        w.Float(d.ObjXScale[s]);
        w.Float(d.ObjYScale[s]);
    } else if (kind == "Circle") {
        w.Float(d.ObjX[s]);
        w.Float(d.ObjY[s]);
        w.Float(d.ObjXScale[s]);
        w.Float(d.ObjYScale[s]);
    } else if (kind == "Dial") {
        w.Float(d.ObjX[s]);
        w.Float(d.ObjY[s]);
        int n = VertexCountOf(d.ObjSize[s]);  // from the rounded size, as the reader counts
        for (int k = 1; k <= n; ++k) w.Float(d.VertX(s, k));
    } else if (kind == "Line") {
        w.Int(d.ObjLineType[s]);
        w.Float(d.ObjLineWidth[s]);
        int n = VertexCountOf(d.ObjSize[s]);
        for (int k = 1; k <= n; ++k) {
            w.Float(d.VertX(s, k));
            w.Float(d.VertY(s, k));
        }
        if (d.ObjXScale[s] == 0) d.ObjXScale[s] = 1;
        if (d.ObjYScale[s] == 0) d.ObjYScale[s] = 1;
        w.Float(d.ObjXScale[s]);
        w.Float(d.ObjYScale[s]);
    } else if (kind == "Shape") {
        w.Text(d.ObjText[s]);
        w.Float(d.ObjXScale[s]);
        w.Float(d.ObjYScale[s]);
        w.Float(d.ObjAngle[s]);
        w.Float(d.ObjX[s]);
        w.Float(d.ObjY[s]);
        w.Float(d.ObjBoxX1[s]);
        w.Float(d.ObjBoxX2[s]);
        w.Float(d.ObjBoxY1[s]);
        w.Float(d.ObjBoxY2[s]);
    } else if (kind == "Text") {
        w.Text(d.ObjText[s]);
        w.Text(d.ObjJust[s]);
        w.Float(d.ObjAngle[s]);
        w.Float(d.ObjX[s]);
        w.Float(d.ObjY[s]);
        w.Float(d.ObjBoxX1[s]);
        w.Float(d.ObjBoxX2[s]);
        w.Float(d.ObjBoxY1[s]);
        w.Float(d.ObjBoxY2[s]);
    }
}

}  // namespace

std::string FormatDrawing(Drawing& d, int count) {
    std::string out;
    int last = d.ObjNext - 1;
    if (last > kMaxSlot) last = kMaxSlot;
    // About 12 bytes a line; a Line's vertices dominate.
    size_t guess = 1024;
    for (int s = 1; s <= last; ++s)
        guess += 160 + (d.ObjType[s] == "Line" ? static_cast<size_t>(VertexCountOf(d.ObjSize[s])) * 24 : 0);
    out.reserve(guess);
    Writer w(out);
    WriteHeader(w, d, count);
    ResetExtents(d);
    for (int s = 1; s <= last; ++s) {
        if (!IsObjectKind(d.ObjType[s])) continue;
        WriteRecord(w, d, s);
        UpdateObjectExtents(d, s);
    }
    w.Float(d.ExtMinX);
    w.Float(d.ExtMaxX);
    w.Float(d.ExtMinY);
    w.Float(d.ExtMaxY);
    return out;
}
