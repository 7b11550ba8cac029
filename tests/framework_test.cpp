// The command framework: the prompt line and input box, the command reset
// and what it leaves for Undo, the direction of a vector, the decimals of the
// readouts, the key catcher's table and the input box's keys, and the menu
// rows that arm commands.
#include <gtest/gtest.h>

#include <cmath>

#include "commands/registers.h"
#include "fake_platform.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "view/redraw.h"
#include "view/shapes.h"
#include "view/view.h"

namespace {

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override { t.Start(dir.path()); }
    App& app() { return *t.app; }
    Registers& c() { return t.app->cmd; }
    std::vector<TextRecord> TextsAt(double x, double y) const {
        std::vector<TextRecord> out;
        for (const TextRecord& r : t.fake.texts)
            if (r.x == x && r.y == y) out.push_back(r);
        return out;
    }
    // Marks a pixel so a redraw shows itself by clearing it.
    void Smudge() { app().screen.px[5 * app().screen.width + 5] = 0x123456u; }
    bool Smudged() const { return t.app->screen.px[5 * t.app->screen.width + 5] == 0x123456u; }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(FrameworkTest, InputPromptWritesThePromptAndPlacesTheBox) {
    t.fake.texts.clear();
    InputPrompt(app(), 1500, " 1,2", "Limits: Lower Left Corner (X,Y)");
    auto top = TextsAt(200, 0);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].text, std::string(72, ' '));
    EXPECT_EQ(top[1].text, "Limits: Lower Left Corner (X,Y)");
    // The second line's eraser is at least 9000 twips wide (blanks are 50 here).
    auto second = TextsAt(0, 275);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_GE(t.fake.TextWidth(second[0].text), 9000);
    EXPECT_LT(t.fake.TextWidth(second[0].text), 9050);
    // The box stands 400 twips right of the prompt, "TAB to Enter" under it.
    const double w = t.fake.TextWidth("Limits: Lower Left Corner (X,Y)");
    EXPECT_TRUE(t.fake.inputVisible);
    EXPECT_EQ(t.fake.inputLeft, w + 400);
    EXPECT_EQ(t.fake.inputTop, 0);
    EXPECT_EQ(t.fake.inputWidth, 1500);
    EXPECT_EQ(t.fake.inputHeight, 240);
    EXPECT_EQ(t.fake.inputText, " 1,2");
    ASSERT_EQ(TextsAt(w + 400, 275).size(), 1u);
    EXPECT_EQ(TextsAt(w + 400, 275)[0].text, "TAB to Enter");

    // No box: the prompt only.
    t.fake.texts.clear();
    InputPrompt(app(), 0, "", "Pan.");
    EXPECT_FALSE(t.fake.inputVisible);
    for (const TextRecord& r : t.fake.texts) EXPECT_NE(r.text, "TAB to Enter");
}

TEST_F(FrameworkTest, CancelCommandRecordsUndoAndClearsTheRegisters) {
    c().CurCommand = "Circle";
    c().CmdStep = "RTh";
    c().ClickCount = 2;
    c().ClickCount2 = 1;
    c().RubberBandOn = c().WindowDragOn = c().Arc3CentreMode = c().CircleBandOff = true;
    c().WindowSelect = "SelectW";
    app().sel.SelCount = 3;
    app().sel.SelActive = true;
    InputPrompt(app(), 1000, "", "Circle:");
    Smudge();
    CancelCommand(app(), 1);
    EXPECT_EQ(c().UndoOp, "Circle");
    EXPECT_EQ(c().UndoCount, 3);
    EXPECT_TRUE(t.fake.menus[kMenuUndo].enabled);
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_EQ(c().WindowSelect, "None");
    EXPECT_EQ(c().CmdStep, "");
    EXPECT_EQ(c().ClickCount, 0);
    EXPECT_EQ(c().ClickCount2, 0);
    EXPECT_FALSE(c().RubberBandOn || c().WindowDragOn || c().Arc3CentreMode || c().CircleBandOff);
    EXPECT_EQ(app().sel.SelCount, 0);
    EXPECT_FALSE(app().sel.SelActive);
    EXPECT_FALSE(t.fake.inputVisible);
    EXPECT_FALSE(Smudged());  // redraw 1 redraws

    // A command that changes nothing leaves nothing to undo; redraw 0 draws nothing.
    c().CurCommand = "Pan";
    Smudge();
    CancelCommand(app(), 0);
    EXPECT_EQ(c().UndoOp, "None");
    EXPECT_EQ(c().UndoCount, 0);
    EXPECT_FALSE(t.fake.menus[kMenuUndo].enabled);
    EXPECT_TRUE(Smudged());
}

TEST_F(FrameworkTest, VectorAngleCoversEveryQuadrantAndTheAxes) {
    const double pi = app().dwg.PI;
    EXPECT_EQ(VectorAngle(app(), 0, 0), 0);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), 0, 2), pi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), 0, -2), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), 1, 1), pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), -1, 1), 3 * pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), -1, -1), 5 * pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), 1, -1), 7 * pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(app(), -3, 0), pi);
    EXPECT_EQ(VectorAngle(app(), 3, 0), 0);
}

TEST(FormatDecimals, PadsAndCutsToTheCount) {
    EXPECT_EQ(FormatDecimals("2", 3), "2.000");
    EXPECT_EQ(FormatDecimals("1.5", 3), "1.500");
    EXPECT_EQ(FormatDecimals("12", 0), "12.");
    EXPECT_EQ(FormatDecimals("-0.25", 1), "-0.2");  // cut, not rounded
    EXPECT_EQ(FormatDecimals("3.14159", 2), "3.14");
    EXPECT_EQ(FormatDecimals("abc", 2), "0.00");
}

TEST_F(FrameworkTest, ArcPrefixWaitsForItsSecondKey) {
    Text1_KeyDown(app(), 'A', 0);
    EXPECT_EQ(c().ArcKeyPending, 65);
    EXPECT_EQ(c().PromptText, "Type 1, 2, 3, P, or R");
    // C starts the Circle and leaves the waiting A alone: after Escape, a
    // digit alone starts an Arc.
    Text1_KeyDown(app(), 'C', 0);
    EXPECT_EQ(c().CurCommand, "Circle");
    EXPECT_EQ(c().ArcKeyPending, 65);
    Text1_KeyDown(app(), 27, 0);
    Text1_KeyDown(app(), 98, 0);  // keypad 2
    EXPECT_EQ(c().ArcKeyPending, 0);
    EXPECT_EQ(c().CurCommand, "Arc2");
    EXPECT_EQ(c().PromptText, "Arc:  Left click START point.");
    Text1_KeyDown(app(), 27, 0);

    // R alone redraws; after A it is the rectangular array instead.
    Smudge();
    Text1_KeyDown(app(), 'R', 0);
    EXPECT_FALSE(Smudged());
    Text1_KeyDown(app(), 'A', 0);
    Text1_KeyDown(app(), 'R', 0);
    EXPECT_EQ(c().CurCommand, "ArrayRec");
    EXPECT_EQ(c().PromptText, "Array, Rectangular: Select an object.");
    EXPECT_EQ(c().ArcKeyPending, 0);
    Text1_KeyDown(app(), 27, 0);
    // 1 without A does nothing but clear; L, T and D start their commands.
    Text1_KeyDown(app(), '1', 0);
    EXPECT_EQ(c().CurCommand, "None");
    for (auto [key, name] : {std::pair{'L', "Line"}, {'T', "Text"}, {'D', "Dimension"}}) {
        Text1_KeyDown(app(), key, 0);
        EXPECT_EQ(c().CurCommand, name);
        Text1_KeyDown(app(), 27, 0);
    }
}

TEST_F(FrameworkTest, KeyCatcherKeysActOnlyWhileIdle) {
    Text1_KeyDown(app(), 'B', 1);
    EXPECT_EQ(app().dwg.CurColor, 5);
    Text1_KeyDown(app(), 'H', 1);
    EXPECT_EQ(app().dwg.CurLineType, 1);
    Text1_KeyDown(app(), 'S', 1);
    EXPECT_EQ(app().dwg.CurLineType, 0);
    // Plain S opens the shape list (the command stays "None").
    WriteAll(dir.file(kShapeListFileName), "A-Triode\r\n");
    Text1_KeyDown(app(), 'S', 0);
    EXPECT_TRUE(app().browser.ShapeList.visible);
    EXPECT_EQ(c().PromptText, "Shape:  Click a shape name from the list.");
    Text1_KeyDown(app(), 27, 0);

    // While a command runs the keys do nothing; Escape ends it and redraws.
    MenuClick(app(), "Pan");
    Text1_KeyDown(app(), 'R', 1);
    EXPECT_EQ(app().dwg.CurColor, 5);
    Text1_KeyDown(app(), 13, 0);
    EXPECT_EQ(c().CurCommand, "Pan");
    EXPECT_GE(t.fake.keyCatcherFocus, 1);
    Smudge();
    Text1_KeyDown(app(), 27, 0);
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_FALSE(Smudged());
}

TEST_F(FrameworkTest, InputBoxKeysCommitOrCancelExceptInTheBrowser) {
    MenuClick(app(), "Grid");
    ASSERT_EQ(c().CurCommand, "Grid");
    int focus = t.fake.keyCatcherFocus;
    Text2_KeyPress(app(), 13);
    EXPECT_EQ(t.fake.keyCatcherFocus, focus + 1);  // the focus leaves the box: the answer commits
    Text2_KeyPress(app(), 27);
    EXPECT_EQ(c().CurCommand, "None");

    c().CurCommand = "ShapeLib";
    Text2_KeyPress(app(), 27);
    Text2_KeyPress(app(), 13);
    EXPECT_EQ(c().CurCommand, "ShapeLib");
    EXPECT_EQ(t.fake.keyCatcherFocus, focus + 1);
}

TEST_F(FrameworkTest, MenuRowsArmTheirCommandsOnlyWhenReady) {
    for (const MenuRow& r : MenuTable()) {
        if (!(r.flags & kMenuStarter)) continue;
        EXPECT_EQ(MenuRowEnabledAtStart(r), StarterReady(r.id)) << r.id;
        ASSERT_NE(FindStarter(r.id), nullptr) << r.id;
    }
    // The rows this part of the program works; Undo waits for something to undo.
    for (const char* id : {"Grid", "Limits", "Pan", "Snap", "Hidden", "PlotSc", "TextH", "TracePix"})
        EXPECT_TRUE(StarterReady(id)) << id;
    EXPECT_TRUE(MenuRowEnabledAtStart(*FindMenuRow("Shape")));
    EXPECT_TRUE(MenuRowEnabledAtStart(*FindMenuRow("ShapeLib")));
    EXPECT_FALSE(MenuRowEnabledAtStart(*FindMenuRow("Undo")));
    for (const char* id : {"Print", "PrinterSetup", "Plot", "PrintKeys"})
        EXPECT_TRUE(MenuRowEnabledAtStart(*FindMenuRow(id))) << id;

    // A starter that finds a command running does nothing; TextH cancels it.
    MenuClick(app(), "Pan");
    MenuClick(app(), "Grid");
    EXPECT_EQ(c().CurCommand, "Pan");
    MenuClick(app(), "TextH");
    EXPECT_EQ(c().CurCommand, "TextH");
    EXPECT_EQ(c().UndoOp, "None");
    // Hidden takes over without a reset.
    c().ClickCount = 1;
    MenuClick(app(), "Hidden");
    EXPECT_EQ(c().CurCommand, "Hidden");
    EXPECT_EQ(c().ClickCount, 1);
}
