// Tests of the stroke-font converter (tools/hershey): reading .jhf glyphs,
// their place in the character cell, the stroke limits, and the character
// drawings read back with the program's own reader. The last group converts
// the real Roman Simplex font the build uses.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "hershey.h"
#include "model/drawing.h"
#include "model/dwgfile.h"

namespace {

// One glyph as it would appear in a .jhf file: number, pair count, pairs.
std::string JhfGlyph(const std::string& pairs, int number = 1) {
    char head[16];
    std::snprintf(head, sizeof head, "%5d%3d", number, static_cast<int>(pairs.size() / 2));
    return head + pairs;
}

HersheyGlyph ParseOne(const std::string& line) {
    std::vector<HersheyGlyph> glyphs;
    std::string error;
    EXPECT_TRUE(ParseJhf(line, glyphs, error)) << error;
    EXPECT_EQ(glyphs.size(), 1u);
    return glyphs.empty() ? HersheyGlyph{} : glyphs[0];
}

std::vector<std::pair<int, int>> Points(const HersheyStroke& s) {
    std::vector<std::pair<int, int>> out;
    for (const HersheyPoint& p : s) out.emplace_back(p.x, p.y);
    return out;
}

double MinX(const CellGlyph& g) {
    double m = 1e9;
    for (const CellStroke& s : g.strokes)
        for (const CellPoint& p : s) m = std::min(m, p.x);
    return m;
}

double MaxX(const CellGlyph& g) {
    double m = -1e9;
    for (const CellStroke& s : g.strokes)
        for (const CellPoint& p : s) m = std::max(m, p.x);
    return m;
}

// The four extents closing a drawing file: min X, max X, min Y, max Y.
std::vector<std::string> FileExtents(const std::string& text) {
    std::vector<std::string> lines = SplitCrLf(text);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.size() < 4) return {};
    return std::vector<std::string>(lines.end() - 4, lines.end());
}

std::unique_ptr<Drawing> ReadBack(const std::string& text) {
    auto d = std::make_unique<Drawing>();
    ReadResult r = ParseDrawing(*d, text, false, 0, 0, 1);
    EXPECT_EQ(r.fail, ReadFail::None) << ReadFailMessage(r);
    return d;
}

// ---- reading the .jhf text ---------------------------------------------------

TEST(HersheyParse, PenUpEndsOneStrokeAndStartsTheNext) {
    // The exclamation mark of Roman Simplex: a bar, then a closed dot.
    HersheyGlyph g = ParseOne("  714  9MWRFRT RRYQZR[SZRY");
    EXPECT_EQ(g.left, -5);
    EXPECT_EQ(g.right, 5);
    ASSERT_EQ(g.strokes.size(), 2u);
    EXPECT_EQ(Points(g.strokes[0]), (std::vector<std::pair<int, int>>{{0, -12}, {0, 2}}));
    EXPECT_EQ(Points(g.strokes[1]),
              (std::vector<std::pair<int, int>>{{0, 7}, {-1, 8}, {0, 9}, {1, 8}, {0, 7}}));
}

TEST(HersheyParse, RepeatedAndTrailingPenUpsMakeNoEmptyStrokes) {
    HersheyGlyph g = ParseOne(JhfGlyph("JZ R RRFRT R RRY R"));
    ASSERT_EQ(g.strokes.size(), 2u);
    EXPECT_EQ(g.strokes[0].size(), 2u);
    EXPECT_EQ(g.strokes[1].size(), 1u);
}

TEST(HersheyParse, WrappedGlyphReadsLikeOneLine) {
    std::string first = JhfGlyph("H\\PBP_ RTBT_ RYIWGTFPFMGKIKKLMMNOOUQWRXSYUYXWZT[P[MZKX", 1);
    std::string second = JhfGlyph("MWRFRT RRYQZR[SZRY", 2);
    std::vector<HersheyGlyph> whole, wrapped;
    std::string error;
    ASSERT_TRUE(ParseJhf(first + "\n" + second + "\n", whole, error)) << error;
    // Wrapped so that the second line begins with a pen-up's blank, with CR LF ends.
    size_t cut = first.find(" RT");
    ASSERT_NE(cut, std::string::npos);
    std::string text = first.substr(0, cut) + "\r\n" + first.substr(cut) + "\r\n" + second + "\r\n";
    ASSERT_TRUE(ParseJhf(text, wrapped, error)) << error;
    ASSERT_EQ(whole.size(), 2u);
    ASSERT_EQ(wrapped.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(wrapped[i].left, whole[i].left);
        EXPECT_EQ(wrapped[i].right, whole[i].right);
        ASSERT_EQ(wrapped[i].strokes.size(), whole[i].strokes.size()) << "glyph " << i;
        for (size_t s = 0; s < whole[i].strokes.size(); ++s)
            EXPECT_EQ(Points(wrapped[i].strokes[s]), Points(whole[i].strokes[s]));
    }
    EXPECT_EQ(whole[0].strokes.size(), 3u);
    EXPECT_EQ(whole[1].strokes.size(), 2u);
}

TEST(HersheyParse, LineEndsAndBlankLinesAreNotData) {
    std::string a = JhfGlyph("JZRFR[", 1), b = JhfGlyph("JZLFX[", 2);
    std::vector<HersheyGlyph> lf, crlf;
    std::string error;
    ASSERT_TRUE(ParseJhf(a + "\n\n" + b, lf, error)) << error;  // no end on the last line
    ASSERT_TRUE(ParseJhf(a + "\r\n" + b + "\r\n\r\n", crlf, error)) << error;
    ASSERT_EQ(lf.size(), 2u);
    ASSERT_EQ(crlf.size(), 2u);
    for (const auto* glyphs : {&lf, &crlf}) {
        EXPECT_EQ(Points((*glyphs)[0].strokes.at(0)), (std::vector<std::pair<int, int>>{{0, -12}, {0, 9}}));
        EXPECT_EQ(Points((*glyphs)[1].strokes.at(0)), (std::vector<std::pair<int, int>>{{-6, -12}, {6, 9}}));
    }
}

TEST(HersheyParse, DamagedTextIsRefusedWithItsPlace) {
    std::vector<HersheyGlyph> glyphs;
    std::string error;
    // Twelve pairs promised, five given, nothing follows.
    EXPECT_FALSE(ParseJhf(JhfGlyph("JZRFR[") + "\n" + "    2 12JZRFR[RYRZ\n", glyphs, error));
    EXPECT_NE(error.find("glyph 2"), std::string::npos) << error;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_FALSE(ParseJhf("    1  xJZ\n", glyphs, error));
    EXPECT_FALSE(ParseJhf("    1\n", glyphs, error));
    EXPECT_FALSE(ParseJhf("    1  0\n", glyphs, error));
}

// ---- the character cell ---------------------------------------------------------

TEST(HersheyCell, CapitalStandsOnTheBaselineOneUnitTall) {
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("JZRFR[")));
    ASSERT_EQ(g.strokes.size(), 1u);
    ASSERT_EQ(g.strokes[0].size(), 2u);
    EXPECT_NEAR(g.strokes[0][0].y, 1.4, 1e-9);
    EXPECT_NEAR(g.strokes[0][1].y, 0.4, 1e-9);
    EXPECT_NEAR(g.strokes[0][0].x, 0.5, 1e-9);
}

TEST(HersheyCell, DescenderReachesBelowTheBaselineInsideTheCell) {
    // Down to Hershey y = 16: 7/21 below the baseline.
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("JZRMRb")));
    ASSERT_EQ(g.strokes.size(), 1u);
    double bottom = g.strokes[0][1].y;
    EXPECT_NEAR(bottom, 0.06667, 1e-9);
    EXPECT_GE(bottom, 0);
    EXPECT_LT(bottom, 0.4);
}

TEST(HersheyCell, GlyphIsCentredOnItsBearings) {
    // Bearings -9 and 8: the cell centre sits at Hershey x = -0.5.
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("IZRFR[ RNRVR")));
    ASSERT_EQ(g.strokes.size(), 2u);
    EXPECT_NEAR(g.strokes[0][0].x, 0.52381, 1e-9);
    EXPECT_NEAR(g.strokes[1][0].x, 0.33333, 1e-9);
    EXPECT_NEAR(g.strokes[1][1].x, 0.71429, 1e-9);
}

TEST(HersheyCell, WideGlyphIsNarrowedAboutTheCentre) {
    // Ink from -15 to 15 would span 30/21 of the cell.
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("CaCFa[ RRFW[")));
    EXPECT_NEAR(MinX(g), kInkLeft, 1e-9);
    EXPECT_NEAR(MaxX(g), kInkRight, 1e-9);
    ASSERT_EQ(g.strokes.size(), 2u);
    EXPECT_NEAR(g.strokes[1][0].x, 0.5, 1e-9);   // the centre stays put
    EXPECT_NEAR(g.strokes[1][1].x, 0.64, 1e-9);  // 5 of 15 half-widths: 0.5 + 0.42 / 3
    // Heights are not touched.
    EXPECT_NEAR(g.strokes[0][0].y, 1.4, 1e-9);
}

TEST(HersheyCell, GlyphStickingOutIsMovedInWithoutNarrowing) {
    // Bearings -2..2 but ink from 0 to 10: fits in width, not in place.
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("PTRF\\[")));
    EXPECT_NEAR(MaxX(g), kInkRight, 1e-9);
    EXPECT_NEAR(MaxX(g) - MinX(g), 0.47619, 2e-5);
}

TEST(HersheyCell, LonePointBecomesAShortDash) {
    // A point given twice is still a single point.
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("JZRFR[ RR[R[")));
    ASSERT_EQ(g.strokes.size(), 2u);
    const CellStroke& dot = g.strokes[1];
    ASSERT_EQ(dot.size(), 2u);
    EXPECT_NEAR(dot[1].x - dot[0].x, kDotLength, 1e-9);
    EXPECT_NEAR((dot[0].x + dot[1].x) / 2, 0.5, 1e-9);
    EXPECT_NEAR(dot[0].y, 0.4, 1e-9);
    EXPECT_EQ(dot[0].y, dot[1].y);
}

// ---- the stroke limits --------------------------------------------------------

CellStroke Numbered(int n) {
    CellStroke s;
    for (int i = 0; i < n; ++i) s.push_back({i * 0.01, i * i * 0.001});
    return s;
}

TEST(HersheyLimits, LongStrokeSplitsIntoPiecesSharingTheirEnds) {
    // Points in the stroke, pieces expected.
    for (auto [n, expected] : {std::pair{2, 1u}, {30, 1u}, {31, 2u}, {59, 2u}, {60, 3u}, {70, 3u}}) {
        CellStroke whole = Numbered(n);
        std::vector<CellStroke> pieces = SplitStrokes({whole}, kMaxStrokePoints);
        EXPECT_EQ(pieces.size(), expected) << n << " points";
        // Following the pieces, each without its shared first point, walks the
        // same path as the whole stroke.
        CellStroke walked;
        for (size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_GE(pieces[i].size(), 2u);
            EXPECT_LE(pieces[i].size(), static_cast<size_t>(kMaxStrokePoints));
            if (i > 0) {
                EXPECT_EQ(pieces[i].front().x, pieces[i - 1].back().x);
                EXPECT_EQ(pieces[i].front().y, pieces[i - 1].back().y);
            }
            walked.insert(walked.end(), pieces[i].begin() + (i > 0 ? 1 : 0), pieces[i].end());
        }
        ASSERT_EQ(walked.size(), whole.size()) << n << " points";
        for (size_t k = 0; k < whole.size(); ++k) {
            EXPECT_EQ(walked[k].x, whole[k].x);
            EXPECT_EQ(walked[k].y, whole[k].y);
        }
    }
    EXPECT_EQ(SplitStrokes({Numbered(70)}, kMaxStrokePoints).back().size(), 12u);
}

// A glyph of `strokes` short strokes, stroke i drawn at Hershey y = i - 10.
std::string ManyStrokes(int strokes, const std::string& extra = "") {
    std::string pairs = "JZ";
    for (int i = 0; i < strokes; ++i) {
        if (i > 0) pairs += " R";
        char y = static_cast<char>('H' + i);
        pairs += std::string("N") + y + "V" + y;
    }
    return JhfGlyph(pairs + extra);
}

TEST(HersheyLimits, OnlyTheFirstFifteenStrokesAreKept) {
    CellGlyph g = ConvertGlyph(ParseOne(ManyStrokes(17)));
    EXPECT_EQ(g.strokes.size(), 15u);
    EXPECT_EQ(g.dropped, 2);
    // Kept in order: the 15th is the stroke drawn at Hershey y = 4.
    EXPECT_NEAR(g.strokes[14][0].y, 0.4 + 5.0 / 21, 1e-5);
    EXPECT_EQ(ConvertGlyph(ParseOne(ManyStrokes(15))).dropped, 0);
}

TEST(HersheyLimits, PiecesOfASplitStrokeCountTowardTheLimit) {
    // 14 short strokes and a zigzag of 40 points: 16 strokes once split.
    std::string zigzag = " R";
    for (int i = 0; i < 40; ++i) zigzag += std::string(1, static_cast<char>('K' + i % 14)) + (i % 2 ? "F" : "[");
    CellGlyph g = ConvertGlyph(ParseOne(ManyStrokes(14, zigzag)));
    EXPECT_EQ(g.strokes.size(), 15u);
    EXPECT_EQ(g.dropped, 1);
    EXPECT_EQ(g.strokes[14].size(), 30u);

    std::vector<std::string> warnings;
    std::vector<HersheyGlyph> font(34);
    font[33] = ParseOne(ManyStrokes(14, zigzag));  // code 65
    StrokeFontFiles(font, warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("65"), std::string::npos) << warnings[0];
}

// ---- the character drawings ------------------------------------------------------

TEST(HersheyDrawing, ReadsBackAsTheSameLines) {
    // Wide enough to be narrowed, so the coordinates are not simple fractions.
    CellGlyph g = ConvertGlyph(ParseOne(JhfGlyph("CaCFa[ RLMRFXMRUL[")));
    ASSERT_EQ(g.strokes.size(), 2u);
    std::string text = GlyphDrawingText(g);
    std::unique_ptr<Drawing> d = ReadBack(text);
    ASSERT_EQ(d->ObjNext, 3);
    for (int slot = 1; slot <= 2; ++slot) {
        const CellStroke& s = g.strokes[static_cast<size_t>(slot - 1)];
        EXPECT_EQ(d->ObjType[slot], "Line");
        EXPECT_EQ(d->ObjColor[slot], 1);
        EXPECT_EQ(d->ObjLineType[slot], 0);
        EXPECT_EQ(d->ObjLineWidth[slot], 0);
        EXPECT_EQ(d->ObjXScale[slot], 1);
        EXPECT_EQ(d->ObjYScale[slot], 1);
        ASSERT_EQ(d->ObjSize[slot], static_cast<double>(s.size()));
        for (size_t k = 0; k < s.size(); ++k) {
            EXPECT_DOUBLE_EQ(d->VertX(slot, static_cast<int>(k) + 1), s[k].x);
            EXPECT_DOUBLE_EQ(d->VertY(slot, static_cast<int>(k) + 1), s[k].y);
        }
    }
    EXPECT_EQ(FileExtents(text), (std::vector<std::string>{"0.08", "0.92", "0.4", "1.4"}));
}

TEST(HersheyDrawing, FontHasADrawingForEveryCodeAndTheAcknowledgement) {
    // A font of three glyphs: blank, a bar, a slash; the rest are missing.
    std::vector<HersheyGlyph> font = {ParseOne(JhfGlyph("JZ")), ParseOne(JhfGlyph("JZRFR[")),
                                      ParseOne(JhfGlyph("JZLFX[ RLRXR"))};
    std::vector<std::string> warnings;
    std::vector<FontFile> files = StrokeFontFiles(font, warnings);
    EXPECT_TRUE(warnings.empty());
    ASSERT_EQ(files.size(), 97u);
    EXPECT_EQ(files[0].name, "F-032.dwg");
    EXPECT_EQ(files[33].name, "F-065.dwg");
    EXPECT_EQ(files[95].name, "F-127.dwg");
    EXPECT_EQ(files[96].name, "Hershey-Fonts-Acknowledgement.txt");
    auto objects = [&](size_t i) {
        std::vector<std::string> lines = SplitCrLf(files[i].text);
        EXPECT_GT(lines.size(), 27u);
        return lines.size() > 27 ? lines[27] : std::string("?");
    };
    EXPECT_EQ(objects(0), "0");   // the blank
    EXPECT_EQ(objects(1), "1");
    EXPECT_EQ(objects(2), "2");
    EXPECT_EQ(objects(3), "0");   // past the font's end
    EXPECT_EQ(objects(95), "0");
    EXPECT_EQ(ReadBack(files[0].text)->ObjNext, 1);
    const std::string& ack = files[96].text;
    for (const char* words : {"Hershey", "Roman Simplex", "National Bureau of Standards", "NTIS",
                              "hershey-fonts-data", "James Hurt"})
        EXPECT_NE(ack.find(words), std::string::npos) << words;
}

// ---- the real font -----------------------------------------------------------------

TEST(HersheyRomanSimplex, EveryGlyphConvertsWithinTheLimits) {
    std::string jhf = ReadAll(ZARNIC_HERSHEY_JHF);
    ASSERT_FALSE(jhf.empty()) << ZARNIC_HERSHEY_JHF;
    std::vector<HersheyGlyph> glyphs;
    std::string error;
    ASSERT_TRUE(ParseJhf(jhf, glyphs, error)) << error;
    ASSERT_EQ(glyphs.size(), static_cast<size_t>(kFontChars));
    for (int code = kFontFirst; code < kFontFirst + kFontChars; ++code) {
        CellGlyph g = ConvertGlyph(glyphs[static_cast<size_t>(code - kFontFirst)]);
        EXPECT_EQ(g.dropped, 0) << "code " << code;
        EXPECT_LE(g.strokes.size(), static_cast<size_t>(kMaxStrokes)) << "code " << code;
        EXPECT_EQ(g.strokes.empty(), code == 32) << "code " << code;
        for (const CellStroke& s : g.strokes) {
            EXPECT_GE(s.size(), 2u) << "code " << code;
            EXPECT_LE(s.size(), static_cast<size_t>(kMaxStrokePoints)) << "code " << code;
            for (const CellPoint& p : s) {
                EXPECT_GE(p.x, kInkLeft) << "code " << code;
                EXPECT_LE(p.x, kInkRight) << "code " << code;
                EXPECT_GE(p.y, 0) << "code " << code;
            }
        }
    }
    CellGlyph a = ConvertGlyph(glyphs['A' - kFontFirst]);
    EXPECT_EQ(a.strokes.size(), 3u);
    std::string text = GlyphDrawingText(a);
    EXPECT_EQ(ReadBack(text)->ObjNext, 4);
    std::vector<std::string> extents = FileExtents(text);
    ASSERT_EQ(extents.size(), 4u);
    EXPECT_EQ(extents[2], "0.4");  // standing on the baseline
    EXPECT_EQ(extents[3], "1.4");  // one unit tall
}

}  // namespace
