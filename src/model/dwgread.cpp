// The drawing file's reader: ParseDrawing fills the table from a file's
// text, as a new drawing or inserted at an offset and scale, and stops at
// the first damaged value with the slots read so far kept. The layout of
// the file is described beside its writer (model/dwgwrite.cpp).
#include <cmath>
#include <cstring>

#include "model/dwgfile.h"
#include "model/extents.h"
#include "model/messages.h"
#include "model/numbers.h"

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
