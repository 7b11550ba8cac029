// The DXF export: entities are kept in memory until Finish, which writes
// the whole file through dxflib to a temporary file beside the target and
// renames it over the target, so a failed export leaves the old file whole.
// Called through OpenDxfExport by QtPlatform::ExportOpen.
#include "ui/dxfexport.h"

#include <dxflib/dl_dxf.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr const char* kHidden = "ZARNIC_HIDDEN";
// AutoCAD colour index of each colour number 1..7: black/white, red, green,
// yellow, blue, magenta, cyan.
constexpr std::array<int, 7> kAci = {7, 1, 3, 2, 5, 6, 4};

double Degrees(double radians) {
    double d = std::fmod(radians * 180.0 / std::numbers::pi, 360.0);
    return d < 0 ? d + 360.0 : d;
}

std::string Layer(int color) { return std::to_string(color >= 1 && color <= 7 ? color : 1); }

// Colour and line type come from the layer; hidden lines name their own.
DL_Attributes Attributes(int color, const char* linetype = "BYLAYER") {
    return DL_Attributes(Layer(color), 256, -1, linetype, 1.0);
}

// dxflib's ASCII writer with its group lines gathered in a string: the
// same layout (the code right-aligned in three places, then the value),
// numbers in the C locale whatever the user's, trailing zeros cut.
class BufferWriter final : public DL_WriterA {
public:
    explicit BufferWriter(std::string& out) : DL_WriterA("/dev/null", DL_Codes::AC1015), out_(out) {}
    void dxfReal(int gc, double value) const override {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 16);
        std::string v(buf, r.ptr);
        const size_t dot = v.find('.');
        if (dot != std::string::npos) {
            size_t end = v.find_last_not_of('0');
            v.resize(std::max(end + 1, dot + 2));  // keeps one digit after the point
        }
        dxfString(gc, v);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(value));
        dxfString(gc, buf);
    }
    void dxfString(int gc, const char* value) const override { dxfString(gc, std::string(value)); }
    void dxfString(int gc, const std::string& value) const override {
        out_ += gc < 10 ? "  " : gc < 100 ? " " : "";
        out_ += std::to_string(gc);
        out_ += '\n';
        out_ += value;
        out_ += '\n';
    }

private:
    std::string& out_;
};

// The program's texts are UTF-8, while an AutoCAD 2000 file is read in its
// code page; characters beyond ASCII therefore go out as \U+XXXX, the form
// readers decode whatever their code page. Control characters and broken
// sequences would break the group structure or mean nothing: '?'.
std::string DxfText(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c), ++i;
            continue;
        }
        const int n = c >= 0xf0 && c < 0xf5 ? 3 : c >= 0xe0 && c < 0xf0 ? 2 : c >= 0xc2 && c < 0xe0 ? 1 : -1;
        char32_t cp = n == 3 ? c & 0x07 : n == 2 ? c & 0x0f : c & 0x1f;
        bool ok = n > 0 && i + n < s.size();
        for (int k = 1; ok && k <= n; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            ok = (b & 0xc0) == 0x80;
            cp = (cp << 6) | (b & 0x3f);
        }
        ok = ok && cp >= (n == 3 ? 0x10000u : n == 2 ? 0x800u : 0x80u) && !(cp >= 0xd800 && cp < 0xe000);
        if (!ok) {
            out += '?', ++i;
            continue;
        }
        char buf[12] = "?";  // \U+ takes four digits only
        if (cp < 0x10000) std::snprintf(buf, sizeof buf, "\\U+%04X", static_cast<unsigned>(cp));
        out += buf, i += n + 1;
    }
    return out;
}

// strerror's text as a reason: lower case, no full stop.
std::string Reason(int err) {
    if (err == ENOENT || err == ENOTDIR) return "the folder does not exist";
    std::string s = std::strerror(err);
    if (!s.empty()) s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
    return s;
}

class DxfSink : public ExportSink {
public:
    explicit DxfSink(const ExportJob& job) : job_(job) {}

    void Polyline(const std::vector<double>& xy, bool closed, uint32_t, int color) override {
        const size_t n = xy.size() / 2;
        if (n < 2) return;
        if (n == 2) return Line(xy[0], xy[1], xy[2], xy[3], Attributes(color));
        Add([=](DL_Dxf& dxf, DL_WriterA& w) {
            dxf.writePolyline(w, DL_PolylineData(int(n), 0, 0, closed ? 1 : 0), Attributes(color));
            for (size_t i = 0; i < n; ++i) dxf.writeVertex(w, DL_VertexData(xy[2 * i], xy[2 * i + 1]));
            dxf.writePolylineEnd(w);
        });
    }
    void Arc(double cx, double cy, double r, double a0, double a1, int color) override {
        Add([=](DL_Dxf& dxf, DL_WriterA& w) {
            dxf.writeArc(w, DL_ArcData(cx, cy, 0, r, Degrees(a0), Degrees(a1)), Attributes(color));
        });
    }
    void Circle(double cx, double cy, double r, int color) override {
        Add([=](DL_Dxf& dxf, DL_WriterA& w) { dxf.writeCircle(w, DL_CircleData(cx, cy, 0, r), Attributes(color)); });
    }
    void Text(const std::string& text, const std::string& just, double h, double angle, double x, double y,
              int color) override {
        const int hj = just == "C" ? 1 : just == "E" ? 2 : just == "M" ? 4 : 0;
        Add([=, t = DxfText(text)](DL_Dxf& dxf, DL_WriterA& w) {
            // dxflib takes the rotation in radians and writes degrees.
            dxf.writeText(w, DL_TextData(x, y, 0, x, y, 0, h, 1.0, 0, hj, 0, t, "STANDARD", angle),
                          Attributes(color));
        });
    }
    void HiddenLine(double x1, double y1, double x2, double y2, int color) override {
        Line(x1, y1, x2, y2, Attributes(color, kHidden));
    }
    bool Finish(std::string& error) override;

private:
    using Writer = std::function<void(DL_Dxf&, DL_WriterA&)>;
    void Add(Writer f) { entities_.push_back(std::move(f)); }
    void Line(double x1, double y1, double x2, double y2, const DL_Attributes& a) {
        Add([=](DL_Dxf& dxf, DL_WriterA& w) { dxf.writeLine(w, DL_LineData(x1, y1, 0, x2, y2, 0), a); });
    }
    void Write(DL_Dxf& dxf, DL_WriterA& w) const;

    ExportJob job_;
    std::vector<Writer> entities_;
};

void DxfSink::Write(DL_Dxf& dxf, DL_WriterA& w) const {
    dxf.writeHeader(w);
    w.dxfString(9, "$INSUNITS");
    w.dxfInt(70, 1);  // inches: drawing units go out unchanged
    w.dxfString(9, "$MEASUREMENT");
    w.dxfInt(70, 0);
    w.sectionEnd();

    w.sectionTables();
    dxf.writeVPort(w);
    // The stored pattern keeps half the gap on each side of the dash.
    double pattern[2] = {job_.dash - job_.gap, -2 * job_.gap};
    w.tableLinetypes(4);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData(kHidden, "Hidden", 0, 2, job_.dash + job_.gap, pattern));
    w.tableEnd();
    w.tableLayers(8);
    dxf.writeLayer(w, DL_LayerData("0", 0), DL_Attributes("", 7, -1, "CONTINUOUS", 1.0));
    for (int c = 1; c <= 7; ++c)
        dxf.writeLayer(w, DL_LayerData(Layer(c), 0), DL_Attributes("", kAci[c - 1], -1, "CONTINUOUS", 1.0));
    w.tableEnd();
    w.tableStyle(1);
    dxf.writeStyle(w, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 0.2, "txt", ""));
    w.tableEnd();
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    dxf.writeDimStyle(w, 0.18, 0.18, 0.0625, 0.09, 0.18);
    dxf.writeBlockRecord(w);
    w.tableEnd();
    w.sectionEnd();

    w.sectionBlocks();
    for (const char* b : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(w, DL_BlockData(b, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(w, b);
    }
    w.sectionEnd();

    w.sectionEntities();
    for (const Writer& e : entities_) e(dxf, w);
    w.sectionEnd();
    dxf.writeObjects(w);
    dxf.writeObjectsEnd(w);
    w.dxfEOF();
}

bool DxfSink::Finish(std::string& error) {
    // The whole file is made in memory (dxflib's own writer flushes every
    // line to the disk), then written to a temporary file and renamed.
    std::string text;
    {
        DL_Dxf dxf;
        BufferWriter w(text);
        Write(dxf, w);
    }
    static int serial = 0;
    const std::string tmp = job_.path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++serial);
    // O_EXCL: never write through someone else's file; 0666 lets the umask decide.
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = Reason(errno);
        return false;
    }
    size_t done = 0;
    int err = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err && std::rename(tmp.c_str(), job_.path.c_str()) != 0) err = errno;
    if (err) {
        error = Reason(err);
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<ExportSink> OpenDxfExport(const ExportJob& job, std::string& error) {
    error.clear();
    return std::make_unique<DxfSink>(job);
}
