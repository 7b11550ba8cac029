// One geometry for every device: a recording device given the same drawing
// receives exactly what the screen draws (replayed onto a buffer it gives
// the screen's pixels) and what the printer prints, and the culled redraw
// equals the full one.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "commands/files.h"
#include "commands/viewmenu.h"
#include "fake_platform.h"
#include "output/print.h"
#include "view/device.h"
#include "view/font.h"
#include "view/redraw.h"
#include "view/render.h"
#include "view/shapes.h"

namespace fs = std::filesystem;

namespace {

// A second device: it keeps every primitive in drawing units, stepping curves
// by the screen's own rule, and can replay them onto a surface later.
struct RecordingDevice : Device {
    struct Op { char what; double x, y; uint32_t rgb; };  // 'D' dot, 'M' move, 'L' line
    std::vector<Op> ops;
    double unit, pi;
    RecordingDevice(double u, double p) : unit(u), pi(p) {}
    void Dot(double x, double y, uint32_t rgb) override { ops.push_back({'D', x, y, rgb}); }
    void MoveTo(double x, double y) override { ops.push_back({'M', x, y, 0}); }
    void LineTo(double x, double y, uint32_t rgb) override { ops.push_back({'L', x, y, rgb}); }
    void DrawCurve(const Curve& c, uint32_t rgb) override {
        RunDots(c, unit, pi, [&](double x, double y) { Dot(x, y, rgb); });
    }
    void ReplayOn(Device& dev) const {
        for (const Op& o : ops) {
            if (o.what == 'D') dev.Dot(o.x, o.y, o.rgb);
            else if (o.what == 'M') dev.MoveTo(o.x, o.y);
            else dev.LineTo(o.x, o.y, o.rgb);
        }
    }
};

class DevicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& e : fs::directory_iterator(std::string(ZARNIC_FIXTURES) + "shapes"))
            fs::copy_file(e.path(), fs::path(dir.path()) / e.path().filename());
        t.Start(dir.path());
        fs::copy_file(std::string(ZARNIC_FIXTURES) + "every_kind.dwg", dir.file("every.dwg"));
        t.app->dlg.OpenF.TxtFName = "every.dwg";
        t.app->dwg.DwgPath = dir.path();
        OpenFile(*t.app, 0, 0, 1);
        ASSERT_GT(t.app->dwg.ObjNext, 8);
        FitViewToLimits(*t.app);
        t.app->dwg.GridOn = false;
        t.app->cmd.Pt0 = {100, 100};  // no cross-hair on the board
    }
    App& app() { return *t.app; }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(DevicesTest, ARecordingDeviceReceivesTheScreensGeometry) {
    ScreenRedraw(app(), 0);
    std::vector<uint32_t> screen = app().screen.px;
    Drawing& d = app().dwg;
    RecordingDevice rec(app().view.ViewWidth / 10.0 / d.Zoom, d.PI);
    for (int s = 1; s < d.ObjNext; ++s) {
        uint32_t rgb = ColorOf(app(), d.ObjColor[s]);
        const std::string& k = d.ObjType[s];
        if (k == "Arc") RenderArcObject(rec, d, s, rgb);
        else if (k == "Circle") RenderCircleObject(rec, d, s, rgb);
        else if (k == "Line")
            RenderPolyline(rec, d.VertX.Row(s), d.VertY.Row(s), static_cast<int>(d.ObjSize[s]), d.ObjLineType[s],
                           d.ObjXScale[s], d.ObjYScale[s], {d.HiddenDash, d.HiddenGap}, rgb);
        else if (k == "Text")
            RenderText(rec, app().font, app().set.FontDescender, d.ObjText[s], d.ObjJust[s], d.ObjSize[s],
                       d.ObjAngle[s], d.ObjX[s], d.ObjY[s], rgb);
        else if (k == "Shape")
            RenderShape(app(), rec, rgb, d.ObjSize[s], d.ObjText[s], d.ObjXScale[s], d.ObjYScale[s], d.ObjAngle[s],
                        d.ObjX[s], d.ObjY[s], s);
    }
    EXPECT_GT(rec.ops.size(), 500u);
    // Replayed onto a clean board through the screen's mapping: the same pixels.
    SurfaceClear(app().screen, app().set.BoardColor);
    ScreenDevice dev = MakeScreenDevice(app());
    rec.ReplayOn(dev);
    int differ = 0, drawn = 0;
    for (size_t i = 0; i < screen.size(); ++i) {
        differ += screen[i] != app().screen.px[i];
        drawn += screen[i] != 0;
    }
    EXPECT_GT(drawn, 2000);
    EXPECT_EQ(differ, 0);
}

TEST_F(DevicesTest, ThePrinterPrintsTheRecordedGeometryInItsMapping) {
    Drawing& d = app().dwg;
    const PageMapping m = FitPage(PrinterSettings{}, PrintArea{0, 0, 15000, 10000}, d.LimLLX, d.LimLLY, d.LimURX,
                                  d.LimURY);
    RecordingDevice rec(1000 / m.PrintScale, d.PI);
    for (int s = 1; s < d.ObjNext; ++s)
        if (!d.ObjType[s].empty()) RenderSlot(app(), rec, s, PrintColorOf(app(), d.ObjColor[s]));
    PrintTable(app(), m);
    const std::vector<PrintCall>& got = t.fake.printed;
    // Dots become points and every drawn segment a line, in order, mapped to the page.
    std::vector<PrintCall> want;
    double px = 0, py = 0;
    for (const auto& o : rec.ops) {
        const double x = WorldToPrinterX(m, o.x), y = WorldToPrinterY(m, o.y);
        if (o.what == 'D') want.push_back({'P', x, y, 0, 0, o.rgb, ""});
        else if (o.what == 'L') want.push_back({'L', px, py, x, y, o.rgb, ""});
        px = x, py = y;
    }
    ASSERT_EQ(got.size(), want.size());
    EXPECT_GT(got.size(), 500u);
    for (size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].what, want[i].what) << i;
        ASSERT_EQ(got[i].rgb, want[i].rgb) << i;
        ASSERT_DOUBLE_EQ(got[i].x1, want[i].x1) << i;
        ASSERT_DOUBLE_EQ(got[i].y1, want[i].y1) << i;
        ASSERT_DOUBLE_EQ(got[i].x2, want[i].x2) << i;
        ASSERT_DOUBLE_EQ(got[i].y2, want[i].y2) << i;
    }
}

TEST_F(DevicesTest, CulledRedrawEqualsTheFullOne) {
    for (int zoomSteps : {0, 9, 14}) {
        FitViewToLimits(app());
        for (int i = 0; i < zoomSteps; ++i) ZoomIn_Click(app());
        ScreenRedraw(app(), 0);
        std::vector<uint32_t> culled = app().screen.px;
        // The same objects with culling off.
        SurfaceClear(app().screen, app().set.BoardColor);
        ScreenDevice full = MakeScreenDevice(app());
        full.cull = false;
        Drawing& d = app().dwg;
        for (int s = 1; s < d.ObjNext; ++s) {
            uint32_t rgb = ColorOf(app(), d.ObjColor[s]);
            const std::string& k = d.ObjType[s];
            if (k == "Arc") RenderArcObject(full, d, s, rgb);
            else if (k == "Circle") RenderCircleObject(full, d, s, rgb);
            else if (k == "Line")
                RenderPolyline(full, d.VertX.Row(s), d.VertY.Row(s), static_cast<int>(d.ObjSize[s]), d.ObjLineType[s],
                               d.ObjXScale[s], d.ObjYScale[s], {d.HiddenDash, d.HiddenGap}, rgb);
            else if (k == "Text")
                RenderText(full, app().font, app().set.FontDescender, d.ObjText[s], d.ObjJust[s], d.ObjSize[s],
                           d.ObjAngle[s], d.ObjX[s], d.ObjY[s], rgb);
            else if (k == "Shape")
                RenderShape(app(), full, rgb, d.ObjSize[s], d.ObjText[s], d.ObjXScale[s], d.ObjYScale[s],
                            d.ObjAngle[s], d.ObjX[s], d.ObjY[s], s);
        }
        // The prompt line is the fake's texts only; the buffers compare whole.
        EXPECT_EQ(culled, app().screen.px) << "zoom steps " << zoomSteps;
    }
}

TEST_F(DevicesTest, AnInvertedPolylineShowsEveryPixelOnceAndComesBack) {
    // A wave of many short segments, as a symbol's sine is drawn.
    std::vector<double> xs, ys;
    for (int k = 0; k <= 40; ++k) {
        xs.push_back(-2 + 0.1 * k);
        ys.push_back(0.5 * std::sin(k * 0.4));
    }
    const auto blank = app().screen.px;
    ScreenDevice solid = MakeScreenDevice(app());
    RenderPolyline(solid, xs.data(), ys.data(), 41, 0, 1, 1, HiddenPattern{}, 0xFFFFFF);
    size_t drawn = 0;
    for (size_t i = 0; i < blank.size(); ++i) drawn += app().screen.px[i] != blank[i];
    app().screen.px = blank;
    ScreenDevice inv = MakeScreenDevice(app());
    inv.invert = true;
    RenderPolyline(inv, xs.data(), ys.data(), 41, 0, 1, 1, HiddenPattern{}, 0);
    size_t inverted = 0;
    for (size_t i = 0; i < blank.size(); ++i) inverted += app().screen.px[i] != blank[i];
    EXPECT_EQ(inverted, drawn);  // no joint inverted twice
    RenderPolyline(inv, xs.data(), ys.data(), 41, 0, 1, 1, HiddenPattern{}, 0);
    EXPECT_EQ(app().screen.px, blank);
}
