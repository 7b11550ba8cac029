// The selection window's test points by kind (an object is taken only when
// every one of its corners lies in the window, edges included, whichever
// corner the window is drawn from) and the prompt each command shows once
// its selection is complete.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "commands/registers.h"
#include "editing/selection.h"
#include "fake_platform.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
        ScreenRedraw(app(), 1);
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    int Add(const char* kind, double x, double y, double size, int color = 1) {
        int s = d().ObjNext++;
        d().ObjType[s] = kind;
        d().ObjX[s] = x, d().ObjY[s] = y, d().ObjSize[s] = size;
        d().ObjColor[s] = static_cast<int16_t>(color);
        d().ObjXScale[s] = d().ObjYScale[s] = 1;
        return s;
    }
    int Line(std::vector<Point2> v) {
        int s = Add("Line", 0, 0, static_cast<double>(v.size()));
        for (size_t k = 0; k < v.size(); ++k) d().VertX(s, k + 1) = v[k].x, d().VertY(s, k + 1) = v[k].y;
        return s;
    }
    int Boxed(const char* kind, double x1, double y1, double x2, double y2) {
        int s = Add(kind, x1, y1, 0.1);
        d().ObjText[s] = "R1";
        d().ObjBoxX1[s] = x1, d().ObjBoxY1[s] = y1, d().ObjBoxX2[s] = x2, d().ObjBoxY2[s] = y2;
        return s;
    }
    std::vector<int> Picked() {
        std::vector<int> v(app().sel.SelList.begin(), app().sel.SelList.begin() + app().sel.SelCount);
        return v;
    }
    void Window(Point2 a, Point2 b) {
        app().cmd.Pt1 = a;
        app().cmd.Pt2 = b;
        SelectByWindow(app());
    }
    TempDir dir;
    TestApp t;
};

TEST_F(SelectionTest, WindowTakesWhatLiesWhollyInsideFromEitherCorner) {
    const double pi = d().PI;
    // An arc is tested by its two ends only: this one bulges out of the
    // window at its top, and its X factor is not applied either.
    const int arc = Add("Arc", 0, 0, 1);
    d().ObjAngle[arc] = pi / 4, d().ObjEndAngle[arc] = 3 * pi / 4, d().ObjXScale[arc] = 3;
    const int smallCircle = Add("Circle", 0, 0, 0.5);
    Add("Circle", 0, 0, 2);                                // its square leaves the window
    const int inside = Line({{-1, -0.5}, {1.5, 0.2}});     // ends on the window's edges
    Line({{0, 0}, {2, 0}});                                // crosses the right edge
    const int text = Boxed("Text", -1.2, 0.1, -0.4, 0.3);
    Boxed("Shape", 1, 0, 1.7, 0.5);                        // its box pokes out
    Add("Circle", 0.2, 0.2, 0.1, -3);                      // locked
    const int gone = Add("Circle", -0.2, 0.2, 0.1);
    d().ObjType[gone].clear();                             // a deleted slot

    const std::vector<int> expected = {arc, smallCircle, inside, text};
    Window({-1.5, -0.5}, {1.5, 0.9});
    EXPECT_EQ(Picked(), expected);
    EXPECT_EQ(app().sel.SelTally, 4);
    EXPECT_TRUE(app().sel.SelActive);
    // The picked objects are highlighted in the selection colour.
    EXPECT_EQ(SurfaceGetPixel(app().screen, ToScreenX(app(), 0.5), ToScreenY(app(), 0)),
              app().set.SelectColor & 0xFFFFFFu);
    // A second window over the same objects lists nothing twice.
    Window({-1.5, -0.5}, {1.5, 0.9});
    EXPECT_EQ(Picked(), expected);

    // The window drawn from any other corner takes the same objects.
    for (auto corners : {std::pair<Point2, Point2>{{1.5, 0.9}, {-1.5, -0.5}},
                         std::pair<Point2, Point2>{{-1.5, 0.9}, {1.5, -0.5}}}) {
        CancelCommand(app(), 0);
        Window(corners.first, corners.second);
        EXPECT_EQ(Picked(), expected);
    }
    // A window that cuts through everything takes nothing.
    CancelCommand(app(), 0);
    Window({-0.1, -0.1}, {0.1, 0.1});
    EXPECT_TRUE(Picked().empty());
    EXPECT_FALSE(app().sel.SelActive);
}

TEST_F(SelectionTest, PromptAfterSelectionByCommandAndWay) {
    struct Case {
        const char* command;
        bool byWindow;
        const char* prompt;
        int width;               // the input box's width, 0 for none
        const char* defaultText;
    };
    const Case cases[] = {
        {"Rotate", true, "Rotate:  Left click center of rotation.", 0, ""},
        {"Rotate", false, "Rotate:  Right click angle, or type value.", 600, ""},
        {"Scale", false, "Scale:  Right click factor (2 inches = 2x), or type value.", 1500, ""},
        {"Scale", true, "Scale:  Left click base (stationary) point.", 0, ""},
        {"Move", false, "Move:  RIGHT click destination point.", 0, ""},
        {"Delete", true, "Delete:  Select more objects.  PRECEDE? (Y or N)", 400, "Y"},
        {"ArrayRec", false, "Array, Rectangular: Shift-click more or Precede to Parameters.", 400, "Y"},
        {"CopyToCB", false, "Copy to Clipboard:  Select more, or click base point.  GO? (Y/N)", 0, ""},
        {"What", true, "Precede? (Y or N)", 400, "Y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + (c.byWindow ? " by window" : " by picks"));
        CancelCommand(app(), 0);
        app().cmd.CurCommand = c.command;
        app().cmd.WindowSelect = c.byWindow ? "SelectW" : "None";
        PromptAfterSelection(app());
        EXPECT_EQ(app().cmd.PromptText, c.prompt);
        EXPECT_EQ(t.fake.inputVisible, c.width > 0);
        if (c.width > 0) {
            EXPECT_EQ(t.fake.inputWidth, c.width);
            EXPECT_EQ(t.fake.inputText, c.defaultText);
        }
    }

    // Copy and Move take the picked point as the destination's start, the
    // polar array goes on to its element count.
    CancelCommand(app(), 0);
    app().cmd.CurCommand = "Copy";
    app().cmd.Pt1 = {1.25, -2};
    PromptAfterSelection(app());
    EXPECT_EQ(app().cmd.Pt2.x, 1.25);
    EXPECT_EQ(app().cmd.Pt2.y, -2);
    app().cmd.CurCommand = "ArrayPol";
    PromptAfterSelection(app());
    EXPECT_EQ(app().cmd.CmdStep, "Elmts");
    EXPECT_EQ(app().cmd.PromptText, "Array, Polar:  Shift-clk more or L-Clk Center Point.");

    // Color Change lists the colours in a frame.
    CancelCommand(app(), 0);
    t.fake.texts.clear();
    app().cmd.CurCommand = "Color";
    PromptAfterSelection(app());
    EXPECT_EQ(app().cmd.PromptText, "Color:  Enter new color number from list below.");
    auto row = std::find_if(t.fake.texts.begin(), t.fake.texts.end(),
                            [](const TextRecord& r) { return r.text == "   5 = Blue             "; });
    ASSERT_NE(row, t.fake.texts.end());
    EXPECT_EQ(row->x, 500);
    const uint32_t fg = (app().set.BoardColor ^ 0xFFFFFFu) & 0xFFFFFFu;
    EXPECT_EQ(SurfaceGetPixel(app().screen, 1750, 625), fg);
    EXPECT_EQ(SurfaceGetPixel(app().screen, 3000, 1500), fg);

    // A command without a row keeps the prompt it has.
    app().cmd.CurCommand = "Line";
    PromptAfterSelection(app());
    EXPECT_EQ(app().cmd.PromptText, "Color:  Enter new color number from list below.");
}

}  // namespace
