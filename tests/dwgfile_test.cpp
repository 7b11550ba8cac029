// Tests of the drawing file: reading the example drawing, insertion, the
// damaged-input family, writing and rounding, the safe write with its backup,
// and the path helpers and messages.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <iterator>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "model/dial.h"
#include "model/drawing.h"
#include "model/dwgfile.h"
#include "model/safewrite.h"
#include "model/extents.h"
#include "model/messages.h"
#include "model/numbers.h"

namespace {

std::string ExampleText() { return ReadAll(std::string(ZARNIC_FIXTURES) + "example.dwg"); }

std::vector<std::string> ExampleLines() { return SplitCrLf(ExampleText()); }

std::unique_ptr<Drawing> Loaded(const std::string& text, ReadResult* result = nullptr) {
    auto d = std::make_unique<Drawing>();
    ReadResult r = ParseDrawing(*d, text, false, 0, 0, 1);
    if (result) *result = r;
    return d;
}

// The example's header (lines 1-27) followed by the given records.
std::string WithRecords(int count, const std::vector<std::string>& records,
                        const std::vector<std::string>& extents = {"0", "0", "0", "0"}) {
    std::vector<std::string> lines = ExampleLines();
    lines.resize(27);
    lines.push_back(std::to_string(count));
    lines.insert(lines.end(), records.begin(), records.end());
    lines.insert(lines.end(), extents.begin(), extents.end());
    return JoinCrLf(lines);
}

std::vector<std::string> CircleRecord(int num, const std::string& r = "0.5") {
    return {"Circle", std::to_string(num), "1", r, "2", "3", "1", "1"};
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A full save as the file commands do it: numbering, then the text.
std::string Save(Drawing& d) { return FormatDrawing(d, NumberObjectsForSave(d)); }

}  // namespace

// ---- reading ------------------------------------------------------------------

TEST(DwgFileRead, ExampleLoadsToItsTable) {
    ReadResult r;
    auto d = Loaded(ExampleText(), &r);
    ASSERT_EQ(r.fail, ReadFail::None);
    EXPECT_EQ(d->ShapePrefix, "B-");
    EXPECT_EQ(d->FontFile, "Schematic.fnt");
    EXPECT_EQ(d->LimLLX, 0);
    EXPECT_EQ(d->LimLLY, 0);
    EXPECT_EQ(d->LimURX, 11);
    EXPECT_EQ(d->LimURY, 8.5);
    EXPECT_TRUE(d->GridOn);
    EXPECT_EQ(d->GridSpacing, 0.1);
    EXPECT_EQ(d->SnapMode, 3);
    EXPECT_EQ(d->SnapX, 0.05);
    EXPECT_EQ(d->SnapY, 0.05);
    EXPECT_EQ(d->Zoom, 80.5);
    EXPECT_EQ(d->PanX, 40);
    EXPECT_EQ(d->PanY, -25);
    EXPECT_EQ(d->PlotScale, 1);
    EXPECT_EQ(d->TextHeight, 0.125);
    EXPECT_EQ(d->HiddenDash, 0.1);
    EXPECT_EQ(d->HiddenGap, 0.05);
    ASSERT_EQ(d->ObjNext, 4);

    EXPECT_EQ(d->ObjType[1], "Line");
    EXPECT_EQ(d->ObjNum[1], 1);
    EXPECT_EQ(d->ObjColor[1], 2);
    EXPECT_EQ(d->ObjSize[1], 2);
    EXPECT_EQ(d->ObjLineType[1], 0);
    EXPECT_EQ(d->ObjLineWidth[1], 0);
    EXPECT_EQ(d->VertX(1, 1), 1);
    EXPECT_EQ(d->VertY(1, 1), 1);
    EXPECT_EQ(d->VertX(1, 2), 4);
    EXPECT_EQ(d->VertY(1, 2), 1);
    EXPECT_EQ(d->ObjXScale[1], 1);
    EXPECT_EQ(d->ObjYScale[1], 1);

    EXPECT_EQ(d->ObjType[2], "Circle");
    EXPECT_EQ(d->ObjNum[2], 2);
    EXPECT_EQ(d->ObjColor[2], 1);
    EXPECT_EQ(d->ObjSize[2], 0.5);
    EXPECT_EQ(d->ObjX[2], 2);
    EXPECT_EQ(d->ObjY[2], 3);

    EXPECT_EQ(d->ObjType[3], "Text");
    EXPECT_EQ(d->ObjNum[3], 3);
    EXPECT_EQ(d->ObjSize[3], 0.125);
    EXPECT_EQ(d->ObjText[3], "R1 100k");
    EXPECT_EQ(d->ObjJust[3], "S");
    EXPECT_EQ(d->ObjAngle[3], 0);
    EXPECT_EQ(d->ObjX[3], 5);
    EXPECT_EQ(d->ObjY[3], 5);
    EXPECT_EQ(d->ObjBoxX1[3], 5);
    EXPECT_EQ(d->ObjBoxX2[3], 5.75);
    EXPECT_EQ(d->ObjBoxY1[3], 5);
    EXPECT_EQ(d->ObjBoxY2[3], 5.125);

    // The file's extents wait in the box of the first free slot.
    EXPECT_EQ(d->ObjBoxX1[4], 1);
    EXPECT_EQ(d->ObjBoxX2[4], 5.75);
    EXPECT_EQ(d->ObjBoxY1[4], 1);
    EXPECT_EQ(d->ObjBoxY2[4], 5.125);
}

TEST(DwgFileRead, BareLineFeedsAndNoLastLineEnd) {
    std::string text;
    for (const auto& l : ExampleLines()) text += l + "\n";
    text.pop_back();  // the last line has no end at all
    ReadResult r;
    auto d = Loaded(text, &r);
    ASSERT_EQ(r.fail, ReadFail::None);
    EXPECT_EQ(d->ObjNext, 4);
    EXPECT_EQ(d->ObjText[3], "R1 100k");
    EXPECT_EQ(d->ObjBoxY2[4], 5.125);
}

TEST(DwgFileRead, OlderHeaderHasOneSnapSpacing) {
    auto lines = ExampleLines();
    lines[12] = "Snap";
    lines[14] = "0.25";
    auto d = std::make_unique<Drawing>();
    d->SnapY = 0.3;
    ASSERT_EQ(ParseDrawing(*d, JoinCrLf(lines), false, 0, 0, 1).fail, ReadFail::None);
    EXPECT_EQ(d->SnapX, 0.25);
    EXPECT_EQ(d->SnapY, 0.3);  // keeps its value
    EXPECT_EQ(d->ObjNext, 4);

    d->SnapY = 0;
    ClearObjects(*d);
    ASSERT_EQ(ParseDrawing(*d, JoinCrLf(lines), false, 0, 0, 1).fail, ReadFail::None);
    EXPECT_EQ(d->SnapY, 0.25);  // a zero takes SnapX

    // The current header with a zero SnapY does the same.
    lines = ExampleLines();
    lines[14] = "0.2,0";
    auto e = Loaded(JoinCrLf(lines));
    EXPECT_EQ(e->SnapX, 0.2);
    EXPECT_EQ(e->SnapY, 0.2);
}

TEST(DwgFileRead, InsertionMovesAndScales) {
    auto d = Loaded(ExampleText());
    d->LimURX = 20;
    d->TextHeight = 0.3;
    d->GridOn = false;
    std::string records = WithRecords(
        3,
        Concat({{"Arc", "1", "3", "1", "1", "2", "0", "1", "2", "3"},
                {"Line", "2", "4", "2", "1", "0.02", "1", "1", "3", "2", "1", "1"},
                {"Text", "3", "1", "0.1", "A,B", "C", "0.5", "1", "1", "1", "2", "1", "1.1"}}),
        {"1", "2", "3", "4"});
    ReadResult r = ParseDrawing(*d, records, true, 10, 20, 2);
    ASSERT_EQ(r.fail, ReadFail::None);
    ASSERT_EQ(d->ObjNext, 7);
    // The drawing's own objects and settings stay.
    EXPECT_EQ(d->ObjType[1], "Line");
    EXPECT_EQ(d->LimURX, 20);
    EXPECT_EQ(d->TextHeight, 0.3);
    EXPECT_FALSE(d->GridOn);
    // Arc: centre and radius scaled and moved, angles and factors as read.
    EXPECT_EQ(d->ObjType[4], "Arc");
    EXPECT_EQ(d->ObjSize[4], 2);
    EXPECT_EQ(d->ObjX[4], 12);
    EXPECT_EQ(d->ObjY[4], 24);
    EXPECT_EQ(d->ObjAngle[4], 0);
    EXPECT_EQ(d->ObjEndAngle[4], 1);
    EXPECT_EQ(d->ObjXScale[4], 2);
    EXPECT_EQ(d->ObjYScale[4], 3);
    // Line: vertices moved and scaled, count and width as read.
    EXPECT_EQ(d->ObjSize[5], 2);
    EXPECT_EQ(d->ObjLineType[5], 1);
    EXPECT_EQ(d->ObjLineWidth[5], 0.02);
    EXPECT_EQ(d->VertX(5, 1), 12);
    EXPECT_EQ(d->VertY(5, 1), 22);
    EXPECT_EQ(d->VertX(5, 2), 16);
    EXPECT_EQ(d->VertY(5, 2), 24);
    // Text: height scaled, angle kept, box moved.
    EXPECT_EQ(d->ObjSize[6], 0.2);
    EXPECT_EQ(d->ObjText[6], "A,B");
    EXPECT_EQ(d->ObjAngle[6], 0.5);
    EXPECT_EQ(d->ObjX[6], 12);
    EXPECT_EQ(d->ObjBoxX2[6], 14);
    EXPECT_DOUBLE_EQ(d->ObjBoxY2[6], 22.2);
    // The extents are moved but not scaled.
    EXPECT_EQ(d->ObjBoxX1[7], 11);
    EXPECT_EQ(d->ObjBoxX2[7], 12);
    EXPECT_EQ(d->ObjBoxY1[7], 23);
    EXPECT_EQ(d->ObjBoxY2[7], 24);
}

TEST(DwgFileRead, RecordRules) {
    std::string text = WithRecords(
        6, Concat({{"Circle", "1", "0", "1", "0", "0", "1", "1"},      // colour 0 becomes 1
                   {"Line", "2", "-3", "-4", "0", "0", "7", "8", "1", "1"},  // size below 0 reads one vertex
                   {"Line", "3", "1", "4", "0", "0", "1", "1", "1", "1", "2", "2", "2", "2", "1", "1"},
                   {"Arc", "4", "1", "1", "0", "0", "0", "4.71238898", "1", "1"},
                   {"Gizmo", "5", "1", "9"},  // an unknown kind has only its four lines
                   {"Shape", "6", "1", "1", "  B-Resistor, 1k", "1", "1", "0", "0", "0", "0", "1", "0", "1"}}));
    ReadResult r;
    auto d = Loaded(text, &r);
    ASSERT_EQ(r.fail, ReadFail::None);
    ASSERT_EQ(d->ObjNext, 7);
    EXPECT_EQ(d->ObjColor[1], 1);
    EXPECT_EQ(d->ObjColor[2], -3);  // a locked colour stays negative
    EXPECT_EQ(d->ObjSize[2], 1);
    EXPECT_EQ(d->VertX(2, 1), 7);
    // The repeated vertices of slot 3 are gone.
    EXPECT_EQ(d->ObjSize[3], 2);
    EXPECT_EQ(d->VertX(3, 2), 2);
    // 0 .. 3/2 pi is the long way round: it becomes the short arc from 2 pi down.
    EXPECT_DOUBLE_EQ(d->ObjAngle[4], 2 * d->PI);
    EXPECT_DOUBLE_EQ(d->ObjEndAngle[4], 4.71238898);
    EXPECT_EQ(d->ObjType[5], "Gizmo");
    EXPECT_EQ(d->ObjSize[5], 9);
    EXPECT_EQ(d->ObjType[6], "Shape");
    EXPECT_EQ(d->ObjText[6], "  B-Resistor, 1k");  // the name is the whole line
}

TEST(DwgFileRead, PrefixAndFontAreCutAtAComma) {
    auto lines = ExampleLines();
    lines[1] = "  B-,more";
    lines[3] = "Schem,atic.fnt";
    ReadResult r;
    auto d = Loaded(JoinCrLf(lines), &r);
    ASSERT_EQ(r.fail, ReadFail::None);
    EXPECT_EQ(d->ShapePrefix, "B-");
    EXPECT_EQ(d->FontFile, "Schem");
    EXPECT_EQ(d->ObjNext, 4);  // the rest of the file is read as before
}

TEST(DwgFileRead, GridAndIntegerFields) {
    struct Case {
        int line;            // 1-based line of the example to replace
        const char* text;    // what it becomes
        ReadFail fail;       // expected result
    };
    const Case cases[] = {
        {11, "False", ReadFail::None},        {11, "true", ReadFail::None},
        {11, "Yes", ReadFail::TypeMismatch},  {31, "2.5", ReadFail::None},
        {31, "32767", ReadFail::None},        {31, "32768", ReadFail::Other},
        {31, "-32769", ReadFail::Other},      {19, "2147483647", ReadFail::None},
        {19, "2147483648", ReadFail::Other},  {28, "1e9", ReadFail::Other},
        {6, "1.5E+2", ReadFail::None},        {6, "2D1", ReadFail::None},
        {6, "NaN", ReadFail::TypeMismatch},   {6, "inf", ReadFail::TypeMismatch},
        {6, "1e999", ReadFail::TypeMismatch}, {6, "", ReadFail::None},
    };
    for (const Case& c : cases) {
        auto lines = ExampleLines();
        lines[static_cast<size_t>(c.line - 1)] = c.text;
        ReadResult r;
        auto d = Loaded(JoinCrLf(lines), &r);
        EXPECT_EQ(r.fail, c.fail) << "line " << c.line << " = " << c.text;
        if (r.fail == ReadFail::Other) {
            EXPECT_EQ(r.description, "Overflow");
        }
    }
    auto lines = ExampleLines();
    lines[30] = "2.5";  // the Line's colour: halves go to the even number
    EXPECT_EQ(Loaded(JoinCrLf(lines))->ObjColor[1], 2);
    lines[30] = "3.5";
    EXPECT_EQ(Loaded(JoinCrLf(lines))->ObjColor[1], 4);
    lines = ExampleLines();
    lines[10] = "False";
    EXPECT_FALSE(Loaded(JoinCrLf(lines))->GridOn);
    lines[5] = "2D1";
    EXPECT_EQ(Loaded(JoinCrLf(lines))->LimLLX, 20);
}

// ---- damaged files ----------------------------------------------------------------

TEST(DwgFileDamaged, TruncatedAfterEveryLine) {
    auto lines = ExampleLines();
    ASSERT_EQ(lines.size(), 65u);
    for (size_t keep = 0; keep < lines.size(); ++keep) {
        std::vector<std::string> part(lines.begin(), lines.begin() + static_cast<long>(keep));
        ReadResult r;
        auto d = Loaded(JoinCrLf(part), &r);
        EXPECT_EQ(r.fail, ReadFail::PastEnd) << "after line " << keep;
        // Records read whole stay: the Line ends on line 40, the Circle on 48, the Text on 61.
        int complete = keep >= 61 ? 3 : keep >= 48 ? 2 : keep >= 40 ? 1 : 0;
        EXPECT_EQ(d->ObjNext, complete + 1) << "after line " << keep;
        for (int s = complete + 1; s <= 3; ++s) EXPECT_EQ(d->ObjType[s], "") << "after line " << keep;
        EXPECT_EQ(ReadFailMessage(r), kMsgPastEnd);
    }
}

TEST(DwgFileDamaged, TextInEveryNumericLine) {
    // Every line of the example that holds a number (or the grid's boolean).
    const int numeric[] = {6,  7,  8,  9,  11, 12, 14, 15, 17, 19, 20, 22, 24, 26, 27, 28,
                           30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46,
                           47, 48, 50, 51, 52, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65};
    for (int line : numeric) {
        auto lines = ExampleLines();
        lines[static_cast<size_t>(line - 1)] = "12a";
        ReadResult r;
        auto d = Loaded(JoinCrLf(lines), &r);
        EXPECT_EQ(r.fail, ReadFail::TypeMismatch) << "line " << line;
        EXPECT_GE(d->ObjNext, 1);
        EXPECT_LE(d->ObjNext, 4);
    }
    // The second snap value is a field of its own.
    auto lines = ExampleLines();
    lines[14] = "0.05,x";
    ReadResult r;
    Loaded(JoinCrLf(lines), &r);
    EXPECT_EQ(r.fail, ReadFail::TypeMismatch);
    EXPECT_EQ(ReadFailMessage(r), kMsgTypeMismatch);
}

TEST(DwgFileDamaged, CountNeedingSlot3001) {
    std::vector<std::string> records;
    for (int i = 1; i <= 3001; ++i) {
        auto c = CircleRecord(i);
        records.insert(records.end(), c.begin(), c.end());
    }
    ReadResult r;
    auto d = Loaded(WithRecords(3001, records), &r);
    EXPECT_EQ(r.fail, ReadFail::SlotRange);
    EXPECT_EQ(r.slot, 3001);
    EXPECT_EQ(d->ObjNext, 3001);
    EXPECT_EQ(ReadFailMessage(r), std::string("Subscript out of range.  3001") +
                                      "\r\nThis file may be too large\r\nfor this program.");

    // The count alone decides: a file that ends early still fails at slot 3001.
    records.resize(3000 * 8);
    Loaded(WithRecords(3005, records, {}), &r);
    EXPECT_EQ(r.fail, ReadFail::SlotRange);
    EXPECT_EQ(r.slot, 3001);
}

TEST(DwgFileDamaged, FullTableLoadsAndInsertionStopsAtItsEnd) {
    std::vector<std::string> records;
    for (int i = 1; i <= 3000; ++i) {
        auto c = CircleRecord(i);
        records.insert(records.end(), c.begin(), c.end());
    }
    ReadResult r;
    auto d = Loaded(WithRecords(3000, records, {"1", "2", "3", "4"}), &r);
    ASSERT_EQ(r.fail, ReadFail::None);
    EXPECT_EQ(d->ObjNext, 3001);
    EXPECT_EQ(d->ObjType[3000], "Circle");
    EXPECT_EQ(d->ObjBoxX1[3001], 1);  // the scratch slot takes the extents
    EXPECT_EQ(d->ObjBoxY2[3001], 4);

    // Inserting the three-object example into 2998 objects fills the table.
    ClearObjects(*d);
    d->ObjNext = 2999;
    r = ParseDrawing(*d, ExampleText(), true, 0, 0, 1);
    EXPECT_EQ(r.fail, ReadFail::SlotRange);
    EXPECT_EQ(r.slot, 3001);
    EXPECT_EQ(d->ObjNext, 3001);
    EXPECT_EQ(d->ObjType[2999], "Line");
    EXPECT_EQ(d->ObjType[3000], "Circle");
    EXPECT_EQ(d->ObjType[3001], "");
}

TEST(DwgFileDamaged, LineOfTooManyVertices) {
    auto line = [](int n) {
        std::vector<std::string> rec = {"Line", "1", "1", std::to_string(n), "0", "0"};
        for (int k = 1; k <= n; ++k) {
            rec.push_back(std::to_string(k));
            rec.push_back("0");
        }
        rec.push_back("1");
        rec.push_back("1");
        return rec;
    };
    ReadResult r;
    auto d = Loaded(WithRecords(2, Concat({CircleRecord(1), line(1500)})), &r);
    ASSERT_EQ(r.fail, ReadFail::None);
    EXPECT_EQ(d->ObjSize[2], 1500);
    EXPECT_EQ(d->VertX(2, 1500), 1500);

    d = Loaded(WithRecords(2, Concat({CircleRecord(1), line(1501)})), &r);
    EXPECT_EQ(r.fail, ReadFail::SlotRange);
    EXPECT_EQ(r.slot, 2);
    EXPECT_EQ(d->ObjNext, 2);

    // A dial asks for its parameters the same way.
    d = Loaded(WithRecords(1, {"Dial", "1", "1", "1501", "0", "0"}), &r);
    EXPECT_EQ(r.fail, ReadFail::SlotRange);
    EXPECT_EQ(r.slot, 1);
}

TEST(DwgFileDamaged, NegativeCountReadsNoRecords) {
    auto lines = ExampleLines();
    lines[27] = "-5";
    lines.resize(28);
    lines.insert(lines.end(), {"1", "2", "3", "4"});
    auto d = std::make_unique<Drawing>();
    d->ObjNext = 3;
    d->ObjType[1] = d->ObjType[2] = "Circle";
    ReadResult r = ParseDrawing(*d, JoinCrLf(lines), true, 0, 0, 1);
    EXPECT_EQ(r.fail, ReadFail::None);
    EXPECT_EQ(d->ObjNext, 3);  // the objects already there stay
    EXPECT_EQ(d->ObjBoxX1[3], 1);
}

// ---- writing -------------------------------------------------------------------

TEST(DwgFileWrite, ExampleSavesAsItWasRead) {
    auto d = Loaded(ExampleText());
    RecomputeExtents(*d);  // as the open does
    std::string text = Save(*d);
    auto want = ExampleLines();
    auto got = SplitCrLf(text);
    ASSERT_EQ(got.size(), 65u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = 0; i < want.size(); ++i) {
        // Seven cells of 0.125 make the text box, and so the extents, 5.875 wide.
        const char* expect = (i + 1 == 59 || i + 1 == 63) ? "5.875" : want[i].c_str();
        EXPECT_EQ(got[i], expect) << "line " << i + 1;
    }
}

TEST(DwgFileWrite, RoundsTheTableInPlace) {
    auto d = Loaded(ExampleText());
    d->ObjX[2] = 0.123456;
    d->ObjY[2] = -0.000005;
    d->ObjSize[2] = 2.000004;
    d->SnapX = 0;
    d->Zoom = 1e-7;
    auto lines = SplitCrLf(Save(*d));
    EXPECT_EQ(lines[14], "0.0001,0.05");
    EXPECT_EQ(d->SnapX, 0.0001);
    EXPECT_EQ(lines[16], "0");
    EXPECT_EQ(d->Zoom, 0);
    EXPECT_EQ(lines[43], "2");
    EXPECT_EQ(lines[44], "0.12346");
    EXPECT_EQ(lines[45], "-0.00001");
    EXPECT_EQ(d->ObjX[2], 0.12346);
    EXPECT_EQ(d->ObjY[2], -0.00001);
    EXPECT_EQ(d->ObjSize[2], 2);
}

TEST(DwgFileWrite, DegenerateObjectsDropAndNumbersCloseUp) {
    auto d = std::make_unique<Drawing>();
    auto put = [&](int s, const char* kind) {
        d->ObjType[s] = kind;
        d->ObjNum[s] = static_cast<int16_t>(s);
        d->ObjColor[s] = 1;
        d->ObjXScale[s] = d->ObjYScale[s] = 1;
    };
    put(1, "Arc");  // equal angles
    d->ObjSize[1] = 1, d->ObjAngle[1] = d->ObjEndAngle[1] = 0.5;
    put(2, "Circle");  // kept
    d->ObjSize[2] = 1;
    put(3, "Circle");  // radius 0
    d->ObjSize[3] = 0;
    put(4, "Line");  // two equal vertices: one is left, then it is dropped
    d->ObjSize[4] = 2, d->VertX(4, 1) = d->VertX(4, 2) = 3, d->VertY(4, 1) = d->VertY(4, 2) = 3;
    put(5, "Text");  // empty text
    d->ObjSize[5] = 1;
    put(6, "Dial");  // always kept
    d->ObjSize[6] = 15;
    put(7, "Arc");  // radius 0
    d->ObjSize[7] = 0, d->ObjAngle[7] = 0, d->ObjEndAngle[7] = 1;
    put(8, "Line");  // kept: 3 vertices, the last one repeated
    d->ObjSize[8] = 3;
    d->VertX(8, 1) = 0, d->VertX(8, 2) = 1, d->VertX(8, 3) = 1;
    d->VertY(8, 1) = 0, d->VertY(8, 2) = 1, d->VertY(8, 3) = 1;
    d->ObjType[9] = "";  // a deleted slot
    put(10, "Shape");
    d->ObjText[10] = "B-Cap";
    d->ObjNext = 11;

    int count = NumberObjectsForSave(*d);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(d->ObjType[1], "");
    EXPECT_EQ(d->ObjType[3], "");
    EXPECT_EQ(d->ObjType[4], "");
    EXPECT_EQ(d->ObjType[5], "");
    EXPECT_EQ(d->ObjType[7], "");
    EXPECT_EQ(d->ObjNum[2], 1);
    EXPECT_EQ(d->ObjNum[6], 2);
    EXPECT_EQ(d->ObjNum[8], 3);
    EXPECT_EQ(d->ObjNum[10], 4);
    EXPECT_EQ(d->ObjSize[8], 2);

    std::string text = FormatDrawing(*d, count);
    auto back = Loaded(text);
    ASSERT_EQ(back->ObjNext, 5);
    EXPECT_EQ(back->ObjType[1], "Circle");
    EXPECT_EQ(back->ObjType[2], "Dial");
    EXPECT_EQ(back->ObjType[3], "Line");
    EXPECT_EQ(back->ObjSize[3], 2);
    EXPECT_EQ(back->ObjType[4], "Shape");
    EXPECT_EQ(back->ObjNum[4], 4);
    EXPECT_EQ(SplitCrLf(text)[27], "4");
}

TEST(DwgFileWrite, LineRecordRules) {
    auto d = std::make_unique<Drawing>();
    d->ObjType[1] = "Line";
    d->ObjNum[1] = 1;
    d->ObjColor[1] = 3;
    d->ObjSize[1] = 4;
    double xs[] = {0, 0, 2, 2}, ys[] = {0, 0, 1, 5};
    for (int k = 1; k <= 4; ++k) d->VertX(1, k) = xs[k - 1], d->VertY(1, k) = ys[k - 1];
    d->ObjXScale[1] = 0;
    d->ObjYScale[1] = -1;
    d->ObjLineType[1] = 1;
    d->ObjLineWidth[1] = 0.015;
    d->ObjNext = 2;
    auto lines = SplitCrLf(Save(*d));
    // The repeated first vertex is dropped before the count is written.
    std::vector<std::string> want = {"Line", "1", "3", "3", "1", "0.015", "0", "0", "2",
                                     "1",    "2", "5", "1", "-1", "0", "2", "0", "5"};
    ASSERT_EQ(lines.size(), 28 + want.size());
    for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(lines[28 + i], want[i]) << i;
    EXPECT_EQ(d->ObjXScale[1], 1);
}

TEST(DwgFileWrite, TextsWithCommasAndEmptyDrawing) {
    auto d = Loaded(ExampleText());
    d->ObjText[3] = "  Q1, Q2, \"2N3055\"";
    d->ObjJust[3] = "C";
    auto back = Loaded(Save(*d));
    EXPECT_EQ(back->ObjText[3], "  Q1, Q2, \"2N3055\"");
    EXPECT_EQ(back->ObjJust[3], "C");

    ClearObjects(*d);
    auto lines = SplitCrLf(Save(*d));
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[27], "0");
    EXPECT_EQ(lines[28], "1000");
    EXPECT_EQ(lines[29], "-1000");
    EXPECT_EQ(lines[30], "1000");
    EXPECT_EQ(lines[31], "-1000");
}

TEST(DwgFileWrite, EveryKindRoundTrips) {
    auto d = std::make_unique<Drawing>();
    int s = 1;
    auto common = [&](const char* kind, double size) {
        d->ObjType[s] = kind;
        d->ObjColor[s] = static_cast<int16_t>(-s);
        d->ObjSize[s] = size;
        d->ObjXScale[s] = 1;
        d->ObjYScale[s] = -1;
    };
    common("Arc", 1.25);
    d->ObjX[s] = 1, d->ObjY[s] = 2, d->ObjAngle[s] = 0.25, d->ObjEndAngle[s] = 1.5;
    ++s;
    common("Dial", 15);
    d->ObjX[s] = -3, d->ObjY[s] = 4;
    for (int k = 1; k <= 15; ++k) d->VertX(s, k) = k * 0.75;
    ++s;
    common("Shape", 2);
    d->ObjText[s] = "B-Tube, triode";
    d->ObjAngle[s] = 0.5, d->ObjX[s] = 6, d->ObjY[s] = 7;
    d->ObjBoxX1[s] = 5, d->ObjBoxX2[s] = 8, d->ObjBoxY1[s] = 6, d->ObjBoxY2[s] = 9;
    d->ObjNext = static_cast<int16_t>(s + 1);

    std::string first = Save(*d);
    auto back = Loaded(first);
    ASSERT_EQ(back->ObjNext, 4);
    EXPECT_EQ(back->ObjColor[1], -1);
    EXPECT_EQ(back->ObjEndAngle[1], 1.5);
    EXPECT_EQ(back->ObjYScale[1], -1);
    EXPECT_EQ(back->VertX(2, 15), 11.25);
    EXPECT_EQ(back->ObjText[3], "B-Tube, triode");
    EXPECT_EQ(back->ObjBoxY2[3], 9);
    // The shape's stored box and the whole dial, every mark of it, reach the extents.
    EXPECT_LE(d->ExtMinX, -3 + 2.25);
    EXPECT_GE(d->ExtMaxY, 9);
    const auto marks = DialLayout(DialValuesOf(*d, 2), -3, 4, d->PI);
    ASSERT_FALSE(marks.empty());
    for (const DialMark& m : marks)
        for (double x : {m.ix, m.ox}) EXPECT_TRUE(x >= d->ExtMinX && x <= d->ExtMaxX) << x;
    // Saved again, the text is the same.
    EXPECT_EQ(Save(*back), first);
}

// ---- the safe write ----------------------------------------------------------------

TEST(DwgFileSafeWrite, KeepsTheOldFileAsBackup) {
    TempDir dir;
    std::string path = dir.file("Amp.dwg");
    ASSERT_EQ(BackupName(path), dir.file("Amp.BAK"));
    WriteResult r = WriteFileSafely(path, BackupName(path), "first\r\n");
    ASSERT_EQ(r.fail, WriteFail::None);
    EXPECT_EQ(ReadAll(path), "first\r\n");
    EXPECT_FALSE(FileExists(dir.file("Amp.BAK")));  // nothing to back up yet
    ASSERT_EQ(WriteFileSafely(path, BackupName(path), "second\r\n").fail, WriteFail::None);
    EXPECT_EQ(ReadAll(path), "second\r\n");
    EXPECT_EQ(ReadAll(dir.file("Amp.BAK")), "first\r\n");
    ASSERT_EQ(WriteFileSafely(path, BackupName(path), "third\r\n").fail, WriteFail::None);
    EXPECT_EQ(ReadAll(dir.file("Amp.BAK")), "second\r\n");
    // No temporary is left behind.
    std::string list;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) list += e.path().filename().string() + " ";
    EXPECT_EQ(list.find("zarnic-"), std::string::npos) << list;
}

TEST(DwgFileSafeWrite, SavingAnOpenedBackupIsRefused) {
    TempDir dir;
    std::string bak = dir.file("Amp.BAK");
    WriteAll(bak, "old\r\n");
    ASSERT_EQ(BackupName(bak), bak);
    WriteResult r = WriteFileSafely(bak, BackupName(bak), "new\r\n");
    EXPECT_EQ(r.fail, WriteFail::Permission);
    EXPECT_EQ(ReadAll(bak), "old\r\n");
    EXPECT_EQ(WriteFailMessage(r), kMsgSavePermission);
    // The same file under another name (a link) is refused too.
    ASSERT_EQ(::link(bak.c_str(), dir.file("Amp.dwg").c_str()), 0);
    EXPECT_EQ(WriteFileSafely(dir.file("Amp.dwg"), bak, "new\r\n").fail, WriteFail::Permission);
    EXPECT_EQ(ReadAll(bak), "old\r\n");
}

TEST(DwgFileSafeWrite, ReadOnlyFolderLeavesBothFiles) {
    TempDir dir;
    std::string path = dir.file("Amp.dwg");
    WriteAll(path, "old\r\n");
    WriteAll(dir.file("Amp.BAK"), "older\r\n");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    int fail = -1;
    if (::access(dir.path().c_str(), W_OK) != 0) {
        fail = static_cast<int>(WriteFileSafely(path, BackupName(path), "new\r\n").fail);
    } else if (::geteuid() == 0) {
        // The superuser writes anywhere: the save runs in a child that has
        // given up its rights.
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
            ::_exit(static_cast<int>(WriteFileSafely(path, BackupName(path), "new\r\n").fail));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        fail = WEXITSTATUS(status);
    }
    ::chmod(dir.path().c_str(), 0755);
    if (fail == -1 || fail == 100) GTEST_SKIP() << "folder permissions are not enforced for this user";
    EXPECT_EQ(fail, static_cast<int>(WriteFail::Permission));
    EXPECT_EQ(ReadAll(path), "old\r\n");
    EXPECT_EQ(ReadAll(dir.file("Amp.BAK")), "older\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(DwgFileSafeWrite, MissingFolderAndOtherFailures) {
    TempDir dir;
    WriteResult r = WriteFileSafely(dir.file("none/Amp.dwg"), dir.file("none/Amp.BAK"), "x\r\n");
    EXPECT_EQ(r.fail, WriteFail::PathNotFound);
    EXPECT_EQ(WriteFailMessage(r), "Path not found or illegal character in file name.");
    EXPECT_FALSE(FileExists(dir.file("none")));

    // A folder where the drawing should be: the backup copy cannot read it.
    ASSERT_EQ(::mkdir(dir.file("Box.dwg").c_str(), 0755), 0);
    WriteAll(dir.file("Box.BAK"), "older\r\n");
    r = WriteFileSafely(dir.file("Box.dwg"), dir.file("Box.BAK"), "x\r\n");
    EXPECT_EQ(r.fail, WriteFail::Other);
    EXPECT_EQ(r.code, EISDIR);
    EXPECT_EQ(WriteFailMessage(r), "An unanticipated error #" + std::to_string(EISDIR) + " has occurred.");
    EXPECT_EQ(ReadAll(dir.file("Box.BAK")), "older\r\n");

    // A backup that cannot be made stops the save before the old file is replaced.
    WriteAll(dir.file("Amp.dwg"), "old\r\n");
    ASSERT_EQ(::mkdir(dir.file("Amp.BAK").c_str(), 0755), 0);
    r = WriteFileSafely(dir.file("Amp.dwg"), dir.file("Amp.BAK"), "new\r\n");
    EXPECT_NE(r.fail, WriteFail::None);
    EXPECT_EQ(ReadAll(dir.file("Amp.dwg")), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

// ---- paths, loading and messages ---------------------------------------------------

TEST(DwgFilePaths, ShortenPath) {
    EXPECT_EQ(ShortenPath(""), "");
    EXPECT_EQ(ShortenPath("/home/ann/Documents/Boards/"), "/ho.../Documents/Boards/");
    EXPECT_EQ(ShortenPath("/home/ann/Boards/"), "/home/ann/Boards/");
    EXPECT_EQ(ShortenPath("/home/ann/documents/"), "/home/ann/documents/");  // exact case only
    EXPECT_EQ(ShortenPath("/a/Documents/x/Documents/"), "/a/.../Documents/x/Documents/");
    EXPECT_EQ(ShortenPath("/home/MyDocuments/"), "/home/MyDocuments/");
}

TEST(DwgFilePaths, FileExistsAndBackupName) {
    TempDir dir;
    WriteAll(dir.file("a.dwg"), "");
    EXPECT_TRUE(FileExists(dir.file("a.dwg")));
    EXPECT_FALSE(FileExists(dir.file("b.dwg")));
    EXPECT_FALSE(FileExists(dir.path()));  // a folder is not a readable file
    EXPECT_FALSE(FileExists(""));
    EXPECT_EQ(BackupName("/x/Amp.dwg"), "/x/Amp.BAK");
    EXPECT_EQ(BackupName("/x/amp.DWG"), "/x/amp.BAK");
    EXPECT_EQ(BackupName("ab"), "ab.BAK");
}

TEST(DwgFilePaths, LoadTextFileFailures) {
    TempDir dir;
    std::string out;
    WriteAll(dir.file("a.dwg"), "one\r\ntwo\r\n");
    EXPECT_EQ(LoadTextFile(dir.file("a.dwg"), out).fail, ReadFail::None);
    EXPECT_EQ(out, "one\r\ntwo\r\n");
    ReadResult r = LoadTextFile(dir.file("b.dwg"), out);
    EXPECT_EQ(r.fail, ReadFail::NotFound);
    EXPECT_EQ(ReadFailMessage(r), "File not found. ");
    r = LoadTextFile(dir.file("gone/a.dwg"), out);
    EXPECT_EQ(r.fail, ReadFail::BadPath);
    EXPECT_EQ(ReadFailMessage(r), "Invalid path to drawing file.");
    r = LoadTextFile(dir.file("a.dwg/x.dwg"), out);  // a file used as a folder
    EXPECT_EQ(r.fail, ReadFail::BadPath);
    r = LoadTextFile(dir.path(), out);
    EXPECT_EQ(r.fail, ReadFail::Other);
    EXPECT_EQ(ReadFailMessage(r), "Unforseen error - " + r.description + "\r\nNotify Dorvane.");
    EXPECT_FALSE(r.description.empty());
}

// ---- number texts ----------------------------------------------------------------

TEST(NumbersFormat, FormatNumber5RoundsHalvesAwayFromZero) {
    struct Case {
        double in;
        const char* text;
        double after;
    };
    const Case cases[] = {
        {0.123456, "0.12346", 0.12346}, {-0.000005, "-0.00001", -0.00001}, {0.000005, "0.00001", 0.00001},
        {-0.0000049, "0", 0},           {-0.0, "0", 0},                    {2.5, "2.5", 2.5},
        {11, "11", 11},                 {-2.5, "-2.5", -2.5},              {0.125, "0.125", 0.125},
        {1234567.891234, "1234567.89123", 1234567.89123},                  {1e-7, "0", 0},
        {123456789012.25, "123456789012.25", 123456789012.25},
    };
    for (const Case& c : cases) {
        double v = c.in;
        EXPECT_EQ(FormatNumber5(v), c.text) << c.in;
        EXPECT_EQ(v, c.after) << c.in;
    }
    double big = 1e20;
    EXPECT_EQ(FormatNumber5(big), "100000000000000000000");
}

TEST(NumbersFormat, FormatNumber5AgreesWithGeneralNumberAndReadsBack) {
    // A spread of magnitudes and fractions; the written text is the general
    // text of the rounded value and reads back as exactly that value.
    uint64_t seed = 12345;
    auto next = [&] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(seed >> 11) / 9007199254740992.0;
    };
    for (int i = 0; i < 20000; ++i) {
        double v = (next() - 0.5) * std::pow(10.0, -6 + (i % 22));
        double r = v;
        std::string text = FormatNumber5(r);
        EXPECT_EQ(text, GeneralNumber(r)) << v;
        double back = 0;
        ASSERT_TRUE(ParseNumber(text, back)) << text;
        EXPECT_EQ(back, r) << text;
        double again = r;
        EXPECT_EQ(FormatNumber5(again), text);  // a second save writes the same
    }
}

TEST(NumbersParse, FieldForms) {
    double v = -1;
    EXPECT_TRUE(ParseNumber(" 7 ", v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(ParseNumber("+3.5", v));
    EXPECT_EQ(v, 3.5);
    EXPECT_TRUE(ParseNumber("1D2", v));
    EXPECT_EQ(v, 100);
    EXPECT_TRUE(ParseNumber("-2.5e-1", v));
    EXPECT_EQ(v, -0.25);
    EXPECT_TRUE(ParseNumber(".5", v));
    EXPECT_EQ(v, 0.5);
    EXPECT_TRUE(ParseNumber("1e-400", v));  // too small to hold is 0
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(ParseNumber("", v));
    EXPECT_EQ(v, 0);
    for (const char* bad : {"1e400", "inf", "nan", "1 2", "1,5", ".", "-", "1e", "0x10", "12a", "True"}) {
        EXPECT_FALSE(ParseNumber(bad, v)) << bad;
    }
}

TEST(NumbersParse, IndependentOfTheUsersLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    double v = 0;
    bool ok = ParseNumber("0.5", v);
    std::string text = GeneralNumber(2.25);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(ok);
    EXPECT_EQ(v, 0.5);
    EXPECT_EQ(text, "2.25");
}
