// Meter scale laws: where each law puts its marks (against values worked
// out by hand), the labels (k, M, infinity), the divisions between labelled
// values, the drawn arc, the stored values and their round trip through the
// file and a copy, and the shape reader passing an extended dial by its count.
#include <gtest/gtest.h>

#include <cmath>

#include "commands/pointer.h"
#include "dial/designer.h"
#include "editing/clipboard.h"
#include "editing/transform.h"
#include "fake_platform.h"
#include "model/dial.h"
#include "model/dwgfile.h"
#include "tables/clicks.h"
#include "tables/menu.h"
#include "view/shapes.h"
#include "view/view.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A 90 degree scale pointing up (a0 = 45 deg at the clockwise end, a1 = 135 deg).
DialValues Face(double ccw, double cw, double inter = 0, double minors = 0) {
    DialValues v{};
    v[1] = 1, v[3] = 1, v[4] = kPi / 2, v[5] = 0, v[6] = 2, v[7] = 0.2, v[8] = minors, v[9] = 0.05;
    v[10] = ccw, v[11] = cw, v[12] = 0, v[13] = 0.1, v[14] = inter, v[15] = 0.1;
    return v;
}

// Where along the scale (0 at the counter-clockwise end, 1 at the clockwise end) the mark sits.
double Along(const DialMark& m) { return (3 * kPi / 4 - m.angle) / (kPi / 2); }

const DialMark* Labelled(const std::vector<DialMark>& marks, const std::string& text) {
    for (const DialMark& m : marks)
        if (m.numbered && m.label == text) return &m;
    return nullptr;
}

}  // namespace

TEST(DialLaws, EachLawPutsItsValuesWhereTheHandWorkedValuesAre) {
    struct Case {
        const char* name;
        DialValues v;
        DialLaw law;
        const char* label;
        double along;
    } cases[] = {
        // VU meter: 0 VU at 10^(-3/20) = 70.8 % of the arc, +3 at full scale.
        {"VU 0", Face(-20, 3), DialLaw{DialLawKind::Decibel, {-20, -10, -5, 0, 3}}, "0", 0.70795},
        {"VU +3", Face(-20, 3), DialLaw{DialLawKind::Decibel, {-20, -10, -5, 0, 3}}, "3", 1},
        {"VU -20", Face(-20, 3), DialLaw{DialLawKind::Decibel, {-20, -10, -5, 0, 3}}, "-20", 0.070795},
        // Series ohmmeter with a centre of 20: 20 in the middle, 0 at full scale, 1k near rest.
        {"ohms 20", Face(0, 0), DialLaw{DialLawKind::Ohms, {0, 10, 20, 100, 1000, kDialInfinity}, 20}, "20", 0.5},
        {"ohms 0", Face(0, 0), DialLaw{DialLawKind::Ohms, {0, 10, 20, 100, 1000, kDialInfinity}, 20}, "0", 1},
        {"ohms 1k", Face(0, 0), DialLaw{DialLawKind::Ohms, {0, 10, 20, 100, 1000, kDialInfinity}, 20}, "1k", 20.0 / 1020},
        // Logarithmic 1..100: 10 in the middle.
        {"log 10", Face(1, 100), DialLaw{DialLawKind::Log, {1, 10, 100}}, "10", 0.5},
        // Square law 0..10: 5 at a quarter.
        {"square 5", Face(0, 10), DialLaw{DialLawKind::Square, {0, 5, 10}}, "5", 0.25},
        // VSWR: 3 half way, 1 at rest.
        {"swr 3", Face(0, 0), DialLaw{DialLawKind::Vswr, {1, 1.5, 2, 3, 5, kDialInfinity}}, "3", 0.5},
        {"swr 1", Face(0, 0), DialLaw{DialLawKind::Vswr, {1, 1.5, 2, 3, 5, kDialInfinity}}, "1", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto marks = DialLayout(c.v, c.law, 0, 0, kPi);
        const DialMark* m = Labelled(marks, c.label);
        ASSERT_NE(m, nullptr);
        EXPECT_NEAR(Along(*m), c.along, 1e-5);
        EXPECT_EQ(m->kind, MarkKind::Major);
        // The number stands beyond the mark, on the same radius line.
        EXPECT_NEAR(std::atan2(m->ly, m->lx), m->angle, 1e-12);
        // From the clockwise end.
        for (size_t k = 1; k < marks.size(); ++k) EXPECT_LE(marks[k - 1].angle, marks[k].angle);
    }
    // A calibration table: straight between its points; outside it nothing.
    DialLaw table = DialLaw{DialLawKind::Table, {0, 50, 100, 150}};
    table.table = {{100, 100}, {0, 0}, {50, 30}};
    const auto marks = DialLayout(Face(0, 100), table, 0, 0, kPi);
    ASSERT_NE(Labelled(marks, "50"), nullptr);
    EXPECT_NEAR(Along(*Labelled(marks, "50")), 0.30, 1e-12);
    EXPECT_EQ(Labelled(marks, "150"), nullptr);
    EXPECT_TRUE(std::isnan(DialDeflection(Face(0, 100), table, 150)));
    // Infinity: a figure eight at the counter-clockwise end of the ohmmeter, the clockwise end of the SWR scale.
    auto ohms = DialLayout(Face(0, 0), DialLaw{DialLawKind::Ohms, {0, 20, kDialInfinity}, 20}, 0, 0, kPi);
    EXPECT_TRUE(ohms.back().infinity);
    EXPECT_NEAR(Along(ohms.back()), 0, 1e-12);
    auto swr = DialLayout(Face(0, 0), DialLaw{DialLawKind::Vswr, {1, 3, kDialInfinity}}, 0, 0, kPi);
    EXPECT_TRUE(swr.front().infinity);
    // Nothing a log scale cannot show.
    EXPECT_TRUE(std::isnan(DialDeflection(Face(1, 100), DialLaw{DialLawKind::Log, {}}, 0)));
}

TEST(DialLaws, LabelsDivisionsAndTheArc) {
    const DialLaw ohms = DialLaw{DialLawKind::Ohms, {}, 20};
    struct Label {
        double value;
        const char* text;
    } labels[] = {{0, "0"}, {500, "500"}, {1000, "1k"}, {1500, "1.5k"}, {20000, "20k"}, {2.2e6, "2.2M"}, {1e6, "1M"}};
    for (const Label& l : labels) EXPECT_EQ(DialLabel(Face(0, 0), ohms, l.value), l.text) << l.value;
    EXPECT_EQ(DialLabel(Face(0, 0), DialLaw{DialLawKind::Log, {}}, 1500), "1500");  // k only on the ohmmeter
    // Square law 0..10, labels 0, 5, 10 with 1 intermediate and 4 minors:
    // 0, 2.5 (intermediate), 5, 7.5, 10 as main values, 4 minors in each of the 4 gaps.
    const auto marks = DialLayout(Face(0, 10, 1, 4), DialLaw{DialLawKind::Square, {10, 0, 5}}, 0, 0, kPi);
    int majors = 0, inters = 0, minors = 0;
    for (const DialMark& m : marks) {
        majors += m.kind == MarkKind::Major, inters += m.kind == MarkKind::Intermediate, minors += m.kind == MarkKind::Minor;
        if (m.kind == MarkKind::Intermediate) {
            EXPECT_TRUE(std::fabs(Along(m) - 0.0625) < 1e-12 || std::fabs(Along(m) - 0.5625) < 1e-12);
        }
    }
    EXPECT_EQ(majors, 3);
    EXPECT_EQ(inters, 2);
    EXPECT_EQ(minors, 16);
    // A gap that ends at infinity is not divided.
    const auto swr = DialLayout(Face(0, 0, 1, 4), DialLaw{DialLawKind::Vswr, {1, 2, kDialInfinity}}, 0, 0, kPi);
    EXPECT_EQ(swr.size(), 3u + 1 + 4 * 2);
    // The arc: whole, round, its points at most a degree apart.
    const std::vector<double> arc = DialArc(Face(0, 10), DialLaw{DialLawKind::Square, {0, 10}}, 1, 2, kPi);
    ASSERT_GE(arc.size(), 2 * 91u);
    EXPECT_NEAR(std::atan2(arc[1] - 2, arc[0] - 1), kPi / 4, 1e-12);
    EXPECT_NEAR(std::atan2(arc[arc.size() - 1] - 2, arc[arc.size() - 2] - 1), 3 * kPi / 4, 1e-12);
    for (size_t i = 2; i + 1 < arc.size(); i += 2) {
        EXPECT_NEAR(std::hypot(arc[i] - 1, arc[i + 1] - 2), 1, 1e-12);
        EXPECT_LE(std::fabs(std::atan2(arc[i + 1] - 2, arc[i] - 1) - std::atan2(arc[i - 1] - 2, arc[i - 2] - 1)),
                  kPi / 180 + 1e-12);
    }
    EXPECT_TRUE(DialArc(Face(0, 10), DialLaw{}, 0, 0, kPi).empty());
    // A damaged dial asking for millions of marks gets at most a dial's worth.
    std::vector<double> many;
    for (int i = 0; i < 1400; ++i) many.push_back(i);
    DialLaw table = DialLaw{DialLawKind::Table, many};
    for (int i = 0; i < 50; ++i) table.table.push_back({i * 30.0, i * 2.0});
    EXPECT_LE(DialLayout(Face(0, 10, 1e9, 1e9), table, 0, 0, kPi).size(), static_cast<size_t>(kMaxDialMarks));
    EXPECT_LE(DialLayout(Face(0, 10, 1e9, 1e9), DialLaw{DialLawKind::Square, many}, 0, 0, kPi).size(),
              static_cast<size_t>(kMaxDialMarks));
}

TEST(DialLaws, StoredValuesRoundTripThroughTheFileAndACopy) {
    auto d = std::make_unique<Drawing>();
    d->ObjType[1] = "Dial";
    d->ObjColor[1] = 2;
    const DialValues face = Face(-20, 3);
    for (int k = 1; k <= kDialValues; ++k) d->VertX(1, k) = face[k];
    DialLaw law = DialLaw{DialLawKind::Table, {0, 50, 100, kDialInfinity}, 0};
    law.table = {{0, 0}, {50, 30}, {100, 100}};
    ASSERT_TRUE(StoreDialLaw(*d, 1, law));
    // V16 law, V17 value, V18 N, the N labels, K, then K pairs.
    EXPECT_EQ(d->ObjSize[1], 18 + 4 + 1 + 6);
    EXPECT_EQ(d->VertX(1, 16), 6);
    EXPECT_EQ(d->VertX(1, 18), 4);
    EXPECT_EQ(d->VertX(1, 23), 3);
    EXPECT_EQ(d->VertX(1, 27), 30);  // the second pair: V26, V27
    d->ObjNext = 2;
    // A copy that only knows the linear dial reads the first 15 values as ever.
    EXPECT_EQ(DialValuesOf(*d, 1)[11], 3);
    const int count = NumberObjectsForSave(*d);
    const std::string text = FormatDrawing(*d, count);
    auto back = std::make_unique<Drawing>();
    ASSERT_EQ(ParseDrawing(*back, text, false, 0, 0, 1).fail, ReadFail::None);
    const DialLaw read = DialLawOf(*back, 1);
    EXPECT_EQ(read.kind, DialLawKind::Table);
    EXPECT_EQ(read.labels, law.labels);
    EXPECT_EQ(read.table, law.table);
    EXPECT_EQ(FormatDrawing(*back, NumberObjectsForSave(*back)), text);
    // A linear dial stays at 15 values; a damaged law reads as linear.
    ASSERT_TRUE(StoreDialLaw(*back, 1, DialLaw{}));
    EXPECT_EQ(back->ObjSize[1], 15);
    back->ObjSize[1] = 20;
    back->VertX(1, 16) = 9;
    EXPECT_EQ(DialLawOf(*back, 1).kind, DialLawKind::Linear);
    back->VertX(1, 16) = 1, back->VertX(1, 18) = 50;  // more labels than it holds
    EXPECT_EQ(DialLawOf(*back, 1).kind, DialLawKind::Linear);
}

TEST(DialLaws, CopiesCarryTheLawAndShapesPassAnExtendedDial) {
    TempDir dir;
    TestApp t;
    t.Start(dir.path());
    Drawing& d = t.app->dwg;
    const int s = d.ObjNext++;
    d.ObjType[s] = "Dial", d.ObjColor[s] = 1;
    const DialValues face = Face(0, 0);
    for (int k = 1; k <= kDialValues; ++k) d.VertX(s, k) = face[k];
    ASSERT_TRUE(StoreDialLaw(d, s, DialLaw{DialLawKind::Vswr, {1, 2, 3, kDialInfinity}}));
    t.app->sel.SelList = {static_cast<int16_t>(s)};
    t.app->sel.SelCount = 1;
    CopySelected(*t.app, Point2{0, 0}, Point2{1, 0});
    const int copy = d.ObjNext - 1;
    ASSERT_NE(copy, s);
    EXPECT_EQ(DialLawOf(d, copy).labels, (std::vector<double>{1, 2, 3, kDialInfinity}));
    EXPECT_EQ(d.ObjX[copy], d.ObjX[s] + 1);
    // Through the clipboard's text and back.
    const std::string clip = ClipboardTextOf(*t.app, {0, 0});
    ASSERT_EQ(PasteText(*t.app, clip, {5, 5}), 1);
    EXPECT_EQ(DialLawOf(d, d.ObjNext - 1).labels, (std::vector<double>{1, 2, 3, kDialInfinity}));
    EXPECT_EQ(DialLawOf(d, d.ObjNext - 1).kind, DialLawKind::Vswr);
    // A shape file with an extended dial before a line: the line is still read.
    std::vector<std::string> lines = {"Shape File Prefix", "Sc", "Font File", "Schematic.fnt", "Limits", "-5", "-3", "5",
                                      "3", "Grid", "True", "0.5", "Snap Non Ortho", "3", "0.1,0.1", "Zoom", "1", "Pan",
                                      "0", "0", "Plot Scale", "1", "Start Text Height", "0.1", "Hidden Line", "0.2",
                                      "0.06", "2", "Dial", "1", "1", "22", "0", "0"};
    for (int k = 1; k <= 22; ++k) lines.push_back(std::to_string(d.VertX(s, k)));
    for (const char* l : {"Line", "2", "1", "2", "0", "0", "0", "0", "1", "1", "1", "1", "1000", "-1000", "1000", "-1000"})
        lines.push_back(l);
    const ShapeFile file = ParseShapeFile(JoinCrLf(lines));
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].kind, 'L');
}

namespace {

class DialLawDesigner : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        FitViewToLimits(app());
        SurfaceResize(app().dial.Preview, 300, 200, 96, 0xFFFFFFu);
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    void Click(double x, double y) {
        Form_MouseDown(app(), kButtonLeft, 0, static_cast<float>(ToScreenX(app(), x)),
                       static_cast<float>(ToScreenY(app(), y)));
    }
    // The designer opened from the menu with a law filled in.
    void Design(int law, const std::string& value, const std::string& labels, const std::string& table = "") {
        MenuClick(app(), "Dial");
        DialPanel& p = app().dial;
        p.Law = law, p.LawValue = value, p.Labels = labels, p.Table = table;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(DialLawDesigner, MissingLawInputsAreNamedAndNothingIsPlaced) {
    struct Case {
        int law;
        const char* value;
        const char* labels;
        const char* table;
        const char* message;
    } cases[] = {
        {2, "", "", "", "Labelled Values are missing.\r\nA scale law other than Linear puts its numbered marks at them."},
        {1, "", "0, 10, 100", "",
         "A logarithmic scale cannot show 0 or less.\r\nCheck CCW Value, CW Value and Labelled Values."},
        {3, "", "0, 20, inf", "", "The Series Ohmmeter needs its centre resistance in Law Value."},
        {6, "", "0, 50", "0:0", "The Calibration Table needs at least two points (value:percent)."},
        {6, "", "0, 50", "0:0, 50", "Calibration Table: \"50\" is not a value:percent pair."},
        {4, "", "0, five", "", "Labelled Values: \"five\" is not a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Design(c.law, c.value, c.labels, c.table);
        if (c.law == 1) app().dial.DialData[7] = "1", app().dial.DialData[8] = "100";
        const int next = d().ObjNext;
        t.fake.boxes.clear();
        DialToDrawing_Click(app());
        ASSERT_FALSE(t.fake.boxes.empty());
        EXPECT_EQ(t.fake.boxes.back().text, c.message);
        EXPECT_TRUE(app().dial.Visible);  // the panel stays for the fix
        EXPECT_EQ(app().cmd.CurCommand, "None");
        EXPECT_EQ(d().ObjNext, next);
        DialCancel_Click(app());
    }
}

TEST_F(DialLawDesigner, TwoScalesShareOneCentreAndComeBackInChange) {
    // A VU scale placed with a click.
    Design(2, "", "-20, -10, -7, -5, -3, 0, 3");
    app().dial.DialData[7] = "-20", app().dial.DialData[8] = "3";
    DialToDrawing_Click(app());
    EXPECT_EQ(app().cmd.CurCommand, "Dial");
    Click(1, 0.5);
    const int vu = d().ObjNext - 1;
    ASSERT_EQ(d().ObjType[vu], "Dial");
    EXPECT_EQ(DialLawOf(d(), vu).kind, DialLawKind::Decibel);
    EXPECT_EQ(d().ObjSize[vu], 18 + 7);
    // A percent scale on the same centre: placed at once, no click.
    Design(0, "", "");
    app().dial.SameCentre = true;
    app().dial.DialData[0] = "1.2";
    DialToDrawing_Click(app());
    const int percent = d().ObjNext - 1;
    ASSERT_EQ(percent, vu + 1);
    EXPECT_EQ(d().ObjX[percent], d().ObjX[vu]);
    EXPECT_EQ(d().ObjY[percent], d().ObjY[vu]);
    EXPECT_EQ(d().ObjSize[percent], 15);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(app().cmd.UndoOp, "Dial");
    // The files: 17 lines as ever, the law's five beside them.
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kDialFileName))).size(), 17u);
    EXPECT_EQ(ReadAll(dir.file(kDialLawFileName)), "0\r\n\r\n\r\n\r\n1\r\n");
    // Change on the VU dial shows its law; Transfer keeps it.
    app().cmd.CurCommand = "Change";
    app().sel.SelList[0] = static_cast<int16_t>(vu);
    app().sel.SelCount = 1;
    app().sel.SelTally = 1;
    DialDesigner_Click(app());
    EXPECT_EQ(app().dial.Law, 2);
    EXPECT_EQ(app().dial.Labels, "-20, -10, -7, -5, -3, 0, 3");
    DialToDrawing_Click(app());
    EXPECT_EQ(DialLawOf(d(), vu).labels, (std::vector<double>{-20, -10, -7, -5, -3, 0, 3}));
    EXPECT_EQ(d().ObjNext, percent + 1);
}

TEST_F(DialLawDesigner, LoadTableReadsTwoColumns) {
    WriteAll(dir.file("cal.csv"), "value,percent\r\n0, 0\r\n50;30\r\n100\t100\r\nnote\r\n");
    MenuClick(app(), "Dial");
    EXPECT_TRUE(DialLoadTable(app(), dir.file("cal.csv")));
    EXPECT_EQ(app().dial.Table, "0:0, 50:30, 100:100");
    EXPECT_EQ(app().dial.Law, static_cast<int>(DialLawKind::Table));
    WriteAll(dir.file("empty.csv"), "value,percent\r\n");
    EXPECT_FALSE(DialLoadTable(app(), dir.file("empty.csv")));
    EXPECT_EQ(t.fake.boxes.back().text, dir.file("empty.csv") + "\r\nholds no rows of a value and a percent.");
    EXPECT_EQ(app().dial.Table, "0:0, 50:30, 100:100");
}
