// Pointer input: clicks routed by the running command, the move handler's
// prompt band, cross-hair, readout and previews, the three previews drawn by
// inverting pixels, the three-point-arc centre, the selection window and the
// middle button.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "fake_platform.h"
#include "tables/clicks.h"
#include "tables/menu.h"
#include "tables/starters.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

class PointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
        ScreenRedraw(app(), 1);
    }
    App& app() { return *t.app; }
    Registers& c() { return t.app->cmd; }
    float Sx(double x) { return static_cast<float>(ToScreenX(app(), x)); }
    float Sy(double y) { return static_cast<float>(ToScreenY(app(), y)); }
    void Move(double x, double y) { Form_MouseMove(app(), 0, 0, Sx(x), Sy(y)); }
    void Click(int button, double x, double y, int shift = 0) { Form_MouseDown(app(), button, shift, Sx(x), Sy(y)); }
    std::vector<uint32_t> Pixels() const { return t.app->screen.px; }
    size_t Differing(const std::vector<uint32_t>& before) const {
        size_t n = 0;
        for (size_t i = 0; i < before.size(); ++i) n += before[i] != t.app->screen.px[i];
        return n;
    }
    // The texts written at one place since the last clear.
    std::vector<std::string> TextsAt(double x, double y) const {
        std::vector<std::string> out;
        for (const TextRecord& r : t.fake.texts)
            if (r.x == x && r.y == y) out.push_back(r.text);
        return out;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(PointerTest, PreviewsDrawnTwiceRestoreEveryPixel) {
    auto before = Pixels();
    Point2 p{-3.3, -2.1}, q{4.2, 1.7};
    RubberBandLine(app(), p, q);
    EXPECT_GT(Differing(before), 20u);
    RubberBandLine(app(), p, q);
    EXPECT_EQ(Differing(before), 0u);

    // Steep, and reaching far beyond the buffer.
    Point2 far{1.0, 40000.0};
    RubberBandLine(app(), p, far);
    EXPECT_GT(Differing(before), 10u);
    RubberBandLine(app(), p, far);
    EXPECT_EQ(Differing(before), 0u);

    RubberBandCircle(app(), p, q);
    EXPECT_GT(Differing(before), 50u);
    RubberBandCircle(app(), p, q);
    EXPECT_EQ(Differing(before), 0u);

    c().Pt1 = {-1, -1};
    c().Pt2 = {2, 1.5};
    DrawSelectWindow(app());
    size_t dots = Differing(before);
    EXPECT_GT(dots, 20u);
    DrawSelectWindow(app());
    EXPECT_EQ(Differing(before), 0u);
}

TEST_F(PointerTest, PreviewsLeaveDegenerateShapesAlone) {
    auto before = Pixels();
    // A window of no width or height is not drawn.
    c().Pt1 = {1, -1};
    c().Pt2 = {1, 2};
    DrawSelectWindow(app());
    c().Pt2 = {3, -1};
    DrawSelectWindow(app());
    // A circle of radius 0, or one whose band is off, is not drawn.
    RubberBandCircle(app(), {1, 1}, {1, 1});
    c().CircleBandOff = true;
    RubberBandCircle(app(), {1, 1}, {2, 2});
    EXPECT_EQ(Differing(before), 0u);
    // A band from a point to itself writes R 0 and Theta 0, and draws nothing.
    t.fake.texts.clear();
    RubberBandLine(app(), {0.5, 0.5}, {0.5, 0.5});
    EXPECT_EQ(Differing(before), 0u);
    ASSERT_EQ(TextsAt(9000, 275).size(), 1u);
    EXPECT_EQ(TextsAt(9000, 275)[0], "R = 0.0000 Theta = 0.00       ");
}

TEST_F(PointerTest, RubberBandReadoutGivesLengthAndAngle) {
    t.fake.texts.clear();
    RubberBandLine(app(), {0, 0}, {3, 4});
    EXPECT_EQ(TextsAt(9000, 275).back(), "R = 5.0000 Theta = 53.13       ");
    RubberBandLine(app(), {0, 0}, {-1, 0});
    EXPECT_EQ(TextsAt(9000, 275).back(), "R = 1.0000 Theta = 180.00       ");
    RubberBandLine(app(), {1, 1}, {1, 0.5});
    EXPECT_EQ(TextsAt(9000, 275).back(), "R = 0.5000 Theta = 270.00       ");
}

TEST_F(PointerTest, MoveInThePromptBandChangesNothing) {
    Move(1, 1);
    auto before = Pixels();
    t.fake.texts.clear();
    Point2 p0 = c().Pt0;
    // T = 3.42e6 / 8000 = 427.5 twips.
    Form_MouseMove(app(), 0, 0, Sx(2), 427.0f);
    EXPECT_EQ(Differing(before), 0u);
    EXPECT_TRUE(t.fake.texts.empty());
    EXPECT_EQ(c().Pt0.x, p0.x);
    // Just below the band the cross-hair follows.
    Form_MouseMove(app(), 0, 0, Sx(2), 428.0f);
    EXPECT_NE(c().Pt0.y, p0.y);
}

TEST_F(PointerTest, MoveToTheSameSnappedPointKeepsCrossHairButDragsTheWindow) {
    Move(1, 1);
    auto before = Pixels();
    t.fake.texts.clear();
    Form_MouseMove(app(), 0, 0, Sx(1.02), Sy(1.01));  // snaps to (1, 1) again
    EXPECT_EQ(Differing(before), 0u);
    EXPECT_TRUE(t.fake.texts.empty());

    // A dragged window still follows the pointer.
    c().CurCommand = "Move";
    c().WindowSelect = "SelectW";
    c().Pt0 = {1, 1};
    Click(kButtonLeft, -1, -1);
    ASSERT_TRUE(c().WindowDragOn);
    Form_MouseMove(app(), 0, 0, Sx(1.02), Sy(1.01));
    EXPECT_NEAR(c().Pt2.x, 1.0, 1e-12);
    EXPECT_NEAR(c().Pt2.y, 1.0, 1e-12);
}

TEST_F(PointerTest, PanDragsABandAndMovesThePicture) {
    MenuClick(app(), "Pan");
    ASSERT_EQ(c().CurCommand, "Pan");
    EXPECT_EQ(app().cmd.PromptText,
              "Pan.  Left click first point.  Right click second point.  You're moving the picture.");
    Move(-1, -1);
    auto withCross = Pixels();
    Click(kButtonLeft, -1, -1);
    EXPECT_TRUE(c().RubberBandOn);
    EXPECT_EQ(c().ClickCount, 1);
    Move(2, 1);
    EXPECT_GT(Differing(withCross), 40u);  // band and the moved cross-hair
    t.fake.texts.clear();
    Move(2, 2);
    EXPECT_EQ(TextsAt(9000, 275).back(), "R = 4.2426 Theta = 45.00       ");
    // Back where the band started: the band is gone, the cross-hair is home.
    Move(-1, -1);
    EXPECT_EQ(Differing(withCross), 0u);
    // A second left click is not taken.
    Click(kButtonLeft, 3, 3);
    EXPECT_NEAR(c().Pt1.x, -1, 1e-12);

    const int32_t panX = app().dwg.PanX, panY = app().dwg.PanY;
    const double zoom = app().dwg.Zoom;
    Click(kButtonRight, 1, 0.5);
    EXPECT_EQ(app().dwg.PanX, RoundHalfEven(2 * zoom + panX));
    EXPECT_EQ(app().dwg.PanY, RoundHalfEven(1.5 * zoom + panY));
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_FALSE(c().RubberBandOn);
    EXPECT_EQ(c().UndoOp, "None");  // Pan leaves nothing to undo
}

TEST_F(PointerTest, ClicksWhileIdleOrForUnknownCommandsDoNothing) {
    auto before = Pixels();
    const int32_t panX = app().dwg.PanX;
    Click(kButtonLeft, 1, 1);
    Click(kButtonRight, 1, 1);
    c().CurCommand = "NoSuchCommand";
    Click(kButtonLeft, 2, 2);
    EXPECT_EQ(app().dwg.PanX, panX);
    EXPECT_EQ(c().CurCommand, "NoSuchCommand");
    EXPECT_EQ(Differing(before), 0u);
}

TEST_F(PointerTest, ThreePointArcCentreStaysOnTheBisector) {
    // Horizontal chord from (0,0) to (2,0): only the cursor's Y moves the centre.
    c().Pt3 = {0, 0};
    c().Pt1 = {2, 0};
    Point2 p{0.3, 1.7};
    ConstrainArc3Centre(app(), p);
    EXPECT_DOUBLE_EQ(p.x, 1);
    EXPECT_DOUBLE_EQ(p.y, 1.7);
    // Vertical chord: only X moves it.
    c().Pt1 = {0, 2};
    p = {0.4, -3};
    ConstrainArc3Centre(app(), p);
    EXPECT_DOUBLE_EQ(p.x, 0.4);
    EXPECT_DOUBLE_EQ(p.y, 1);
    // Oblique chords: the result is as far from both ends.
    for (Point2 e : {Point2{3, 1}, Point2{1, 3}, Point2{-2, 0.5}}) {
        c().Pt1 = e;
        p = {0.7, -0.4};
        ConstrainArc3Centre(app(), p);
        EXPECT_NEAR(std::hypot(p.x, p.y), std::hypot(p.x - e.x, p.y - e.y), 1e-9);
    }

    // The move handler previews the arc's circle through the start point.
    c().Pt1 = {2, 0};
    c().Arc3CentreMode = true;
    Move(1, 1);
    EXPECT_DOUBLE_EQ(c().Pt0.x, 1);
    auto before = Pixels();
    Move(0.5, -1);  // the centre slides to (1, -1)
    EXPECT_DOUBLE_EQ(c().Pt0.x, 1);
    EXPECT_DOUBLE_EQ(c().Pt0.y, -1);
    EXPECT_GT(Differing(before), 50u);
}

TEST_F(PointerTest, SelectionWindowIsDraggedAndSelectsThroughItsRow) {
    Drawing& d = app().dwg;
    auto line = [&](double x1, double y1, double x2, double y2, int color) {
        int s = d.ObjNext++;
        d.ObjType[s] = "Line";
        d.ObjColor[s] = static_cast<int16_t>(color);
        d.ObjSize[s] = 2;
        d.VertX(s, 1) = x1, d.VertY(s, 1) = y1, d.VertX(s, 2) = x2, d.VertY(s, 2) = y2;
        d.ObjXScale[s] = d.ObjYScale[s] = 1;
        return s;
    };
    // Inside the window (-1, -1)-(1.5, 2): a line and a circle; a line that
    // crosses its edge; a locked line inside it.
    const int inside = line(-0.5, 0.5, 1, 0.5, 2);
    const int circle = d.ObjNext++;
    d.ObjType[circle] = "Circle";
    d.ObjColor[circle] = 3;
    d.ObjSize[circle] = 0.5;
    d.ObjY[circle] = -0.2;
    d.ObjXScale[circle] = d.ObjYScale[circle] = 1;
    const int crossing = line(0, 1.8, 3, 1.8, 4);
    line(-0.8, -0.8, 1, -0.8, -5);
    ScreenRedraw(app(), 1);

    c().CurCommand = "Move";
    c().WindowSelect = "SelectW";
    Move(-4, -2.5);  // the cross-hair away from the objects
    auto before = Pixels();
    Click(kButtonLeft, -1, -1);
    EXPECT_TRUE(c().WindowDragOn);
    EXPECT_EQ(c().ClickCount, 1);
    Move(1.5, 2);
    EXPECT_NEAR(c().Pt2.x, 1.5, 1e-12);
    Click(kButtonRight, 1.5, 2);
    const Selection& sel = app().sel;
    ASSERT_EQ(sel.SelCount, 2);
    EXPECT_EQ(sel.SelList[0], inside);
    EXPECT_EQ(sel.SelList[1], circle);
    EXPECT_EQ(sel.SelTally, 2);
    EXPECT_TRUE(sel.SelActive);
    EXPECT_EQ(c().PromptText, "Move:  Left click source point.");
    EXPECT_DOUBLE_EQ(c().Pt2.x, c().Pt1.x);
    EXPECT_FALSE(c().WindowDragOn);
    EXPECT_EQ(c().WindowSelect, "None");
    EXPECT_EQ(c().CurCommand, "Move");
    // The window is erased and the cross-hair is back where the pointer is:
    // the only pixels changed are the picked objects', now in SelectColor.
    Move(-4, -2.5);
    const uint32_t picked = app().set.SelectColor & 0xFFFFFFu;
    EXPECT_EQ(SurfaceGetPixel(app().screen, Sx(0.25), Sy(0.5)), picked);
    EXPECT_EQ(SurfaceGetPixel(app().screen, Sx(2), Sy(1.8)), ColorOf(app(), d.ObjColor[crossing]));
    size_t changed = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] == t.app->screen.px[i]) continue;
        ++changed;
        EXPECT_EQ(t.app->screen.px[i], picked) << "pixel " << i;
        EXPECT_NE(before[i], app().set.BoardColor & 0xFFFFFFu) << "pixel " << i;
    }
    EXPECT_GT(changed, 50u);

    // A window asked for while nothing runs is cancelled by the click.
    c().CurCommand = "None";
    c().WindowSelect = "SelectW";
    Click(kButtonLeft, 1, 1);
    EXPECT_EQ(c().WindowSelect, "None");
    EXPECT_EQ(app().sel.SelCount, 0);
}

TEST_F(PointerTest, MiddleButtonPlacesTheLastShapeAgain) {
    Drawing& d = app().dwg;
    int s = d.ObjNext++;
    d.ObjType[s] = "Shape";
    d.ObjText[s] = "ScA-Triode";
    c().RepeatCommand = "Shape";
    Click(kButtonMiddle, 0, 0);
    EXPECT_EQ(c().CurCommand, "Shape");
    EXPECT_EQ(d.ObjText[d.ObjNext], "ScA-Triode");
    EXPECT_EQ(d.ObjXScale[d.ObjNext], 1);
    EXPECT_EQ(c().PromptText, "Shape = Triode:  Left click to preview.  Right click to place.");

    // Not while a command runs, and not when the newest object is no Shape.
    CancelCommand(app(), 0);
    c().CurCommand = "Pan";
    d.ObjText[d.ObjNext] = "";
    Click(kButtonMiddle, 0, 0);
    EXPECT_EQ(c().CurCommand, "Pan");
    CancelCommand(app(), 0);
    d.ObjType[s] = "Line";
    Click(kButtonMiddle, 0, 0);
    EXPECT_EQ(c().CurCommand, "None");
    // Commands whose starters do not work yet are not re-armed.
    c().RepeatCommand = "Line";
    Click(kButtonMiddle, 0, 0);
    EXPECT_EQ(c().CurCommand, StarterReady("Line") ? "Line" : "None");
}
