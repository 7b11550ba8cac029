// The drawing file, table side: number texts, the reader (ParseDrawing), the
// writer (NumberObjectsForSave, FormatDrawing), the safe write with its
// backup, and the failure messages. The file commands (commands/files.cpp)
// call these and show the messages.
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
// and the shape name and text, which are whole lines with their commas.
#include "model/dwgfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "model/extents.h"
#include "model/messages.h"
#include "model/numbers.h"

// ---- numbers -----------------------------------------------------------

namespace {

// Below this magnitude a value rounded to 5 decimals has at most 15
// significant digits, so its text can be spelled straight from the integer
// count of 0.00001 steps and reads back as exactly the same double.
constexpr double kExactLimit = 1e10;

void AppendUnsigned(std::string& out, uint64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void AppendInt(std::string& out, long v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

// FormatNumber5 appending to `out`: the writer's hot path.
void AppendNumber5(std::string& out, double& v) {
    if (!std::isfinite(v)) {
        v = 0;  // no file can hold it; the table follows what is written
        out += '0';
        return;
    }
    double m = std::fabs(v);
    if (m >= kExactLimit) {
        // 15 significant digits are coarser than 5 decimals here: the table
        // takes the value the text reads back as.
        std::string t = GeneralNumber(v);
        ParseNumber(t, v);
        out += t;
        return;
    }
    double steps = std::floor(m * 100000 + 0.5);  // whole 0.00001 steps, halves away from zero
    if (steps == 0) {
        v = 0;  // -0.000001 rounds to 0 and is written "0"
        out += '0';
        return;
    }
    v = std::copysign(steps / 100000, v);
    auto n = static_cast<uint64_t>(steps);
    if (v < 0) out += '-';
    AppendUnsigned(out, n / 100000);
    auto frac = static_cast<unsigned>(n % 100000);
    if (frac != 0) {
        char digits[6];
        for (int i = 4; i >= 0; --i) digits[i] = static_cast<char>('0' + frac % 10), frac /= 10;
        int len = 5;
        while (digits[len - 1] == '0') --len;
        out += '.';
        out.append(digits, static_cast<size_t>(len));
    }
}

}  // namespace

std::string FormatNumber5(double& v) {
    std::string s;
    AppendNumber5(s, v);
    return s;
}

// ---- paths ---------------------------------------------------------------

bool FileExists(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);  // a folder cannot be read as a file
    ::close(fd);
    return ok;
}

std::string ShortenPath(const std::string& folder) {
    if (folder.empty()) return "";
    size_t at = folder.find(std::string(1, kSep) + "Documents");
    if (at == std::string::npos) return folder;
    return folder.substr(0, 3) + "..." + folder.substr(at);
}

std::string BackupName(const std::string& path) {
    // A name too short to have an extension gets one.
    if (path.size() < 3) return path + ".BAK";
    return path.substr(0, path.size() - 3) + "BAK";
}

namespace {

// An open file descriptor, closed with the object.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Closes now; false (errno set) when the close itself failed.
    bool Close() {
        if (fd_ < 0) return true;
        int r = ::close(fd_);
        fd_ = -1;
        return r == 0;
    }
private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind(kSep);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsFolder(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads an open file to its end; false with errno set on failure.
bool ReadAllFd(int fd, std::string& out) {
    out.clear();
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        out.append(buf, static_cast<size_t>(n));
    }
}

bool WriteAllFd(int fd, const std::string& text) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ReadResult LoadTextFile(const std::string& path, std::string& out) {
    ReadResult r;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        int err = errno;
        if (err == ENOENT) {
            r.fail = IsFolder(FolderOf(path)) ? ReadFail::NotFound : ReadFail::BadPath;
        } else if (err == ENOTDIR) {
            r.fail = ReadFail::BadPath;
        } else {
            r.fail = ReadFail::Other;
            r.description = std::strerror(err);
        }
        return r;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        r.fail = ReadFail::Other;
        r.description = std::strerror(EISDIR);
        return r;
    }
    if (!ReadAllFd(fd.get(), out)) {
        r.fail = ReadFail::Other;
        r.description = std::strerror(errno);
    }
    return r;
}

bool LoadTextLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string text;
    if (LoadTextFile(path, text).fail != ReadFail::None) return false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return true;
}

// ---- reading -------------------------------------------------------------

namespace {

class Parser {
public:
    Parser(Drawing& d, std::string_view text, double dx, double dy, double scale)
        : d_(d), text_(text), dx_(dx), dy_(dy), scale_(scale) {}

    ReadResult Run(bool insert);

private:
    // The next line without its CR LF (or LF); PastEnd at the end of the text.
    bool Line(std::string_view& line) {
        if (pos_ >= text_.size()) return Fail(ReadFail::PastEnd);
        size_t nl = text_.find('\n', pos_);
        size_t end = nl == std::string_view::npos ? text_.size() : nl;
        line = text_.substr(pos_, end - pos_);
        pos_ = nl == std::string_view::npos ? text_.size() : nl + 1;
        if (nl != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }
    bool Skip() {
        std::string_view l;
        return Line(l);
    }
    // Leading blanks skipped, ended by a comma or the end of the line.
    static std::string_view FirstField(std::string_view line, std::string_view* rest = nullptr) {
        size_t b = 0;
        while (b < line.size() && (line[b] == ' ' || line[b] == '\t')) ++b;
        line.remove_prefix(b);
        size_t comma = line.find(',');
        if (rest) *rest = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
        return comma == std::string_view::npos ? line : line.substr(0, comma);
    }
    bool Field(std::string_view& f) {
        std::string_view l;
        if (!Line(l)) return false;
        f = FirstField(l);
        return true;
    }
    bool Text(std::string& s) {
        std::string_view f;
        if (!Field(f)) return false;
        s.assign(f);
        return true;
    }
    bool WholeLine(std::string& s) {
        std::string_view l;
        if (!Line(l)) return false;
        s.assign(l);
        return true;
    }
    bool Number(std::string_view f, double& v) {
        if (!ParseNumber(f, v)) return Fail(ReadFail::TypeMismatch);
        return true;
    }
    bool Float(double& v) {
        std::string_view f;
        return Field(f) && Number(f, v);
    }
    // A float scaled and moved: coordinates and sizes of an insertion.
    bool Placed(double& v, double scale, double offset) {
        double raw;
        if (!Float(raw)) return false;
        v = raw * scale + offset;
        if (!std::isfinite(v)) return Fail(ReadFail::Other, 0, "Overflow");
        return true;
    }
    bool X(double& v) { return Placed(v, scale_, dx_); }
    bool Y(double& v) { return Placed(v, scale_, dy_); }
    // An integer field: a fraction rounds half to even; beyond the type is Overflow.
    bool Integer(double lo, double hi, double& v) {
        double raw;
        if (!Float(raw)) return false;
        v = std::nearbyint(raw);
        if (v < lo || v > hi) return Fail(ReadFail::Other, 0, "Overflow");
        return true;
    }
    bool Int16(int16_t& out) {
        double v;
        if (!Integer(-32768, 32767, v)) return false;
        out = static_cast<int16_t>(v);
        return true;
    }
    bool Int32(int32_t& out) {
        double v;
        if (!Integer(-2147483648.0, 2147483647.0, v)) return false;
        out = static_cast<int32_t>(v);
        return true;
    }
    // "True" or "False" in any case, or a number (not 0 = true); other text
    // is a type mismatch.
    bool Bool(bool& out) {
        std::string_view f;
        if (!Field(f)) return false;
        while (!f.empty() && (f.back() == ' ' || f.back() == '\t')) f.remove_suffix(1);
        auto same = [&](const char* word) {
            size_t n = std::strlen(word);
            if (f.size() != n) return false;
            for (size_t i = 0; i < n; ++i)
                if ((f[i] | 0x20) != word[i]) return false;
            return true;
        };
        if (same("true")) {
            out = true;
        } else if (same("false")) {
            out = false;
        } else {
            double v;
            if (!Number(f, v)) return false;
            out = v != 0;
        }
        return true;
    }
    bool Fail(ReadFail f, int slot = 0, std::string description = {}) {
        result_.fail = f;
        result_.slot = slot;
        result_.description = std::move(description);
        return false;
    }

    bool Header();
    bool Record(int s);
    bool Arc(int s);
    bool Circle(int s);
    bool Dial(int s);
    bool LineRecord(int s);
    bool Shape(int s);
    bool TextRecord(int s);
    bool Extents();

    Drawing& d_;
    std::string_view text_;
    size_t pos_ = 0;
    double dx_, dy_, scale_;
    ReadResult result_;
    std::string kind_;  // the kind of the record being read
};

bool Parser::Header() {
    double snapY = d_.SnapY;
    std::string key;
    bool ok = Skip() && Text(d_.ShapePrefix) && Skip() && Text(d_.FontFile) && Skip() &&
              Float(d_.LimLLX) && Float(d_.LimLLY) && Float(d_.LimURX) && Float(d_.LimURY) && Skip() &&
              Bool(d_.GridOn) && Float(d_.GridSpacing) && Text(key) && Int16(d_.SnapMode);
    if (!ok) return false;
    std::string_view line, rest;
    if (!Line(line)) return false;
    if (!Number(FirstField(line, &rest), d_.SnapX)) return false;
    if (key == "Snap Non Ortho") {
        if (!Number(FirstField(rest), snapY)) return false;
    }
    d_.SnapY = snapY == 0 ? d_.SnapX : snapY;
    return Skip() && Float(d_.Zoom) && Skip() && Int32(d_.PanX) && Int32(d_.PanY) && Skip() &&
           Float(d_.PlotScale) && Skip() && Float(d_.TextHeight) && Skip() && Float(d_.HiddenDash) &&
           Float(d_.HiddenGap);
}

bool Parser::Arc(int s) {
    return X(d_.ObjX[s]) && Y(d_.ObjY[s]) && Float(d_.ObjAngle[s]) && Float(d_.ObjEndAngle[s]) &&
           Float(d_.ObjXScale[s]) && Float(d_.ObjYScale[s]);
}

bool Parser::Circle(int s) {
    return X(d_.ObjX[s]) && Y(d_.ObjY[s]) && Float(d_.ObjXScale[s]) && Float(d_.ObjYScale[s]);
}

bool Parser::Dial(int s) {
    if (!X(d_.ObjX[s]) || !Y(d_.ObjY[s])) return false;
    double n = std::nearbyint(d_.ObjSize[s]);
    if (n > kMaxVertex) return Fail(ReadFail::SlotRange, s);
    for (int k = 1; k <= n; ++k)
        if (!Float(d_.VertX(s, k))) return false;
    return true;
}

bool Parser::LineRecord(int s) {
    if (!Int16(d_.ObjLineType[s]) || !Float(d_.ObjLineWidth[s])) return false;
    // The vertex count is a whole number of positions 1..1500.
    double n = d_.ObjSize[s] < 0 ? 1 : std::nearbyint(d_.ObjSize[s]);
    if (n > kMaxVertex) return Fail(ReadFail::SlotRange, s);
    d_.ObjSize[s] = n;
    for (int k = 1; k <= n; ++k)
        if (!X(d_.VertX(s, k)) || !Y(d_.VertY(s, k))) return false;
    return Float(d_.ObjXScale[s]) && Float(d_.ObjYScale[s]);
}

bool Parser::Shape(int s) {
    return WholeLine(d_.ObjText[s]) && Float(d_.ObjXScale[s]) && Float(d_.ObjYScale[s]) &&
           Float(d_.ObjAngle[s]) && X(d_.ObjX[s]) && Y(d_.ObjY[s]) && X(d_.ObjBoxX1[s]) &&
           X(d_.ObjBoxX2[s]) && Y(d_.ObjBoxY1[s]) && Y(d_.ObjBoxY2[s]);
}

bool Parser::TextRecord(int s) {
    return WholeLine(d_.ObjText[s]) && Text(d_.ObjJust[s]) && Float(d_.ObjAngle[s]) && X(d_.ObjX[s]) &&
           Y(d_.ObjY[s]) && X(d_.ObjBoxX1[s]) && X(d_.ObjBoxX2[s]) && Y(d_.ObjBoxY1[s]) &&
           Y(d_.ObjBoxY2[s]);
}

// One record into slot s. The kind is set last, so a record cut short
// leaves an empty slot behind.
bool Parser::Record(int s) {
    d_.ObjType[s].clear();
    if (!Text(kind_) || !Int16(d_.ObjNum[s]) || !Int16(d_.ObjColor[s]) || !Float(d_.ObjSize[s]))
        return false;
    if (d_.ObjColor[s] == 0) d_.ObjColor[s] = 1;
    bool sized = kind_ == "Arc" || kind_ == "Circle" || kind_ == "Shape" || kind_ == "Text";
    if (sized) {
        d_.ObjSize[s] *= scale_;
        if (!std::isfinite(d_.ObjSize[s])) return Fail(ReadFail::Other, 0, "Overflow");
    }
    bool ok = true;
    if (kind_ == "Arc") ok = Arc(s);
    else if (kind_ == "Circle") ok = Circle(s);
    else if (kind_ == "Dial") ok = Dial(s);
    else if (kind_ == "Line") ok = LineRecord(s);
    else if (kind_ == "Shape") ok = Shape(s);
    else if (kind_ == "Text") ok = TextRecord(s);
    if (!ok) return false;
    d_.ObjType[s] = kind_;
    if (kind_ == "Arc") NormaliseArcAngles(d_.ObjAngle[s], d_.ObjEndAngle[s], d_.PI);
    if (kind_ == "Line") RemoveDuplicateVertices(d_, s);
    return true;
}

// The file's extents go into the box of the first free slot.
bool Parser::Extents() {
    int s = d_.ObjNext;
    double x1, x2, y1, y2;
    if (!Placed(x1, 1, dx_) || !Placed(x2, 1, dx_) || !Placed(y1, 1, dy_) || !Placed(y2, 1, dy_))
        return false;
    d_.ObjBoxX1[s] = x1;
    d_.ObjBoxX2[s] = x2;
    d_.ObjBoxY1[s] = y1;
    d_.ObjBoxY2[s] = y2;
    return true;
}

ReadResult Parser::Run(bool insert) {
    // Records go after the objects already there; ObjNext always follows the
    // last record read completely, so a failed read leaves a sound table.
    int start = insert ? d_.ObjNext : 1;
    if (start < 1) start = 1;
    if (start > kMaxSlot + 1) start = kMaxSlot + 1;
    d_.ObjNext = static_cast<int16_t>(start);
    if (insert) {
        for (int i = 0; i < 27; ++i)
            if (!Skip()) return result_;
    } else if (!Header()) {
        return result_;
    }
    int16_t count = 0;
    if (!Int16(count)) return result_;
    // A negative count is read as no records.
    for (int i = 0; i < count; ++i) {
        int s = start + i;
        if (s > kMaxSlot) {
            Fail(ReadFail::SlotRange, s);
            return result_;
        }
        if (!Record(s)) return result_;
        d_.ObjNext = static_cast<int16_t>(s + 1);
    }
    Extents();
    return result_;
}

}  // namespace

ReadResult ParseDrawing(Drawing& d, std::string_view text, bool insert, double dx, double dy,
                        double scale) {
    Parser p(d, text, dx, dy, scale);
    return p.Run(insert);
}

std::string ReadFailMessage(const ReadResult& r) {
    switch (r.fail) {
        case ReadFail::None: return "";
        case ReadFail::SlotRange: return kMsgSubscript + std::to_string(r.slot) + kMsgTooLarge;
        case ReadFail::TypeMismatch: return kMsgTypeMismatch;
        case ReadFail::NotFound: return kMsgFileNotFoundRead;
        case ReadFail::PastEnd: return kMsgPastEnd;
        case ReadFail::BadPath: return kMsgInvalidPath;
        case ReadFail::Other: break;
    }
    return kMsgUnforseen + r.description + kMsgNotify;
}

// ---- writing -------------------------------------------------------------

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

// A whole number of positions 0..1500 from a count held as a float.
int CountOf(double v) {
    double n = std::nearbyint(v);
    if (!(n >= 0)) return 0;
    return n > kMaxVertex ? kMaxVertex : static_cast<int>(n);
}

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
        d.ObjSize[s] = CountOf(d.ObjSize[s]);
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
        int n = CountOf(d.ObjSize[s]);  // from the rounded size, as the reader counts
        for (int k = 1; k <= n; ++k) w.Float(d.VertX(s, k));
    } else if (kind == "Line") {
        w.Int(d.ObjLineType[s]);
        w.Float(d.ObjLineWidth[s]);
        int n = CountOf(d.ObjSize[s]);
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
        guess += 160 + (d.ObjType[s] == "Line" ? static_cast<size_t>(CountOf(d.ObjSize[s])) * 24 : 0);
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

// ---- the safe write --------------------------------------------------------

namespace {

WriteResult FromErrno(int err) {
    WriteResult r;
    switch (err) {
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            r.fail = WriteFail::Permission;
            break;
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
            r.fail = WriteFail::PathNotFound;
            break;
        default:
            r.fail = WriteFail::Other;
            r.code = err;
            break;
    }
    return r;
}

// A temporary file beside its target, removed again unless it was renamed
// into place.
class TempFile {
public:
    explicit TempFile(const std::string& target) : name_(target + ".zarnic-tmp-XXXXXX") {
        int fd = ::mkstemp(name_.data());
        if (fd < 0) {
            error_ = errno;
            name_.clear();
            return;
        }
        fd_.Reset(fd);
    }
    ~TempFile() {
        fd_.Close();
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    int error() const { return error_; }
    // Writes, flushes to the disk and closes; 0 or the errno of the failing step.
    int Fill(const std::string& text, mode_t mode) {
        if (::fchmod(fd_.get(), mode) != 0) return errno;
        if (!WriteAllFd(fd_.get(), text)) return errno;
        if (::fsync(fd_.get()) != 0) return errno;
        if (!fd_.Close()) return errno;
        return 0;
    }
    // Renames the file over the target; 0 or errno.
    int Commit(const std::string& target) {
        if (::rename(name_.c_str(), target.c_str()) != 0) return errno;
        name_.clear();
        return 0;
    }
private:
    std::string name_;
    Fd fd_;
    int error_ = 0;
};

// The mode a new file gets: the old file's, or what the user's mask allows.
mode_t NewFileMode(const struct stat* old) {
    if (old) return old->st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Copies `path` to `backup` through a temporary beside the backup, so a copy
// that fails half-way leaves the old backup whole.
int CopyToBackup(const std::string& path, const std::string& backup, const struct stat& st) {
    std::string old;
    {
        Fd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.get() < 0) return errno;
        if (!ReadAllFd(in.get(), old)) return errno;
    }
    TempFile tmp(backup);
    if (tmp.error()) return tmp.error();
    if (int err = tmp.Fill(old, st.st_mode & 07777)) return err;
    return tmp.Commit(backup);
}

// The old file becomes the backup. Where the folder allows it the old file
// itself gets the backup's name as a second link (nothing copied, already on
// the disk), renamed over the old backup in one step; elsewhere it is copied.
int MakeBackup(const std::string& path, const std::string& backup, const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        for (int attempt = 0; attempt < 8; ++attempt) {
            std::string link = backup + ".zarnic-lnk-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            if (::link(path.c_str(), link.c_str()) == 0) {
                if (::rename(link.c_str(), backup.c_str()) == 0) return 0;
                int err = errno;
                ::unlink(link.c_str());
                return err;
            }
            if (errno != EEXIST) break;  // links not supported here: copy instead
        }
    }
    return CopyToBackup(path, backup, st);
}
}  // namespace

WriteResult WriteFileSafely(const std::string& path, const std::string& backup, const std::string& text) {
    // Saving an opened backup would copy the file over itself.
    if (backup == path || SameFile(path, backup)) return WriteResult{WriteFail::Permission, 0};
    struct stat st {};
    bool exists = ::stat(path.c_str(), &st) == 0;
    TempFile tmp(path);
    if (tmp.error()) return FromErrno(tmp.error());
    if (int err = tmp.Fill(text, NewFileMode(exists ? &st : nullptr))) return FromErrno(err);
    if (exists) {
        if (int err = MakeBackup(path, backup, st)) return FromErrno(err);
    }
    // The rename is the one step that replaces the old file, whole.
    if (int err = tmp.Commit(path)) {
        // A linked backup would now be the file itself under a second name,
        // which would refuse every later save: that name goes.
        if (exists && SameFile(path, backup)) ::unlink(backup.c_str());
        return FromErrno(err);
    }
    return {};
}

std::string WriteFailMessage(const WriteResult& r) {
    switch (r.fail) {
        case WriteFail::None: return "";
        case WriteFail::Permission: return kMsgSavePermission;
        case WriteFail::PathNotFound: return kMsgSavePath;
        case WriteFail::Other: break;
    }
    return kMsgSaveOtherA + std::to_string(r.code) + kMsgSaveOtherB;
}
