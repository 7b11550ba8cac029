// The Dimension command (its questions, the horizontal, vertical and aligned
// constructions, the refusals) and the rotation of listed objects that also
// turns an outside dimension's arrowheads.
#include <gtest/gtest.h>

#include "commands/dimension.h"

#include <cmath>
#include <string>
#include <vector>

#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "editing/transform.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/starters.h"
#include "view/view.h"

namespace {

constexpr double kTol = 1e-9;
const double kPi = 3.14159265358979323846;
// Text height 0.2 and a text of six characters ("10.00""):
const double kHw = 6.7 * 0.2 / 2;     // half the text gap, 0.67
const double kM = 8 * 0.2 / 1.65;     // least distance of an inside text from a point
const double kM3 = 9 * 0.2 / 1.65;    // least distance of an outside text from its point
const std::string kTen = "10.00\"";

Point2 P(double x, double y) { return {x, y}; }
Point2 Plus(Point2 a, Point2 v, double f) { return {a.x + v.x * f, a.y + v.y * f}; }
double Dot(Point2 a, Point2 b) { return a.x * b.x + a.y * b.y; }
double Cross(Point2 a, Point2 b) { return a.x * b.y - a.y * b.x; }
Point2 Minus(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }

class DimensionTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        Drawing& d = t.app->dwg;
        d.LimLLX = -6, d.LimLLY = -6, d.LimURX = 16, d.LimURY = 12;
        FitViewToLimits(app());
        d.TextHeight = 0.2;
        // The pieces take colour 1 and solid lines whatever is current.
        d.CurColor = 3;
        d.CurLineType = 1;
        d.CurLineWidth = 2;
        d.DrawingChanged = false;
        first = d.ObjNext;
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    Registers& c() { return t.app->cmd; }
    void Click(int button, double x, double y) {
        Form_MouseDown(app(), button, 0, static_cast<float>(ToScreenX(app(), x)),
                       static_cast<float>(ToScreenY(app(), y)));
    }
    void Type(const std::string& text) {
        t.fake.inputText = text;
        Text2_LostFocus(app());
    }
    // The whole command; an empty text keeps the offered default.
    void Run(Point2 a, Point2 b, Point2 txt, const std::string& centre, const std::string& places,
             const std::string& text = "") {
        RunStarter(app(), "Dimension");
        Click(1, a.x, a.y);
        Click(1, b.x, b.y);
        Click(2, txt.x, txt.y);
        Type(centre);
        Type(places);
        Type(text.empty() ? t.fake.inputText : text);
    }
    bool Build(Point2 a, Point2 b, Point2 txt, bool centred = false, const std::string& text = kTen) {
        app().dim.A = a, app().dim.B = b, app().dim.T = txt, app().dim.Centred = centred;
        return BuildDimension(app(), text);
    }
    void ExpectLine(int s, const std::vector<Point2>& pts) {
        SCOPED_TRACE("slot " + std::to_string(s));
        ASSERT_EQ(d().ObjType[s], "Line");
        EXPECT_TRUE(d().ObjNum[s] == s && d().ObjColor[s] == 1 && d().ObjLineType[s] == 0 &&
                    d().ObjLineWidth[s] == 0 && d().ObjXScale[s] == 1 && d().ObjYScale[s] == 1);
        ASSERT_EQ(d().ObjSize[s], static_cast<double>(pts.size()));
        for (size_t k = 0; k < pts.size(); ++k) {
            EXPECT_NEAR(d().VertX(s, static_cast<int>(k) + 1), pts[k].x, kTol) << "vertex " << k + 1;
            EXPECT_NEAR(d().VertY(s, static_cast<int>(k) + 1), pts[k].y, kTol) << "vertex " << k + 1;
        }
    }
    // An arrowhead whose side vertices are back +- w, in either order.
    void ExpectArrow(int s, Point2 tip, Point2 back, Point2 w) {
        Point2 v1{d().VertX(s, 1), d().VertY(s, 1)};
        if (std::hypot(v1.x - Plus(back, w, 1).x, v1.y - Plus(back, w, 1).y) > 1e-6) w = {-w.x, -w.y};
        ExpectLine(s, {Plus(back, w, 1), tip, Plus(back, w, -1)});
    }
    void ExpectText(int s, double x, double y, const std::string& text, double angle) {
        SCOPED_TRACE("text slot " + std::to_string(s));
        ASSERT_EQ(d().ObjType[s], "Text");
        EXPECT_NEAR(d().ObjX[s], x, kTol);
        EXPECT_NEAR(d().ObjY[s], y, kTol);
        EXPECT_EQ(d().ObjText[s], text);
        EXPECT_TRUE(d().ObjNum[s] == s && d().ObjJust[s] == "M" && d().ObjSize[s] == d().TextHeight &&
                    d().ObjColor[s] == 1);
        EXPECT_NEAR(d().ObjAngle[s], angle, kTol);
        // A middle-justified text's box is centred on its place.
        EXPECT_TRUE(d().ObjBoxX1[s] < d().ObjBoxX2[s] && d().ObjBoxY1[s] < d().ObjBoxY2[s]);
        EXPECT_NEAR((d().ObjBoxX1[s] + d().ObjBoxX2[s]) / 2, x, 1e-6);
        EXPECT_NEAR((d().ObjBoxY1[s] + d().ObjBoxY2[s]) / 2, y, 1e-6);
    }
    TempDir dir;
    TestApp t;
    int first = 1;
};

TEST_F(DimensionTest, CommandAsksItsQuestionsInTurnAndBuildsTheDimension) {
    Text1_KeyDown(app(), 'D', 0);
    EXPECT_EQ(c().CurCommand, "Dimension");
    Click(1, 0, 0);
    Click(1, 10, 0);
    EXPECT_EQ(c().PromptText, "Dimension: Right Click Text Location.");
    EXPECT_EQ(d().ObjNext, first);
    Click(2, 5, 1);
    EXPECT_EQ(c().PromptText, "Dimension: Center text or Not (C or N).");
    EXPECT_TRUE(t.fake.inputVisible);
    EXPECT_EQ(t.fake.inputWidth, 500);
    EXPECT_EQ(t.fake.inputText, "C");
    Type("C");
    EXPECT_EQ(c().PromptText, "Dimension: Enter Number of Decimal Places.");
    EXPECT_EQ(t.fake.inputWidth, 500);
    EXPECT_EQ(t.fake.inputText, "2");
    Type("2");
    EXPECT_EQ(c().PromptText, "Dimension: Edit Dimension Text.");
    EXPECT_EQ(t.fake.inputWidth, 2000);
    EXPECT_EQ(t.fake.inputText, kTen);
    EXPECT_EQ(d().ObjNext, first);
    Type(kTen);

    ASSERT_EQ(d().ObjNext, first + 7);
    const int s = first;
    ExpectLine(s, {P(0, 1), P(5 - kHw, 1)});
    ExpectLine(s + 1, {P(10, 1), P(5 + kHw, 1)});
    ExpectLine(s + 2, {P(0, 0.1), P(0, 1.2)});
    ExpectLine(s + 3, {P(10, 0.1), P(10, 1.2)});
    ExpectLine(s + 4, {P(0.3, 1.075), P(0, 1), P(0.3, 0.925)});
    ExpectLine(s + 5, {P(9.7, 1.075), P(10, 1), P(9.7, 0.925)});
    ExpectText(s + 6, 5, 1, kTen, 0);
    EXPECT_EQ(c().CurCommand, "None");
    EXPECT_EQ(c().RepeatCommand, "Dimension");
    EXPECT_EQ(c().UndoOp, "None");
    EXPECT_TRUE(d().DrawingChanged);
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST_F(DimensionTest, AnswersChooseCentringPlacesAndText) {
    // "c" centres; "N" and any other answer leave the text where clicked.
    Run(P(0, 0), P(10, 0), P(3, 1), "c", "2");
    EXPECT_NEAR(d().ObjX[d().ObjNext - 1], 5, kTol);
    Run(P(0, 0), P(10, 0), P(3, 1), "N", "2");
    EXPECT_NEAR(d().ObjX[d().ObjNext - 1], 3, kTol);
    Run(P(0, 0), P(10, 0), P(3, 1), "yes", "2");
    EXPECT_NEAR(d().ObjX[d().ObjNext - 1], 3, kTol);
    ASSERT_EQ(d().ObjNext, first + 21);

    // Places are rounded; the default is the length with that many decimals.
    auto offered = [&](Point2 b, const std::string& places) {
        CancelCommand(app(), 0);  // leaves the previous run at its last question
        RunStarter(app(), "Dimension");
        Click(1, 0, 0);
        Click(1, b.x, b.y);
        Click(2, 3, 5);
        Type("N");
        Type(places);
        return t.fake.inputText;
    };
    EXPECT_EQ(offered(P(1, 1), "2.6"), "1.414\"");
    EXPECT_EQ(offered(P(1, 1), "1.4"), "1.4\"");
    EXPECT_EQ(offered(P(1, 1), "2"), "1.41\"");
    EXPECT_EQ(offered(P(3, 4), "3"), "5.000\"");
    // The typed text replaces the default, whatever its length.
    Type("SEE NOTE");
    EXPECT_EQ(d().ObjText[d().ObjNext - 1], "SEE NOTE");
    EXPECT_EQ(c().CurCommand, "None");
}

TEST_F(DimensionTest, InsideTextKeepsClearOfBothPoints) {
    ASSERT_TRUE(Build(P(0, 0), P(10, 0), P(0.5, 1)));
    ExpectLine(first, {P(0, 1), P(kM - kHw, 1)});
    ExpectLine(first + 1, {P(10, 1), P(kM + kHw, 1)});
    ExpectText(first + 6, kM, 1, kTen, 0);

    // Below the points near B: the extension lines go down.
    first = d().ObjNext;
    ASSERT_TRUE(Build(P(0, 0), P(10, 0), P(9.8, -1)));
    ExpectLine(first, {P(0, -1), P(10 - kM - kHw, -1)});
    ExpectLine(first + 1, {P(10, -1), P(10 - kM + kHw, -1)});
    ExpectLine(first + 2, {P(0, -0.1), P(0, -1.2)});
    ExpectLine(first + 3, {P(10, -0.1), P(10, -1.2)});
    ExpectText(first + 6, 10 - kM, -1, kTen, 0);

    // Measured right to left: the pieces and arrowheads face the other way.
    first = d().ObjNext;
    ASSERT_TRUE(Build(P(10, 0), P(0, 0), P(4, 1), true));
    ExpectLine(first, {P(10, 1), P(5 + kHw, 1)});
    ExpectLine(first + 1, {P(0, 1), P(5 - kHw, 1)});
    ExpectLine(first + 4, {P(9.7, 1.075), P(10, 1), P(9.7, 0.925)});
    ExpectLine(first + 5, {P(0.3, 1.075), P(0, 1), P(0.3, 0.925)});
    ExpectText(first + 6, 5, 1, kTen, kPi);
    EXPECT_EQ(d().ObjNext, first + 7);
}

TEST_F(DimensionTest, TextTooLongForTheGapIsRefused) {
    d().TextHeight = 2;
    Run(P(0, 0), P(10, 0), P(5, 1), "C", "2");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text,
              JoinCrLf({"The text is too long to fit between dimension lines.  You may;",
                        "1 - Reduce the text height, or", "2 - Move the text outside of the dimension lines."}) +
                  "Dimension Canceled.");
    EXPECT_EQ(d().ObjNext, first);
    EXPECT_EQ(d().ObjType[first], "");

    // (n + 4) h equal to the gap still fits.
    t.fake.boxes.clear();
    d().TextHeight = 1;
    EXPECT_TRUE(Build(P(0, 0), P(10, 0), P(5, 1)));
    EXPECT_EQ(d().ObjNext, first + 7);
    d().TextHeight = 1.01;
    EXPECT_FALSE(Build(P(0, 0), P(10, 0), P(5, 1)));
    EXPECT_EQ(d().ObjNext, first + 7);
    EXPECT_EQ(t.fake.boxes.size(), 1u);
    // Outside the gap any height is taken.
    d().TextHeight = 2;
    EXPECT_TRUE(Build(P(0, 0), P(10, 0), P(12, 1)));
    EXPECT_EQ(d().ObjNext, first + 15);
    EXPECT_EQ(t.fake.boxes.size(), 1u);
}

TEST_F(DimensionTest, OutsideTextBeyondBMovesOutAndArrowheadsTurn) {
    Run(P(0, 0), P(10, 0), P(10.5, 1), "N", "2");
    ASSERT_EQ(d().ObjNext, first + 8);
    const int s = first;
    ExpectLine(s, {P(0, 1), P(-0.4, 1)});
    ExpectLine(s + 1, {P(10, 1), P(10.4, 1)});
    ExpectLine(s + 2, {P(10, 1), P(10 + kM3 - kHw, 1)});
    ExpectLine(s + 3, {P(0, 0.1), P(0, 1.2)});
    ExpectLine(s + 4, {P(10, 0.1), P(10, 1.2)});
    ExpectLine(s + 5, {P(-0.3, 0.925), P(0, 1), P(-0.3, 1.075)});
    ExpectLine(s + 6, {P(10.3, 0.925), P(10, 1), P(10.3, 1.075)});
    ExpectText(s + 7, 10 + kM3, 1, kTen, 0);
    EXPECT_EQ(c().CurCommand, "None");

    // Far enough out the text stays where it was put.
    first = d().ObjNext;
    ASSERT_TRUE(Build(P(0, 0), P(10, 0), P(14, 1)));
    ExpectLine(first + 2, {P(10, 1), P(14 - kHw, 1)});
    ExpectText(first + 7, 14, 1, kTen, 0);
    // A text on the point itself is outside.
    first = d().ObjNext;
    ASSERT_TRUE(Build(P(0, 0), P(10, 0), P(10, 1)));
    EXPECT_EQ(d().ObjNext, first + 8);
    ExpectText(first + 7, 10 + kM3, 1, kTen, 0);
}

TEST_F(DimensionTest, OutsideTextBeyondAMeasuredLeftwardsBelow) {
    ASSERT_TRUE(Build(P(10, 0), P(0, 0), P(10.5, -1)));
    ASSERT_EQ(d().ObjNext, first + 8);
    const int s = first;
    ExpectLine(s, {P(10, -1), P(10.4, -1)});
    ExpectLine(s + 1, {P(0, -1), P(-0.4, -1)});
    ExpectLine(s + 2, {P(10, -1), P(10 + kM3 - kHw, -1)});
    ExpectLine(s + 3, {P(10, -0.1), P(10, -1.2)});
    ExpectLine(s + 4, {P(0, -0.1), P(0, -1.2)});
    ExpectLine(s + 5, {P(10.3, -1.075), P(10, -1), P(10.3, -0.925)});
    ExpectLine(s + 6, {P(-0.3, -1.075), P(0, -1), P(-0.3, -0.925)});
    ExpectText(s + 7, 10 + kM3, -1, kTen, kPi);
}

TEST_F(DimensionTest, VerticalDimensionsBothWays) {
    Run(P(0, 0), P(0, 10), P(1, 5), "N", "2");
    ASSERT_EQ(d().ObjNext, first + 7);
    int s = first;
    ExpectLine(s, {P(1, 0), P(1, 5 - kHw)});
    ExpectLine(s + 1, {P(1, 10), P(1, 5 + kHw)});
    ExpectLine(s + 2, {P(0.1, 0), P(1.2, 0)});
    ExpectLine(s + 3, {P(0.1, 10), P(1.2, 10)});
    ExpectLine(s + 4, {P(1.075, 0.3), P(1, 0), P(0.925, 0.3)});
    ExpectLine(s + 5, {P(1.075, 9.7), P(1, 10), P(0.925, 9.7)});
    ExpectText(s + 6, 1, 5, kTen, kPi / 2);

    // Downwards, text to the left.
    s = first = d().ObjNext;
    ASSERT_TRUE(Build(P(0, 10), P(0, 0), P(-1, 5)));
    ExpectLine(s, {P(-1, 10), P(-1, 5 + kHw)});
    ExpectLine(s + 1, {P(-1, 0), P(-1, 5 - kHw)});
    ExpectLine(s + 2, {P(-0.1, 10), P(-1.2, 10)});
    ExpectLine(s + 3, {P(-0.1, 0), P(-1.2, 0)});
    ExpectLine(s + 4, {P(-0.925, 9.7), P(-1, 10), P(-1.075, 9.7)});
    ExpectLine(s + 5, {P(-0.925, 0.3), P(-1, 0), P(-1.075, 0.3)});
    ExpectText(s + 6, -1, 5, kTen, 3 * kPi / 2);

    // Outside below A: the text moves down, the arrowheads turn.
    s = first = d().ObjNext;
    ASSERT_TRUE(Build(P(0, 0), P(0, 10), P(1, -0.5)));
    ASSERT_EQ(d().ObjNext, first + 8);
    ExpectLine(s, {P(1, 0), P(1, -0.4)});
    ExpectLine(s + 1, {P(1, 10), P(1, 10.4)});
    ExpectLine(s + 2, {P(1, 0), P(1, -kM3 + kHw)});
    ExpectLine(s + 3, {P(0.1, 0), P(1.2, 0)});
    ExpectLine(s + 4, {P(0.1, 10), P(1.2, 10)});
    ExpectLine(s + 5, {P(0.925, -0.3), P(1, 0), P(1.075, -0.3)});
    ExpectLine(s + 6, {P(0.925, 10.3), P(1, 10), P(1.075, 10.3)});
    ExpectText(s + 7, 1, -kM3, kTen, kPi / 2);
}

TEST_F(DimensionTest, AlignedDimensionWorkedByHand) {
    // AB along (0.8, 0.6), length 10; T is 5 along and 5 across: F = (4, 3),
    // the line moves by (-3, 4), so A' = (-3, 4) and B' = (5, 10).
    const Point2 e{0.8, 0.6}, w{-0.6 * 0.075, 0.8 * 0.075};
    ASSERT_TRUE(Build(P(0, 0), P(8, 6), P(1, 7)));
    ASSERT_EQ(d().ObjNext, first + 7);
    const int s = first;
    ExpectLine(s, {P(-3, 4), Plus(P(-3, 4), e, 5 - kHw)});
    ExpectLine(s + 1, {P(5, 10), Plus(P(-3, 4), e, 5 + kHw)});
    ExpectLine(s + 2, {P(-0.06, 0.08), P(-3.12, 4.16)});
    ExpectLine(s + 3, {P(7.94, 6.08), P(4.88, 10.16)});
    ExpectArrow(s + 4, P(-3, 4), P(-2.76, 4.18), w);
    ExpectArrow(s + 5, P(5, 10), P(4.76, 9.82), w);
    ExpectText(s + 6, 1, 7, kTen, std::atan2(6.0, 8.0));

    // Outside beyond B: 0.5 past F's end and 2 across.
    first = d().ObjNext;
    const Point2 a1{-1.2, 1.6}, b1{6.8, 7.6};
    ASSERT_TRUE(Build(P(0, 0), P(8, 6), P(7.2, 7.9)));
    ASSERT_EQ(d().ObjNext, first + 8);
    ExpectLine(first, {a1, Plus(a1, e, -0.4)});
    ExpectLine(first + 1, {b1, Plus(b1, e, 0.4)});
    ExpectLine(first + 2, {b1, Plus(a1, e, 10 + kM3 - kHw)});
    ExpectArrow(first + 5, a1, Plus(a1, e, -0.3), w);
    ExpectArrow(first + 6, b1, Plus(b1, e, 0.3), w);
    const Point2 at = Plus(a1, e, 10 + kM3);
    ExpectText(first + 7, at.x, at.y, kTen, std::atan2(6.0, 8.0));
}

TEST_F(DimensionTest, AlignedDimensionLiesParallelToThePoints) {
    const Point2 A{1, 2}, B{4, -3}, T{5, 3};
    const double L = std::hypot(3.0, 5.0);
    const Point2 u{3 / L, -5 / L};
    const Point2 F = Plus(A, u, Dot(Minus(T, A), u));
    const Point2 off = Minus(T, F);
    const Point2 a1 = Plus(A, off, 1), b1 = Plus(B, off, 1);
    const std::string text = "5.83\"";
    const double hw = 5.7 * 0.2 / 2;
    ASSERT_TRUE(Build(A, B, T, false, text));
    ASSERT_EQ(d().ObjNext, first + 7);
    const int s = first;
    auto V = [&](int slot, int k) { return Point2{d().VertX(slot, k), d().VertY(slot, k)}; };
    EXPECT_NEAR(std::hypot(V(s, 1).x - a1.x, V(s, 1).y - a1.y), 0, kTol);
    EXPECT_NEAR(std::hypot(V(s + 1, 1).x - b1.x, V(s + 1, 1).y - b1.y), 0, kTol);
    for (int k : {0, 1})
        for (int v : {1, 2}) EXPECT_NEAR(Cross(Minus(V(s + k, v), T), u), 0, kTol);
    // The pieces stop hw short of the text on either side.
    EXPECT_NEAR(Dot(Minus(V(s, 2), T), u), -hw, kTol);
    EXPECT_NEAR(Dot(Minus(V(s + 1, 2), T), u), hw, kTol);
    // Extension lines across AB, from half a height off the points to one past the line.
    const Point2 n{off.x / std::hypot(off.x, off.y), off.y / std::hypot(off.x, off.y)};
    ExpectLine(s + 2, {Plus(A, n, 0.1), Plus(a1, n, 0.2)});
    ExpectLine(s + 3, {Plus(B, n, 0.1), Plus(b1, n, 0.2)});
    EXPECT_NEAR(Dot(Minus(V(s + 2, 2), V(s + 2, 1)), u), 0, kTol);
    const Point2 w{-u.y * 0.075, u.x * 0.075};
    ExpectArrow(s + 4, a1, Plus(a1, u, 0.3), w);
    ExpectArrow(s + 5, b1, Plus(b1, u, -0.3), w);
    ExpectText(s + 6, T.x, T.y, text, std::atan2(-5.0, 3.0) + 2 * kPi);
}

TEST_F(DimensionTest, FullTableBuildsNothing) {
    d().ObjNext = 2995;  // six slots left
    EXPECT_FALSE(Build(P(0, 0), P(10, 0), P(5, 1)));
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgDrawingFull);
    EXPECT_EQ(d().ObjNext, 2995);
    EXPECT_EQ(d().ObjType[2995], "");

    // Seven slots: an inside dimension fits, an outside one (eight) does not.
    d().ObjNext = 2994;
    EXPECT_FALSE(Build(P(0, 0), P(10, 0), P(12, 1)));
    EXPECT_EQ(t.fake.boxes.size(), 2u);
    EXPECT_EQ(d().ObjNext, 2994);
    EXPECT_EQ(d().ObjType[2994], "");
    EXPECT_TRUE(Build(P(0, 0), P(10, 0), P(5, 1)));
    EXPECT_EQ(d().ObjNext, 3001);
    EXPECT_EQ(d().ObjType[3000], "Text");

    // Through the command.
    t.fake.boxes.clear();
    d().ObjNext = 2995;
    d().ObjType[2995].clear();
    Run(P(0, 0), P(10, 0), P(5, 1), "C", "2");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgDrawingFull);
    EXPECT_EQ(d().ObjNext, 2995);
    EXPECT_EQ(d().ObjType[2995], "");
}

// ---- RotateObject -------------------------------------------------------------------

class RotateTest : public DimensionTest {
protected:
    int Put(const std::string& kind, double x, double y, double xs = 1, double ys = 1, double a = 0,
            double end = 0) {
        const int s = d().ObjNext++;
        d().ObjType[s] = kind;
        d().ObjX[s] = x, d().ObjY[s] = y, d().ObjXScale[s] = xs, d().ObjYScale[s] = ys;
        d().ObjAngle[s] = a, d().ObjEndAngle[s] = end, d().ObjSize[s] = 1, d().ObjJust[s] = "M";
        d().ObjText[s] = kind == "Shape" ? "NOSHAPE" : "AB";
        return s;
    }
    int PutLine(const std::vector<Point2>& pts) {
        const int s = d().ObjNext++;
        d().ObjType[s] = "Line", d().ObjNum[s] = static_cast<int16_t>(s), d().ObjColor[s] = 1;
        d().ObjSize[s] = static_cast<double>(pts.size()), d().ObjXScale[s] = d().ObjYScale[s] = 1;
        for (size_t k = 0; k < pts.size(); ++k) {
            d().VertX(s, static_cast<int>(k) + 1) = pts[k].x;
            d().VertY(s, static_cast<int>(k) + 1) = pts[k].y;
        }
        return s;
    }
    void Rotate(const std::vector<int>& slots, Point2 centre, double angle) {
        app().sel.SelCount = static_cast<int16_t>(slots.size());
        for (size_t k = 0; k < slots.size(); ++k) app().sel.SelList[k] = static_cast<int16_t>(slots[k]);
        app().cmd.Pt1 = centre;
        app().xform.RotateAngle = angle;
        RotateObject(app());
    }
};

TEST_F(RotateTest, LinesTurnEveryVertexAboutTheCentre) {
    const int a = PutLine({P(0, 0), P(1, 0)});
    const int b = PutLine({P(1, 1), P(2, 1), P(2, 3)});
    Rotate({a, b}, P(0, 0), kPi / 2);
    ExpectLine(a, {P(0, 0), P(0, 1)});
    ExpectLine(b, {P(-1, 1), P(-1, 2), P(-3, 2)});
    EXPECT_EQ(d().UndoValue[0], kPi / 2);
    Rotate({a}, P(1, 1), kPi);
    ExpectLine(a, {P(2, 2), P(2, 1)});
    ExpectLine(b, {P(-1, 1), P(-1, 2), P(-3, 2)});  // not listed
    EXPECT_EQ(d().UndoValue[0], kPi);
}

TEST_F(RotateTest, QuarterTurnsExchangeTheFactors) {
    struct Case { double angle; bool swaps; };
    const Case cases[] = {{kPi / 2, true},          {-kPi / 2, true},         {3 * kPi / 2, true},
                          {-3 * kPi / 2, true},     {kPi / 2 + 0.009, true},  {kPi / 2 - 0.009, true},
                          {kPi / 2 + 0.011, false}, {3 * kPi / 2 - 0.011, false}, {kPi, false},
                          {kPi / 4, false},         {0, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.angle);
        const int s = Put("Circle", 1, 0, 2, 3);
        Rotate({s}, P(0, 0), k.angle);
        EXPECT_EQ(d().ObjXScale[s], k.swaps ? 3 : 2);
        EXPECT_EQ(d().ObjYScale[s], k.swaps ? 2 : 3);
        EXPECT_NEAR(d().ObjX[s], std::cos(k.angle), kTol);
        EXPECT_NEAR(d().ObjY[s], std::sin(k.angle), kTol);
    }
}

TEST_F(RotateTest, ShapesTurnByTheAngleWithTheSignOfTheirFactors) {
    // A stretched shape turns by the angle itself, not by the angle times
    // its factors; a quarter turn exchanges the factors.
    const int wide = Put("Shape", 3, 0, 2, 1, 0.1, 0.2);
    Rotate({wide}, P(1, 0), kPi / 2);
    EXPECT_EQ(d().ObjXScale[wide], 1);
    EXPECT_EQ(d().ObjYScale[wide], 2);
    EXPECT_NEAR(d().ObjX[wide], 1, kTol);
    EXPECT_NEAR(d().ObjY[wide], 2, kTol);
    EXPECT_NEAR(d().ObjAngle[wide], 0.1 + kPi / 2, kTol);
    EXPECT_NEAR(d().ObjEndAngle[wide], 0.2 + kPi / 2, kTol);

    const int eighth = Put("Shape", 0, 0, 2, 1, 0.1, 0.2);
    Rotate({eighth}, P(0, 0), kPi / 6);
    EXPECT_EQ(d().ObjXScale[eighth], 2);
    EXPECT_EQ(d().ObjYScale[eighth], 1);
    EXPECT_NEAR(d().ObjAngle[eighth], 0.1 + kPi / 6, kTol);

    // A mirrored shape turns the other way.
    const int mirrored = Put("Shape", 0, 0, -1, 1, 1.0, 1.5);
    Rotate({mirrored}, P(0, 0), kPi / 6);
    EXPECT_NEAR(d().ObjAngle[mirrored], 1.0 - kPi / 6, kTol);
    EXPECT_NEAR(d().ObjEndAngle[mirrored], 1.5 - kPi / 6, kTol);
    Rotate({mirrored}, P(0, 0), kPi / 2);
    EXPECT_EQ(d().ObjXScale[mirrored], 1);
    EXPECT_EQ(d().ObjYScale[mirrored], -1);
    EXPECT_NEAR(d().ObjAngle[mirrored], 1.0 - kPi / 6 - kPi / 2, kTol);
}

TEST_F(RotateTest, ArcsCirclesAndTextsTurnByTheAngle) {
    const int arc = Put("Arc", 2, 0, 1, 1, 0.5, 1.5);
    const int circle = Put("Circle", 0, 2, 1, 1, 0.25, 0.75);
    const int text = Put("Text", 2, 2, 1, 1, 0.3);
    const int still = Put("Text", 2, 2, 1, 1, 0.3);
    const double a = kPi / 3;
    Rotate({arc, circle, text}, P(0, 0), a);
    EXPECT_NEAR(d().ObjX[arc], 1, kTol);
    EXPECT_NEAR(d().ObjY[arc], std::sqrt(3.0), kTol);
    EXPECT_NEAR(d().ObjAngle[arc], 0.5 + a, kTol);
    EXPECT_NEAR(d().ObjEndAngle[arc], 1.5 + a, kTol);
    EXPECT_NEAR(d().ObjX[circle], -std::sqrt(3.0), kTol);
    EXPECT_NEAR(d().ObjY[circle], 1, kTol);
    EXPECT_NEAR(d().ObjAngle[circle], 0.25 + a, kTol);
    EXPECT_NEAR(d().ObjEndAngle[circle], 0.75 + a, kTol);
    EXPECT_NEAR(d().ObjX[text], 1 - std::sqrt(3.0), kTol);
    EXPECT_NEAR(d().ObjY[text], std::sqrt(3.0) + 1, kTol);
    EXPECT_NEAR(d().ObjAngle[text], 0.3 + a, kTol);
    EXPECT_EQ(d().ObjX[still], 2);
    EXPECT_EQ(d().ObjY[still], 2);
    EXPECT_EQ(d().ObjAngle[still], 0.3);
    EXPECT_EQ(d().UndoValue[0], a);
}

}  // namespace
