// Shape files: the folder, the shape list, the reader and its cache, the
// renderer of placed and nested shapes and the Shape box. A missing shape
// file is reported through the hook the command layer installs.
//
// A shape file is an ordinary drawing file. The reader skips its 27 header
// lines, reads the object count, then each record by kind:
//   Arc    number colour r x y start end fx fy
//   Circle number colour r x y fx fy
//   Line   number colour m type width, m pairs x y, fx fy   (50 pairs kept)
//   Shape  number colour size name(line) fx fy angle x y box*4
//   Text   number colour height text(line) just angle x y box*4
//   Dial   20 lines passed
// Colours in the file are not used: a placed shape draws in one colour.
#include "view/shapes.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "app.h"
#include "model/extents.h"
#include "model/fieldreader.h"
#include "model/textfile.h"
#include "view/font.h"
#include "view/redraw.h"
#include "view/render.h"

namespace {

const char* const kMsgShapePath =
    "Invalid Path to Shape Files.\r\nGo to Default Settings under\r\nSettings menu to correct Path.";
const char* const kMsgNoShapes =
    "No Shapes or Fonts in this Folder.\r\nGo to Default Settings under\r\nSettings menu to change Folders.";
const char* const kMsgShapeUnknownA = "Some unknown error, No. ";  // + number
const char* const kMsgShapeUnknownB = "\r\nPLEASE NOTIFY Dorvane\r\nif you get this message.";

}  // namespace

// ---- the folder and the shape list -----------------------------------------------

std::string ShapeFolder(App& app) {
    std::string& p = app.set.ShapeFontPath;
    if (p.empty() || p == std::string(1, kSep)) p = app.set.DataFolder;
    if (!p.empty() && p.back() != kSep) p += kSep;
    return p;
}

namespace {

bool EndsWithDwg(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".dwg";
}

void ShapeListFailed(App& app, const std::string& message) {
    app.ui.MsgBox(message, MsgButtons::OK, MsgIcon::None, "");
}

}  // namespace

bool ListOrder(const std::string& a, const std::string& b) {
    auto lower = [](unsigned char c) { return std::tolower(c); };
    bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                             [&](unsigned char x, unsigned char y) { return lower(x) < lower(y); });
    bool more = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                             [&](unsigned char x, unsigned char y) { return lower(x) < lower(y); });
    return less || (!more && a < b);
}

int ListDrawingFiles(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return errno != 0 ? errno : -1;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (!EndsWithDwg(name)) continue;
        struct stat fs {};
        if (::stat((folder + name).c_str(), &fs) != 0 || !S_ISREG(fs.st_mode)) continue;
        names.push_back(name);
    }
    ::closedir(dir);
    return 0;
}

void LoadNewShapes(App& app) {
    Shapes& sh = app.shapes;
    sh.List1.clear();
    const std::string folder = ShapeFolder(app);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        ShapeListFailed(app, kMsgShapePath);
        return;
    }
    std::vector<std::string> names;
    if (int err = ListDrawingFiles(folder, names); err != 0) {
        ShapeListFailed(app, kMsgShapeUnknownA + std::to_string(err) + kMsgShapeUnknownB);
        return;
    }
    bool anyDrawing = !names.empty();
    const std::string& prefix = app.dwg.ShapePrefix;
    for (const std::string& name : names) {
        if (name.substr(0, 2) != prefix) continue;
        if (name.compare(0, 4, "ScU-") == 0) continue;  // work files of the library never enter the list
        sh.List1.push_back(name);
    }
    if (!anyDrawing) {
        ShapeListFailed(app, kMsgNoShapes);
        return;
    }
    std::sort(sh.List1.begin(), sh.List1.end(), ListOrder);
    std::string out;
    for (const std::string& n : sh.List1) {
        if (n.size() < 6) continue;  // nothing between the prefix and the extension
        out += n.substr(2, n.size() - 6);
        out += "\r\n";
    }
    std::string path = folder + kShapeListFileName;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        ShapeListFailed(app, kMsgShapeUnknownA + std::to_string(errno) + kMsgShapeUnknownB);
        return;
    }
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) ShapeListFailed(app, kMsgShapeUnknownA + std::to_string(errno) + kMsgShapeUnknownB);
}

// ---- reading shape files ------------------------------------------------------------

namespace {

class ShapeReader {
public:
    explicit ShapeReader(const std::string& text) : r_(text) {}

    ShapeFile Run() {
        ShapeFile out;
        double n;
        if (!r_.SkipLines(27) || !r_.Number(n)) return out;
        n = std::nearbyint(n);
        for (double i = 0; i < n; ++i) {
            std::string_view kind;
            if (!r_.Field(kind)) break;
            ShapeRecord rec;
            bool ok;
            if (kind == "Arc") ok = Arc(rec);
            else if (kind == "Circle") ok = Circle(rec);
            else if (kind == "Line") ok = Line(rec, out);
            else if (kind == "Shape") ok = Nested(rec);
            else if (kind == "Text") ok = Text(rec);
            else if (kind == "Dial") ok = SkipDial(), rec.kind = 0;
            else ok = true, rec.kind = 0;  // an unknown kind reads nothing more
            if (!ok) break;
            if (rec.kind != 0) out.records.push_back(std::move(rec));
        }
        return out;
    }

private:
    bool Num(double& v) { return r_.Number(v); }
    bool Skip(long n) { return r_.SkipFields(n); }
    bool Line(std::string& s) {
        std::string_view l;
        if (!r_.WholeLine(l)) return false;
        s.assign(l);
        return true;
    }

    // A dial is not drawn inside a shape; it is passed by its own count of
    // values (15, or more under a scale law): number, colour, count, centre.
    bool SkipDial() {
        double count;
        if (!Skip(2) || !Num(count)) return false;
        count = std::nearbyint(count);
        if (!(count >= 0 && count <= kMaxVertex)) return false;
        return r_.SkipLines(2 + static_cast<long>(count));
    }

    bool Arc(ShapeRecord& rec) {
        rec.kind = 'A';
        return Skip(2) && Num(rec.size) && Num(rec.x) && Num(rec.y) && Num(rec.angle) && Num(rec.endAngle) &&
               Num(rec.fx) && Num(rec.fy);
    }
    bool Circle(ShapeRecord& rec) {
        rec.kind = 'C';
        return Skip(2) && Num(rec.size) && Num(rec.x) && Num(rec.y) && Num(rec.fx) && Num(rec.fy);
    }
    bool Line(ShapeRecord& rec, ShapeFile& out) {
        rec.kind = 'L';
        double m, type;
        if (!Skip(2) || !Num(m) || !Num(type) || !Skip(1)) return false;
        rec.lineType = type == 1 ? 1 : 0;
        rec.first = static_cast<int>(out.vx.size());
        long count = m > 0 ? static_cast<long>(std::min(std::nearbyint(m), 1e9)) : 0;
        for (long k = 0; k < count; ++k) {
            double x, y;
            if (!Num(x) || !Num(y)) {
                out.vx.resize(rec.first), out.vy.resize(rec.first);
                return false;
            }
            if (k < kMaxShapeLineVertices) out.vx.push_back(x), out.vy.push_back(y);
        }
        rec.count = static_cast<int>(out.vx.size()) - rec.first;
        if (!Num(rec.fx) || !Num(rec.fy)) {
            out.vx.resize(rec.first), out.vy.resize(rec.first);
            return false;
        }
        return true;
    }
    bool Nested(ShapeRecord& rec) {
        rec.kind = 'S';
        return Skip(2) && Num(rec.size) && Line(rec.text) && Skip(2) && Num(rec.angle) && Num(rec.x) &&
               Num(rec.y) && Skip(4);
    }
    bool Text(ShapeRecord& rec) {
        rec.kind = 'T';
        std::string_view just;
        if (!Skip(2) || !Num(rec.size) || !Line(rec.text) || !r_.Field(just)) return false;
        rec.just.assign(just);
        return Num(rec.angle) && Num(rec.x) && Num(rec.y) && Skip(4);
    }

    FieldReader r_;
};

}  // namespace

ShapeFile ParseShapeFile(const std::string& text) { return ShapeReader(text).Run(); }

std::shared_ptr<const ShapeFile> FindShapeFile(App& app, const std::string& name) {
    std::string path = ShapeFolder(app) + name + ".dwg";
    struct stat st {};
    auto& cache = app.shapes.cache;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cache.erase(path);
        return nullptr;
    }
    long long mtime = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    auto it = cache.find(path);
    if (it != cache.end() && it->second.size == st.st_size && it->second.mtimeNs == mtime) return it->second.file;
    std::string text;
    if (LoadTextFile(path, text).fail != ReadFail::None) {
        cache.erase(path);
        return nullptr;
    }
    ShapeCacheEntry e;
    e.size = st.st_size;
    e.mtimeNs = mtime;
    e.file = std::make_shared<const ShapeFile>(ParseShapeFile(text));
    cache[path] = e;
    return e.file;
}

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kSlots; }

}  // namespace

// ---- drawing ---------------------------------------------------------------------------

void RenderShape(App& app, Device& dev, uint32_t rgb, double s, const std::string& name, double fx, double fy,
                 double A, double X0, double Y0, int slot) {
    if (app.cmd.ShapeAbort) return;
    std::shared_ptr<const ShapeFile> file = FindShapeFile(app, name);
    if (!file) {
        if (!dev.MissingShape(name) && app.shapes.MissingShapeFn) app.shapes.MissingShapeFn(app, name, slot);
        return;
    }
    if (fx == 0) fx = 1;
    if (fy == 0) fy = 1;
    const Drawing& d = app.dwg;
    const double pi = d.PI;
    HiddenPattern hp{d.HiddenDash, d.HiddenGap};
    double lx[kMaxShapeLineVertices], ly[kMaxShapeLineVertices];
    for (const ShapeRecord& r : file->records) {
        switch (r.kind) {
        case 'A':
        case 'C': {
            Curve c;
            TransformPoint(r.x, r.y, fx, fy, s, X0, Y0, A, c.cx, c.cy);
            if (r.kind == 'A') {
                c.kind = CurveKind::Arc;
                c.t0 = r.angle + A;
                c.t1 = r.endAngle + A;
                NormaliseArcAngles(c.t0, c.t1, pi);
                if (c.t0 == c.t1 || r.size == 0) break;
            } else {
                c.kind = CurveKind::Circle;
                if (!(r.size * s > 0)) break;
            }
            c.ax = r.size * s * r.fx * fx;
            c.ay = r.size * s * r.fy * fy;
            c.stepRadius = r.size * s;
            dev.DrawCurve(c, rgb);
            break;
        }
        case 'L':
            for (int k = 0; k < r.count; ++k)
                TransformPoint(file->vx[r.first + k], file->vy[r.first + k], fx, fy, s, X0, Y0, A, lx[k], ly[k]);
            RenderPolyline(dev, lx, ly, r.count, r.lineType, r.fx, r.fy, hp, rgb);
            break;
        case 'S': {
            Shapes& sh = app.shapes;
            sh.ShapeDepth += 1;
            if (sh.ShapeDepth <= kMaxShapeDepth) {
                double ix, iy;
                TransformPoint(r.x, r.y, fx, fy, s, X0, Y0, A, ix, iy);
                RenderShape(app, dev, rgb, s * r.size, r.text, fx, fy, A + r.angle, ix, iy, slot);
            }
            sh.ShapeDepth -= 1;
            break;
        }
        case 'T': {
            if (!ValidSlot(slot)) break;
            double B = d.ObjAngle[slot], cb = std::cos(B), sb = std::sin(B);
            double tx = d.ObjX[slot] + (r.x * cb - r.y * sb) * fx;
            double ty = d.ObjY[slot] + (r.x * sb + r.y * cb) * fy;
            RenderText(dev, app.font, app.set.FontDescender, r.text, r.just, r.size * s, r.angle + B, tx, ty, rgb);
            break;
        }
        default:
            break;
        }
        if (app.cmd.ShapeAbort) return;  // a nested missing shape is being renamed
    }
}

void DrawShapeObject(App& app, uint32_t rgb, double s, const std::string& name, double fx, double fy, double A,
                     double X0, double Y0, int slot) {
    ScreenDevice dev = MakeScreenDevice(app);
    RenderShape(app, dev, rgb, s, name, fx, fy, A, X0, Y0, slot);
}

// ---- the box ---------------------------------------------------------------------------

void UpdateShapeBox(App& app, int slot) {
    if (!ValidSlot(slot) || app.cmd.ShapeAbort) return;
    Drawing& d = app.dwg;
    std::shared_ptr<const ShapeFile> file = FindShapeFile(app, d.ObjText[slot]);
    if (!file) return;
    double s = d.ObjSize[slot], A = d.ObjAngle[slot], X0 = d.ObjX[slot], Y0 = d.ObjY[slot];
    double fx = d.ObjXScale[slot] == 0 ? 1 : d.ObjXScale[slot];
    double fy = d.ObjYScale[slot] == 0 ? 1 : d.ObjYScale[slot];
    d.ObjBoxX1[slot] = d.ObjBoxX2[slot] = X0;
    d.ObjBoxY1[slot] = d.ObjBoxY2[slot] = Y0;
    auto grow = [&](double x, double y) { ExtendExtents(d, slot, x, y); };
    for (const ShapeRecord& r : file->records) {
        if (r.kind == 'A' || r.kind == 'C') {
            Curve c;
            TransformPoint(r.x, r.y, fx, fy, s, X0, Y0, A, c.cx, c.cy);
            c.ax = r.size * s * r.fx * fx;
            c.ay = r.size * s * r.fy * fy;
            if (r.kind == 'A') {
                c.kind = CurveKind::Arc;
                c.t0 = r.angle + A;
                c.t1 = r.endAngle + A;
                NormaliseArcAngles(c.t0, c.t1, d.PI);
                if (c.t0 == c.t1 || r.size == 0) continue;
                // Every 2 degrees: a unit of 4 over a step radius of 1.
                c.stepRadius = 1;
                RunDots(c, 4, d.PI, grow);
            } else {
                c.kind = CurveKind::Circle;
                c.stepRadius = r.size * s;
                RunDots(c, app.view.ViewWidth / 10.0 / d.Zoom, d.PI, grow);
            }
        } else if (r.kind == 'L') {
            for (int k = 0; k < r.count; ++k) {
                double x, y;
                TransformPoint(file->vx[r.first + k], file->vy[r.first + k], fx, fy, s, X0, Y0, A, x, y);
                grow(x, y);
            }
        }
    }
}

void InstallShapeBoxHook(App& app) {
    app.dwg.ShapeBoxCtx = &app;
    app.dwg.ShapeBoxFn = [](void* ctx, Drawing&, int slot) { UpdateShapeBox(*static_cast<App*>(ctx), slot); };
}
