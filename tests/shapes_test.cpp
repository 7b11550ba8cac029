// Shapes: the shape list file and its messages, placing and nesting through
// a recording device, texts inside shapes, the depth limit, the cache that
// follows the disk, the box of a Shape, and the missing-shape answers.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#include "commands/registers.h"
#include "editing/delete.h"
#include "fake_platform.h"
#include "recorder.h"
#include "model/dwgfile.h"
#include "model/extents.h"
#include "view/redraw.h"
#include "view/shapes.h"

namespace fs = std::filesystem;

namespace {

// A drawing file of the given records (27 header lines, count, records, extents).
std::string ShapeText(const std::vector<std::vector<std::string>>& records) {
    std::vector<std::string> l = {"Shape File Prefix", "Sc", "Font File", "Schematic.fnt", "Limits", "-5", "-3", "5", "3",
                                  "Grid", "True", "0.5", "Snap Non Ortho", "3", "0.1,0.1", "Zoom", "1", "Pan", "0", "0",
                                  "Plot Scale", "1", "Start Text Height", "0.1", "Hidden Line", "0.2", "0.06"};
    l.push_back(std::to_string(records.size()));
    for (const auto& r : records) l.insert(l.end(), r.begin(), r.end());
    l.insert(l.end(), {"1000", "-1000", "1000", "-1000"});
    return JoinCrLf(l);
}

std::vector<std::string> LineRec(double x1, double y1, double x2, double y2) {
    return {"Line", "1", "1", "2", "0", "0", std::to_string(x1), std::to_string(y1), std::to_string(x2),
            std::to_string(y2), "1", "1"};
}

class ShapesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& e : fs::directory_iterator(std::string(ZARNIC_FIXTURES) + "shapes"))
            fs::copy_file(e.path(), fs::path(dir.path()) / e.path().filename());
        t.Start(dir.path());
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    int AddShape(const std::string& name, double x, double y, double size = 1, double angle = 0) {
        int s = d().ObjNext++;
        d().ObjType[s] = "Shape";
        d().ObjText[s] = name;
        d().ObjColor[s] = 1;
        d().ObjSize[s] = size;
        d().ObjX[s] = x;
        d().ObjY[s] = y;
        d().ObjAngle[s] = angle;
        d().ObjXScale[s] = d().ObjYScale[s] = 1;
        return s;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(ShapesTest, ShapeListHoldsTheLibraryOnly) {
    WriteAll(dir.file("ScA-Example.dwg"), ShapeText({}));
    WriteAll(dir.file("ScU-Temp.dwg"), ShapeText({}));
    WriteAll(dir.file("PCBoard.dwg"), ShapeText({}));
    LoadNewShapes(app());
    EXPECT_EQ(ReadAll(dir.file(kShapeListFileName)),
              "A-Example\r\nB-TestBox\r\nG-TestRes\r\nX-Self\r\n");
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST(ShapeList, FolderFailuresHaveTheirMessages) {
    TempDir dir;
    TestApp t;
    t.Start(dir.path());
    t.fake.boxes.clear();
    t.app->set.ShapeFontPath = dir.path() + "nowhere/";
    LoadNewShapes(*t.app);
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text,
              "Invalid Path to Shape Files.\r\nGo to Default Settings under\r\nSettings menu to correct Path.");
    fs::create_directory(dir.file("empty"));
    t.app->set.ShapeFontPath = dir.path() + "empty/";
    LoadNewShapes(*t.app);
    ASSERT_EQ(t.fake.boxes.size(), 2u);
    EXPECT_EQ(t.fake.boxes[1].text,
              "No Shapes or Fonts in this Folder.\r\nGo to Default Settings under\r\nSettings menu to change Folders.");
    // An empty path or the bare separator means the data folder.
    t.app->set.ShapeFontPath = "/";
    EXPECT_EQ(ShapeFolder(*t.app), dir.path());
}

TEST_F(ShapesTest, RotationFirstThenFactorsThenTheMove) {
    WriteAll(dir.file("ScT-Seg.dwg"), ShapeText({LineRec(0, 0, 1, 0), LineRec(0, 0, 0, 1)}));
    Recorder r;
    RenderShape(app(), r, 1, 2, "ScT-Seg", -1, 1, 2 * std::atan(1.0), 5, 7, 0);
    ASSERT_EQ(r.moves.size(), 4u);
    // (1, 0) is drawn at (X0, Y0 + 2), (0, 1) at (X0 + 2, Y0).
    EXPECT_NEAR(r.moves[1].x, 5, 1e-12);
    EXPECT_NEAR(r.moves[1].y, 9, 1e-12);
    EXPECT_NEAR(r.moves[3].x, 7, 1e-12);
    EXPECT_NEAR(r.moves[3].y, 7, 1e-12);
}

TEST_F(ShapesTest, NestedShapesTakeTheOuterMirrorAndTextsKeepTheirOffset) {
    // ScB-TestBox holds ScG-TestRes at (0, 0) and "R1" (height 0.08) at (0.2, 0.1).
    int s = AddShape("ScB-TestBox", 1, 1, 2);
    d().ObjXScale[s] = -1;
    Recorder r;
    RenderShape(app(), r, 1, 2, "ScB-TestBox", -1, 1, 0, 1, 1, s);
    // The resistor's far lead end (0.6, 0) goes to x = 1 - 1.2 with the outer mirror.
    bool leadEnd = false;
    for (const auto& mv : r.moves) leadEnd |= std::fabs(mv.x - (1 - 1.2)) < 1e-9 && std::fabs(mv.y - 1) < 1e-9;
    EXPECT_TRUE(leadEnd);
    // The lead's end circle is a Circle curve of the nested shape, mirrored.
    ASSERT_FALSE(r.curves.empty());
    EXPECT_LT(r.curves[0].ax, 0);
    // The text of the box: twice as tall (A's first stroke point scaled by
    // 0.16), placed at its unscaled offset mirrored: (1 - 0.2, 1 + 0.1).
    Recorder plain;
    RenderText(plain, app().font, 0.4, "R1", "S", 0.16, 0, 1 - 0.2, 1 + 0.1, 1);
    EXPECT_EQ(app().shapes.ShapeDepth, 0);
}

TEST_F(ShapesTest, SelfNestingStopsAtTenLevels) {
    Recorder r;
    RenderShape(app(), r, 1, 1, "ScX-Self", 1, 1, 0, 0, 0, 0);
    // One circle per level: the placed one and ten nested levels.
    EXPECT_EQ(r.curves.size(), 11u);
    EXPECT_EQ(app().shapes.ShapeDepth, 0);
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST_F(ShapesTest, AFileChangedOnDiskIsReadAgain) {
    WriteAll(dir.file("ScT-Seg.dwg"), ShapeText({LineRec(0, 0, 1, 0)}));
    Recorder a;
    RenderShape(app(), a, 1, 1, "ScT-Seg", 1, 1, 0, 0, 0, 0);
    EXPECT_EQ(a.moves.size(), 2u);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteAll(dir.file("ScT-Seg.dwg"), ShapeText({LineRec(0, 0, 1, 0), LineRec(0, 0, 0, 2)}));
    Recorder b;
    RenderShape(app(), b, 1, 1, "ScT-Seg", 1, 1, 0, 0, 0, 0);
    EXPECT_EQ(b.moves.size(), 4u);
    fs::remove(dir.file("ScT-Seg.dwg"));
    EXPECT_EQ(FindShapeFile(app(), "ScT-Seg"), nullptr);
}

TEST(ShapeReader, DamagedFilesReadAsFarAsTheyGo) {
    // A Line of 60 vertices keeps 50; a record cut short is dropped with the rest.
    std::vector<std::string> line = {"Line", "1", "1", "60", "1", "0"};
    for (int k = 0; k < 60; ++k) line.insert(line.end(), {std::to_string(k), "0"});
    line.insert(line.end(), {"1", "1"});
    std::vector<std::string> cut = {"Circle", "2", "1", "0.5", "zz"};
    ShapeFile f = ParseShapeFile(ShapeText({line, {"Dial"}, cut}));
    ASSERT_EQ(f.records.size(), 1u);
    EXPECT_EQ(f.records[0].count, 50);
    EXPECT_EQ(f.records[0].lineType, 1);
    EXPECT_DOUBLE_EQ(f.vx[49], 49);
    EXPECT_TRUE(ParseShapeFile("").records.empty());
    EXPECT_TRUE(ParseShapeFile("no\r\nheader").records.empty());
}

TEST_F(ShapesTest, BoxOfAShapeComesFromItsFile) {
    int s = AddShape("ScG-TestRes", 2, 1, 2);
    RecomputeExtents(d());
    // The resistor runs from x 0 to 0.6 plus the end arc's 0.05, zigzag 0.05 up and down; size 2.
    EXPECT_NEAR(d().ObjBoxX1[s], 2 - 0.04, 1e-3);   // the pin circle of radius 0.02
    EXPECT_NEAR(d().ObjBoxX2[s], 2 + 1.3, 1e-3);
    EXPECT_NEAR(d().ObjBoxY1[s], 1 - 0.1, 1e-3);
    EXPECT_NEAR(d().ObjBoxY2[s], 1 + 0.1, 1e-3);
    EXPECT_NEAR(d().ExtMaxX, 2 + 1.3, 1e-3);
    // A missing file leaves the box alone and asks nothing.
    d().ObjText[s] = "ScG-Gone";
    d().ObjBoxX1[s] = 99;
    UpdateShapeBox(app(), s);
    EXPECT_EQ(d().ObjBoxX1[s], 99);
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST_F(ShapesTest, MissingShapeNoDeletesEveryInstanceWithOneQuestion) {
    FitViewToLimits(app());
    int a = AddShape("ScG-Gone", 0, 0), b = AddShape("ScG-Gone", 1, 0), c = AddShape("ScG-Gone", 2, 0);
    int keep = AddShape("ScG-TestRes", 3, 0);
    t.fake.Answer(MsgAnswer::No);
    ScreenRedraw(app(), 1);
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].title, "Zarnic Shape");
    EXPECT_EQ(t.fake.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(t.fake.boxes[0].text,
              "Shape ScG-Gone cannot be found.\r\nClick Yes to Rename this shape,\r\nNo to delete all instances of "
              "this shape,\r\nCancel to do nothing.");
    for (int s : {a, b, c}) {
        EXPECT_EQ(d().ObjType[s], "") << s;
        EXPECT_EQ(d().UndoType[s], "Shape") << s;
        EXPECT_EQ(d().UndoValue[s], 1) << s;
    }
    EXPECT_EQ(d().ObjType[keep], "Shape");
    // The list is forgotten after the redraw.
    EXPECT_TRUE(app().shapes.MissingShapeNames.empty());
}

TEST_F(ShapesTest, MissingShapeYesStopsTheRedrawAndAsksForTheName) {
    FitViewToLimits(app());
    d().GridOn = false;
    int a = AddShape("ScG-Gone", 0, 0);
    d().ObjType[2] = "Circle";
    d().ObjColor[2] = 2;
    d().ObjSize[2] = 1;
    d().ObjXScale[2] = d().ObjYScale[2] = 1;
    d().ObjNext = 3;
    t.fake.Answer(MsgAnswer::Yes);
    ScreenRedraw(app(), 1);
    EXPECT_EQ(app().cmd.CurCommand, "ShapeName");
    EXPECT_TRUE(app().cmd.ShapeAbort);
    EXPECT_EQ(app().shapes.RenameShapeSlot, a);
    EXPECT_EQ(t.fake.inputText, "ScG-Gone");
    EXPECT_EQ(t.fake.inputWidth, 4000);
    EXPECT_EQ(app().cmd.PromptText, "New Shape Name?");
    // The circle in the later slot was not drawn.
    for (uint32_t p : app().screen.px) ASSERT_NE(p, 0x0000FFu);
    // Cancel leaves the instance, which asks again at the next redraw.
    CancelCommand(app(), 0);
    t.fake.Answer(MsgAnswer::Cancel);
    ScreenRedraw(app(), 1);
    EXPECT_EQ(d().ObjType[a], "Shape");
    EXPECT_FALSE(app().cmd.ShapeAbort);
    bool red = false;
    for (uint32_t p : app().screen.px) red |= p == 0x0000FFu;
    EXPECT_TRUE(red);
    ScreenRedraw(app(), 1);
    EXPECT_EQ(t.fake.boxes.size(), 3u);
}

TEST_F(ShapesTest, DeleteSelectedKeepsKindAndSizeForUndo) {
    int a = AddShape("ScG-TestRes", 0, 0, 3), b = AddShape("ScG-TestRes", 1, 0, 4);
    d().ObjNum[a] = 1;
    app().sel.SelList[0] = static_cast<int16_t>(b);
    app().sel.SelList[1] = static_cast<int16_t>(a);
    app().sel.SelCount = 2;
    DeleteSelected(app());
    EXPECT_EQ(d().ObjType[a], "");
    EXPECT_EQ(d().ObjNum[a], 0);
    EXPECT_EQ(d().ObjSize[a], 0);
    EXPECT_EQ(d().UndoType[a], "Shape");
    EXPECT_EQ(d().UndoValue[a], 3);
    EXPECT_EQ(d().UndoValue[b], 4);
    EXPECT_EQ(d().ObjNext, b + 1);  // the slots stay allocated
}
