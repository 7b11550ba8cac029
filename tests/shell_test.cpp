// Start-up, the caption, colour and line-type settings, the line-type
// fallback, the keys of the key catcher, the command reset and the end of
// the run, all through the fake platform.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/registers.h"
#include "commands/shell.h"
#include "commands/viewmenu.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "model/recent.h"
#include "tables/keys.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

const char* kFirstCaption =
    "Zarnic  No File.  <Font: F->  <Shapes: Sc>  Draw Color = White     Line Type = Solid ";

struct ShellStarted : ::testing::Test {
    TempDir dir;
    TestApp t;
    App& app() { return *t.app; }
    void SetUp() override { t.Start(dir.path()); }
};

}  // namespace

TEST(ShellStartup, FirstRunInEmptyFolder) {
    TempDir dir;
    WriteAll(dir.file(kUndoFileName), "1\r\n2\r\nold\r\n");
    TestApp t;
    t.Start(dir.path());
    EXPECT_EQ(t.fake.Caption(), kFirstCaption);
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kDefaultsFileName))).size(), 23u);
    std::string recent = ReadAll(dir.file(kRecentFileName));
    EXPECT_EQ(recent, JoinCrLf(std::vector<std::string>(20, "")));
    EXPECT_FALSE(std::filesystem::exists(dir.file(kUndoFileName)));
    const App& a = *t.app;
    EXPECT_EQ(a.set.DataFolder, dir.path());
    EXPECT_EQ(a.dwg.ObjNext, 1);
    EXPECT_FALSE(a.dwg.DrawingChanged);
    EXPECT_EQ(a.dwg.DwgName, "");
    EXPECT_EQ(a.dwg.CurColor, 1);
    EXPECT_EQ(a.cmd.CurCommand, "None");
    EXPECT_EQ(a.cmd.UndoOp, "None");
    EXPECT_EQ(a.dwg.SnapY, a.dwg.SnapX);  // a zero SnapY takes SnapX at start-up
    EXPECT_TRUE(t.fake.menus["Line_Type_Reverts"].checked);
    EXPECT_TRUE(t.fake.menus["White"].checked);
    EXPECT_EQ(t.fake.menus["SnapOnOff"].caption, "Snap Mode (Both)");
    EXPECT_TRUE(t.fake.boxes.empty());
    // The limits of the factory defaults fill the 12000 x 8000 twip area.
    EXPECT_DOUBLE_EQ(a.dwg.Zoom, 0.94 * 12000 / 10);
    EXPECT_DOUBLE_EQ(a.view.FitZoom, a.dwg.Zoom);
    EXPECT_EQ(a.dwg.PanX, 5915);
    EXPECT_EQ(a.dwg.PanY, 7328 - 4000 + 100);
}

TEST(ShellStartup, FolderWithoutSeparatorGetsOne) {
    TempDir dir;
    TestApp t;
    std::string folder = dir.path();
    folder.pop_back();
    t.Start(folder);
    EXPECT_EQ(t.app->set.DataFolder, dir.path());
}

TEST_F(ShellStarted, CaptionForms) {
    CaptionStartup(app());
    SetStatusAndCaption(app());
    EXPECT_EQ(t.fake.Caption(),
              "Zarnic No File.  <Font: F->  <Shapes: Sc>  Draw Color = White     Line Type = Solid ");
    app().dwg.DwgPath = "/home/ann/Documents/Boards/";
    app().dwg.DwgName = "Amp.dwg";
    app().dwg.ShapePrefix = "B-";
    CaptionFile(app());
    SetStatusAndCaption(app());
    EXPECT_EQ(t.fake.Caption(),
              "Zarnic File: /ho.../Documents/Boards/Amp.dwg  <Font: F->  <Shape: B->  Draw Color = White     "
              "Line Type = Solid ");
}

TEST_F(ShellStarted, ColourItemsSetColourRgbAndMarks) {
    ColorItem_Click(app(), 2);
    EXPECT_EQ(app().dwg.CurColor, 2);
    EXPECT_EQ(app().set.DrawRGB, 255u);
    EXPECT_TRUE(t.fake.menus["Red"].checked);
    EXPECT_FALSE(t.fake.menus["White"].checked);
    EXPECT_EQ(t.fake.Caption(),
              "Zarnic  No File.  <Font: F->  <Shapes: Sc>  Draw Color = Red       Line Type = Solid ");
    ColorItem_Click(app(), 7);
    EXPECT_EQ(app().set.DrawRGB, 16776960u);
    EXPECT_FALSE(t.fake.menus["Red"].checked);
    EXPECT_TRUE(t.fake.menus["Cyan"].checked);
    // White is the inverse of the board: black on a white board.
    app().set.BoardColor = 0xFFFFFF;
    ColorItem_Click(app(), 1);
    EXPECT_EQ(app().set.DrawRGB, 0u);
    app().set.BoardColor = 0;
    ColorItem_Click(app(), 1);
    EXPECT_EQ(app().set.DrawRGB, 0xFFFFFFu);
}

TEST_F(ShellStarted, ShiftKeysWorkOnlyWhileIdle) {
    Text1_KeyDown(app(), 'Y', 1);
    EXPECT_EQ(app().dwg.CurColor, 4);
    Text1_KeyDown(app(), 'H', 1);
    EXPECT_EQ(app().dwg.CurLineType, 1);
    EXPECT_NE(t.fake.Caption().find("Line Type = Hidden"), std::string::npos);
    Text1_KeyDown(app(), 'S', 1);
    EXPECT_EQ(app().dwg.CurLineType, 0);
    Text1_KeyDown(app(), 'R', 0);  // no Shift: not the colour key
    EXPECT_EQ(app().dwg.CurColor, 4);
    app().cmd.CurCommand = "Line";
    Text1_KeyDown(app(), 'B', 1);
    EXPECT_EQ(app().dwg.CurColor, 4);
    // Escape ends the command and then the keys work again.
    Text1_KeyDown(app(), 27, 0);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    Text1_KeyDown(app(), 'B', 1);
    EXPECT_EQ(app().dwg.CurColor, 5);
}

TEST_F(ShellStarted, LineTypeFallsBackOnlyWhenSet) {
    LineTypeItem_Click(app(), 1);
    EXPECT_TRUE(t.fake.menus["Dashed"].checked);
    EXPECT_FALSE(t.fake.menus["Continuous"].checked);
    RevertLineType(app());
    EXPECT_EQ(app().dwg.CurLineType, 0);
    EXPECT_TRUE(t.fake.menus["Continuous"].checked);
    EXPECT_FALSE(t.fake.menus["Dashed"].checked);
    EXPECT_EQ(t.fake.Caption(), kFirstCaption);

    LineTypeReverts_Click(app());  // now off
    EXPECT_FALSE(app().set.LineTypeReverts);
    LineTypeItem_Click(app(), 1);
    RevertLineType(app());
    EXPECT_EQ(app().dwg.CurLineType, 1);
    EXPECT_FALSE(t.fake.menus["Line_Type_Reverts"].checked);
    EXPECT_NE(t.fake.Caption().find("Line Type = Hidden"), std::string::npos);
}

TEST_F(ShellStarted, CommandResetRecordsUndo) {
    app().cmd.CurCommand = "Circle";
    app().sel.SelCount = 3;
    app().cmd.ClickCount = 2;
    app().cmd.RubberBandOn = true;
    app().files.SaveAsPending = true;
    CancelCommand(app(), 0);
    EXPECT_EQ(app().cmd.UndoOp, "Circle");
    EXPECT_EQ(app().cmd.UndoCount, 3);
    EXPECT_TRUE(t.fake.menus["Undo"].enabled);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(app().cmd.ClickCount, 0);
    EXPECT_FALSE(app().cmd.RubberBandOn);
    EXPECT_FALSE(app().files.SaveAsPending);
    EXPECT_EQ(app().sel.SelCount, 0);
    app().cmd.CurCommand = "Pan";
    int shown = t.fake.surfaceShown;
    CancelCommand(app(), 1);
    EXPECT_EQ(app().cmd.UndoOp, "None");
    EXPECT_FALSE(t.fake.menus["Undo"].enabled);
    EXPECT_GT(t.fake.surfaceShown, shown);  // redraw 1 repaints
}

TEST_F(ShellStarted, InputPromptPlacesTheBox) {
    t.fake.texts.clear();
    InputPrompt(app(), 1600, "1,2", "Line: go");  // 7 letters, 1 blank: 750 twips
    EXPECT_TRUE(t.fake.inputVisible);
    EXPECT_EQ(t.fake.inputLeft, 750 + 400);
    EXPECT_EQ(t.fake.inputTop, 0);
    EXPECT_EQ(t.fake.inputWidth, 1600);
    EXPECT_EQ(t.fake.inputHeight, 240);
    EXPECT_EQ(t.fake.inputText, "1,2");
    ASSERT_EQ(t.fake.texts.size(), 4u);
    EXPECT_EQ(t.fake.texts[0].text, std::string(72, ' '));
    EXPECT_EQ(t.fake.texts[1].text, "Line: go");
    EXPECT_EQ(t.fake.texts[1].x, 200);
    EXPECT_GE(t.fake.TextWidth(t.fake.texts[2].text), 9000);
    EXPECT_EQ(t.fake.texts[2].y, 275);
    EXPECT_EQ(t.fake.texts[3].text, "TAB to Enter");
    EXPECT_EQ(t.fake.texts[3].x, 1150);
    InputPrompt(app(), 0, "", "Arc:  Left click CENTER point.");
    EXPECT_FALSE(t.fake.inputVisible);
}

TEST_F(ShellStarted, EndUnchangedWritesListAndQuits) {
    app().files.RecentPath[0] = dir.path();
    app().files.RecentName[0] = "a.dwg";
    End_Click(app());
    EXPECT_TRUE(t.fake.quit);
    EXPECT_EQ(t.fake.clipboardClears, 1);
    EXPECT_TRUE(t.fake.boxes.empty());
    auto lines = SplitCrLf(ReadAll(dir.file(kRecentFileName)));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[1], "a.dwg");
}

TEST_F(ShellStarted, EndChangedAsksAndHonoursCancelAndNo) {
    app().dwg.DrawingChanged = true;
    t.fake.Answer(MsgAnswer::Cancel);
    End_Click(app());
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgFileChanged);
    EXPECT_EQ(t.fake.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(t.fake.boxes[0].icon, MsgIcon::Question);
    EXPECT_EQ(t.fake.boxes[0].title, kTitleAreYouSure);
    EXPECT_FALSE(t.fake.quit);
    t.fake.Answer(MsgAnswer::No);
    End_Click(app());
    EXPECT_TRUE(t.fake.quit);
}

TEST_F(ShellStarted, EndWithUnnamedChangedDrawingOpensSaveAsAndKeepsRunning) {
    app().dwg.DrawingChanged = true;
    t.fake.Answer(MsgAnswer::Yes);
    End_Click(app());
    EXPECT_FALSE(t.fake.quit);
    EXPECT_TRUE(t.fake.dialogVisible[DialogId::SaveAs]);
}

TEST_F(ShellStarted, EndDuringACommandDoesNothing) {
    app().cmd.CurCommand = "Line";
    app().dwg.DrawingChanged = true;
    End_Click(app());
    EXPECT_FALSE(t.fake.quit);
    EXPECT_TRUE(t.fake.boxes.empty());
    EXPECT_EQ(app().cmd.CurCommand, "Line");
}

TEST(ShellVector, AnglesInAllQuadrants) {
    FakePlatform fake;
    auto app = std::make_unique<App>(fake);
    const double pi = app->dwg.PI;
    EXPECT_DOUBLE_EQ(VectorAngle(*app, 0, 0), 0);
    EXPECT_DOUBLE_EQ(VectorAngle(*app, 0, 2), pi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(*app, 0, -2), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(*app, 1, 1), pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(*app, -1, 1), 3 * pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(*app, -1, -1), 5 * pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(*app, 1, -1), 7 * pi / 4);
}

TEST(ShellView, FitsAndSnapWords) {
    FakePlatform fake;
    auto app = std::make_unique<App>(fake);
    MeasureView(*app, 12000, 8000);
    EXPECT_EQ(app->view.ViewBase, 7328);
    app->dwg.LimLLX = 0;
    app->dwg.LimURX = 4;
    app->dwg.LimLLY = 0;
    app->dwg.LimURY = 4;  // taller than the area: the height decides
    FitViewToLimits(*app);
    EXPECT_DOUBLE_EQ(app->dwg.Zoom, 0.91 * 8000 / 4);
    EXPECT_EQ(app->dwg.PanX, RoundHalfEven(6000 - 85 - 2 * 1820.0));
    EXPECT_EQ(app->dwg.PanY, RoundHalfEven(7328 - 4000 + 100 - 2 * 1820.0));
    app->dwg.Zoom = 5;
    FitZoomOnly(*app);
    EXPECT_EQ(app->dwg.Zoom, 5);
    EXPECT_DOUBLE_EQ(app->view.FitZoom, 1820);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);

    app->dwg.SnapMode = 1;
    app->dwg.SnapX = 0.05;
    app->dwg.SnapY = 0.125;
    ApplySnapMode(*app);
    EXPECT_EQ(app->view.SnapWord, "Snap (X)       ");
    EXPECT_EQ(app->view.ReadoutDecimalsX, 2);
    EXPECT_EQ(app->view.ReadoutDecimalsY, 4);
    EXPECT_EQ(fake.menus["SnapOnOff"].caption, "Snap Mode (X)   ");
    app->dwg.SnapMode = 3;
    ApplySnapMode(*app);
    EXPECT_EQ(app->view.ReadoutDecimalsY, 3);
    EXPECT_EQ(fake.menus["SnapOnOff"].caption, "Snap Mode (Both)");
}

TEST_F(ShellStarted, RedrawPaintsBoardGridAndOrigin) {
    const Surface& s = app().screen;
    ASSERT_EQ(s.width, 1200);
    // Factory limits -5..5 x -3..3, spacing 0.5: 21 x 13 dots plus the origin,
    // which is drawn in the grid colour's inverse over its own dot.
    int green = 0, magenta = 0, other = 0;
    for (uint32_t p : s.px) {
        if (p == 65280u) ++green;
        else if (p == (65280u ^ 0xFFFFFFu)) ++magenta;
        else if (p != 0) ++other;
    }
    EXPECT_EQ(green, 21 * 13 - 1);
    EXPECT_EQ(magenta, 1);
    EXPECT_EQ(other, 40);  // the cross-hair at the origin; the fake platform writes no text pixels
    // The origin lies at (PanX, ViewBase - PanY) twips.
    EXPECT_EQ(SurfaceGetPixel(s, app().dwg.PanX, app().view.ViewBase - app().dwg.PanY), 65280u ^ 0xFFFFFFu);
    // The readout line carries the zoom figure and the snap word.
    bool zoom = false, snap = false;
    double snapLeft = 9000 + t.fake.TextWidth(" 0.0 ,  0.0   ");
    for (const TextRecord& r : t.fake.texts) {
        zoom |= r.text == " Zoom 100%" && r.x == 7700;
        snap |= r.text == "Snap (Both)    " && r.x == snapLeft;
    }
    EXPECT_TRUE(zoom);
    EXPECT_TRUE(snap);
    // A grid switched off leaves the board alone (flag 0: no cross-hair).
    app().dwg.GridOn = false;
    ScreenRedraw(app(), 0);
    for (uint32_t p : s.px) ASSERT_EQ(p, 0u);
}
