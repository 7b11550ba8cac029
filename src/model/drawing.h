// The object table: parallel fixed arrays over slots 0..3000 plus the
// drawing-wide values saved with a drawing. Every room reads and writes the
// arrays by slot number; the file reader and writer (model/dwgfile.h) are a
// line-by-line image of these fields. Allocated once, in App.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

constexpr int kMaxSlot = 3000;          // last slot that can hold an object
constexpr int kSlots = kMaxSlot + 2;    // 0..3000, plus the scratch slot 3001 a full table points at
constexpr int kMaxVertex = 1500;        // last vertex position of a Line
constexpr int kVertPerSlot = kMaxVertex + 2;  // positions -1..1500

constexpr char kSep = '/';              // folder separator; folder texts end in it

// The seven colour words of the status line (index 1..7, seven characters
// each) and the two line-type words (index 0..1).
extern const std::array<const char*, 8> ColorNames;
extern const std::array<const char*, 2> LineTypeNames;

// One vertex coordinate array, slot-major: a slot's 1502 positions are
// contiguous. The block comes from calloc, so the pages of slots that never
// take a vertex are never committed.
class VertexArray {
public:
    VertexArray();
    ~VertexArray();
    VertexArray(const VertexArray&) = delete;
    VertexArray& operator=(const VertexArray&) = delete;
    // Position k (-1..1500) of a slot (0..3001). Callers keep to the ranges.
    double& operator()(int slot, int k) { return data_[Index(slot, k)]; }
    double operator()(int slot, int k) const { return data_[Index(slot, k)]; }
    // Positions 1..1500 of a slot, contiguous (for the renderers).
    const double* Row(int slot) const { return data_ + Index(slot, 1); }
    static size_t Index(int slot, int k) {
        return static_cast<size_t>(slot) * kVertPerSlot + static_cast<size_t>(k + 1);
    }
private:
    double* data_;
};

template <class T> using SlotArray = std::array<T, kSlots>;

struct Drawing {
    // --- per-slot fields -------------------------------------------------
    SlotArray<std::string> ObjType{};   // "Arc" "Circle" "Dial" "Line" "Shape" "Text", "" = empty slot
    SlotArray<int16_t> ObjNum{};        // record number
    SlotArray<int16_t> ObjColor{};      // colour number 1..7, negated when locked
    SlotArray<double> ObjSize{};        // radius, 15 (Dial), vertex count, shape size or text height (drawing units)
    SlotArray<double> ObjX{};           // centre or insertion point X (drawing units)
    SlotArray<double> ObjY{};           // centre or insertion point Y (drawing units)
    SlotArray<double> ObjAngle{};       // arc start, shape or text rotation (radians)
    SlotArray<double> ObjEndAngle{};    // arc end (radians)
    SlotArray<double> ObjXScale{};      // X factor (1 normal, -1 mirrored)
    SlotArray<double> ObjYScale{};      // Y factor
    SlotArray<double> ObjBoxX1{};       // box minimum X of a Shape or Text (drawing units)
    SlotArray<double> ObjBoxX2{};       // box maximum X
    SlotArray<double> ObjBoxY1{};       // box minimum Y
    SlotArray<double> ObjBoxY2{};       // box maximum Y
    SlotArray<int16_t> ObjLineType{};   // 0 solid, 1 hidden (Line)
    SlotArray<double> ObjLineWidth{};   // line width (Line)
    SlotArray<std::string> ObjJust{};   // "S" "C" "M" "E" (Text)
    SlotArray<std::string> ObjText{};   // the text, or the shape name
    VertexArray VertX;                  // Line vertices 1..n, Dial parameters 1..15 (drawing units)
    VertexArray VertY;                  // Line vertices 1..n (drawing units)

    // --- undo store (written by delete, cut, colour change, unlock) -------
    SlotArray<std::string> UndoType{};  // kind of a slot before it was deleted or cut
    SlotArray<double> UndoValue{};      // size before deletion, colour before a change, or a lock mark

    // --- drawing-wide values ----------------------------------------------
    int16_t ObjNext = 1;                // first free slot (object count + 1)
    bool DrawingChanged = false;        // differs from its file; not saved
    std::string ShapePrefix = "Sc";     // shape-file prefix of the library in use
    std::string FontFile = "Schematic.fnt";  // font file name
    double LimLLX = -5, LimLLY = -3;    // limits, lower-left corner (drawing units)
    double LimURX = 5, LimURY = 3;      // limits, upper-right corner (drawing units)
    bool GridOn = true;                 // grid shown
    double GridSpacing = 0.5;           // grid spacing (drawing units)
    int16_t SnapMode = 3;               // 0 off, 1 X only, 2 Y only, 3 both
    double SnapX = 0.1, SnapY = 0.1;    // snap spacings (drawing units)
    double Zoom = 1;                    // view scale (twips per drawing unit)
    int32_t PanX = 0, PanY = 0;         // view offsets (twips)
    double PlotScale = 1;               // plot scale
    double TextHeight = 0.1;            // height given to new Text (drawing units)
    double HiddenDash = 0.2;            // hidden pattern, stored form: dash + half gap (drawing units)
    double HiddenGap = 0.06;            // hidden pattern, stored form: half gap (drawing units)
    double ExtMinX = 1000, ExtMaxX = -1000;  // drawing extents X (drawing units)
    double ExtMinY = 1000, ExtMaxY = -1000;  // drawing extents Y (drawing units)
    int16_t CurColor = 1;               // colour given to new objects (1..7); not saved
    int16_t CurLineType = 0;            // line type given to new Lines (0..1); not saved
    double CurLineWidth = 0;            // line width given to new Lines; not saved
    std::string DwgPath;                // folder of the current drawing, ending in kSep; not saved
    std::string DwgName;                // file name of the current drawing, "" when unnamed; not saved
    double PI = 3.14159265358979323846; // 4*atan(1), computed at start-up

    // The box of a Shape comes from its shape file, which the view reads;
    // the view sets this at start-up so the extents computation reaches it.
    // Without it a Shape keeps the box it has.
    void (*ShapeBoxFn)(void* ctx, Drawing& d, int slot) = nullptr;
    void* ShapeBoxCtx = nullptr;          // passed back to ShapeBoxFn
};

// The vertex count of a Line (or the value count of a Dial) held as a
// float: rounded, 0 for none or no number, never beyond kMaxVertex.
int VertexCountOf(double size);

// True for the six kinds an object slot can hold.
bool IsObjectKind(const std::string& kind);

// Empties the table: kinds "" over slots 1..old ObjNext (never beyond 3000),
// ObjNext = 1. Other fields keep their values until a new object takes the slot.
void ClearObjects(Drawing& d);

// For a Line: drops every vertex equal (X and Y exactly) to the one before it.
void RemoveDuplicateVertices(Drawing& d, int slot);

// The extents start values: minimum 1000, maximum -1000 on both axes.
void ResetExtents(Drawing& d);
