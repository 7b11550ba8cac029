// The clipboard: every kind copied and pasted back at another point with
// its fields, the base point arithmetic, Cut and its Undo, Paste's Undo, a
// "|" in a text, and texts from elsewhere: foreign, short, hostile.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "editing/clipboard.h"
#include "fake_platform.h"
#include "tables/clicks.h"
#include "tables/menu.h"
#include "view/view.h"

namespace {

constexpr double kTol = 1e-9;

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    void Click(int b, double x, double y, int shift = 0) {
        Form_MouseDown(app(), b, shift, static_cast<float>(ToScreenX(app(), x)), static_cast<float>(ToScreenY(app(), y)));
    }
    int Add(const char* kind, double x, double y, double size, int color) {
        int s = d().ObjNext++;
        d().ObjType[s] = kind;
        d().ObjNum[s] = static_cast<int16_t>(s);
        d().ObjX[s] = x, d().ObjY[s] = y, d().ObjSize[s] = size;
        d().ObjColor[s] = static_cast<int16_t>(color);
        d().ObjXScale[s] = d().ObjYScale[s] = 1;
        return s;
    }
    void List(std::initializer_list<int> slots) {
        int k = 0;
        for (int s : slots) app().sel.SelList[k++] = static_cast<int16_t>(s);
        app().sel.SelCount = static_cast<int16_t>(k);
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(ClipboardTest, EveryKindTravelsRelativeToItsBasePoint) {
    const int arc = Add("Arc", 1, 1, 0.5, 2);
    d().ObjAngle[arc] = 0.25, d().ObjEndAngle[arc] = 1.5;
    const int circle = Add("Circle", 2, 1, 0.25, 3);
    const int line = Add("Line", 0, 0, 3, 4);
    d().ObjLineType[line] = 1, d().ObjLineWidth[line] = 0.02, d().ObjXScale[line] = 0;
    for (int k = 1; k <= 3; ++k) d().VertX(line, k) = k, d().VertY(line, k) = -k;
    const int text = Add("Text", 3, 2, 0.125, 5);
    d().ObjText[text] = "B+ | 250 V", d().ObjJust[text] = "E", d().ObjAngle[text] = 0.5;
    d().ObjBoxX1[text] = 3, d().ObjBoxX2[text] = 4, d().ObjBoxY1[text] = 2, d().ObjBoxY2[text] = 2.2;
    const int shape = Add("Shape", -1, -1, 2, 6);
    d().ObjText[shape] = "ScG-Resistor", d().ObjXScale[shape] = -1, d().ObjAngle[shape] = 1;
    d().ObjBoxX1[shape] = -2, d().ObjBoxX2[shape] = 0, d().ObjBoxY1[shape] = -1.5, d().ObjBoxY2[shape] = -0.5;
    const int dial = Add("Dial", 0, 3, 15, 7);
    for (int k = 1; k <= 15; ++k) d().VertX(dial, k) = k * 0.5;

    List({arc, circle, line, text, shape, dial});
    const std::string clip = ClipboardTextOf(app(), {1, 1});
    EXPECT_EQ(clip.substr(0, 29), "6|Arc|1|2|0.5|0|0|0.25|1.5|1|");
    EXPECT_NE(clip.find("|Line|3|4|3|1|0.02|0|-2|1|-3|2|-4|1|1|"), std::string::npos) << clip;
    EXPECT_EQ(d().ObjXScale[line], 1);  // a factor of 0 is written, and kept, as 1
    // A "|" in a text travels as a broken bar; texts without one as they are.
    EXPECT_NE(clip.find("|B+ \xC2\xA6 250 V|E|"), std::string::npos) << clip;
    EXPECT_NE(clip.find("|ScG-Resistor|-1|1|1|"), std::string::npos) << clip;
    EXPECT_EQ(clip.substr(clip.size() - 4), "|1,1");

    // Pasted with the base point at (10, 10): everything moved by (9, 9).
    const int first = d().ObjNext;
    EXPECT_EQ(PasteText(app(), clip, {10, 10}), 6);
    EXPECT_EQ(d().ObjNext, first + 6);
    EXPECT_EQ(d().ObjType[first], "Arc");
    EXPECT_NEAR(d().ObjX[first], 10, kTol);
    EXPECT_EQ(d().ObjEndAngle[first], 1.5);
    EXPECT_EQ(d().ObjColor[first + 1], 3);
    EXPECT_NEAR(d().VertX(first + 2, 3), 12, kTol);
    EXPECT_NEAR(d().VertY(first + 2, 3), 6, kTol);
    EXPECT_EQ(d().ObjLineType[first + 2], 1);
    EXPECT_EQ(d().ObjLineWidth[first + 2], 0.02);
    EXPECT_EQ(d().ObjText[first + 3], "B+ | 250 V");
    EXPECT_EQ(d().ObjJust[first + 3], "E");
    EXPECT_NEAR(d().ObjY[first + 3], 11, kTol);
    EXPECT_EQ(d().ObjXScale[first + 4], -1);
    EXPECT_EQ(d().ObjText[first + 4], "ScG-Resistor");
    EXPECT_EQ(d().VertX(first + 5, 15), 7.5);
    EXPECT_NEAR(d().ObjY[first + 5], 12, kTol);
    // The pasted objects keep their old numbers until a save renumbers them.
    EXPECT_EQ(d().ObjNum[first + 3], text);
}

TEST_F(ClipboardTest, CopyCutAndPasteByTheirClicksWithUndo) {
    const int a = Add("Circle", 0, 0, 0.5, 2);
    const int b = Add("Circle", 2, 0, 0.5, 5);
    // Copy: pick both, then the base point on a's centre.
    MenuClick(app(), "CopyToCB");
    EXPECT_EQ(app().cmd.PromptText, "Copy to clipboard: Select objects.");
    Click(kButtonLeft, 0.5, 0);
    EXPECT_EQ(app().cmd.PromptText,
              "Copy to Clipboard:  Shift-click to select more.  Or 1 left click base point.        ");
    Click(kButtonLeft, 2.5, 0, kShiftKey);
    Click(kButtonLeft, 0, 0);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(t.fake.clipboard.substr(0, 2), "2|");
    // Paste at (3, 3): a's copy lands on it, b's keeps its offset.
    MenuClick(app(), "PasteFromCB");
    EXPECT_EQ(app().cmd.PromptText, "Paste: Left-click the Destination Point.");
    Click(kButtonLeft, 3, 3);
    ASSERT_EQ(d().ObjNext, b + 3);
    EXPECT_NEAR(d().ObjX[b + 1], 3, kTol);
    EXPECT_NEAR(d().ObjX[b + 2], 5, kTol);
    EXPECT_TRUE(d().DrawingChanged);
    // Undo takes the pasted objects away.
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, b + 1);

    // Cut: gone from the drawing, pasted back twice, Undo of the cut restores.
    MenuClick(app(), "CutToCB");
    Click(kButtonLeft, 0.5, 0);
    Click(kButtonLeft, 1, 1);
    EXPECT_EQ(d().ObjType[a], "");
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjType[a], "Circle");
    EXPECT_EQ(d().ObjSize[a], 0.5);
    for (double x : {4.0, 6.0}) {
        MenuClick(app(), "PasteFromCB");
        Click(kButtonLeft, x, 0);
        EXPECT_EQ(d().ObjType[d().ObjNext - 1], "Circle");
        EXPECT_NEAR(d().ObjX[d().ObjNext - 1], x - 1, kTol);
    }
}

TEST_F(ClipboardTest, TextsFromElsewhereArePastedAsFarAsTheyRead) {
    struct Case {
        const char* text;
        int pasted;
    };
    const Case cases[] = {
        {"", 0},
        {"Hello, world", 0},
        {"12", 0},                                                // a count without records
        {"3|Circle|1|2|0.5|0|0|1|1|0,0", 1},                      // fewer records than the count
        {"2|Circle|1|2|0.5|0|0|1|1|Blob|1|1|1|9|0,0", 1},         // an unknown kind ends it
        {"1|Line|1|1|99999|0|0|1|1|0,0", 0},                      // more vertices than a line holds
        {"1|Dial|1|1|1e9|0|0|0,0", 0},                            // more values than a dial holds
        {"1|Circle|1|2|0.5|0|0|1", 0},                            // a record cut short
        {"1e12|Circle|1|2|0.5|0|0|1|1|0,0", 1},                   // a huge count
        {"2|Line|7|99999|2|0|0|a|b|1|1|1|1|Text|x|3|0.1|T|S|0|0|0|0|0|0|0|0,0", 2},
        {"1||0|0|0|0,0", 1},                                      // an empty slot, as a taken-back pick writes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int before = d().ObjNext;
        EXPECT_EQ(PasteText(app(), c.text, {1, 1}), c.pasted);
        EXPECT_EQ(d().ObjNext, before + c.pasted);
    }
    // Colours beyond 16 bits are held to them; letters read as 0.
    EXPECT_EQ(d().ObjColor[d().ObjNext - 3], 32767);
    EXPECT_EQ(d().VertX(d().ObjNext - 3, 1), 1);

    // A full table: what fits is pasted, then the drawing-full message.
    d().ObjNext = kMaxSlot;
    EXPECT_EQ(PasteText(app(), "3|Circle|1|2|0.5|0|0|1|1|Circle|1|2|0.5|0|0|1|1|Circle|1|2|0.5|0|0|1|1|0,0", {0, 0}), 1);
    EXPECT_EQ(d().ObjNext, kMaxSlot + 1);
    EXPECT_EQ(t.fake.boxes.back().text.substr(0, 20), "The drawing is full.");
}
