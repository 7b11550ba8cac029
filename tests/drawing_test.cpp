// The drawing commands driven as the window drives them: keys and starters,
// clicks and moves in twips, typed answers committed by the input box. Each
// scenario checks the object table after the command, the prompts and boxes
// the user saw, and the screen buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/browser.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/starters.h"
#include "view/redraw.h"
#include "view/view.h"

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"ScG-TestRes.dwg", "ScB-TestBox.dwg"})
            fs::copy_file(std::string(ZARNIC_FIXTURES) + "shapes/" + name, dir.file(name));
        t.Start(dir.path());
        FitViewToLimits(app());
        ScreenRedraw(app(), 1);
        d().DrawingChanged = false;
        t.fake.boxes.clear();
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    Registers& c() { return t.app->cmd; }
    float Sx(double x) { return static_cast<float>(ToScreenX(app(), x)); }
    float Sy(double y) { return static_cast<float>(ToScreenY(app(), y)); }
    void Click(int button, double x, double y) { Form_MouseDown(app(), button, 0, Sx(x), Sy(y)); }
    void Move(double x, double y) { Form_MouseMove(app(), 0, 0, Sx(x), Sy(y)); }
    void Type(const std::string& s) {
        t.fake.inputText = s;
        Text2_LostFocus(app());
    }
    void Key(int code) { Text1_KeyDown(app(), code, 0); }
    // Starts a command as its menu entry does; Shape as a click in the shape list.
    void Start(const std::string& cmd) {
        if (cmd == "Shape") ArmShape(app(), "ScG-TestRes");
        else RunStarter(app(), cmd);
    }
    void Escape() { Text1_KeyDown(app(), 27, 0); }
    std::vector<uint32_t> Pixels() const { return t.app->screen.px; }
    size_t Differing(const std::vector<uint32_t>& before) const {
        size_t n = 0;
        for (size_t i = 0; i < before.size(); ++i) n += before[i] != t.app->screen.px[i];
        return n;
    }
    // A pixel in the drawing colour at, or one pixel beside, drawing point (x, y).
    bool DrawnNear(double x, double y) const {
        for (int dx = -10; dx <= 10; dx += 10)
            for (int dy = -10; dy <= 10; dy += 10)
                if (SurfaceGetPixel(t.app->screen, ToScreenX(app(), x) + dx, ToScreenY(app(), y) + dy) ==
                    t.app->set.DrawRGB)
                    return true;
        return false;
    }
    const App& app() const { return *t.app; }
    // The screen shows exactly what a fresh redraw shows.
    void ExpectScreenIsARedraw() {
        auto shown = Pixels();
        ScreenRedraw(app(), 1);
        EXPECT_EQ(Differing(shown), 0u);
    }
    // What every completed drawing command leaves: one new object of `kind`
    // in `slot`, a redrawn idle screen, and a middle button that starts the
    // command `name` again.
    void ExpectCompleted(const std::string& name, int slot, const std::string& kind) {
        SCOPED_TRACE(name);
        EXPECT_EQ(d().ObjNext, slot + 1);
        EXPECT_EQ(d().ObjType[slot], kind);
        EXPECT_EQ(d().ObjNum[slot], slot);
        EXPECT_TRUE(d().DrawingChanged);
        EXPECT_EQ(c().CurCommand, "None");
        EXPECT_EQ(c().RepeatCommand, name);
        EXPECT_EQ(c().UndoOp, name);
        EXPECT_TRUE(c().PromptText.empty());
        EXPECT_FALSE(t.fake.inputVisible);
        ExpectScreenIsARedraw();
        Click(kButtonMiddle, 0, 0);
        EXPECT_EQ(c().CurCommand, name);
        Escape();
        EXPECT_EQ(d().ObjNext, slot + 1);
    }
    // The stored Line of slot s has exactly these vertices.
    void ExpectVertices(int s, const std::vector<Point2>& v) {
        ASSERT_EQ(d().ObjSize[s], static_cast<double>(v.size()));
        for (size_t k = 1; k <= v.size(); ++k) {
            EXPECT_NEAR(d().VertX(s, static_cast<int>(k)), v[k - 1].x, 1e-9) << "vertex " << k;
            EXPECT_NEAR(d().VertY(s, static_cast<int>(k)), v[k - 1].y, 1e-9) << "vertex " << k;
        }
    }
    // The answer was refused: the box is emptied and keeps the focus.
    void ExpectRejected(const std::string& command, int focusBefore) {
        EXPECT_EQ(c().CurCommand, command);
        EXPECT_EQ(t.fake.inputText, "");
        EXPECT_GT(t.fake.inputFocus, focusBefore);
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

// ---- Line -----------------------------------------------------------------------

TEST_F(DrawingTest, LineTakesClickedVerticesAndEndsAtTheRightClick) {
    d().CurColor = 4;
    d().CurLineWidth = 0.02;
    const int s = d().ObjNext;
    Key('L');
    ASSERT_EQ(c().CurCommand, "Line");
    EXPECT_EQ(t.fake.inputWidth, 1600);
    Click(kButtonLeft, -1, 1);
    Click(kButtonLeft, 1, 1);
    Click(kButtonLeft, 1, -1);
    EXPECT_EQ(d().ObjNext, s);  // nothing stored until the end
    Click(kButtonRight, 2, -1.5);
    ExpectCompleted("Line", s, "Line");
    ExpectVertices(s, {{-1, 1}, {1, 1}, {1, -1}, {2, -1.5}});
    EXPECT_EQ(d().ObjColor[s], 4);
    EXPECT_EQ(d().ObjLineType[s], 0);
    EXPECT_EQ(d().ObjLineWidth[s], 0.02);
    EXPECT_EQ(d().ObjXScale[s], 1);
    EXPECT_EQ(d().ObjYScale[s], 1);
}

TEST_F(DrawingTest, LineKeepsARepeatedVertexOnce) {
    const int s = d().ObjNext;
    Key('L');
    Click(kButtonLeft, -1, 1);
    Click(kButtonLeft, -1, 1);
    Click(kButtonLeft, 1, 1);
    Type("1,1");
    Click(kButtonRight, 1, 1);  // ended where the last click was
    ExpectCompleted("Line", s, "Line");
    ExpectVertices(s, {{-1, 1}, {1, 1}});
}

TEST_F(DrawingTest, LineSegmentsAppearOnTheScreenAsVerticesAreAdded) {
    Move(-4.5, -2.5);  // the cross-hair out of the way
    Key('L');
    Click(kButtonLeft, 1, 2);
    for (double x : {1.3, 1.7, 2.3, 2.7}) EXPECT_FALSE(DrawnNear(x, 2)) << x;
    Click(kButtonLeft, 3, 2);
    for (double x : {1.3, 1.7, 2.3, 2.7}) EXPECT_TRUE(DrawnNear(x, 2)) << x;
    EXPECT_FALSE(DrawnNear(3, 1.3));
    Click(kButtonLeft, 3, 0);
    EXPECT_TRUE(DrawnNear(3, 1.3));
    // U erases the segment it takes back and keeps the others.
    Type("U");
    EXPECT_FALSE(DrawnNear(3, 1.3));
    EXPECT_TRUE(DrawnNear(1.7, 2));
    EXPECT_EQ(c().CurCommand, "Line");
}

TEST_F(DrawingTest, LineTypedAnswersAddUndoCloseAndEnd) {
    const int s = d().ObjNext;
    Key('L');
    int focus = t.fake.inputFocus;
    // Nothing to undo, close or end before the first vertex.
    for (const char* a : {"U", "C", "E"}) {
        Type(a);
        ExpectRejected("Line", focus);
    }
    Type("0.25,0.75");
    Type("2,0.75");
    Click(kButtonLeft, 2, -1);
    // Neither a single number nor a stray word is a vertex.
    for (const char* a : {"7", "x"}) {
        focus = t.fake.inputFocus;
        Type(a);
        ExpectRejected("Line", focus);
    }
    Type("u");  // the clicked vertex goes
    Type("3,-2");
    Type("c");
    ExpectCompleted("Line", s, "Line");
    ExpectVertices(s, {{0.25, 0.75}, {2, 0.75}, {3, -2}, {0.25, 0.75}});
    // E keeps what there is; C after two points adds the first one again.
    Key('L');
    Type("1,1");
    Type("2,2");
    Type("e");
    ExpectCompleted("Line", s + 1, "Line");
    ExpectVertices(s + 1, {{1, 1}, {2, 2}});
    Key('L');
    Click(kButtonLeft, -1, -1);
    Click(kButtonLeft, -2, -1);
    Type("C");
    ExpectCompleted("Line", s + 2, "Line");
    ExpectVertices(s + 2, {{-1, -1}, {-2, -1}, {-1, -1}});
}

TEST_F(DrawingTest, LineOfOneVertex) {
    const int s = d().ObjNext;
    // A right click straight after the start stores the right-click point.
    Key('L');
    Click(kButtonRight, 1.5, -0.5);
    ExpectCompleted("Line", s, "Line");
    ExpectVertices(s, {{1.5, -0.5}});
    // U with one vertex leaves none: E is refused again, the right click starts anew.
    Key('L');
    Click(kButtonLeft, 2, 2);
    Type("U");
    int focus = t.fake.inputFocus;
    Type("E");
    ExpectRejected("Line", focus);
    EXPECT_EQ(d().ObjNext, s + 1);
    Click(kButtonRight, -1, 0.5);
    ExpectCompleted("Line", s + 1, "Line");
    ExpectVertices(s + 1, {{-1, 0.5}});
}

TEST_F(DrawingTest, LineTypeRevertsOnlyWhenTheSettingSaysSo) {
    const int s = d().ObjNext;
    app().set.LineTypeReverts = true;
    d().CurLineType = 1;
    Key('L');
    Click(kButtonLeft, 0, 0);
    Click(kButtonRight, 1, 0);
    EXPECT_EQ(d().ObjLineType[s], 1);
    EXPECT_EQ(d().CurLineType, 0);

    app().set.LineTypeReverts = false;
    d().CurLineType = 1;
    Key('L');
    Click(kButtonLeft, 0, 1);
    Click(kButtonRight, 1, 1);
    EXPECT_EQ(d().ObjLineType[s + 1], 1);
    EXPECT_EQ(d().CurLineType, 1);
}

TEST_F(DrawingTest, LineRefusesAVertexBeyondTheZoom) {
    const int s = d().ObjNext;
    Key('L');
    Type("0,0");
    Type("1,0");
    Type("100000,0");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text.rfind("Value too large for zoom setting.  Enter smaller values.", 0), 0u);
    EXPECT_EQ(c().CurCommand, "Line");
    Type("E");
    ExpectCompleted("Line", s, "Line");
    ExpectVertices(s, {{0, 0}, {1, 0}});
}

TEST_F(DrawingTest, FullLineRefusesItsNextVertexAndKeepsTheOthers) {
    const int s = d().ObjNext;
    Key('L');
    for (int k = 1; k <= kMaxVertex; ++k) Click(kButtonLeft, k % 2 ? 0.5 : 1, -1);
    EXPECT_TRUE(t.fake.boxes.empty());
    Click(kButtonLeft, 2, 2);
    Type("2,2");
    ASSERT_EQ(t.fake.boxes.size(), 2u);
    EXPECT_EQ(c().CurCommand, "Line");
    Click(kButtonRight, 2, 2);
    ASSERT_EQ(t.fake.boxes.size(), 3u);
    for (const MsgRecord& b : t.fake.boxes) EXPECT_EQ(b.text, kMsgLineFull);
    ExpectCompleted("Line", s, "Line");
    EXPECT_EQ(d().ObjSize[s], kMaxVertex);
    EXPECT_NEAR(d().VertX(s, kMaxVertex), 1, 1e-9);
    EXPECT_NEAR(d().VertY(s, kMaxVertex), -1, 1e-9);
}

// ---- Arcs -----------------------------------------------------------------------

TEST_F(DrawingTest, ArcFromCentreStartAndEndClicks) {
    d().CurColor = 2;
    const int s = d().ObjNext;
    Key('A');
    Key('1');
    ASSERT_EQ(c().CurCommand, "Arc");
    Click(kButtonLeft, 1, 1);
    EXPECT_EQ(c().PromptText, "Arc:  Left click START point or type radius,angle");
    EXPECT_TRUE(t.fake.inputVisible);
    EXPECT_EQ(t.fake.inputWidth, 1000);
    Move(1.5, 1.5);  // the bands follow the cursor
    Click(kButtonLeft, 1, 2.5);
    EXPECT_EQ(c().PromptText, "Arc: RIGHT CLICK angle of end point or type arc angle.");
    Move(-1, 0.5);
    EXPECT_EQ(d().ObjNext, s);
    Click(kButtonRight, -1, 1);
    ExpectCompleted("Arc", s, "Arc");
    EXPECT_NEAR(d().ObjX[s], 1, 1e-9);
    EXPECT_NEAR(d().ObjY[s], 1, 1e-9);
    EXPECT_NEAR(d().ObjSize[s], 1.5, 1e-9);
    EXPECT_NEAR(d().ObjAngle[s], kPi / 2, 1e-9);
    EXPECT_NEAR(d().ObjEndAngle[s], kPi, 1e-9);
    EXPECT_EQ(d().ObjColor[s], 2);
    EXPECT_EQ(d().ObjXScale[s], 1);
    EXPECT_EQ(d().ObjYScale[s], 1);
}

TEST_F(DrawingTest, ArcTypedRadiusAngleAndSpan) {
    const int s = d().ObjNext;
    Key('A');
    Key('1');
    Click(kButtonLeft, 0.5, 0.5);
    Type("2,30");
    EXPECT_EQ(c().PromptText, "Arc: Enter Angle SPANNED.");
    EXPECT_NEAR(d().ObjSize[s], 2, 1e-12);
    EXPECT_NEAR(d().ObjAngle[s], kPi / 6, 1e-12);
    int focus = t.fake.inputFocus;
    Type("360.5");
    ExpectRejected("Arc", focus);
    Type("-360.5");
    ExpectRejected("Arc", focus);
    Type("0");  // ignored: the question stays
    EXPECT_EQ(c().CurCommand, "Arc");
    EXPECT_EQ(c().PromptText, "Arc: Enter Angle SPANNED.");
    EXPECT_EQ(d().ObjNext, s);
    Type("-90");
    ExpectCompleted("Arc", s, "Arc");
    EXPECT_NEAR(d().ObjEndAngle[s], kPi / 6 - kPi / 2, 1e-12);
    EXPECT_NEAR(d().ObjX[s], 0.5, 1e-9);

    // A full turn either way is an arc; its end is its start, a turn on.
    for (double span : {360.0, -360.0}) {
        const int n = d().ObjNext;
        Key('A');
        Key('1');
        Click(kButtonLeft, 0, 0);
        Type("1,45");
        Type(span > 0 ? "360" : "-360");
        ExpectCompleted("Arc", n, "Arc");
        EXPECT_NEAR(std::remainder(d().ObjEndAngle[n] - d().ObjAngle[n], 2 * kPi), 0, 1e-9) << span;
        EXPECT_NEAR(std::remainder(d().ObjAngle[n] - kPi / 4, 2 * kPi), 0, 1e-9) << span;
    }

    // A span after clicked centre and start.
    const int m = d().ObjNext;
    Key('A');
    Key('1');
    Click(kButtonLeft, 0, 0);
    Click(kButtonLeft, 1, 0);
    Type("45");
    ExpectCompleted("Arc", m, "Arc");
    EXPECT_NEAR(d().ObjEndAngle[m], kPi / 4, 1e-12);

    // A radius of 0 makes no arc.
    d().DrawingChanged = false;
    Key('A');
    Key('1');
    Click(kButtonLeft, 1, 1);
    Type("0,45");
    Type("90");
    EXPECT_EQ(d().ObjNext, m + 1);
    EXPECT_EQ(d().ObjType[m + 1], "");
    EXPECT_EQ(c().CurCommand, "Arc");
    EXPECT_FALSE(d().DrawingChanged);
}

TEST_F(DrawingTest, ArcFromStartThenCentre) {
    const int s = d().ObjNext;
    Key('A');
    Key('2');
    ASSERT_EQ(c().CurCommand, "Arc2");
    Click(kButtonLeft, 2, 0);
    Move(1, 1);
    Click(kButtonLeft, 0, 0);
    EXPECT_EQ(c().PromptText, "Arc: RIGHT CLICK total arc angle or type it in.");
    Move(-1, 1);
    Click(kButtonRight, 0, 2);
    ExpectCompleted("Arc2", s, "Arc");
    EXPECT_NEAR(d().ObjX[s], 0, 1e-9);
    EXPECT_NEAR(d().ObjY[s], 0, 1e-9);
    EXPECT_NEAR(d().ObjSize[s], 2, 1e-9);
    EXPECT_NEAR(d().ObjAngle[s], 0, 1e-9);
    EXPECT_NEAR(d().ObjEndAngle[s], kPi / 2, 1e-9);

    // The total angle typed instead.
    Key('A');
    Key('2');
    Click(kButtonLeft, 1, 1);
    Click(kButtonLeft, 1, 0);
    Type("90");
    ExpectCompleted("Arc2", s + 1, "Arc");
    EXPECT_NEAR(d().ObjSize[s + 1], 1, 1e-9);
    EXPECT_NEAR(d().ObjEndAngle[s + 1], kPi, 1e-9);
}

TEST_F(DrawingTest, ThreePointArcTakesItsCentreOnTheBisector) {
    const int s = d().ObjNext;
    Key('A');
    Key('3');
    ASSERT_EQ(c().CurCommand, "Arc3");
    Click(kButtonLeft, 0, 0);
    Click(kButtonLeft, 2, 0);
    Move(0.7, 1.5);
    EXPECT_NEAR(c().Pt0.x, 1, 1e-9);
    EXPECT_EQ(d().ObjNext, s);
    Click(kButtonRight, 0.7, 1.5);
    ExpectCompleted("Arc3", s, "Arc");
    EXPECT_NEAR(d().ObjX[s], 1, 1e-9);
    EXPECT_NEAR(d().ObjY[s], 1.5, 1e-9);
    EXPECT_NEAR(d().ObjSize[s], std::hypot(1, 1.5), 1e-9);
    EXPECT_NEAR(d().ObjAngle[s], std::atan2(-1.5, -1) + 2 * kPi, 1e-9);
    EXPECT_NEAR(d().ObjEndAngle[s], std::atan2(-1.5, 1) + 2 * kPi, 1e-9);
}

// ---- Circle -----------------------------------------------------------------------

TEST_F(DrawingTest, CircleByClicksAndByTypedDiameter) {
    d().CurColor = 3;
    const int s = d().ObjNext;
    Key('C');
    ASSERT_EQ(c().CurCommand, "Circle");
    int focus = t.fake.inputFocus;
    Type("2");  // no centre yet
    ExpectRejected("Circle", focus);
    EXPECT_EQ(d().ObjNext, s);
    Click(kButtonLeft, 1, 1);
    Move(2, 2);
    Click(kButtonRight, 1, 2.5);
    ExpectCompleted("Circle", s, "Circle");
    EXPECT_NEAR(d().ObjX[s], 1, 1e-9);
    EXPECT_NEAR(d().ObjY[s], 1, 1e-9);
    EXPECT_NEAR(d().ObjSize[s], 1.5, 1e-9);
    EXPECT_EQ(d().ObjColor[s], 3);

    Key('C');
    Click(kButtonLeft, -1, 0.5);
    Type("0");  // ignored
    EXPECT_EQ(c().CurCommand, "Circle");
    EXPECT_EQ(d().ObjNext, s + 1);
    Type("2");
    ExpectCompleted("Circle", s + 1, "Circle");
    EXPECT_NEAR(d().ObjX[s + 1], -1, 1e-9);
    EXPECT_NEAR(d().ObjY[s + 1], 0.5, 1e-9);
    EXPECT_DOUBLE_EQ(d().ObjSize[s + 1], 1);

    // A radius of 0 ends the command without a circle.
    Key('C');
    Click(kButtonLeft, 1, 1);
    Click(kButtonRight, 1, 1);
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_EQ(d().ObjNext, s + 2);
    EXPECT_EQ(d().ObjType[s + 2], "");
    ExpectScreenIsARedraw();
}

// ---- Text -------------------------------------------------------------------------

TEST_F(DrawingTest, TextAsksJustificationAngleAndText) {
    WriteAll(dir.file("Zarnic-Text-Undo.dat"), "Text\r\n");
    d().TextHeight = 0.25;
    d().CurColor = 5;
    const int s = d().ObjNext;
    Key('T');
    ASSERT_EQ(c().CurCommand, "Text");
    Click(kButtonLeft, 1.5, -0.5);
    EXPECT_EQ(c().PromptText, "Text: S = start point, C = center, M = middle, or E = end.");
    EXPECT_EQ(t.fake.inputWidth, 400);
    EXPECT_EQ(t.fake.inputText, "M");
    int focus = t.fake.inputFocus;
    Type("x");
    ExpectRejected("Text", focus);
    EXPECT_EQ(c().PromptText, "Text: S = start point, C = center, M = middle, or E = end.");
    Type("m");
    EXPECT_EQ(c().PromptText, "Text: Angle");
    EXPECT_EQ(t.fake.inputText, "0");
    Type("30");
    EXPECT_EQ(c().PromptText, "Text:");
    EXPECT_EQ(t.fake.inputWidth, 10000);
    Type("");  // no text yet: the question stays
    EXPECT_EQ(c().PromptText, "Text:");
    EXPECT_EQ(d().ObjNext, s);
    EXPECT_TRUE(fs::exists(dir.file("Zarnic-Text-Undo.dat")));
    Type("R1, 4k7 ohm");
    ExpectCompleted("Text", s, "Text");
    EXPECT_EQ(d().ObjText[s], "R1, 4k7 ohm");
    EXPECT_EQ(d().ObjJust[s], "M");
    EXPECT_DOUBLE_EQ(d().ObjSize[s], 0.25);
    EXPECT_NEAR(d().ObjAngle[s], kPi / 6, 1e-12);
    EXPECT_NEAR(d().ObjX[s], 1.5, 1e-9);
    EXPECT_NEAR(d().ObjY[s], -0.5, 1e-9);
    EXPECT_EQ(d().ObjColor[s], 5);
    EXPECT_FALSE(fs::exists(dir.file("Zarnic-Text-Undo.dat")));
}

// ---- Shape ------------------------------------------------------------------------

TEST_F(DrawingTest, ShapePreviewMovesWithoutLeavingATrace) {
    const int s = d().ObjNext;
    auto plain = Pixels();
    ArmShape(app(), "ScG-TestRes");
    ASSERT_EQ(c().CurCommand, "Shape");
    Click(kButtonLeft, 1, 1);
    EXPECT_GT(Differing(plain), 20u);
    Click(kButtonLeft, -2, -1);
    auto moved = Pixels();
    // Escape takes the preview away and stores nothing.
    Escape();
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_EQ(d().ObjNext, s);
    EXPECT_EQ(d().ObjType[s], "");
    ExpectScreenIsARedraw();
    // One preview drawn straight at the second place looks the same.
    ArmShape(app(), "ScG-TestRes");
    Click(kButtonLeft, -2, -1);
    EXPECT_EQ(Differing(moved), 0u);
}

TEST_F(DrawingTest, ShapeTypedAngleAndFlips) {
    struct Case {
        const char* flip;
        double fx, fy;
    };
    for (const Case& k : {Case{"h", -1, 1}, Case{"V", 1, -1}, Case{"q", 1, 1}}) {
        SCOPED_TRACE(k.flip);
        const int s = d().ObjNext;
        ArmShape(app(), "ScG-TestRes");
        Click(kButtonLeft, 0, 0);
        Click(kButtonRight, 1, 1);
        EXPECT_EQ(c().PromptText, "Shape:  L-Cl to Preview angle, R-Cl an angle or enter value.");
        EXPECT_EQ(d().ObjNext, s);
        Type("90");
        EXPECT_EQ(c().PromptText, "Shape: Flip; H = horizontally, V = vertically, N = none.");
        EXPECT_NEAR(d().ObjAngle[s], kPi / 2, 1e-12);
        Type(k.flip);
        ExpectCompleted("Shape", s, "Shape");
        EXPECT_EQ(d().ObjText[s], "ScG-TestRes");
        EXPECT_EQ(d().ObjSize[s], 1);
        EXPECT_NEAR(d().ObjX[s], 1, 1e-9);
        EXPECT_NEAR(d().ObjY[s], 1, 1e-9);
        EXPECT_NEAR(d().ObjAngle[s], kPi / 2, 1e-12);
        EXPECT_EQ(d().ObjXScale[s], k.fx);
        EXPECT_EQ(d().ObjYScale[s], k.fy);
        EXPECT_LE(d().ObjBoxX1[s], 1 + 1e-9);
        EXPECT_GE(d().ObjBoxX2[s], 1 - 1e-9);
        EXPECT_LE(d().ObjBoxY1[s], 1 + 1e-9);
        EXPECT_GE(d().ObjBoxY2[s], 1 - 1e-9);
        EXPECT_LT(d().ObjBoxX1[s], d().ObjBoxX2[s]);
    }
}

TEST_F(DrawingTest, ShapeAngleByClickAndThirdRightClickStores) {
    const int s = d().ObjNext;
    d().CurColor = 6;
    ArmShape(app(), "ScB-TestBox");
    Click(kButtonRight, -1, 0.5);
    Move(-1, 1.5);
    Click(kButtonRight, -1, 1.5);
    EXPECT_EQ(c().PromptText, "Shape: Flip; H = horizontally, V = vertically, N = none.");
    Click(kButtonRight, 3, 3);
    ExpectCompleted("Shape", s, "Shape");
    EXPECT_EQ(d().ObjText[s], "ScB-TestBox");
    EXPECT_NEAR(d().ObjX[s], -1, 1e-9);
    EXPECT_NEAR(d().ObjY[s], 0.5, 1e-9);
    EXPECT_NEAR(d().ObjAngle[s], kPi / 2, 1e-9);
    EXPECT_EQ(d().ObjXScale[s], 1);
    EXPECT_EQ(d().ObjYScale[s], 1);
    // It takes the colour of its first click and is drawn in it.
    EXPECT_EQ(d().ObjColor[s], 6);
    ScreenRedraw(app(), 1);
    size_t magenta = 0;
    for (uint32_t p : app().screen.px) magenta += p == 0xFF00FFu;
    EXPECT_GT(magenta, 20u);
    // The middle button arms the same shape again.
    Click(kButtonMiddle, 0, 0);
    EXPECT_EQ(c().CurCommand, "Shape");
    EXPECT_EQ(d().ObjText[d().ObjNext], "ScB-TestBox");
    EXPECT_EQ(c().PromptText, "Shape = TestBox:  Left click to preview.  Right click to place.");
}

// ---- Insert -----------------------------------------------------------------------

TEST_F(DrawingTest, InsertTakesPointAndScaleThenOpensTheDialog) {
    const int s = d().ObjNext;
    RunStarter(app(), "Insert");
    ASSERT_EQ(c().CurCommand, "Insert");
    Click(kButtonLeft, 1.5, -0.5);
    EXPECT_EQ(c().PromptText, "Insert: Enter Scale Factor. ");
    EXPECT_EQ(t.fake.inputText, "1");
    EXPECT_EQ(t.fake.inputWidth, 400);
    for (const char* bad : {"0", "-2"}) {
        int focus = t.fake.inputFocus;
        Type(bad);
        ExpectRejected("Insert", focus);
        EXPECT_FALSE(app().files.InsertMode);
    }
    Type("2");
    EXPECT_TRUE(app().files.InsertMode);
    EXPECT_NEAR(app().files.InsertX, 1.5, 1e-9);
    EXPECT_NEAR(app().files.InsertY, -0.5, 1e-9);
    EXPECT_EQ(app().files.InsertScale, 2);
    EXPECT_TRUE(t.fake.dialogVisible[DialogId::OpenF]);
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_EQ(d().ObjNext, s);
}

// ---- every command ------------------------------------------------------------------

TEST_F(DrawingTest, EscapeMidCommandStoresNothing) {
    const int s = d().ObjNext;
    for (const char* cmd : {"Line", "Arc", "Arc2", "Arc3", "Circle", "Text", "Shape"}) {
        SCOPED_TRACE(cmd);
        Start(cmd);
        ASSERT_EQ(c().CurCommand, cmd);
        Click(kButtonLeft, 1, 1);
        Move(2, 1.5);
        Click(std::string(cmd) == "Shape" ? kButtonRight : kButtonLeft, 2, 1.5);
        Escape();
        EXPECT_EQ(c().CurCommand, "None");
        EXPECT_EQ(d().ObjNext, s);
        EXPECT_EQ(d().ObjType[s], "");
        EXPECT_FALSE(d().DrawingChanged);
        ExpectScreenIsARedraw();
    }
}

TEST_F(DrawingTest, FullDrawingRefusesEveryCommandAtItsFirstClick) {
    d().ObjNext = kMaxSlot + 1;
    for (const char* cmd : {"Line", "Arc", "Arc2", "Arc3", "Circle", "Text", "Shape"}) {
        for (int button : {kButtonLeft, kButtonRight}) {
            if (button == kButtonRight && std::string(cmd) != "Line" && std::string(cmd) != "Shape") continue;
            SCOPED_TRACE(std::string(cmd) + (button == kButtonLeft ? " left" : " right"));
            t.fake.boxes.clear();
            Start(cmd);
            Click(button, 1, 1);
            ASSERT_EQ(t.fake.boxes.size(), 1u);
            EXPECT_EQ(t.fake.boxes[0].text, kMsgDrawingFull);
            EXPECT_EQ(c().CurCommand, "None");
            EXPECT_EQ(d().ObjNext, kMaxSlot + 1);
            EXPECT_EQ(d().ObjType[kMaxSlot + 1], "");
        }
    }
    // A typed first vertex is refused the same way.
    t.fake.boxes.clear();
    RunStarter(app(), "Line");
    Type("1,1");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgDrawingFull);
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_FALSE(d().DrawingChanged);
}
