// The view: mapping and snapping, the fits and the View commands, the grid,
// the readout and zoom-figure texts, the cross-hair, the screen primitives
// pixel by pixel, and the redraw's order and flags.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/viewmenu.h"
#include "fake_platform.h"
#include "tables/menu.h"
#include "view/device.h"
#include "view/redraw.h"
#include "view/render.h"
#include "view/view.h"

namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override { t.Start(dir.path()); }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    // Every pixel of a colour.
    std::set<std::pair<int, int>> PixelsOf(uint32_t rgb) {
        std::set<std::pair<int, int>> out;
        const Surface& s = app().screen;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (s.px[static_cast<size_t>(y) * s.width + x] == rgb) out.insert({x, y});
        return out;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(ViewTest, MappingRoundTripsAndSnaps) {
    d().Zoom = 1000;
    d().PanX = 6000;
    d().PanY = -500;
    EXPECT_DOUBLE_EQ(ToScreenX(app(), 1.5), 7500);
    EXPECT_DOUBLE_EQ(ToScreenY(app(), 2), 7328 - 2000 + 500);
    EXPECT_DOUBLE_EQ(ToDrawingX(app(), ToScreenX(app(), -3.25)), -3.25);
    EXPECT_DOUBLE_EQ(ToDrawingY(app(), ToScreenY(app(), 0.75)), 0.75);

    // Steps 0.1 and 0.25: (1.234, 0.38) snaps to (1.2, 0.5) in mode 3.
    d().SnapX = 0.1;
    d().SnapY = 0.25;
    float sx = static_cast<float>(ToScreenX(app(), 1.234)), sy = static_cast<float>(ToScreenY(app(), 0.38));
    double x = 0, y = 0;
    d().SnapMode = 3;
    SnapToDrawing(app(), sx, sy, x, y);
    EXPECT_NEAR(x, 1.2, 1e-12);
    EXPECT_NEAR(y, 0.5, 1e-12);
    d().SnapMode = 0;
    SnapToDrawing(app(), sx, sy, x, y);
    EXPECT_DOUBLE_EQ(x, 1.234);
    EXPECT_DOUBLE_EQ(y, 0.38);
    d().SnapMode = 1;
    SnapToDrawing(app(), sx, sy, x, y);
    EXPECT_NEAR(x, 1.2, 1e-12);
    EXPECT_DOUBLE_EQ(y, 0.38);
    // A SnapY of 0 snaps Y to SnapX.
    d().SnapMode = 2;
    d().SnapY = 0;
    SnapToDrawing(app(), sx, sy, x, y);
    EXPECT_DOUBLE_EQ(x, 1.234);
    EXPECT_NEAR(y, 0.4, 1e-12);
    // A zero zoom or a bad mode leaves the outputs alone.
    x = y = 42;
    d().SnapMode = 7;
    SnapToDrawing(app(), sx, sy, x, y);
    d().SnapMode = 3;
    d().Zoom = 0;
    SnapToDrawing(app(), sx, sy, x, y);
    EXPECT_EQ(x, 42);
    EXPECT_EQ(y, 42);
}

TEST_F(ViewTest, ZoomInOutAndTheirLimits) {
    FitViewToLimits(app());
    double z0 = d().Zoom;
    double cx = ToDrawingX(app(), 0.4925 * 12000), cy = ToDrawingY(app(), 0.49708 * 8000);
    for (int i = 0; i < 3; ++i) ZoomIn_Click(app());
    EXPECT_NEAR(d().Zoom, 2 * z0, 1e-9);
    // The fixed point stays within the rounding of the pan offsets.
    EXPECT_NEAR(ToScreenX(app(), cx), 0.4925 * 12000, 1.5);
    EXPECT_NEAR(ToScreenY(app(), cy), 0.49708 * 8000, 1.5);
    // Zoom In stops at 799 % of the 0.985 fit of the width.
    for (int i = 0; i < 100; ++i) ZoomIn_Click(app());
    double limit = 0.985 * 12000 / 10 * 7.99;
    EXPECT_GE(d().Zoom, limit);
    EXPECT_LT(d().Zoom / std::cbrt(2.0), limit);
    // Zoom Out stops once the figure is 1.1 % or less.
    for (int i = 0; i < 200; ++i) ZoomOut_Click(app());
    EXPECT_LE(d().Zoom * 100 / app().view.FitZoom, 1.1);
    EXPECT_GT(d().Zoom * std::cbrt(2.0) * 100 / app().view.FitZoom, 1.1);
    // Nothing while a command runs.
    double z = d().Zoom;
    app().cmd.CurCommand = "Line";
    ZoomIn_Click(app());
    ResetZP_Click(app());
    EXPECT_EQ(d().Zoom, z);
}

TEST_F(ViewTest, WheelKeepsThePointUnderTheCursor) {
    FitViewToLimits(app());
    double sx = 3000, sy = 2000;
    double x = ToDrawingX(app(), sx), y = ToDrawingY(app(), sy);
    WheelZoom(app(), 3, sx, sy);
    EXPECT_NEAR(ToScreenX(app(), x), sx, 0.6);
    EXPECT_NEAR(ToScreenY(app(), y), sy, 0.6);
    EXPECT_NEAR(d().Zoom, 2 * app().view.FitZoom, 1e-9);
    WheelZoom(app(), -3, sx, sy);
    EXPECT_NEAR(d().Zoom, app().view.FitZoom, 1e-9);
    app().cmd.CurCommand = "Line";
    WheelZoom(app(), 3, sx, sy);
    EXPECT_NEAR(d().Zoom, app().view.FitZoom, 1e-9);
}

TEST_F(ViewTest, ResetFitsAndMendsFlatLimits) {
    d().LimLLY = 0;
    d().LimURY = 0;
    d().Zoom = 5;
    ResetZP_Click(app());
    EXPECT_EQ(d().LimLLY, -3);
    EXPECT_EQ(d().LimURY, 3);
    EXPECT_DOUBLE_EQ(d().Zoom, 0.94 * 12000 / 10);
    EXPECT_EQ(d().PanX, 12000 / 2 - 85);
    EXPECT_EQ(d().PanY, 7328 - 4000 + 100);
    // Typed limits fit with 0.9 of the width.
    FitViewToTypedLimits(app());
    EXPECT_DOUBLE_EQ(d().Zoom, 0.9 * 12000 / 10);
}

TEST_F(ViewTest, GridSwitchAndSnapCycle) {
    GridOnOff_Click(app());
    EXPECT_FALSE(d().GridOn);
    EXPECT_FALSE(t.fake.menus[kMenuGrid].checked);
    GridOnOff_Click(app());
    EXPECT_TRUE(t.fake.menus[kMenuGrid].checked);

    d().SnapMode = 0;
    d().SnapX = 0.05;
    d().SnapY = 0;
    const char* captions[] = {"Snap Mode (X)", "Snap Mode (Y)", "Snap Mode (Both)", "Snap Mode (Off)"};
    const char* words[] = {"Snap (X)       ", "Snap (Y)       ", "Snap (Both)    ", "Snap (Off)     "};
    int decX[] = {2, 4, 2, 4}, decY[] = {4, 2, 2, 4};
    for (int i = 0; i < 4; ++i) {
        SnapOnOff_Click(app());
        EXPECT_EQ(d().SnapMode, (i + 1) % 4);
        EXPECT_EQ(t.fake.menus[kMenuSnap].caption, captions[i]);
        EXPECT_EQ(app().view.SnapWord, words[i]);
        EXPECT_EQ(app().view.ReadoutDecimalsX, decX[i]);
        EXPECT_EQ(app().view.ReadoutDecimalsY, decY[i]);
    }
    EXPECT_EQ(d().SnapY, 0.05);  // took SnapX
    // The cycle works while a command runs, and rewrites the readout at once.
    app().cmd.CurCommand = "Line";
    t.fake.texts.clear();
    SnapOnOff_Click(app());
    ASSERT_FALSE(t.fake.texts.empty());
    EXPECT_EQ(t.fake.texts.front().x, 9000);
}

TEST(ViewText, ReadoutAndDecimals) {
    EXPECT_EQ(FormatReadout(1.5, 3), " 1.500");
    EXPECT_EQ(FormatReadout(-2, 2), "-2.00");
    EXPECT_EQ(FormatReadout(2.5, 0), " 2");
    EXPECT_EQ(FormatReadout(3.5, 0), " 4");
    EXPECT_EQ(FormatReadout(2.5, 3), " 2.500");
    EXPECT_EQ(FormatReadout(0.12345, 4), " 0.1234");
    EXPECT_EQ(FormatReadout(-0.00001, 2), " 0.00");
    EXPECT_EQ(CountDecimals(0.125), 3);
    EXPECT_EQ(CountDecimals(2), 0);
    EXPECT_EQ(CountDecimals(0.1), 1);
}

TEST_F(ViewTest, ZoomFigure) {
    app().view.FitZoom = 1000;
    d().Zoom = 999.6;  // 99.96 % is below 100: one decimal, which reads 100
    EXPECT_EQ(ZoomFigureText(app()), " Zoom 100%");
    d().Zoom = 1234.56;
    EXPECT_EQ(ZoomFigureText(app()), " Zoom 123%");
    d().Zoom = 505;
    EXPECT_EQ(ZoomFigureText(app()), " Zoom 50.5%");
    EXPECT_DOUBLE_EQ(app().view.ZoomPercent, 50.5);
}

TEST_F(ViewTest, GridDotsAndGuards) {
    // Limits -5..5 with spacing 0.3: columns at -4.8 .. 4.8 (33 of them).
    d().GridSpacing = 0.3;
    d().LimLLY = 0;
    d().LimURY = 0.1;
    FitViewToLimits(app());
    ScreenRedraw(app(), 0);
    std::set<int> cols;
    for (auto p : PixelsOf(65280u)) cols.insert(p.first);
    EXPECT_EQ(cols.size(), 33u - 1);  // the column through the origin holds only the origin dot's inverse
    EXPECT_EQ(PixelsOf(65280u ^ 0xFFFFFFu).size(), 1u);
    // No grid for a spacing of 0 or less, nor for one finer than the pixels.
    for (double s : {0.0, -1.0, 1e-6}) {
        d().GridSpacing = s;
        ScreenRedraw(app(), 0);
        EXPECT_TRUE(PixelsOf(65280u).empty()) << s;
    }
}

TEST_F(ViewTest, CrossHairInvertsAndRestores) {
    FitViewToLimits(app());
    ScreenRedraw(app(), 0);
    std::vector<uint32_t> before = app().screen.px;
    DrawCrossHair(app(), 1, 1);
    EXPECT_NE(app().screen.px, before);
    // 20 arm pixels inverted (the centre is inverted twice).
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i) changed += before[i] != app().screen.px[i];
    EXPECT_EQ(changed, 40);
    DrawCrossHair(app(), 1, 1);
    EXPECT_EQ(app().screen.px, before);
    // A point off the drawing area draws nothing.
    DrawCrossHair(app(), 100, 0);
    EXPECT_EQ(app().screen.px, before);
}

TEST_F(ViewTest, RedrawFlagsLeaveOneOrNoCrossHair) {
    FitViewToLimits(app());
    d().GridOn = false;
    app().cmd.Pt0 = {1, 1};
    ScreenRedraw(app(), 0);
    EXPECT_EQ(PixelsOf(0xFFFFFFu).size(), 0u);
    ScreenRedraw(app(), 1);
    EXPECT_EQ(PixelsOf(0xFFFFFFu).size(), 40u);
    // Flag 3 is flag 1 as far as the redraw goes.
    ScreenRedraw(app(), 3);
    EXPECT_EQ(PixelsOf(0xFFFFFFu).size(), 40u);
}

TEST_F(ViewTest, PointerMoveMovesCrossHairAndReadout) {
    FitViewToLimits(app());
    d().GridOn = false;
    ScreenRedraw(app(), 1);
    t.fake.texts.clear();
    float sx = static_cast<float>(ToScreenX(app(), 2.04)), sy = static_cast<float>(ToScreenY(app(), -1.01));
    Form_MouseMove(app(), 0, 0, sx, sy);
    EXPECT_NEAR(app().cmd.Pt0.x, 2.0, 1e-12);
    EXPECT_NEAR(app().cmd.Pt0.y, -1.0, 1e-12);
    EXPECT_EQ(PixelsOf(0xFFFFFFu).size(), 40u);  // one cross-hair, moved
    ASSERT_EQ(t.fake.texts.size(), 2u);
    EXPECT_EQ(t.fake.texts[0].text, " 2.0 , -1.0   ");
    EXPECT_EQ(t.fake.texts[1].text, "Snap (Both)    ");
    // The same snapped point again, or the prompt band, changes nothing.
    Form_MouseMove(app(), 0, 0, sx + 1, sy);
    Form_MouseMove(app(), 0, 0, sx, 100);
    EXPECT_EQ(t.fake.texts.size(), 2u);
}

TEST_F(ViewTest, PanMovesTheFirstPointUnderTheSecond) {
    FitViewToLimits(app());
    app().cmd.CurCommand = "Pan";
    float ax = static_cast<float>(ToScreenX(app(), 1)), ay = static_cast<float>(ToScreenY(app(), 1));
    float bx = static_cast<float>(ToScreenX(app(), 3)), by = static_cast<float>(ToScreenY(app(), -1));
    PanLeftClick(app(), ax, ay);
    EXPECT_TRUE(app().cmd.RubberBandOn);
    PanRightClick(app(), bx, by);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_NEAR(ToScreenX(app(), 1), bx, 1);
    EXPECT_NEAR(ToScreenY(app(), 1), by, 1);
}

TEST_F(ViewTest, ResizeMeasuresAgainAndKeepsZoomAndPan) {
    FitViewToLimits(app());
    double z = d().Zoom;
    int32_t px = d().PanX;
    // 40000 twips is wider than 16 bits could hold.
    MeasureView(app(), 40000, 20000);
    FitZoomOnly(app());
    EXPECT_EQ(app().view.ViewWidth, 40000);
    EXPECT_EQ(app().view.ViewBase, 18320);
    EXPECT_DOUBLE_EQ(app().view.ViewAspect, 0.5);
    EXPECT_EQ(d().Zoom, z);
    EXPECT_EQ(d().PanX, px);
    EXPECT_DOUBLE_EQ(app().view.FitZoom, 0.91 * 20000 / 6);
}

// ---- primitives -------------------------------------------------------------

namespace {

// A 1:1 device for pixel tests: one drawing unit is one twip... scaled so one
// unit is 100 pixels (1000 twips at 10 twips a pixel), origin at pixel (100, 500).
struct PixelRig {
    Surface s;
    PixelRig() { SurfaceResize(s, 400, 600, 144, 0); }
    ScreenDevice Dev() { return ScreenDevice(s, 1000, 1000, 0, 5000, 12000, 4 * std::atan(1.0)); }
    bool On(int x, int y) const { return s.px[static_cast<size_t>(y) * s.width + x] != 0; }
};

}  // namespace

TEST(ViewPrimitives, HiddenSegmentGapsAtTheQuarters) {
    PixelRig r;
    ScreenDevice dev = r.Dev();
    HiddenPattern hp{0.14 + 0.06, 0.06};  // dash 0.14, gap 0.12
    RenderHiddenSegment(dev, 0, 0, 1, 0, hp, 0xFFFFFF);
    // Row 500, x pixels 100..200: gaps of 0.12 centred at 0.25, 0.5, 0.75.
    for (double c : {0.25, 0.5, 0.75}) {
        for (int x = static_cast<int>(100 + (c - 0.05) * 100); x <= static_cast<int>(100 + (c + 0.05) * 100); ++x)
            EXPECT_FALSE(r.On(x, 500)) << "gap at " << c << " pixel " << x;
    }
    for (double p : {0.0, 0.1, 0.18, 0.32, 0.4, 0.57, 0.68, 0.82, 0.9, 1.0})
        EXPECT_TRUE(r.On(static_cast<int>(100 + p * 100), 500)) << "dash at " << p;
    // A segment of 0.3 (one period) has one gap in its middle.
    PixelRig r2;
    ScreenDevice dev2 = r2.Dev();
    RenderHiddenSegment(dev2, 0, 0, 0.3, 0, hp, 0xFFFFFF);
    EXPECT_TRUE(r2.On(100, 500));
    EXPECT_TRUE(r2.On(108, 500));
    EXPECT_FALSE(r2.On(115, 500));
    EXPECT_TRUE(r2.On(122, 500));
    EXPECT_TRUE(r2.On(130, 500));
}

TEST(ViewPrimitives, PolylineDropsRepeatedLastVertexAndScalesAboutTheFirst) {
    PixelRig a, b;
    HiddenPattern hp;
    double xs[] = {0, 1, 1, 1}, ys[] = {0, 0, 1, 1};
    ScreenDevice da = a.Dev(), db = b.Dev();
    RenderPolyline(da, xs, ys, 4, 0, 1, 1, hp, 0xFF);
    RenderPolyline(db, xs, ys, 3, 0, 1, 1, hp, 0xFF);
    EXPECT_EQ(a.s.px, b.s.px);
    // Factors 2 and 0.5 act about vertex 1: (1, 1) lands at (2, 0.5).
    PixelRig c;
    ScreenDevice dc = c.Dev();
    RenderPolyline(dc, xs, ys, 3, 0, 2, 0.5, hp, 0xFF);
    EXPECT_TRUE(c.On(300, 450));
    EXPECT_TRUE(c.On(300, 500));
    EXPECT_FALSE(c.On(200, 400));
    // Fewer than two vertices draw nothing.
    PixelRig e;
    ScreenDevice de = e.Dev();
    RenderPolyline(de, xs, ys, 1, 0, 1, 1, hp, 0xFF);
    for (uint32_t p : e.s.px) ASSERT_EQ(p, 0u);
}

TEST(ViewPrimitives, ArcsAndCirclesAreDotRuns) {
    Drawing d;
    d.ObjType[1] = "Circle";
    d.ObjSize[1] = 1;
    d.ObjX[1] = 1;
    d.ObjY[1] = 2;
    d.ObjXScale[1] = d.ObjYScale[1] = 1;
    PixelRig r;
    ScreenDevice dev = r.Dev();
    RenderCircleObject(dev, d, 1, 0xFF);
    // About one dot a pixel around the circumference of radius 100 pixels.
    int on = 0;
    for (uint32_t p : r.s.px) on += p != 0;
    EXPECT_GT(on, 500);
    EXPECT_LT(on, 760);
    EXPECT_TRUE(r.On(300, 300));  // the point at angle 0: (2, 2)
    // A negative or zero radius draws nothing.
    for (double rad : {0.0, -1.0}) {
        d.ObjSize[1] = rad;
        PixelRig z;
        ScreenDevice dz = z.Dev();
        RenderCircleObject(dz, d, 1, 0xFF);
        for (uint32_t p : z.s.px) ASSERT_EQ(p, 0u);
    }
    // An arc stored from 0 to 3 pi / 2 becomes the quarter from 2 pi to 3 pi / 2 in the table.
    d.ObjType[2] = "Arc";
    d.ObjSize[2] = 1;
    d.ObjX[2] = 1;
    d.ObjY[2] = 2;
    d.ObjAngle[2] = 0;
    d.ObjEndAngle[2] = 3 * d.PI / 2;
    d.ObjXScale[2] = d.ObjYScale[2] = 1;
    PixelRig q;
    ScreenDevice dq = q.Dev();
    RenderArcObject(dq, d, 2, 0xFF);
    EXPECT_NEAR(d.ObjAngle[2], 2 * d.PI, 1e-12);
    EXPECT_NEAR(d.ObjEndAngle[2], 3 * d.PI / 2, 1e-12);
    EXPECT_TRUE(q.On(300, 300));   // angle 0
    EXPECT_TRUE(q.On(200, 400));   // angle 3 pi / 2: (1, 1)
    EXPECT_FALSE(q.On(0, 300));    // angle pi is not on the quarter
    EXPECT_FALSE(q.On(200, 200));  // nor is pi / 2
}

TEST_F(ViewTest, RedrawRepairsColoursAndKeepsThePrompt) {
    FitViewToLimits(app());
    d().ObjType[1] = "Circle";
    d().ObjColor[1] = 12;
    d().ObjSize[1] = 1;
    d().ObjXScale[1] = d().ObjYScale[1] = 1;
    d().ObjType[2] = "Circle";
    d().ObjColor[2] = -2;  // locked red
    d().ObjSize[2] = 2;
    d().ObjXScale[2] = d().ObjYScale[2] = 1;
    d().ObjNext = 3;
    InputPrompt(app(), 1000, "x", "Grid Spacing");
    t.fake.texts.clear();
    ScreenRedraw(app(), 1);
    EXPECT_EQ(d().ObjColor[1], 1);
    EXPECT_FALSE(PixelsOf(0xFFFFFFu).empty());
    EXPECT_FALSE(PixelsOf(0x0000FFu).empty());
    bool prompt = false, tab = false;
    for (const TextRecord& r : t.fake.texts) prompt |= r.text == "Grid Spacing", tab |= r.text == "TAB to Enter";
    EXPECT_TRUE(prompt);
    EXPECT_TRUE(tab);
    // After the command ends its prompt is gone from the redraws.
    CancelCommand(app(), 0);
    t.fake.texts.clear();
    ScreenRedraw(app(), 1);
    for (const TextRecord& r : t.fake.texts) EXPECT_NE(r.text, "Grid Spacing");
}

TEST_F(ViewTest, TracePictureUnderTheDrawing) {
    FitViewToLimits(app());
    d().DwgPath = dir.path();
    FakePlatform::Picture pic;
    pic.width = 3;
    pic.height = 2;
    pic.px = {1, 2, 3, 4, 5, 6};
    t.fake.pictures[dir.path() + "board.png"] = pic;
    EXPECT_TRUE(LoadTracePicture(app(), "board.png"));
    ScreenRedraw(app(), 0);
    EXPECT_EQ(app().screen.px[0], 1u);
    EXPECT_EQ(app().screen.px[1200 + 2], 6u);
    // A picture that cannot be loaded names the file and changes nothing.
    EXPECT_FALSE(LoadTracePicture(app(), "missing.jpg"));
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_NE(t.fake.boxes[0].text.find(dir.path() + "missing.jpg"), std::string::npos);
    ScreenRedraw(app(), 0);
    EXPECT_EQ(app().screen.px[0], 1u);
    MenuClick(app(), "RmvTrcedPix");
    EXPECT_EQ(app().screen.px[0], 0u);
}
