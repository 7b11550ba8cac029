// Tests of the extents computation: the bounding points of every kind, the
// text box, the arc-angle normalisation and TransformPoint.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "model/drawing.h"
#include "model/extents.h"

namespace {

const double kPi = 4 * std::atan(1.0);

std::unique_ptr<Drawing> Empty() {
    auto d = std::make_unique<Drawing>();
    ResetExtents(*d);
    return d;
}

int AddText(Drawing& d, const char* text, const char* just, double h, double x, double y, double a) {
    int s = d.ObjNext++;
    d.ObjType[s] = "Text";
    d.ObjText[s] = text;
    d.ObjJust[s] = just;
    d.ObjSize[s] = h;
    d.ObjX[s] = x;
    d.ObjY[s] = y;
    d.ObjAngle[s] = a;
    return s;
}

struct Box {
    double x1, x2, y1, y2;
};

Box BoxOf(const Drawing& d, int s) { return {d.ObjBoxX1[s], d.ObjBoxX2[s], d.ObjBoxY1[s], d.ObjBoxY2[s]}; }

}  // namespace

TEST(ExtentsText, BoxPerJustification) {
    auto d = Empty();
    struct Case {
        const char* just;
        Box box;
    };
    // "AB[2]" takes three cells; height 2 at (10, 5).
    const Case cases[] = {
        {"S", {10, 16, 5, 7}},
        {"C", {7, 13, 5, 7}},
        {"M", {7, 13, 4, 6}},
        {"E", {4, 10, 5, 7}},
        {"Q", {10, 10, 5, 5}},  // an unknown code: the insertion point only
    };
    for (const Case& c : cases) {
        ClearObjects(*d);
        ResetExtents(*d);
        int s = AddText(*d, "AB[2]", c.just, 2, 10, 5, 0);
        d->ObjBoxX1[s] = -50;  // whatever was there before is forgotten
        d->ObjBoxY2[s] = 50;
        UpdateObjectExtents(*d, s);
        Box b = BoxOf(*d, s);
        EXPECT_DOUBLE_EQ(b.x1, c.box.x1) << c.just;
        EXPECT_DOUBLE_EQ(b.x2, c.box.x2) << c.just;
        EXPECT_DOUBLE_EQ(b.y1, c.box.y1) << c.just;
        EXPECT_DOUBLE_EQ(b.y2, c.box.y2) << c.just;
        // Only the corners reach the drawing extents, not the insertion point itself.
        EXPECT_DOUBLE_EQ(d->ExtMinX, c.just[0] == 'Q' ? 1000 : c.box.x1) << c.just;
        EXPECT_DOUBLE_EQ(d->ExtMaxY, c.just[0] == 'Q' ? -1000 : c.box.y2) << c.just;
    }
}

TEST(ExtentsText, RotatedBoxAndCellCount) {
    auto d = Empty();
    // A quarter turn: the text runs up from (1, 1), its height to the left.
    int s = AddText(*d, "ABCD", "S", 0.5, 1, 1, kPi / 2);
    UpdateTextBox(*d, s);
    Box b = BoxOf(*d, s);
    EXPECT_NEAR(b.x1, 0.5, 1e-12);
    EXPECT_NEAR(b.x2, 1, 1e-12);
    EXPECT_NEAR(b.y1, 1, 1e-12);
    EXPECT_NEAR(b.y2, 3, 1e-12);
    EXPECT_EQ(TextCellCount("X[2]"), 2);
    EXPECT_EQ(TextCellCount("a\tb c"), 5);
    EXPECT_EQ(TextCellCount(""), 0);
}

TEST(ExtentsKinds, EveryKindGrowsTheExtents) {
    auto d = Empty();
    // Circle: centre +/- (r, r).
    d->ObjType[1] = "Circle";
    d->ObjX[1] = 2, d->ObjY[1] = 3, d->ObjSize[1] = 0.5;
    // Line: every vertex, none beyond its count.
    d->ObjType[2] = "Line";
    d->ObjSize[2] = 3;
    double xs[] = {0, -1, 4, 99}, ys[] = {0, 2, -2, 99};
    for (int k = 1; k <= 4; ++k) d->VertX(2, k) = xs[k - 1], d->VertY(2, k) = ys[k - 1];
    d->ObjNext = 3;
    RecomputeExtents(*d);
    EXPECT_EQ(d->ExtMinX, -1);
    EXPECT_EQ(d->ExtMaxX, 4);
    EXPECT_EQ(d->ExtMinY, -2);
    EXPECT_EQ(d->ExtMaxY, 3.5);

    // Dial: centre + (R, 0) and centre + (R, R), R its third parameter.
    ClearObjects(*d);
    d->ObjType[1] = "Dial";
    d->ObjX[1] = 1, d->ObjY[1] = 1;
    d->VertX(1, 3) = 1.5;
    // Shape: its stored box.
    d->ObjType[2] = "Shape";
    d->ObjBoxX1[2] = 0.5, d->ObjBoxX2[2] = 2, d->ObjBoxY1[2] = -1, d->ObjBoxY2[2] = 0;
    d->ObjType[3] = "";  // a deleted slot counts for nothing
    d->ObjType[4] = "Circle";
    d->ObjX[4] = 50, d->ObjSize[4] = 1;
    d->ObjType[4] = "";
    d->ObjNext = 5;
    RecomputeExtents(*d);
    EXPECT_EQ(d->ExtMinX, 0.5);
    EXPECT_EQ(d->ExtMaxX, 2.5);
    EXPECT_EQ(d->ExtMinY, -1);
    EXPECT_EQ(d->ExtMaxY, 2.5);
    EXPECT_EQ(d->ObjBoxX2[2], 2);  // the stored box stays as it was

    // Far right of X = 1000 the minimum still reports 1000; an empty drawing
    // keeps the start values.
    ClearObjects(*d);
    d->ObjType[1] = "Circle";
    d->ObjX[1] = 2000, d->ObjY[1] = 0, d->ObjSize[1] = 1;
    d->ObjNext = 2;
    RecomputeExtents(*d);
    EXPECT_EQ(d->ExtMinX, 1000);
    EXPECT_EQ(d->ExtMaxX, 2001);
    ClearObjects(*d);
    RecomputeExtents(*d);
    EXPECT_EQ(d->ExtMinX, 1000);
    EXPECT_EQ(d->ExtMaxX, -1000);
    EXPECT_EQ(d->ExtMinY, 1000);
    EXPECT_EQ(d->ExtMaxY, -1000);
}

TEST(ExtentsKinds, ArcPointsFollowTheSweep) {
    auto d = Empty();
    d->ObjType[1] = "Arc";
    d->ObjX[1] = 10, d->ObjY[1] = 10, d->ObjSize[1] = 2;
    d->ObjXScale[1] = 1, d->ObjYScale[1] = 1;
    d->ObjAngle[1] = 0, d->ObjEndAngle[1] = kPi / 2;  // the upper right quarter
    d->ObjNext = 2;
    RecomputeExtents(*d);
    EXPECT_NEAR(d->ExtMinX, 10, 1e-9);
    EXPECT_NEAR(d->ExtMaxX, 12, 1e-9);
    EXPECT_NEAR(d->ExtMinY, 10, 1e-9);
    EXPECT_NEAR(d->ExtMaxY, 12, 1e-9);

    // -60 to 60 degrees, mirrored in X: the points land left of the centre,
    // and the step of 2 degrees passes through 0.
    d->ObjAngle[1] = -kPi / 3, d->ObjEndAngle[1] = kPi / 3;
    d->ObjXScale[1] = -1;
    RecomputeExtents(*d);
    EXPECT_NEAR(d->ExtMinX, 8, 1e-9);
    EXPECT_NEAR(d->ExtMaxX, 9, 1e-9);
    EXPECT_NEAR(d->ExtMinY, 10 - 2 * std::sin(kPi / 3), 1e-9);
    EXPECT_NEAR(d->ExtMaxY, 10 + 2 * std::sin(kPi / 3), 1e-9);

    // Equal angles or no radius: no points at all.
    d->ObjAngle[1] = d->ObjEndAngle[1] = 1;
    RecomputeExtents(*d);
    EXPECT_EQ(d->ExtMinX, 1000);
    d->ObjEndAngle[1] = 2, d->ObjSize[1] = 0;
    RecomputeExtents(*d);
    EXPECT_EQ(d->ExtMaxY, -1000);
}

TEST(ExtentsArcAngles, Normalisation) {
    struct Case {
        double a, b;        // in
        double wa, wb;      // out
    };
    const double p = kPi;
    const Case cases[] = {
        {0, 1, 0, 1},                              // already canonical
        {0, 1.5 * p, 2 * p, 1.5 * p},              // the long way becomes the short way back
        {1.5 * p, 0, 1.5 * p, 2 * p},
        {7 * p + 0.1, 7.5 * p, p + 0.1, 1.5 * p},  // whole turns come off both
        {-5 * p, -4.5 * p, -p, -0.5 * p},
        {0.001, p + 0.001, 0, p},                  // half circles get a fixed direction
        {p, 0.002, -p, 0},
        {p / 2, -p / 2, p / 2, 1.5 * p},
        {-p / 2 + 0.001, p / 2, -p / 2, p / 2},
        {p, 2 * p - 0.001, p, 2 * p},
        {1, 1 + p, 1, 1 + p},
        {1 + p, 1, 1 + p, 1 + 2 * p},
        {2, 2, 2, 2},
    };
    for (const Case& c : cases) {
        double a = c.a, b = c.b;
        NormaliseArcAngles(a, b, kPi);
        EXPECT_NEAR(a, c.wa, 1e-12) << c.a << " " << c.b;
        EXPECT_NEAR(b, c.wb, 1e-12) << c.a << " " << c.b;
    }
    // Angles from a damaged file, however large, end in finite time within a turn or two.
    for (double big : {1e12, -1e15, 1e300}) {
        double a = big, b = 0.5;
        NormaliseArcAngles(a, b, kPi);
        EXPECT_LT(std::fabs(a), 4 * kPi) << big;
        EXPECT_LT(std::fabs(b), 4 * kPi) << big;
    }
}

TEST(ExtentsTransform, TransformPoint) {
    double x, y;
    TransformPoint(1, 0, 1, 1, 1, 0, 0, kPi / 2, x, y);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 1, 1e-12);
    TransformPoint(1, 2, 0, 0, 3, 10, 20, 0, x, y);  // zero factors count as 1
    EXPECT_EQ(x, 13);
    EXPECT_EQ(y, 26);
    TransformPoint(1, 2, -1, 2, 0.5, 1, 1, 0, x, y);
    EXPECT_EQ(x, 0.5);
    EXPECT_EQ(y, 3);
}
