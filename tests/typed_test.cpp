// Typed answers and the starters of the view and settings commands: how an
// answer is read (the comma rule, the leading number), what a starter asks
// and when it may start, and what each command does with its answer.
#include <gtest/gtest.h>

#include "commands/typed.h"

#include <clocale>
#include <string>
#include <utility>

#include "commands/registers.h"
#include "fake_platform.h"
#include "model/undo.h"
#include "tables/answers.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "view/view.h"

namespace {

class TypedTest : public ::testing::Test {
protected:
    void SetUp() override { t.Start(dir.path()); }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    Registers& cmd() { return t.app->cmd; }
    // Commits an answer as the box does when it loses the focus.
    void Type(const std::string& text) {
        t.fake.inputText = text;
        Text2_LostFocus(app());
    }
    // True when the text was written at the prompt line's place.
    bool PromptWritten(const std::string& text) const {
        for (const TextRecord& r : t.fake.texts)
            if (r.x == 200 && r.y == 0 && r.text == text) return true;
        return false;
    }
    // The running command, its prompt on the prompt line and the box's width and default.
    void ExpectAsked(const std::string& command, const std::string& prompt, double width, const std::string& text) {
        EXPECT_EQ(cmd().CurCommand, command);
        EXPECT_EQ(cmd().PromptText, prompt) << command;
        EXPECT_TRUE(PromptWritten(prompt)) << command;
        EXPECT_TRUE(t.fake.inputVisible) << command;
        EXPECT_EQ(t.fake.inputWidth, width) << command;
        EXPECT_EQ(t.fake.inputText, text) << command;
    }
    void ExpectLimits(double llx, double lly, double urx, double ury) {
        EXPECT_DOUBLE_EQ(d().LimLLX, llx);
        EXPECT_DOUBLE_EQ(d().LimLLY, lly);
        EXPECT_DOUBLE_EQ(d().LimURX, urx);
        EXPECT_DOUBLE_EQ(d().LimURY, ury);
    }
    // A Circle in the next free slot.
    void AddCircle(double x, double y, double r) {
        int s = d().ObjNext++;
        d().ObjType[s] = "Circle";
        d().ObjX[s] = x, d().ObjY[s] = y, d().ObjSize[s] = r;
        d().ObjColor[s] = 1, d().ObjXScale[s] = 1, d().ObjYScale[s] = 1;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

// ---- reading an answer --------------------------------------------------------------

TEST(TypedParse, CommaRuleSplitsAtTheFirstCommaUnlessItEndsTheText) {
    TypedAnswer a = ParseAnswer("1,2,3");
    EXPECT_TRUE(a.pair);
    EXPECT_EQ(a.x, 1);
    EXPECT_EQ(a.y, 2);
    EXPECT_EQ(a.text, "1,2,3");
    a = ParseAnswer(",5");
    EXPECT_TRUE(a.pair);
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(a.y, 5);
    a = ParseAnswer(" 2.5 , -3");
    EXPECT_TRUE(a.pair);
    EXPECT_EQ(a.x, 2.5);
    EXPECT_EQ(a.y, -3);
    for (const char* single : {"12,", "7", "", "abc"}) {
        a = ParseAnswer(single);
        EXPECT_FALSE(a.pair) << single;
        EXPECT_EQ(a.text, single);
    }
}

TEST(TypedParse, EachHalfIsReadAsTheNumberItBeginsWith) {
    struct Case { const char* text; double x, y; };
    const Case cases[] = {
        {"1 2,3\t4", 12, 34},          // blanks and tabs anywhere are ignored
        {"- 1\n.5,+7", -1.5, 7},       // so are line feeds, also after the sign
        {"&H1F,&o17", 31, 15},         // hex and octal integers
        {"&O8,&Hg", 0, 0},             // no digit of the base
        {"1.5E2,2D-1", 150, 0.2},      // E and D exponents
        {"3 abc,x", 3, 0},             // trailing junk; no number reads 0
        {"-.5,1.2.3", -0.5, 1.2},      // one decimal point
        {"4e,5E+", 4, 5},              // an exponent without digits is junk
    };
    for (const Case& c : cases) {
        TypedAnswer a = ParseAnswer(c.text);
        EXPECT_TRUE(a.pair) << c.text;
        EXPECT_DOUBLE_EQ(a.x, c.x) << c.text;
        EXPECT_DOUBLE_EQ(a.y, c.y) << c.text;
    }
}

TEST_F(TypedTest, SingleValueSetsTypedValueAndAPairLeavesIt) {
    cmd().CurCommand = "Pan";  // a command that takes no answer
    // Each answer in turn, and TypedValue after it.
    const std::pair<const char*, double> steps[] = {
        {"1 2", 12}, {"3 abc", 3}, {"12,", 12}, {"&H10", 16}, {"5,6", 16}, {",5", 16}};
    for (const auto& [text, value] : steps) {
        Type(text);
        EXPECT_EQ(cmd().TypedValue, value) << text;
    }
}

TEST_F(TypedTest, NumbersIgnoreTheUsersLocale) {
    std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    RunStarter(app(), "Grid");
    Type("2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(d().GridSpacing, 2.5);
}

TEST_F(TypedTest, EmptyAnswerInAShownBoxIsNotTaken) {
    d().GridSpacing = 0.5;
    RunStarter(app(), "Grid");
    int focus = t.fake.inputFocus;
    Type("");
    EXPECT_EQ(t.fake.inputFocus, focus + 1);
    EXPECT_EQ(cmd().CurCommand, "Grid");
    EXPECT_EQ(cmd().PromptText, "Grid Spacing");
    EXPECT_TRUE(t.fake.inputVisible);
    EXPECT_EQ(d().GridSpacing, 0.5);
    // With the box hidden the same answer is read: no number, 0.
    cmd().CurCommand = "Pan";
    cmd().TypedValue = 7;
    t.fake.inputVisible = false;
    Type("");
    EXPECT_EQ(cmd().TypedValue, 0);
}

// ---- the starters ---------------------------------------------------------------------

TEST_F(TypedTest, ViewStartersAskTheirQuestionWithTheCurrentValues) {
    d().GridSpacing = 0.25;
    MenuClick(app(), "Grid");
    ExpectAsked("Grid", "Grid Spacing", 1000, " 0.25");

    CancelCommand(app(), 0);
    d().LimLLX = -2.5, d().LimLLY = -1;
    RunStarter(app(), "Limits");
    ExpectAsked("Limits", "Limits: Lower Left Corner (X,Y)", 1500, " -2.5,-1");
    EXPECT_EQ(cmd().CmdStep, "LL");

    CancelCommand(app(), 0);
    d().SnapX = 0.1, d().SnapY = 0;
    RunStarter(app(), "Snap");
    ExpectAsked("Snap", "Snap Step, Single number or X,Y", 2000, " 0.1");
    CancelCommand(app(), 0);
    d().SnapY = 0.2;
    RunStarter(app(), "Snap");
    EXPECT_EQ(t.fake.inputText, " 0.1,0.2");

    CancelCommand(app(), 0);
    t.fake.inputVisible = true;  // Pan has no box: a shown one goes
    MenuClick(app(), "Pan");
    EXPECT_EQ(cmd().CurCommand, "Pan");
    EXPECT_TRUE(PromptWritten("Pan.  Left click first point.  Right click second point.  You're moving the picture."));
    EXPECT_FALSE(t.fake.inputVisible);
}

TEST_F(TypedTest, SettingStartersShowTheValuesAsTheUserTypesThem) {
    // The factory pattern is stored as 0.2 / 0.06 and shown as dash 0.14, gap 0.12.
    MenuClick(app(), "Hidden");
    ExpectAsked("Hidden", "Hidden line: Dash,Gap", 2000, "0.14,0.12");
    CancelCommand(app(), 0);
    d().HiddenDash = 0.5, d().HiddenGap = 0.1;
    RunStarter(app(), "Hidden");
    EXPECT_EQ(t.fake.inputText, "0.4,0.2");

    d().PlotScale = 2.5;
    MenuClick(app(), "PlotSc");
    ExpectAsked("PlotSc", "Enter new Plot Scale Factor.", 1000, "2.5");

    d().TextHeight = 0.125;
    MenuClick(app(), "TextH");
    ExpectAsked("TextH", "Enter new Text Height.", 1000, "0.125");

    MenuClick(app(), "TracePix");
    ExpectAsked("TracePix", "File Name  ", 5000, "");
}

TEST_F(TypedTest, PlainStartersWaitForTheRunningCommandAndResetTheRegisters) {
    RunStarter(app(), "Pan");
    for (const char* c : {"Grid", "Limits", "Snap", "Pan"}) {
        t.fake.texts.clear();
        RunStarter(app(), c);
        EXPECT_EQ(cmd().CurCommand, "Pan") << c;
        EXPECT_TRUE(t.fake.texts.empty()) << c;
        EXPECT_FALSE(t.fake.inputVisible) << c;
    }
    // Started while idle, a plain starter clears what Undo would reverse.
    CancelCommand(app(), 0);
    cmd().UndoOp = "Delete";
    t.fake.menus[kMenuUndo].enabled = true;
    RunStarter(app(), "Grid");
    EXPECT_EQ(cmd().CurCommand, "Grid");
    EXPECT_EQ(cmd().UndoOp, "None");
    EXPECT_FALSE(t.fake.menus[kMenuUndo].enabled);
}

TEST_F(TypedTest, AlwaysStartersCancelOrKeepTheRunningCommand) {
    // Plot scale and text height cancel the running command first.
    for (const char* c : {"TextH", "PlotSc"}) {
        cmd().CurCommand = "Line";
        cmd().ClickCount = 2;
        cmd().UndoOp = "None";
        RunStarter(app(), c);
        EXPECT_EQ(cmd().CurCommand, c);
        EXPECT_EQ(cmd().UndoOp, "Line") << c;
        EXPECT_EQ(cmd().ClickCount, 0) << c;
    }
    cmd().CurCommand = "Pan";
    cmd().UndoOp = "Delete";
    RunStarter(app(), "TextH");
    EXPECT_EQ(cmd().UndoOp, "None");
    // The hidden pattern and the trace picture take over without a reset.
    for (const char* c : {"Hidden", "TracePix"}) {
        cmd().CurCommand = "Line";
        cmd().ClickCount = 2;
        cmd().UndoOp = "None";
        RunStarter(app(), c);
        EXPECT_EQ(cmd().CurCommand, c);
        EXPECT_EQ(cmd().UndoOp, "None") << c;
        EXPECT_EQ(cmd().ClickCount, 2) << c;
    }
}

TEST_F(TypedTest, CommandsOfLaterPartsDoNothingYet) {
    for (const char* c : {"Nonsense", "Print"}) {
        t.fake.texts.clear();
        RunStarter(app(), c);
        MenuClick(app(), c);
        EXPECT_EQ(cmd().CurCommand, "None") << c;
        EXPECT_EQ(cmd().PromptText, "") << c;
        EXPECT_TRUE(t.fake.texts.empty()) << c;
        EXPECT_FALSE(t.fake.inputVisible) << c;
    }
}

// ---- the answers ----------------------------------------------------------------------

TEST_F(TypedTest, GridAnswerSetsSpacingAndSwitchesTheGridOn) {
    d().GridOn = false;
    t.fake.menus[kMenuGrid].checked = false;
    RunStarter(app(), "Grid");
    Type("0.25");
    EXPECT_EQ(d().GridSpacing, 0.25);
    EXPECT_TRUE(d().GridOn);
    EXPECT_TRUE(t.fake.menus[kMenuGrid].checked);
    EXPECT_EQ(cmd().CurCommand, "None");
    EXPECT_FALSE(t.fake.inputVisible);
    // No range test: whatever is read is taken.
    RunStarter(app(), "Grid");
    Type("-3");
    EXPECT_EQ(d().GridSpacing, -3);
    RunStarter(app(), "Grid");
    Type("abc");
    EXPECT_EQ(d().GridSpacing, 0);
}

TEST_F(TypedTest, HiddenAnswerTakesOnlyADashGapPair) {
    RunStarter(app(), "Hidden");
    int focus = t.fake.inputFocus;
    Type("0.3");
    EXPECT_EQ(t.fake.inputText, "");
    EXPECT_EQ(t.fake.inputFocus, focus + 1);
    EXPECT_EQ(cmd().CurCommand, "Hidden");
    EXPECT_DOUBLE_EQ(d().HiddenDash, 0.2);
    EXPECT_DOUBLE_EQ(d().HiddenGap, 0.06);
    Type("0.3,0.1");
    EXPECT_DOUBLE_EQ(d().HiddenGap, 0.05);
    EXPECT_DOUBLE_EQ(d().HiddenDash, 0.35);
    EXPECT_EQ(cmd().CurCommand, "None");
    // Asked again, the user sees what was typed.
    RunStarter(app(), "Hidden");
    EXPECT_EQ(t.fake.inputText, "0.3,0.1");
}

TEST_F(TypedTest, SnapAnswerSetsStepsModeAndReadoutDecimals) {
    d().SnapMode = 0;
    RunStarter(app(), "Snap");
    Type("0.25");
    EXPECT_EQ(d().SnapX, 0.25);
    EXPECT_EQ(d().SnapY, 0.25);
    EXPECT_EQ(d().SnapMode, 3);
    EXPECT_EQ(app().view.ReadoutDecimalsX, 2);
    EXPECT_EQ(app().view.ReadoutDecimalsY, 2);
    EXPECT_EQ(cmd().CurCommand, "None");
    d().SnapMode = 1;
    RunStarter(app(), "Snap");
    Type("0.5,0.125");
    EXPECT_EQ(d().SnapX, 0.5);
    EXPECT_EQ(d().SnapY, 0.125);
    EXPECT_EQ(d().SnapMode, 3);
    EXPECT_EQ(app().view.ReadoutDecimalsX, 1);
    EXPECT_EQ(app().view.ReadoutDecimalsY, 3);
    EXPECT_NE(app().view.SnapWord.find("Both"), std::string::npos);
}

TEST_F(TypedTest, PlotScaleMustBePositiveAndTextHeightIsTakenAsTyped) {
    d().PlotScale = 1.5;
    RunStarter(app(), "PlotSc");
    for (const char* bad : {"0", "-2", "abc"}) {
        Type(bad);
        EXPECT_EQ(d().PlotScale, 1.5) << bad;
        EXPECT_EQ(cmd().CurCommand, "PlotSc") << bad;
        EXPECT_NE(cmd().PromptText.find("more than 0"), std::string::npos) << bad;
        EXPECT_TRUE(t.fake.inputVisible) << bad;
        EXPECT_EQ(t.fake.inputText, "") << bad;
    }
    Type("2");
    EXPECT_EQ(d().PlotScale, 2);
    EXPECT_EQ(cmd().CurCommand, "None");

    RunStarter(app(), "TextH");
    Type("0.25");
    EXPECT_EQ(d().TextHeight, 0.25);
    EXPECT_EQ(cmd().CurCommand, "None");
}

TEST_F(TypedTest, LimitsTakeTwoCornersAndRefitTheView) {
    d().LimURX = 4.5, d().LimURY = 3;
    d().DrawingChanged = false;
    double zoomBefore = d().Zoom;
    RunStarter(app(), "Limits");
    Type("-1,-2");
    ExpectLimits(-1, -2, 4.5, 3);
    ExpectAsked("Limits", "Limits: Upper Right Corner (X,Y)", 1500, " 4.5,3");
    EXPECT_EQ(cmd().CmdStep, "UR");
    EXPECT_FALSE(d().DrawingChanged);

    Type("19,6");
    ExpectLimits(-1, -2, 19, 6);
    EXPECT_EQ(cmd().CurCommand, "None");
    EXPECT_TRUE(d().DrawingChanged);
    EXPECT_TRUE(t.fake.boxes.empty());
    // The new limits (20 x 8) fill the drawing area's width and fit its height.
    EXPECT_NE(d().Zoom, zoomBefore);
    EXPECT_EQ(app().view.FitZoom, d().Zoom);
    EXPECT_LE(20 * d().Zoom, app().view.ViewWidth);
    EXPECT_GT(20 * d().Zoom, 0.8 * app().view.ViewWidth);
    EXPECT_LE(8 * d().Zoom, app().view.ViewHeight);
}

TEST_F(TypedTest, UpperRightCornerMustLieAboveAndRightOfTheLowerLeft) {
    d().LimURX = 5, d().LimURY = 3;
    RunStarter(app(), "Limits");
    Type("1,1");
    for (const char* bad : {"0,4", "4,1", "1,1", "-3,-3"}) {
        t.fake.boxes.clear();
        Type(bad);
        ASSERT_EQ(t.fake.boxes.size(), 1u) << bad;
        EXPECT_EQ(t.fake.boxes[0].text,
                  "The lower-left corner must be BELOW and\r\nto the LEFT of the upper-right corner.");
        ExpectLimits(1, 1, 5, 3);
        EXPECT_EQ(cmd().CmdStep, "UR") << bad;
        EXPECT_EQ(cmd().CurCommand, "Limits") << bad;
    }
    Type("1.5,1.5");
    EXPECT_EQ(d().LimURX, 1.5);
    EXPECT_EQ(cmd().CurCommand, "None");
}

TEST_F(TypedTest, AutomaticLimitsFitTheObjectsOrTakeTheDefaults) {
    d().LimLLX = 1, d().LimLLY = 2, d().LimURX = 3, d().LimURY = 4;
    RunStarter(app(), "Limits");
    int focus = t.fake.inputFocus;
    Type("b");  // neither a pair nor automatic
    EXPECT_EQ(t.fake.inputText, "");
    EXPECT_EQ(t.fake.inputFocus, focus + 1);
    EXPECT_EQ(cmd().CurCommand, "Limits");
    ExpectLimits(1, 2, 3, 4);

    Type("A");  // no objects: the default limits
    ExpectLimits(-5, -3.75, 5, 3.75);
    EXPECT_EQ(cmd().CurCommand, "None");
    EXPECT_TRUE(d().DrawingChanged);

    AddCircle(2, 1, 0.5);
    AddCircle(-1, 0, 1);
    RunStarter(app(), "Limits");
    Type("1,1");
    Type("auto");  // also at the second corner
    ExpectLimits(-2, -1, 2.5, 1.5);
    EXPECT_EQ(app().view.FitZoom, d().Zoom);
    EXPECT_EQ(cmd().CurCommand, "None");

    // Only a level Line from (0,1) to (4,1): Y has no extent and keeps the defaults.
    ClearObjects(d());
    int s = d().ObjNext++;
    d().ObjType[s] = "Line";
    d().ObjSize[s] = 2, d().ObjColor[s] = 1;
    d().VertX(s, 1) = 0, d().VertY(s, 1) = 1;
    d().VertX(s, 2) = 4, d().VertY(s, 2) = 1;
    RunStarter(app(), "Limits");
    Type("a");
    ExpectLimits(0, -3.75, 4, 3.75);
}

TEST_F(TypedTest, TracePictureLoadsFromTheDrawingFolderOrSaysWhyNot) {
    const std::string path = d().DwgPath + "board.png";
    t.fake.pictures[path] = {2, 3, std::vector<uint32_t>(6, 0x123456)};
    RunStarter(app(), "TracePix");
    Type("board.png");
    EXPECT_TRUE(t.fake.boxes.empty());
    EXPECT_EQ(app().screen.pictureWidth, 2);
    EXPECT_EQ(app().screen.pictureHeight, 3);
    EXPECT_EQ(cmd().CurCommand, "None");

    RunStarter(app(), "TracePix");
    Type("missing.png");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_NE(t.fake.boxes[0].text.find(d().DwgPath + "missing.png"), std::string::npos);
    EXPECT_EQ(cmd().CurCommand, "None");
    EXPECT_EQ(app().screen.pictureWidth, 2);  // the loaded picture stays

    // A whole path is taken as it is.
    t.fake.pictures["/pictures/chassis.png"] = {4, 1, std::vector<uint32_t>(4, 0x654321)};
    RunStarter(app(), "TracePix");
    Type("/pictures/chassis.png");
    EXPECT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(app().screen.pictureWidth, 4);
}

TEST_F(TypedTest, ShapeNameReplacesTheNameAndKeepsTheOldOneForUndo) {
    int s = d().ObjNext++;
    d().ObjType[s] = "Shape";
    d().ObjText[s] = "Old";
    d().ObjSize[s] = 1, d().ObjColor[s] = 1, d().ObjXScale[s] = 1, d().ObjYScale[s] = 1;
    cmd().CurCommand = "ShapeName";
    app().shapes.RenameShapeSlot = static_cast<int16_t>(s);
    t.fake.inputVisible = true;
    // The redraw that ends the command meets the new, missing name.
    t.fake.Answer(MsgAnswer::Cancel);
    Type(" New 2,x");
    EXPECT_EQ(d().ObjText[s], " New 2,x");
    EXPECT_EQ(ReadAll(dir.file(kTextUndoFileName)), "1\r\n" + std::to_string(s) + "\r\nOld\r\n");
    EXPECT_EQ(cmd().CurCommand, "None");
    ASSERT_FALSE(t.fake.boxes.empty());
    EXPECT_NE(t.fake.boxes.back().text.find(" New 2,x"), std::string::npos);
}

TEST_F(TypedTest, CommandsWithoutAnAnswerIgnoreWhatIsTyped) {
    RunStarter(app(), "Pan");
    const std::string prompt = cmd().PromptText;
    const double grid = d().GridSpacing, snap = d().SnapX, llx = d().LimLLX, plot = d().PlotScale;
    t.fake.inputVisible = true;
    for (const char* answer : {"0.25", "1,2", "A"}) {
        Type(answer);
        EXPECT_EQ(cmd().CurCommand, "Pan") << answer;
        EXPECT_EQ(cmd().PromptText, prompt) << answer;
    }
    EXPECT_EQ(d().GridSpacing, grid);
    EXPECT_EQ(d().SnapX, snap);
    EXPECT_EQ(d().LimLLX, llx);
    EXPECT_EQ(d().PlotScale, plot);
    EXPECT_FALSE(d().DrawingChanged);
    EXPECT_TRUE(t.fake.boxes.empty());
}
