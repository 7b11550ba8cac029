// Change and What is it: the line toggle, a text retyped through the Text
// command's edit step and undone, a dial handed to the designer, the
// one-object rule; the What report of a line, a locked object and a text,
// shown in the help list until it is closed.
#include <gtest/gtest.h>

#include <vector>

#include "commands/browser.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "editing/change.h"
#include "fake_platform.h"
#include "help/help.h"
#include "model/undo.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "view/view.h"

namespace {

class ChangeTest : public ::testing::Test {
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
    int Line(std::vector<Point2> v, int color = 1) {
        int s = d().ObjNext++;
        d().ObjType[s] = "Line";
        d().ObjNum[s] = static_cast<int16_t>(s);
        d().ObjColor[s] = static_cast<int16_t>(color);
        d().ObjSize[s] = static_cast<double>(v.size());
        d().ObjXScale[s] = d().ObjYScale[s] = 1;
        for (size_t k = 0; k < v.size(); ++k) d().VertX(s, k + 1) = v[k].x, d().VertY(s, k + 1) = v[k].y;
        return s;
    }
    int Text(double x, double y, const std::string& text) {
        int s = d().ObjNext++;
        d().ObjType[s] = "Text";
        d().ObjNum[s] = static_cast<int16_t>(s);
        d().ObjColor[s] = 2;
        d().ObjSize[s] = 0.2;
        d().ObjX[s] = x, d().ObjY[s] = y;
        d().ObjText[s] = text;
        d().ObjJust[s] = "C";
        d().ObjBoxX1[s] = x, d().ObjBoxY1[s] = y, d().ObjBoxX2[s] = x + 1, d().ObjBoxY2[s] = y + 0.2;
        return s;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(ChangeTest, ChangeTogglesALineAndRetypesAText) {
    const int line = Line({{-2, 1}, {2, 1}});
    MenuClick(app(), "Change");
    EXPECT_EQ(app().cmd.PromptText, "Select Dial/Meter, Line, Shape, or Text to be edited.");
    Click(0, 1);
    EXPECT_EQ(app().cmd.PromptText, "Edit: Precede? (Y or N)");
    Type("y");
    EXPECT_EQ(d().ObjLineType[line], 1);
    MenuClick(app(), "Change");
    Click(0, 1);
    Type("Y");
    EXPECT_EQ(d().ObjLineType[line], 0);

    // A text: its string is the default answer of "Text:"; the old one goes
    // to the undo file, and Undo brings it back.
    const int text = Text(1, -2, "R1 100k");
    MenuClick(app(), "Change");
    Click(1.5, -1.9);
    Type("Y");
    EXPECT_EQ(app().cmd.CurCommand, "Text");
    EXPECT_EQ(app().cmd.PromptText, "Text:");
    EXPECT_EQ(t.fake.inputText, "R1 100k");
    EXPECT_EQ(t.fake.inputWidth, 10000);
    Type("R1 220k");
    EXPECT_EQ(d().ObjText[text], "R1 220k");
    EXPECT_EQ(d().ObjNext, text + 1);
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kTextUndoFileName))), (std::vector<std::string>{"1", std::to_string(text), "R1 100k"}));
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjText[text], "R1 100k");
    EXPECT_EQ(d().ObjNext, text + 1);

    // Two objects picked: one at a time only. N changes nothing.
    MenuClick(app(), "Change");
    Click(0, 1);
    Click(1.5, -1.9, kShiftKey);
    Type("Y");
    EXPECT_EQ(t.fake.boxes.back().text, "This command works on only one object at a time.");
    EXPECT_EQ(app().cmd.CurCommand, "None");
    MenuClick(app(), "Change");
    Click(0, 1);
    Type("n");
    EXPECT_EQ(d().ObjLineType[line], 0);
    EXPECT_EQ(app().cmd.CurCommand, "None");
}

TEST_F(ChangeTest, ChangeHandsADialToTheDesignerAndRefusesOtherKinds) {
    int dial = d().ObjNext++;
    d().ObjType[dial] = "Dial";
    d().ObjSize[dial] = 15;
    d().VertX(dial, 3) = 1.5;
    d().VertX(dial, 13) = 0.1;
    app().cmd.CurCommand = "Change";
    app().sel.SelList[0] = static_cast<int16_t>(dial);
    app().sel.SelCount = app().sel.SelTally = 1;
    Type("Y");
    EXPECT_TRUE(app().dial.Visible);
    EXPECT_EQ(app().dial.EditSlot, dial);
    EXPECT_EQ(app().dial.DialData[0], "1.5");
    CancelCommand(app(), 0);
    // An emptied slot cannot be edited.
    d().ObjType[dial].clear();
    app().cmd.CurCommand = "Change";
    app().sel.SelList[0] = static_cast<int16_t>(dial);
    app().sel.SelCount = app().sel.SelTally = 1;
    Type("Y");
    EXPECT_EQ(t.fake.boxes.back().text,
              "The selected object cannot be edited.\r\nSelect a Dial, Line, Shape, or Text, object.");
    EXPECT_EQ(app().cmd.CurCommand, "None");
}

TEST_F(ChangeTest, WhatReportsALineInTheHelpListUntilItIsClosed) {
    const int line = Line({{0, 0}, {3, 4}, {3, 0}});
    MenuClick(app(), "What");
    EXPECT_EQ(app().cmd.PromptText, "What is it:  Select one object.");
    Click(1.5, 2);
    EXPECT_EQ(app().cmd.PromptText, "Precede? (Y or N)");
    Type("y");
    const std::vector<std::string> expected = {
        " ",
        " ",
        "         Object Name = Line",
        "       Object Number = " + std::to_string(line),
        "        Object Color = White",
        "           Line Type = Solid",
        "  Number of Vertices = 3",
        "          Vertex 001 =  0.0000, 0.0000",
        "          Vertex 002 =  3.0000, 4.0000",
        "          Vector 001 =  5.0000 /_53.130",
        "          Vertex 003 =  3.0000, 0.0000",
        "          Vector 002 =  4.0000 /_270.000",
        "   Total Line Length =  9.0000",
        "        Flip/Scale X = 1",
        "        Flip/Scale Y = 1",
    };
    EXPECT_EQ(app().browser.Help1.rows, expected);
    EXPECT_TRUE(app().browser.Help1.visible);
    EXPECT_EQ(app().browser.Help1.fontPoints, 12);
    EXPECT_TRUE(t.fake.controls[kHelpCloseName].visible);
    EXPECT_EQ(app().cmd.PromptText, std::string(19, ' '));
    EXPECT_EQ(app().cmd.CurCommand, "What");
    // Escape closes the report with the command.
    Text1_KeyDown(app(), 27, 0);
    EXPECT_FALSE(app().browser.Help1.visible);
    EXPECT_FALSE(t.fake.controls[kHelpCloseName].visible);

    // A locked red line shows its colour; a text has no Flip/Scale lines; a
    // light board makes colour 1 "Blakc".
    d().ObjColor[line] = -2;
    EXPECT_EQ(WhatReport(app(), line)[4], "        Object Color = Red");
    const int text = Text(1, 1, "OUT");
    d().ObjColor[text] = 1;
    app().set.BoardColor = 0xFFFFFF;
    const auto r = WhatReport(app(), text);
    EXPECT_EQ(r[4], "        Object Color = Blakc");
    EXPECT_EQ(r.back(), "                Text = OUT");
    EXPECT_EQ(r[r.size() - 2], "      Location point = Center");
    EXPECT_EQ(r[5], "     Insertion point =  1.0000, 1.0000");
}
