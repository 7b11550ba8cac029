// Undo of the drawing commands: the newest object goes, a Text's old string
// comes back from the undo file, a cancelled command takes nothing away, and
// a second Undo does nothing.
#include <gtest/gtest.h>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "fake_platform.h"
#include "model/dwgfile.h"
#include "model/undo.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "tables/undo.h"
#include "view/view.h"

namespace {

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    void Click(int b, double x, double y) {
        Form_MouseDown(app(), b, 0, static_cast<float>(ToScreenX(app(), x)), static_cast<float>(ToScreenY(app(), y)));
    }
    void Type(const std::string& s) {
        t.fake.inputText = s;
        Text2_LostFocus(app());
    }
    void Line(double x) {
        RunStarter(app(), "Line");
        Click(kButtonLeft, x, 0);
        Click(kButtonRight, x + 1, 1);
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(UndoTest, TheLastDrawnObjectGoesOnce) {
    Line(0);
    Line(1);
    ASSERT_EQ(d().ObjNext, 3);
    EXPECT_TRUE(t.fake.menus[kMenuUndo].enabled);
    MenuClick(app(), "Undo");
    EXPECT_EQ(d().ObjNext, 2);
    EXPECT_EQ(d().ObjType[1], "Line");
    EXPECT_EQ(d().ObjType[2], "");
    EXPECT_FALSE(t.fake.menus[kMenuUndo].enabled);
    EXPECT_EQ(app().cmd.UndoOp, "None");
    MenuClick(app(), "Undo");  // a second Undo does nothing
    EXPECT_EQ(d().ObjNext, 2);
}

TEST_F(UndoTest, ACancelledCommandTakesNothingAway) {
    Line(0);
    RunStarter(app(), "Circle");
    Click(kButtonLeft, 2, 2);
    Text1_KeyDown(app(), 27, 0);
    // Undo refers to the cancelled Circle: it is offered, and keeps the Line.
    EXPECT_EQ(app().cmd.UndoOp, "Circle");
    EXPECT_TRUE(t.fake.menus[kMenuUndo].enabled);
    Undo_Click(app());
    EXPECT_EQ(d().ObjNext, 2);
    EXPECT_EQ(d().ObjType[1], "Line");
}

TEST_F(UndoTest, ATextComesBackFromTheUndoFileOrGoes) {
    RunStarter(app(), "Text");
    Click(kButtonLeft, 0, 0);
    Type("M");
    Type("0");
    Type("R1 100k");
    ASSERT_EQ(d().ObjType[1], "Text");
    // A changed text left its old string in the undo file.
    ASSERT_TRUE(WriteTextUndoFile(app().set.DataFolder, 1, 1, "R1 47k"));
    d().ObjText[1] = "R1 220k";
    Undo_Click(app());
    EXPECT_EQ(d().ObjText[1], "R1 47k");
    EXPECT_EQ(d().ObjNext, 2);
    EXPECT_FALSE(FileExists(app().set.DataFolder + kTextUndoFileName));
    // Without the file, the Undo of a new Text takes the Text away.
    RunStarter(app(), "Text");
    Click(kButtonLeft, 1, 1);
    Type("M");
    Type("0");
    Type("V1");
    ASSERT_EQ(d().ObjNext, 3);
    Undo_Click(app());
    EXPECT_EQ(d().ObjNext, 2);
}
