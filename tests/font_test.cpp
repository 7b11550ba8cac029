// The stroke font: compiling character drawings (both header forms, damaged
// drawings), loading the font file, and the text layout through a recording
// device: justification, the "[" and "]" shifts, codes outside the font, and
// glyph arcs and circles from the test font (fixtures/font: A, B, O).
#include <gtest/gtest.h>

#include <cmath>

#include "fake_platform.h"
#include "recorder.h"
#include "model/numbers.h"
#include "view/font.h"
#include "view/redraw.h"

namespace {

class FontTest : public ::testing::Test {
protected:
    void SetUp() override { t.Start(dir.path()); }
    App& app() { return *t.app; }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(FontTest, StartUpCompilesTheCharacterDrawings) {
    std::string text = ReadAll(dir.file("Schematic.fnt"));
    auto lines = SplitCrLf(text);
    // 96 codes, each starting with its code; "A" (65) has two polylines.
    ASSERT_GT(lines.size(), 96u);
    EXPECT_EQ(lines[0], "32");
    EXPECT_EQ(lines[1], "0");
    const Font& f = app().font;
    EXPECT_EQ(f.FontStrokeCount[65 - 32], 2);
    EXPECT_EQ(f.FontStrokeKind[Font::S(65 - 32, 0)], 3);
    EXPECT_EQ(f.FontStrokeValue[Font::S(65 - 32, 0)], 3);
    EXPECT_DOUBLE_EQ(f.FontPointY[Font::P(65 - 32, 0, 1)], 1.4);
    EXPECT_EQ(f.FontStrokeCount[66 - 32], 3);
    EXPECT_EQ(f.FontStrokeKind[Font::S(66 - 32, 1)], 1);
    EXPECT_DOUBLE_EQ(f.FontStrokeValue[Font::S(66 - 32, 1)], 0.25);
    EXPECT_NEAR(f.FontPointX[Font::P(66 - 32, 1, 1)], -std::atan(1.0) * 2, 1e-5);  // start angle as point 2's x
    EXPECT_EQ(f.FontStrokeKind[Font::S(79 - 32, 0)], 2);
    EXPECT_EQ(f.FontStrokeCount[67 - 32], 0);  // no drawing: no strokes, no message
    EXPECT_TRUE(t.fake.boxes.empty());
    // The file reads back into the same tables.
    Font again;
    ParseFont(again, text);
    EXPECT_EQ(again.FontStrokeCount, f.FontStrokeCount);
    EXPECT_EQ(again.FontPointX, f.FontPointX);
}

TEST(FontCompile, OlderHeaderAndDamagedDrawings) {
    // An older header: 20 lines, then the count where "Plot Scale" would stand.
    std::vector<std::string> old = {"Shape File Prefix"};
    for (int i = 0; i < 19; ++i) old.push_back("x");
    std::vector<std::string> tail = {"1", "Circle", "1", "1", "0.3", "0.5", "0.9", "1", "1"};
    old.insert(old.end(), tail.begin(), tail.end());
    EXPECT_EQ(CompileCharacter(JoinCrLf(old)), "1\r\n2\r\n0.3\r\n0.5\r\n0.9\r\n");
    // A kind that is not a stroke, or a drawing cut short, ends the character
    // with what was complete.
    std::vector<std::string> bad = old;
    bad[20] = "2";
    bad.insert(bad.end(), {"Text", "2", "1", "0.1", "Hi"});
    EXPECT_EQ(CompileCharacter(JoinCrLf(bad)), "1\r\n2\r\n0.3\r\n0.5\r\n0.9\r\n");
    EXPECT_EQ(CompileCharacter(""), "0\r\n");
    EXPECT_EQ(CompileCharacter("garbage"), "0\r\n");
}

TEST(FontLoad, LimitsAreKeptAndTheRestIsReadPast) {
    // Code 32 with 17 strokes (two beyond the table) and a 33-point polyline,
    // then code 33 with one circle: the tables keep 15 strokes and 30 points,
    // and code 33 still reads right.
    std::string t = "32\r\n17\r\n3\r\n33\r\n";
    for (int p = 0; p < 33; ++p) t += std::to_string(p) + "\r\n" + std::to_string(p) + "\r\n";
    for (int k = 1; k < 17; ++k) t += "2\r\n0.1\r\n0.5\r\n0.5\r\n";
    t += "33\r\n1\r\n2\r\n0.2\r\n0.25\r\n0.75\r\n";
    Font f;
    ParseFont(f, t);
    EXPECT_EQ(f.FontStrokeCount[0], 15);
    EXPECT_DOUBLE_EQ(f.FontPointX[Font::P(0, 0, 29)], 29);
    EXPECT_EQ(f.FontStrokeCount[1], 1);
    EXPECT_DOUBLE_EQ(f.FontStrokeValue[Font::S(1, 0)], 0.2);
    EXPECT_DOUBLE_EQ(f.FontPointY[Font::P(1, 0, 0)], 0.75);
    // A font file that is gone gives an empty font.
    Font empty;
    ParseFont(empty, "");
    EXPECT_EQ(empty.FontStrokeCount[33], 0);
}

TEST_F(FontTest, JustificationAndCells) {
    const Font& f = app().font;
    // "AB" with "S", height 1 at (0, 0): A's cell origin is (0, -0.4), B's (1, -0.4).
    Recorder r;
    RenderText(r, f, 0.4, "AB", "S", 1, 0, 0, 0, 1);
    ASSERT_GE(r.moves.size(), 2u);
    EXPECT_FALSE(r.moves[0].down);
    EXPECT_NEAR(r.moves[0].x, 0.1, 1e-12);  // A's first point (0.1, 0.4) in its cell
    EXPECT_NEAR(r.moves[0].y, 0, 1e-12);
    ASSERT_EQ(r.curves.size(), 2u);          // B's two arcs
    EXPECT_NEAR(r.curves[0].cx, 1 + 0.2, 1e-12);
    EXPECT_NEAR(r.curves[0].cy, 1.15 - 0.4, 1e-12);
    EXPECT_EQ(r.curves[0].kind, CurveKind::GlyphArc);
    // "C" with four cells of height 0.5 starts at x - 1; "E" ends at x.
    Recorder c;
    RenderText(c, f, 0.4, "AAAA", "C", 0.5, 0, 3, 0, 1);
    EXPECT_NEAR(c.moves[0].x, 3 - 1 + 0.1 * 0.5, 1e-12);
    Recorder e;
    RenderText(e, f, 0.4, "A", "E", 2, 0, 3, 0, 1);
    EXPECT_NEAR(e.moves[0].x, 3 - 2 + 0.2, 1e-12);
    // "M" puts the cell bottoms 0.9 h below the insertion point.
    Recorder m;
    RenderText(m, f, 0.4, "A", "M", 1, 0, 0, 0, 1);
    EXPECT_NEAR(m.moves[0].y, -0.9 + 0.4, 1e-12);
    // An unknown code places with no offsets at all.
    Recorder q;
    RenderText(q, f, 0.4, "A", "Q", 1, 0, 0, 0, 1);
    EXPECT_NEAR(q.moves[0].x, 0.1, 1e-12);
    EXPECT_NEAR(q.moves[0].y, 0.4, 1e-12);
}

TEST_F(FontTest, BracketsTabsAndRotation) {
    const Font& f = app().font;
    // A[A]A: the middle A sits half a height lower in the second cell, the
    // third is back on the line in the third cell.
    Recorder r;
    RenderText(r, f, 0.4, "A[A]A", "S", 1, 0, 0, 0, 1);
    std::vector<Recorder::Move> firsts;
    for (const auto& mv : r.moves)
        if (!mv.down && std::fabs(mv.y) < 2 && std::fabs(mv.x - std::round(mv.x) - 0.1) < 1e-9) firsts.push_back(mv);
    ASSERT_EQ(firsts.size(), 3u);
    EXPECT_NEAR(firsts[1].x, 1.1, 1e-12);
    EXPECT_NEAR(firsts[1].y, -0.5, 1e-12);
    EXPECT_NEAR(firsts[2].x, 2.1, 1e-12);
    EXPECT_NEAR(firsts[2].y, 0, 1e-12);
    // A tab and a code above 127 take a cell and draw nothing.
    Recorder tab;
    RenderText(tab, f, 0.4, "\tA\x90" "A", "S", 1, 0, 0, 0, 1);
    EXPECT_NEAR(tab.moves[0].x, 1.1, 1e-12);
    ASSERT_EQ(tab.moves.size(), 10u);  // A has a 3-point and a 2-point stroke
    EXPECT_NEAR(tab.moves[5].x, 3.1, 1e-12);
    // A quarter turn: the first point (0.1, 0) of A goes to (0, 0.1).
    Recorder rot;
    RenderText(rot, f, 0.4, "A", "S", 1, 2 * std::atan(1.0), 0, 0, 1);
    EXPECT_NEAR(rot.moves[0].x, 0, 1e-12);
    EXPECT_NEAR(rot.moves[0].y, 0.1, 1e-12);
}

TEST_F(FontTest, GlyphArcsAndCirclesDrawOnTheScreen) {
    // "O" is one circle of radius 0.4 in its cell: on the screen a ring of dots.
    FitViewToLimits(app());
    app().dwg.GridOn = false;
    ScreenRedraw(app(), 0);
    DrawText(app(), "OB", "S", 2, 0, -2, -1, 0x00FF00);
    int green = 0;
    for (uint32_t p : app().screen.px) green += p == 0x00FF00;
    // A ring of radius 0.8 units (90 pixels) and B's two half rings.
    EXPECT_GT(green, 500);
    double cx = ToScreenX(app(), -2 + 0.5 * 2 + 0.8), cy = ToScreenY(app(), -1 + (0.9 - 0.4) * 2);
    bool near = false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) near |= SurfaceGetPixel(app().screen, cx + dx * 10, cy + dy * 10) == 0x00FF00;
    EXPECT_TRUE(near);
}
