// The editing commands as a user drives them: picks by click, Shift and
// Ctrl with overlapping objects, Select All past locked objects, each
// transform's resulting fields, and every reversal of Undo.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "editing/selection.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

constexpr double kTol = 1e-9;

class EditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
        ScreenRedraw(app(), 1);
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    Registers& c() { return t.app->cmd; }
    float Sx(double x) { return static_cast<float>(ToScreenX(app(), x)); }
    float Sy(double y) { return static_cast<float>(ToScreenY(app(), y)); }
    void Click(int b, double x, double y, int shift = 0) { Form_MouseDown(app(), b, shift, Sx(x), Sy(y)); }
    void Move(double x, double y) { Form_MouseMove(app(), 0, 0, Sx(x), Sy(y)); }
    void Type(const std::string& s) {
        t.fake.inputText = s;
        Text2_LostFocus(app());
    }
    int Add(const char* kind, double x, double y, double size, int color = 1) {
        int s = d().ObjNext++;
        d().ObjType[s] = kind;
        d().ObjNum[s] = static_cast<int16_t>(s);
        d().ObjX[s] = x, d().ObjY[s] = y, d().ObjSize[s] = size;
        d().ObjColor[s] = static_cast<int16_t>(color);
        d().ObjXScale[s] = d().ObjYScale[s] = 1;
        d().ObjAngle[s] = d().ObjEndAngle[s] = 0;
        return s;
    }
    int Line(double x1, double y1, double x2, double y2, int color = 1) {
        int s = Add("Line", 0, 0, 2, color);
        d().VertX(s, 1) = x1, d().VertY(s, 1) = y1, d().VertX(s, 2) = x2, d().VertY(s, 2) = y2;
        return s;
    }
    int Boxed(const char* kind, double x, double y, double w, double h) {
        int s = Add(kind, x, y, 0.2);
        d().ObjText[s] = kind == std::string("Text") ? "R12" : "ScG-Gone";
        d().ObjJust[s] = "S";
        d().ObjBoxX1[s] = x, d().ObjBoxY1[s] = y, d().ObjBoxX2[s] = x + w, d().ObjBoxY2[s] = y + h;
        return s;
    }
    std::vector<int> Picked() {
        return std::vector<int>(app().sel.SelList.begin(), app().sel.SelList.begin() + app().sel.SelCount);
    }
    std::string Status() {
        for (auto it = t.fake.texts.rbegin(); it != t.fake.texts.rend(); ++it)
            if (it->y == 275 && it->text.find("Objects selected.") != std::string::npos) return it->text;
        return "";
    }
    void Undo() { MenuClick(app(), "Undo"); }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(EditingTest, PicksTakeTheLowestSlotAndShiftCtrlAddAndTakeBack) {
    // Two lines crossing at (1, 1), a circle, a text box, an arc that has no sweep.
    const int a = Line(0, 1, 2, 1);
    const int b = Line(1, 0, 1, 2);
    const int circle = Add("Circle", -2, 0, 0.5);
    const int text = Boxed("Text", 2, -2, 1, 0.3);
    const int flat = Add("Arc", 0, -2, 1);
    const int locked = Line(-3, -1, -1, -1, -4);
    RunStarter(app(), "Delete");
    Click(kButtonLeft, 1, 1);
    EXPECT_EQ(Picked(), std::vector<int>({a}));
    EXPECT_EQ(Status(), "1 Objects selected.");
    EXPECT_EQ(c().PromptText, "Delete:  Select more objects.  PRECEDE? (Y or N)");
    // The highlight is the line itself in the selection colour.
    EXPECT_EQ(SurfaceGetPixel(app().screen, Sx(1.5), Sy(1)), app().set.SelectColor & 0xFFFFFFu);
    // Shift at the same place takes the other line.
    Click(kButtonLeft, 1, 1, kShiftKey);
    EXPECT_EQ(Picked(), std::vector<int>({a, b}));
    // Ctrl takes the first listed one back: its entry becomes 0.
    Click(kButtonLeft, 1, 1, kCtrlKey);
    EXPECT_EQ(Picked(), std::vector<int>({0, b}));
    EXPECT_EQ(app().sel.SelTally, 1);
    EXPECT_EQ(Status(), "1 Objects selected.");
    // Shift picks it again; the circle by its outline; the text anywhere in its box.
    Click(kButtonLeft, 1, 1, kShiftKey);
    Click(kButtonLeft, -1.5, 0, kShiftKey);
    Click(kButtonLeft, 2.5, -1.9, kShiftKey);
    EXPECT_EQ(Picked(), std::vector<int>({0, b, a, circle, text}));
    // An arc without sweep, the circle's centre and a locked line are never hit.
    Click(kButtonLeft, 1, -2, kShiftKey);
    Click(kButtonLeft, -2, 0, kShiftKey);
    Click(kButtonLeft, -2, -1, kShiftKey);
    EXPECT_EQ(app().sel.SelCount, 5);
    EXPECT_EQ(Status(), "4 Objects selected.");
    (void)flat, (void)locked;

    // Select All adds every unlocked object once, after the picks.
    SelectW_Click(app());
    EXPECT_EQ(c().WindowSelect, "SelectW");
    EXPECT_EQ(c().PromptText, "Select by Window: Left clik any corner, Right click to set window.");
    c().WindowSelect = "None";
    MenuClick(app(), "SelectAll");
    EXPECT_EQ(Picked(), std::vector<int>({0, b, a, circle, text, flat}));
    EXPECT_EQ(Status(), "6 Objects selected.");
    // Typed Y deletes them; Undo brings each back in its own slot.
    Type("y");
    for (int s : {a, b, circle, text, flat}) EXPECT_EQ(d().ObjType[s], "") << s;
    EXPECT_EQ(d().ObjType[locked], "Line");
    Undo();
    EXPECT_EQ(d().ObjType[a], "Line");
    EXPECT_EQ(d().ObjType[circle], "Circle");
    EXPECT_EQ(d().ObjSize[circle], 0.5);
    EXPECT_EQ(d().ObjType[text], "Text");
    EXPECT_EQ(d().ObjNext, locked + 1);

    // Nothing picked while idle, and a command that is not running ignores Select All.
    MenuClick(app(), "SelectAll");
    EXPECT_EQ(app().sel.SelCount, 0);
}

TEST_F(EditingTest, PicksEndWithoutSnapStepsOrRadius) {
    // A snap step of 0 and a circle of radius 0 must not keep the pick walking.
    d().SnapX = d().SnapY = 0;
    const int line = Line(-2, 0, 2, 0);
    const int dot = Add("Circle", 0, 1, 0);
    RunStarter(app(), "Lock");
    Click(kButtonLeft, 0, 1);
    EXPECT_EQ(app().sel.SelCount, 0);
    Click(kButtonLeft, 0.5, 0.02);
    EXPECT_EQ(Picked(), std::vector<int>({line}));
    Click(kButtonRight, 0, 0);
    EXPECT_EQ(d().ObjColor[line], -1);
    // Locked: Select All passes it by; Unlock All frees it, Undo locks it again.
    RunStarter(app(), "Move");
    MenuClick(app(), "SelectAll");
    EXPECT_EQ(Picked(), std::vector<int>({dot}));
    CancelCommand(app(), 0);
    MenuClick(app(), "UnlockAll");
    EXPECT_EQ(d().ObjColor[line], 1);
    EXPECT_EQ(c().UndoOp, "Unlock");
    EXPECT_TRUE(t.fake.menus[kMenuUndo].enabled);
    Undo();
    EXPECT_EQ(d().ObjColor[line], -1);
    EXPECT_EQ(c().UndoOp, "None");
}

TEST_F(EditingTest, MoveAndCopyMakeNewSlotsAndUndoTakesThemBack) {
    const int circle = Add("Circle", 1, 1, 0.5, 3);
    const int line = Line(-1, -1, 0, -2);
    const int text = Boxed("Text", 2, 2, 0.6, 0.2);
    RunStarter(app(), "Move");
    Click(kButtonRight, 0, 0);  // before the source point: ignored
    EXPECT_EQ(c().CurCommand, "Move");
    MenuClick(app(), "SelectAll");
    Click(kButtonLeft, 0, 0);
    EXPECT_EQ(c().PromptText, "Move:  Right click destination point.     ");
    EXPECT_TRUE(c().RubberBandOn);
    Move(1, 0.5);
    Click(kButtonRight, 1, 0.5);
    EXPECT_EQ(c().CurCommand, "None");
    ASSERT_EQ(d().ObjNext, 7);
    for (int s : {circle, line, text}) EXPECT_EQ(d().ObjType[s], "") << s;
    EXPECT_EQ(d().ObjType[4], "Circle");
    EXPECT_NEAR(d().ObjX[4], 2, kTol);
    EXPECT_NEAR(d().ObjY[4], 1.5, kTol);
    EXPECT_EQ(d().ObjColor[4], 3);
    EXPECT_NEAR(d().VertX(5, 2), 1, kTol);
    EXPECT_NEAR(d().VertY(5, 2), -1.5, kTol);
    EXPECT_EQ(d().ObjText[6], "R12");
    EXPECT_NEAR(d().ObjBoxX1[6], 3, kTol);
    EXPECT_TRUE(d().DrawingChanged);
    Undo();
    EXPECT_EQ(d().ObjNext, 4);
    EXPECT_EQ(d().ObjType[circle], "Circle");
    EXPECT_EQ(d().ObjSize[circle], 0.5);
    EXPECT_EQ(d().ObjType[line], "Line");

    // Copy keeps the originals; a Shift-click after the source asks for it again.
    RunStarter(app(), "Copy");
    Click(kButtonLeft, 1.5, 1);
    EXPECT_EQ(c().PromptText, "Copy:  Shift-click to select more.  Or left click source point.        ");
    Click(kButtonLeft, 0, 0);
    Click(kButtonLeft, -0.5, -1.5, kShiftKey);
    EXPECT_EQ(c().PromptText, "Copy:  Shift-click to select more.  Or left click source point.        ");
    EXPECT_EQ(Picked(), std::vector<int>({circle, line}));
    Click(kButtonLeft, 0, 0);
    Move(0, 3);
    Click(kButtonRight, 0, 3);
    ASSERT_EQ(d().ObjNext, 6);
    EXPECT_EQ(d().ObjType[circle], "Circle");
    EXPECT_NEAR(d().ObjY[4], 4, kTol);
    EXPECT_NEAR(d().VertY(5, 1), 2, kTol);
    Undo();
    EXPECT_EQ(d().ObjNext, 4);
}

TEST_F(EditingTest, CopiesStopAtAFullTableAndStayUndoable) {
    const int a = Add("Circle", 0, 0, 0.5);
    const int b = Add("Circle", 1, 0, 0.5);
    const int c3 = Add("Circle", 2, 0, 0.5);
    d().ObjNext = kMaxSlot - 1;  // room for two
    RunStarter(app(), "Copy");
    MenuClick(app(), "SelectAll");
    Click(kButtonLeft, 0, 0);
    Move(0, 1);
    Click(kButtonRight, 0, 1);
    EXPECT_EQ(d().ObjNext, kMaxSlot + 1);
    ASSERT_FALSE(t.fake.boxes.empty());
    EXPECT_EQ(t.fake.boxes.back().text, std::string(kMsgDrawingFull) + "\r\nOnly 2 of the 3 objects were copied.");
    EXPECT_EQ(c().UndoCount, 2);
    Undo();
    EXPECT_EQ(d().ObjNext, kMaxSlot - 1);
    (void)a, (void)b, (void)c3;
}

TEST_F(EditingTest, RotateScaleFlipAndMirrorGiveTheExactFieldsAndUndoBack) {
    const double pi = d().PI;
    // Rotate by a typed 90 about (0, 0): a shape's factors change places.
    WriteAll(dir.file("ScG-TestRes.dwg"), ReadAll(std::string(ZARNIC_FIXTURES) + "shapes/ScG-TestRes.dwg"));
    const int shape = Boxed("Shape", 1, 0, 0.5, 0.5);
    d().ObjText[shape] = "ScG-TestRes";
    d().ObjXScale[shape] = 2;
    RunStarter(app(), "Rotate");
    Click(kButtonLeft, 1.2, 0.2);
    Click(kButtonLeft, 0, 0);
    EXPECT_EQ(c().PromptText, "Rotate:  Right click angle, or type value.");
    Type("90");
    EXPECT_NEAR(d().ObjX[shape], 0, kTol);
    EXPECT_NEAR(d().ObjY[shape], 1, kTol);
    EXPECT_EQ(d().ObjXScale[shape], 1);
    EXPECT_EQ(d().ObjYScale[shape], 2);
    EXPECT_NEAR(d().ObjAngle[shape], pi / 2, kTol);
    Undo();
    EXPECT_NEAR(d().ObjX[shape], 1, kTol);
    EXPECT_NEAR(d().ObjY[shape], 0, kTol);
    EXPECT_NEAR(d().ObjAngle[shape], 0, kTol);
    EXPECT_EQ(d().ObjXScale[shape], 2);
    d().ObjType[shape].clear();

    // Scale by 2,2 doubles a circle's radius; by 2,1 only its X factor.
    const int circle = Add("Circle", 1, 1, 0.5);
    RunStarter(app(), "Scale");
    Click(kButtonLeft, 1.5, 1);
    Click(kButtonLeft, 0, 0);
    EXPECT_EQ(c().PromptText, "Scale:  Right click factor (2 inches = 2x), or type value.");
    Type("2");
    EXPECT_NEAR(d().ObjSize[circle], 1, kTol);
    EXPECT_NEAR(d().ObjX[circle], 2, kTol);
    RunStarter(app(), "Scale");
    Click(kButtonLeft, 3, 2);
    Click(kButtonLeft, 0, 0);
    Move(2, 1);
    Click(kButtonRight, 2, 1);
    EXPECT_NEAR(d().ObjSize[circle], 1, kTol);
    EXPECT_EQ(d().ObjXScale[circle], 2);
    EXPECT_EQ(d().ObjYScale[circle], 1);
    EXPECT_NEAR(d().ObjX[circle], 4, kTol);
    EXPECT_EQ(c().RepeatCommand, "Scale");
    Undo();
    EXPECT_EQ(d().ObjXScale[circle], 1);
    EXPECT_NEAR(d().ObjX[circle], 2, kTol);
    d().ObjType[circle].clear();

    // Mirror "H" about x = 5 of the arc at (3, 0) from 0 to pi/2: centre (7, 0),
    // angles pi to pi/2, and an unmirrored copy stays.
    d().SnapX = d().SnapY = 0.5;
    const int arc = Add("Arc", 3, 0, 1);
    d().ObjEndAngle[arc] = pi / 2;
    RunStarter(app(), "Mirror");
    Click(kButtonLeft, 4, 0);
    EXPECT_EQ(c().PromptText, "Mirror:  Shift-click to select more.  Or left click Mirror point.");
    Click(kButtonLeft, 5, 0);
    EXPECT_EQ(c().PromptText, "Mirror: Horizontally=H, Vertically=V");
    Type("x");  // asked again
    EXPECT_EQ(c().CurCommand, "Mirror");
    EXPECT_EQ(t.fake.inputText, "");
    Type("h");
    EXPECT_NEAR(d().ObjX[arc], 7, kTol);
    EXPECT_NEAR(d().ObjAngle[arc], pi, kTol);
    EXPECT_NEAR(d().ObjEndAngle[arc], pi / 2, kTol);
    const int copy = d().ObjNext - 1;
    EXPECT_EQ(d().ObjType[copy], "Arc");
    EXPECT_NEAR(d().ObjX[copy], 3, kTol);
    Undo();
    EXPECT_EQ(d().ObjNext, copy);
    EXPECT_NEAR(d().ObjX[arc], 3, kTol);
    EXPECT_NEAR(d().ObjAngle[arc], 0, kTol);
    d().ObjType[arc].clear();

    // Flip "V" of a text negates its Y factor and keeps no copy; Undo flips back.
    const int text = Boxed("Text", 1, 1, 1, 0.2);
    const int before = d().ObjNext;
    RunStarter(app(), "Flip");
    Click(kButtonLeft, 1.5, 1.1);
    Click(kButtonLeft, 0, 0);
    EXPECT_EQ(c().PromptText, "Flip Horizontally=H, Vertically=V");
    Type("V");
    EXPECT_EQ(d().ObjYScale[text], -1);
    EXPECT_NEAR(d().ObjY[text], -1, kTol);
    EXPECT_EQ(d().ObjNext, before);
    Undo();
    EXPECT_EQ(d().ObjYScale[text], 1);
    EXPECT_NEAR(d().ObjY[text], 1, kTol);
}

TEST_F(EditingTest, ColorChangeListsTheColoursAndUndoRestoresThem) {
    const int a = Add("Circle", 0, 0, 0.5, 2);
    const int b = Add("Circle", 2, 0, 0.5, 5);
    RunStarter(app(), "Color");
    Click(kButtonLeft, 0.5, 0);
    EXPECT_EQ(c().PromptText, "Color:  Enter new color number from list below.");
    Click(kButtonLeft, 2.5, 0, kShiftKey);
    Type("6.4");
    EXPECT_EQ(d().ObjColor[a], 6);
    EXPECT_EQ(d().ObjColor[b], 6);
    Undo();
    EXPECT_EQ(d().ObjColor[a], 2);
    EXPECT_EQ(d().ObjColor[b], 5);
    // Delete answered N changes nothing; anything else asks again.
    RunStarter(app(), "Delete");
    Click(kButtonLeft, 0.5, 0);
    Type("maybe");
    EXPECT_EQ(c().CurCommand, "Delete");
    Type("N");
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_EQ(d().ObjType[a], "Circle");
}

TEST_F(EditingTest, UndoAfterALineLeavesAnEarlierDeleteAlone) {
    const int circle = Add("Circle", 0, 0, 0.5);
    RunStarter(app(), "Delete");
    Click(kButtonLeft, 0.5, 0);
    Click(kButtonRight, 0, 0);
    EXPECT_EQ(d().ObjType[circle], "");
    RunStarter(app(), "Line");
    Click(kButtonLeft, 1, 1);
    Click(kButtonRight, 2, 1);
    ASSERT_EQ(d().ObjType[circle + 1], "Line");
    Undo();
    EXPECT_EQ(d().ObjNext, circle + 1);
    EXPECT_EQ(d().ObjType[circle], "");
    // Undo twice does nothing more.
    Undo();
    EXPECT_EQ(d().ObjType[circle], "");
}
