// The polar array: the Part's angle cases, the copies' slot order with two
// picked objects, the refused count, the full table and Undo.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "editing/arrays.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "view/view.h"

namespace {

constexpr double kTol = 1e-9;

class ArraysTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    void Click(double x, double y, int shift = 0) {
        Form_MouseDown(app(), kButtonLeft, shift, static_cast<float>(ToScreenX(app(), x)),
                       static_cast<float>(ToScreenY(app(), y)));
    }
    void Type(const std::string& s) {
        t.fake.inputText = s;
        Text2_LostFocus(app());
    }
    int Circle(double x, double y) {
        int s = d().ObjNext++;
        d().ObjType[s] = "Circle";
        d().ObjX[s] = x, d().ObjY[s] = y, d().ObjSize[s] = 0.2;
        d().ObjColor[s] = 1;
        d().ObjXScale[s] = d().ObjYScale[s] = 1;
        return s;
    }
    // A polar array of the circle at (2, 0) about the origin.
    void Polar(const char* count, const char* angle) {
        RunStarter(app(), "ArrayPol");
        EXPECT_EQ(app().cmd.PromptText, "Array, Polar: Select an object.");
        Click(2.2, 0);
        EXPECT_EQ(app().cmd.PromptText, "Array, Polar:  Shift-clk more or L-Clk Center Point.");
        Click(0, 0);
        EXPECT_EQ(app().cmd.PromptText, "Array, Polar: Number of objects in array.");
        EXPECT_EQ(t.fake.inputText, "2");
        Type(count);
        EXPECT_EQ(app().cmd.PromptText, "Array, Polar: Angle of array.");
        EXPECT_EQ(t.fake.inputText, "180");
        Type(angle);
    }
    void ExpectAt(int s, double degrees) {
        const double a = degrees * d().PI / 180;
        EXPECT_NEAR(d().ObjX[s], 2 * std::cos(a), kTol) << s;
        EXPECT_NEAR(d().ObjY[s], 2 * std::sin(a), kTol) << s;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(ArraysTest, PolarArraysOfThePartsCasesAndTheirUndo) {
    const int c = Circle(2, 0);
    // 4 over 360: the last copy does not fall on the picked circle.
    Polar("4", "360");
    ASSERT_EQ(d().ObjNext, c + 4);
    ExpectAt(c + 1, 90), ExpectAt(c + 2, 180), ExpectAt(c + 3, 270);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_TRUE(d().DrawingChanged);
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, c + 1);
    // 4 over 180, and 2 over 90.
    Polar("4", "180");
    ExpectAt(c + 1, 60), ExpectAt(c + 2, 120), ExpectAt(c + 3, 180);
    MenuClick(app(), "Undo");
    Polar("2", "90");
    ASSERT_EQ(d().ObjNext, c + 2);
    ExpectAt(c + 1, 90);
}

TEST_F(ArraysTest, TwoObjectsCopyRoundByRoundAndACountBelowTwoIsRefused) {
    const int a = Circle(2, 0);
    const int b = Circle(3, 0);
    RunStarter(app(), "ArrayPol");
    Click(2.2, 0);
    Click(3.2, 0, kShiftKey);
    Click(0, 0);
    Type("1");
    EXPECT_EQ(t.fake.boxes.back().text, "A polar array needs at least 2 objects.\r\nEnter a number of 2 or more.");
    EXPECT_EQ(app().cmd.CmdStep, "Elmts");
    EXPECT_EQ(t.fake.inputText, "");
    Type("3");
    Type("180");
    // Round 1 copies a and b; round 2 copies round 1's copies, the last first.
    ASSERT_EQ(d().ObjNext, b + 5);
    EXPECT_NEAR(d().ObjY[b + 1], 2, kTol);   // a at 90
    EXPECT_NEAR(d().ObjY[b + 2], 3, kTol);   // b at 90
    EXPECT_NEAR(d().ObjX[b + 3], -3, kTol);  // b at 180
    EXPECT_NEAR(d().ObjX[b + 4], -2, kTol);  // a at 180
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, b + 1);
    EXPECT_EQ(d().ObjType[a], "Circle");
}

TEST_F(ArraysTest, AFullTableEndsTheArrayAndWhatWasMadeStaysUndoable) {
    Circle(2, 0);
    d().ObjNext = kMaxSlot - 1;  // the circle, then room for two copies
    const int c = 1;
    RunStarter(app(), "ArrayPol");
    Click(2.2, 0);
    Click(0, 0);
    Type("6");
    Type("360");
    EXPECT_EQ(d().ObjNext, kMaxSlot + 1);
    EXPECT_EQ(t.fake.boxes.back().text.substr(0, 20), "The drawing is full.");
    ExpectAt(kMaxSlot - 1, 60);
    ExpectAt(kMaxSlot, 120);
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, kMaxSlot - 1);
    EXPECT_EQ(d().ObjType[c], "Circle");
}

TEST_F(ArraysTest, RectangularArraysFromThePanelAndByThePointer) {
    const int c = Circle(0, 0);
    // The panel opens with its file's defaults (written when missing).
    RunStarter(app(), "ArrayRec");
    EXPECT_EQ(app().cmd.PromptText, "Array, Rectangular: Select an object.");
    Click(0.2, 0);
    EXPECT_EQ(app().cmd.PromptText, "Array, Rectangular:  Shift-clk more or Go To Parameters Window?");
    EXPECT_EQ(t.fake.inputText, "Y");
    Type("Y");
    RectArrayPanel& p = app().arrays.Rect;
    EXPECT_TRUE(p.Visible);
    EXPECT_TRUE(t.fake.dialogVisible[DialogId::RectArray]);
    EXPECT_EQ(t.fake.dialogFocus[DialogId::RectArray], "Text1:0");
    EXPECT_EQ(app().cmd.PromptText, "Enter parameters in dialog box below.");
    EXPECT_EQ(p.Text1[0], "2");
    EXPECT_EQ(p.Text1[1], "3");
    EXPECT_EQ(p.Text1[2], "2,2");
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kArrayRecFileName))),
              (std::vector<std::string>{"2", "3", "2,2", "True", "False", "0"}));
    // 2 rows x 3 columns at 2,2: five copies, column by column.
    RectArrayOK_Click(app());
    ASSERT_EQ(d().ObjNext, c + 6);
    const double want[5][2] = {{0, 2}, {2, 0}, {2, 2}, {4, 0}, {4, 2}};
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(d().ObjX[c + 1 + k], want[k][0], kTol) << k;
        EXPECT_NEAR(d().ObjY[c + 1 + k], want[k][1], kTol) << k;
    }
    EXPECT_FALSE(p.Visible);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, c + 1);

    // "Total Array" 10,4 with 3 columns and 2 rows: cells 5 by 4; one row
    // and "3": copies 3 apart in x; spacing that stacks copies is refused.
    struct Case {
        const char* rows;
        const char* cols;
        const char* spacing;
        bool total;
        double lastX, lastY;
    };
    for (Case k : {Case{"2", "3", "10,4", true, 10, 4}, Case{"1", "3", "3", false, 6, 0}}) {
        RunStarter(app(), "ArrayRec");
        Click(0.2, 0);
        Type("y");
        p.Text1 = {k.rows, k.cols, k.spacing};
        p.CellSpacing = !k.total;
        RectArrayOK_Click(app());
        EXPECT_NEAR(d().ObjX[d().ObjNext - 1], k.lastX, kTol) << k.spacing;
        EXPECT_NEAR(d().ObjY[d().ObjNext - 1], k.lastY, kTol) << k.spacing;
        MenuClick(app(), "Undo");
        EXPECT_EQ(d().ObjNext, c + 1);
    }
    RunStarter(app(), "ArrayRec");
    Click(0.2, 0);
    Type("Y");
    p.Text1 = {"2", "2", "0,3"};
    p.CellSpacing = true;
    RectArrayOK_Click(app());
    EXPECT_EQ(t.fake.boxes.back().text, "This will result in all elements being\r\nplaced on top of the root element.");
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(d().ObjNext, c + 1);
    // A spacing without a comma for rows and columns asks again.
    p.Text1 = {"2", "2", "3"};
    RectArrayOK_Click(app());
    EXPECT_EQ(t.fake.dialogFocus[DialogId::RectArray], "Text1:2");
    EXPECT_EQ(d().ObjNext, c + 1);

    // By the pointer: the start and end points give the cell.
    p.Text1 = {"2", "2", "1,1"};
    p.UseMouse = true;
    RectArrayOK_Click(app());
    EXPECT_FALSE(p.Visible);
    EXPECT_EQ(app().cmd.PromptText, "Left-Click Startpoint, Right-Click Endpoint.");
    Click(1, 1);
    Form_MouseDown(app(), kButtonRight, 0, static_cast<float>(ToScreenX(app(), 2.5)),
                   static_cast<float>(ToScreenY(app(), 3)));
    ASSERT_EQ(d().ObjNext, c + 4);
    EXPECT_NEAR(d().ObjX[c + 3], 1.5, kTol);
    EXPECT_NEAR(d().ObjY[c + 3], 2, kTol);
    // The panel's answer N cancels; the starter clears the mouse box.
    RunStarter(app(), "ArrayRec");
    EXPECT_FALSE(p.UseMouse);
    Click(0.2, 0);
    Type("n");
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_FALSE(p.Visible);
}

TEST_F(ArraysTest, UndoOfAFourByThreeArrayOfTwoObjects) {
    const int a = Circle(0, 0);
    Circle(0.5, 0);
    RunStarter(app(), "ArrayRec");
    Click(0.2, 0);
    Click(0.7, 0, kShiftKey);
    Type("Y");
    app().arrays.Rect.Text1 = {"4", "3", "1,1"};
    RectArrayOK_Click(app());
    EXPECT_EQ(d().ObjNext, a + 2 + 22);
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, a + 2);
}

TEST_F(ArraysTest, AnimationTurnsStepByStepStopsAndRestores) {
    const int c = Circle(2, 0);
    RunStarter(app(), "AnimR");
    EXPECT_EQ(app().cmd.PromptText, "Animated Rotation: Select Object(s).");
    Click(2.2, 0);
    EXPECT_EQ(app().cmd.PromptText,
              "Animated Rotation:  Shift-click to select more.  Or left click center point.        ");
    Click(0, 0);
    AnimPanel& p = app().arrays.Anim;
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(app().cmd.PromptText, "Animated Rotation:  Enter parameters in dialog box below.");
    EXPECT_EQ(p.Text2[2], "0.0,0.0");  // the clicked centre, with the readout's decimals
    EXPECT_EQ(t.fake.dialogFocus[DialogId::Anim], "Text2:0");
    // Step 10 degrees every 0.05 s, stop at 90: nine ticks.
    p.Text2 = {"10", "0.05", p.Text2[2], "90"};
    AnimOK_Click(app());
    EXPECT_FALSE(p.Visible);
    EXPECT_EQ(t.fake.timerInterval, 50);
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kAnimationFileName))),
              (std::vector<std::string>{"0", "10", "0.05", "0.0,0.0", "90"}));
    for (int tick = 1; tick <= 8; ++tick) Timer1_Timer(app());
    EXPECT_EQ(t.fake.timerInterval, 50);
    ExpectAt(c, 80);
    Timer1_Timer(app());
    ExpectAt(c, 90);
    EXPECT_EQ(t.fake.timerInterval, 0);
    EXPECT_TRUE(t.fake.controls[kRestoreName].visible);
    EXPECT_EQ(t.fake.controls[kRestoreName].caption, "Restore");
    EXPECT_EQ(app().cmd.CurCommand, "");
    RunStarter(app(), "Line");  // the starters wait until it is ended
    EXPECT_EQ(app().cmd.CurCommand, "");
    RestoreAngle_Click(app());
    ExpectAt(c, 0);
    EXPECT_FALSE(t.fake.controls[kRestoreName].visible);
    EXPECT_EQ(app().cmd.CurCommand, "None");

    // A negative step and a positive stop: the magnitudes decide.
    RunStarter(app(), "AnimR");
    Click(2.2, 0);
    Click(0, 0);
    EXPECT_EQ(p.Text2[0], "10");  // the file's values come back
    p.Text2 = {"-45", "0.1", p.Text2[2], "90"};
    AnimOK_Click(app());
    Timer1_Timer(app());
    Timer1_Timer(app());
    ExpectAt(c, -90);
    EXPECT_EQ(t.fake.timerInterval, 0);
    // Escape leaves the objects where they are and takes the button away.
    Text1_KeyDown(app(), 27, 0);
    EXPECT_FALSE(t.fake.controls[kRestoreName].visible);
    ExpectAt(c, -90);

    // A zero step, and a typed centre without its comma, end the command.
    for (bool override : {false, true}) {
        RunStarter(app(), "AnimR");
        Click(0, -2.2);
        Click(0, 0);
        p.Check3 = override;
        p.Text2 = {override ? "10" : "0", "0.1", override ? "1 1" : p.Text2[2], "90"};
        AnimOK_Click(app());
        EXPECT_EQ(t.fake.boxes.back().text, override ? "X and Y values must be separated by a comma [,]"
                                                     : "Angle Step, Time/Step, and Angle Stop, must all be non-zero.");
        EXPECT_EQ(app().cmd.CurCommand, "None");
        EXPECT_EQ(t.fake.timerInterval, 0);
    }
}
