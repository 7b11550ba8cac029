// The dial: the mark layout of the designer's cases, the label texts, the
// designer's defaults file, transfer and placement, the edit round trip
// through the panel, the refusals, and a placed dial scaled, rotated,
// picked and undone.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "dial/designer.h"
#include "editing/transform.h"
#include "fake_platform.h"
#include "model/dial.h"
#include "model/numbers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTol = 1e-9;

DialValues Scale(double majors, double inter, double minors, double total, double rotation) {
    DialValues v{};
    v[1] = 1, v[3] = 1.5, v[4] = total, v[5] = rotation, v[6] = majors, v[7] = 0.3, v[8] = minors, v[9] = 0.075;
    v[10] = 0, v[11] = 10, v[12] = 0, v[13] = 0.1, v[14] = inter, v[15] = 0.15;
    return v;
}

class DialTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
        SurfaceResize(app().dial.Preview, 600, 450, 144, 0xFFFFFFu);
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    void Click(int b, double x, double y) {
        Form_MouseDown(app(), b, 0, static_cast<float>(ToScreenX(app(), x)), static_cast<float>(ToScreenY(app(), y)));
    }
    // A new dial from the designer, placed at (x, y); its slot.
    int Place(double x, double y) {
        MenuClick(app(), "Dial");
        DialToDrawing_Click(app());
        Click(kButtonLeft, x, y);
        return d().ObjNext - 1;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST(DialLayout, MarksKindsAndNumbersOfTheDesignersCases) {
    // The defaults: 6 majors, 1 intermediate, 4 minors give 11 main marks, 51 in all.
    auto marks = DialLayout(Scale(6, 1, 4, kPi / 2, kPi / 2), 0, 0, kPi);
    ASSERT_EQ(marks.size(), 51u);
    EXPECT_EQ(marks[5].kind, MarkKind::Intermediate);
    EXPECT_EQ(marks[10].kind, MarkKind::Major);
    EXPECT_EQ(marks[3].kind, MarkKind::Minor);
    // The middle of a scale turned by pi/2 points left.
    EXPECT_NEAR(marks[25].angle, kPi, kTol);

    // 6 majors, no intermediates, 4 minors: 26 marks, majors every fifth,
    // numbered 10, 8, 6, 4, 2, 0 from the clockwise end.
    marks = DialLayout(Scale(6, 0, 4, kPi / 2, 0), 1, 2, kPi);
    ASSERT_EQ(marks.size(), 26u);
    std::vector<std::string> labels;
    for (size_t k = 0; k < marks.size(); ++k) {
        EXPECT_EQ(marks[k].numbered, k % 5 == 0) << k;
        if (marks[k].numbered) labels.push_back(marks[k].label);
    }
    EXPECT_EQ(labels, std::vector<std::string>({"10", "8", "6", "4", "2", "0"}));
    // Mark 0 is at the clockwise end, 45 degrees right of straight up; a
    // major mark runs 0.3 outwards, its number 1.5 heights further out.
    EXPECT_NEAR(marks[0].ix, 1 + 1.5 * std::cos(kPi / 4), kTol);
    EXPECT_NEAR(std::hypot(marks[0].ox - 1, marks[0].oy - 2), 1.8, kTol);
    EXPECT_NEAR(std::hypot(marks[0].lx - 1, marks[0].ly - 2), 1.5 + 0.15 + 0.3, kTol);
    EXPECT_NEAR(std::hypot(marks[1].ox - 1, marks[1].oy - 2), 1.575, kTol);

    // Inside of the arc: the marks point to the centre.
    DialValues inside = Scale(6, 0, 4, kPi / 2, 0);
    inside[1] = -1;
    marks = DialLayout(inside, 0, 0, kPi);
    EXPECT_NEAR(std::hypot(marks[0].ox, marks[0].oy), 1.2, kTol);
    EXPECT_NEAR(std::hypot(marks[0].lx, marks[0].ly), 1.05, kTol);

    // 270 degrees with the middle up: every number reads upright, and the
    // ones on the lower part are turned by half a turn.
    marks = DialLayout(Scale(11, 0, 0, 1.5 * kPi, 0), 0, 0, kPi);
    for (const DialMark& m : marks) {
        EXPECT_GE(m.labelAngle, -kPi / 2 - kTol);
        EXPECT_LE(m.labelAngle, kPi / 2 + kTol);
    }
    EXPECT_NEAR(marks[0].labelAngle, -kPi / 4 - kPi / 2 + kPi, kTol);

    // Decimal places a damaged file or clipboard text can hold give empty labels.
    DialValues odd = Scale(6, 0, 4, kPi / 2, 0);
    odd[12] = 5e33;
    int texts = 0;
    for (const DialMark& m : DialLayout(odd, 0, 0, kPi)) texts += !m.label.empty();
    EXPECT_EQ(texts, 1);  // only the "0" at the CCW end, which needs no decimals

    // No marks, or too many, give an empty layout.
    EXPECT_TRUE(DialLayout(Scale(0, 0, 0, kPi, 0), 0, 0, kPi).empty());
    EXPECT_TRUE(DialLayout(Scale(1e6, 0, 4, kPi, 0), 0, 0, kPi).empty());
}

TEST(DialLayout, NumberTexts) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {3.1, 2, "3.10"},  {2.5, 2, "2.50"},  {7, 1, "7.0"},      {7.25, 1, "7.3"},  {2.5, 0, "3"},
        {-2.5, 0, "-2"},   {1e-11, 2, "0"},   {0.0000000001, 0, "0"}, {1.5, 3, "1.500"}, {1.25, 3, "1.250"},
        {1.2345, 3, "1.235"}, {12.34, 2, "12.34"}, {3, 5, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDialNumber(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}

TEST_F(DialTest, TransferPlacesTheDefaultScaleAndEditingShowsTheSameFields) {
    // No defaults file: it is written with the factory lines.
    MenuClick(app(), "Dial");
    const std::vector<std::string> factory = {"1.5", "90", "90", "6", "0.3", "4", "0.075", "0", "10",
                                              "0",   "0.1", "50", "50", "1", ".15", "2", "1"};
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kDialFileName))), factory);
    EXPECT_TRUE(app().dial.Visible);
    EXPECT_EQ(app().dial.DialData[2], "180");
    EXPECT_TRUE(app().dial.Outside);
    EXPECT_TRUE(app().dial.Sideways);
    EXPECT_EQ(t.fake.dialogFocus[DialogId::Dial], "DialData:0");
    // The preview drew the scale in black.
    size_t black = 0;
    for (uint32_t p : app().dial.Preview.px) black += p == 0;
    EXPECT_GT(black, 50u);

    DialToDrawing_Click(app());
    EXPECT_FALSE(app().dial.Visible);
    EXPECT_EQ(app().cmd.CurCommand, "Dial");
    EXPECT_EQ(app().cmd.PromptText, "Dial:  Click location of Center.");
    Click(kButtonLeft, 1, -1);
    const int slot = d().ObjNext - 1;
    ASSERT_EQ(d().ObjType[slot], "Dial");
    EXPECT_EQ(d().ObjSize[slot], 15);
    EXPECT_EQ(d().ObjX[slot], 1);
    EXPECT_EQ(d().ObjY[slot], -1);
    EXPECT_NEAR(d().VertX(slot, 4), kPi / 2, kTol);
    EXPECT_NEAR(d().VertX(slot, 5), kPi / 2, kTol);
    EXPECT_NEAR(d().VertX(slot, 2), kPi / 2, kTol);
    EXPECT_EQ(d().VertX(slot, 1), 1);
    EXPECT_EQ(d().VertX(slot, 14), 1);
    EXPECT_EQ(app().cmd.RepeatCommand, "Dial");
    EXPECT_EQ(app().cmd.CurCommand, "None");
    // The box covers the numbers, left of the centre as the scale points left.
    EXPECT_LT(d().ObjBoxX1[slot], 1 - 1.5 - 0.3);

    // The edit path of Change: the panel shows the values it was made with.
    const auto made = app().dial.DialData;
    app().dial.DialData.fill("");
    app().cmd.CurCommand = "Change";
    app().sel.SelList[0] = static_cast<int16_t>(slot);
    app().sel.SelCount = 1;
    DialDesigner_Click(app());
    for (int i = 0; i < kDialFields; ++i) {
        if (i == 11 || i == 12) continue;  // they only place the preview
        EXPECT_EQ(LeadingNumber(app().dial.DialData[i]), LeadingNumber(made[i])) << i;
    }
    app().dial.DialData[0] = "2";
    app().dial.DialData[2] = "90";
    DialToDrawing_Click(app());
    EXPECT_EQ(d().VertX(slot, 3), 2);
    EXPECT_NEAR(d().VertX(slot, 5), 0, kTol);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(d().ObjNext, slot + 1);  // nothing new placed
    // Two objects picked: the message, and the command ends.
    app().cmd.CurCommand = "Change";
    app().sel.SelCount = 2;
    app().sel.SelTally = 2;
    DialDesigner_Click(app());
    EXPECT_EQ(t.fake.boxes.back().text, "You can only edit one dial at a time.");
    EXPECT_EQ(app().cmd.CurCommand, "None");

    // The middle button opens the designer again.
    Click(kButtonMiddle, 0, 0);
    EXPECT_TRUE(app().dial.Visible);
    DialCancel_Click(app());
    EXPECT_FALSE(app().dial.Visible);
}

TEST_F(DialTest, RefusalsAndADamagedDefaultsFile) {
    WriteAll(dir.file(kDialFileName), "1.5\r\nninety\r\n");
    MenuClick(app(), "Dial");
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kDialFileName))).size(), 17u);  // written anew
    EXPECT_EQ(app().dial.DialData[0], "1.5");
    const int next = d().ObjNext;
    app().dial.DialData[10] = "0";
    DialToDrawing_Click(app());
    EXPECT_EQ(t.fake.boxes.back().text, "Text height cannot be zero.\r\nEnter a value.");
    EXPECT_TRUE(app().dial.Visible);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    app().dial.DialData[10] = "0.1";
    app().dial.DialData[3] = "500";  // 500 majors, 1 intermediate, 4 minors: 4991 marks
    DialToDrawing_Click(app());
    EXPECT_EQ(t.fake.boxes.back().text, "This scale has 4991 marks.\r\nA dial holds at most 2000 marks.");
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(d().ObjNext, next);
    // Escape closes the designer.
    Text1_KeyDown(app(), 27, 0);
    EXPECT_FALSE(app().dial.Visible);
}

TEST_F(DialTest, ScaledRotatedPickedAndUndone) {
    const int slot = Place(0, 0);
    const DialValues before = DialValuesOf(d(), slot);
    app().sel.SelList[0] = static_cast<int16_t>(slot);
    app().sel.SelCount = 1;
    app().cmd.Pt1 = {1, 0};
    app().xform.ScaleFactorX = app().xform.ScaleFactorY = 2;
    ScaleSelected(app());
    for (int k : {3, 7, 9, 13}) EXPECT_EQ(d().VertX(slot, k), 2 * before[k]) << k;
    EXPECT_EQ(d().VertX(slot, 15), before[15]);
    EXPECT_EQ(d().ObjSize[slot], 15);
    EXPECT_EQ(d().ObjX[slot], -1);
    // 2 and 1: only the centre moves.
    app().xform.ScaleFactorY = 1;
    ScaleSelected(app());
    EXPECT_EQ(d().VertX(slot, 3), 2 * before[3]);  // unequal factors leave the design
    EXPECT_EQ(d().ObjX[slot], -3);
    app().xform.RotateAngle = kPi / 6;
    app().cmd.Pt1 = {-3, 0};
    RotateObject(app());
    EXPECT_NEAR(d().VertX(slot, 5), before[5] + kPi / 6, kTol);
    CancelCommand(app(), 0);

    // Picked at the outer end of one of its marks; not in the empty middle.
    const auto marks = DialLayout(DialValuesOf(d(), slot), d().ObjX[slot], d().ObjY[slot], kPi);
    MenuClick(app(), "Delete");
    Click(kButtonLeft, d().ObjX[slot], d().ObjY[slot]);
    EXPECT_EQ(app().sel.SelCount, 0);
    Click(kButtonLeft, marks[7].ox, marks[7].oy);
    ASSERT_EQ(app().sel.SelCount, 1);
    EXPECT_EQ(app().sel.SelList[0], slot);
    CancelCommand(app(), 0);
    // Undo of a placement takes the dial away.
    const int again = Place(5, 5);
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, again);
}
