// Export and Print at True Size through the fake platform: the dialog's
// question and the format it chooses, the page and the polylines the export
// device hands a PDF or SVG page, the entities it hands a DXF file, the
// chords' error, the messages; and the tiling of a drawing wider than a page.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "commands/registers.h"
#include "fake_platform.h"
#include "objects.h"
#include "output/export.h"
#include "output/truesize.h"
#include "tables/menu.h"
#include "view/view.h"

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<double> Numbers(const std::string& line, size_t skip) {
    std::istringstream in(line);
    std::string word;
    std::vector<double> out;
    for (size_t i = 0; in >> word; ++i)
        if (i >= skip) out.push_back(std::stod(word));
    return out;
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        CopyTestShapes(dir.path());
        t.Start(dir.path());
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    int Add(const char* kind, double x, double y, double size, int color = 1) {
        return AddObject(d(), kind, x, y, size, color);
    }
    int Line(double x1, double y1, double x2, double y2, int type = 0, int color = 1) {
        return AddLine(d(), x1, y1, x2, y2, color, type);
    }
    // The fixture of the true-size checks: a 1 in line, a circle of radius
    // 0.5, a hidden line, a text and a nested shape.
    void Fixture() {
        Line(0, 0, 1, 0, 0, 2);
        Add("Circle", 2, 0.5, 0.5, 3);
        Line(0, 1, 2, 1, 1, 1);
        int text = Add("Text", 0, 1.5, 0.2);
        d().ObjText[text] = "AB";
        d().ObjJust[text] = "C";
        int shape = Add("Shape", 3, 0, 1);
        d().ObjText[shape] = "ScB-TestBox";
    }
    std::vector<std::string> Of(char kind) {
        std::vector<std::string> out;
        for (const std::string& l : t.fake.exported)
            if (l[0] == kind) out.push_back(l);
        return out;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(ExportTest, TheDialogProposesTheNameAndTheNameChoosesTheFormat) {
    // Empty: the message, no dialog.
    MenuClick(app(), "Export");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, "Nothing to export.");
    EXPECT_TRUE(t.fake.saveDialogs.empty());
    Fixture();
    d().DwgPath = dir.path();
    d().DwgName = "Panel.DWG";
    d().DrawingChanged = false;
    const int next = d().ObjNext;
    struct Case {
        std::string answer;
        int filter;
        std::string path;
        ExportFormat format;
    } cases[] = {
        {dir.file("a.PDF"), 1, dir.file("a.PDF"), ExportFormat::Pdf},
        {dir.file("b.svg"), 0, dir.file("b.svg"), ExportFormat::Svg},
        {dir.file("c.dxf"), 0, dir.file("c.dxf"), ExportFormat::Dxf},
        {dir.file("plain"), 2, dir.file("plain.dxf"), ExportFormat::Dxf},
        {dir.file("v1.2"), 1, dir.file("v1.2.svg"), ExportFormat::Svg},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        t.fake.saveDialogPath = c.answer;
        t.fake.saveDialogFilter = c.filter;
        MenuClick(app(), "Export");
        ASSERT_FALSE(t.fake.exportJobs.empty());
        EXPECT_EQ(t.fake.exportJobs.back().path, c.path);
        EXPECT_EQ(t.fake.exportJobs.back().format, c.format);
    }
    EXPECT_EQ(t.fake.saveDialogs[0], "Export Drawing|" + dir.path() +
                                         "|Panel.pdf|PDF at true size (*.pdf);SVG at true size (*.svg);DXF (*.dxf);");
    // The page is the extents plus a quarter inch each side; the pattern goes with the job.
    double minX, minY, maxX, maxY;
    ASSERT_TRUE(DrawingExtents(app(), minX, minY, maxX, maxY));
    EXPECT_DOUBLE_EQ(t.fake.exportJobs[0].width, maxX - minX + 0.5);
    EXPECT_DOUBLE_EQ(t.fake.exportJobs[0].height, maxY - minY + 0.5);
    EXPECT_EQ(t.fake.exportJobs[0].dash, d().HiddenDash);
    // Nothing on the table changed.
    EXPECT_EQ(d().ObjNext, next);
    EXPECT_FALSE(d().DrawingChanged);
    // Cancelled: nothing; a running command: not even the dialog.
    const size_t jobs = t.fake.exportJobs.size();
    t.fake.saveDialogPath.clear();
    MenuClick(app(), "Export");
    app().cmd.CurCommand = "Line";
    MenuClick(app(), "Export");
    EXPECT_EQ(t.fake.exportJobs.size(), jobs);
    EXPECT_EQ(t.fake.saveDialogs.size(), jobs + 1);
    // An unnamed drawing proposes "Drawing.pdf" in the default folder; a write that fails says why.
    CancelCommand(app(), 0);
    d().DwgName.clear();
    d().DwgPath.clear();
    t.fake.saveDialogPath = dir.file("x.pdf");
    t.fake.exportError = "disk full";
    t.fake.boxes.clear();
    MenuClick(app(), "Export");
    EXPECT_EQ(t.fake.saveDialogs.back().substr(0, t.fake.saveDialogs.back().find(".pdf|") + 4),
              "Export Drawing|" + app().set.DwgFolderDefault + "|Drawing.pdf");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, "The drawing could not be exported to\r\n" + dir.file("x.pdf") + ":\r\ndisk full");
}

TEST_F(ExportTest, APageGetsPolylinesInInchesFromItsTopLeftCorner) {
    Fixture();
    double minX, minY, maxX, maxY;
    ASSERT_TRUE(DrawingExtents(app(), minX, minY, maxX, maxY));
    ExportJob job;
    job.format = ExportFormat::Pdf;
    std::string error;
    ASSERT_TRUE(ExportTable(app(), job, error)) << error;
    const double left = minX - 0.25, top = maxY + 0.25;
    // The 1 in line, red (colour 2), from the page's top left corner.
    const std::vector<std::string> lines = Of('P');
    ASSERT_FALSE(lines.empty());
    std::vector<double> first = Numbers(lines[0], 4);
    EXPECT_EQ(lines[0].substr(0, 9), "P 0 255 2");
    ASSERT_EQ(first.size(), 4u);
    EXPECT_NEAR(first[0], 0 - left, 1e-12);
    EXPECT_NEAR(first[1], top - 0, 1e-12);
    EXPECT_NEAR(first[2] - first[0], 1, 1e-12);
    // The circle: closed, green, every chord within 0.001 in of it, and not far finer.
    std::vector<double> ring;
    for (const std::string& l : lines)
        if (l.rfind("P 1 65280 3", 0) == 0) ring = Numbers(l, 4);
    ASSERT_GT(ring.size(), 20u);
    const double cx = 2 - left, cy = top - 0.5;
    double worst = 0;
    for (size_t i = 0; i < ring.size(); i += 2) {
        const size_t j = (i + 2) % ring.size();
        EXPECT_NEAR(std::hypot(ring[i] - cx, ring[i + 1] - cy), 0.5, 2e-6);  // the fake writes 6 decimals
        const double mx = (ring[i] + ring[j]) / 2, my = (ring[i + 1] + ring[j + 1]) / 2;
        worst = std::max(worst, 0.5 - std::hypot(mx - cx, my - cy));
    }
    EXPECT_LE(worst, 0.001);
    EXPECT_GT(worst, 0.0008);
    // The hidden line comes as its dashes; the text and the shape as strokes.
    size_t dashes = 0;
    for (const std::string& l : lines) {
        std::vector<double> v = Numbers(l, 4);
        if (v.size() == 4 && std::fabs(v[1] - (top - 1)) < 1e-9 && std::fabs(v[3] - (top - 1)) < 1e-9) ++dashes;
    }
    EXPECT_EQ(dashes, 9u);
    EXPECT_TRUE(Of('T').empty());
    EXPECT_TRUE(Of('H').empty());
    EXPECT_GE(lines.size(), 15u);
}

TEST_F(ExportTest, DxfGetsTrueCurvesTextsAndDashedLinesInDrawingUnits) {
    Fixture();
    Add("Arc", 0, 0, 0);  // nothing: an arc without radius
    int flat = Add("Circle", 5, 5, 1, 4);
    d().ObjXScale[flat] = -1;  // mirrored on one axis only: a polyline
    int turned = Add("Arc", 6, 0, 1, 5);
    d().ObjAngle[turned] = 0, d().ObjEndAngle[turned] = kPi / 2;
    d().ObjXScale[turned] = d().ObjYScale[turned] = -1;  // turned half round: still a true arc
    ExportJob job;
    job.format = ExportFormat::Dxf;
    std::string error;
    ASSERT_TRUE(ExportTable(app(), job, error)) << error;
    EXPECT_EQ(Of('C')[0], "C 3 2.000000 0.500000 0.500000");
    EXPECT_EQ(Of('H'), (std::vector<std::string>{"H 1 0.000000 1.000000 2.000000 1.000000"}));
    ASSERT_FALSE(Of('T').empty());
    EXPECT_EQ(Of('T')[0], "T 1 AB C 0.200000 0.000000 0.000000 1.500000");
    // The nested shape's text comes as text too, at the shape's place.
    EXPECT_EQ(Of('T').size(), 2u);
    EXPECT_EQ(Of('T')[1].substr(0, 7), "T 1 R1 ");
    std::vector<std::string> arcs = Of('A');
    ASSERT_FALSE(arcs.empty());
    EXPECT_EQ(arcs.back(), "A 5 6.000000 0.000000 1.000000 3.141593 4.712389");
    // The mirrored circle: a closed polyline on layer 4, in drawing units.
    bool found = false;
    for (const std::string& l : Of('P'))
        if (l.rfind("P 1 ", 0) == 0 && Numbers(l, 3)[0] == 4) {
            std::vector<double> v = Numbers(l, 4);
            EXPECT_NEAR(std::hypot(v[0] - 5, v[1] - 5), 1, 1e-12);
            found = true;
        }
    EXPECT_TRUE(found);
}

// A drawing 12 in wide on Letter landscape (10.5 x 8 in printable): two
// tiles across with half an inch of overlap, one down.
TEST_F(ExportTest, TrueSizeTilesTheDrawingWithMarksAndLabels) {
    WriteAll(dir.file("Zarnic-PrntSet.dat"), "1\r\n0\r\n0\r\n6\r\n1\r\n");
    t.fake.printArea = {0, 0, 15120, 11520};
    Line(0, 0, 12, 0);
    Line(0, 3, 12, 3);
    d().DwgPath = dir.path();
    d().DwgName = "Wide.dwg";
    MenuClick(app(), "PrintTrueSize");
    ASSERT_EQ(t.fake.printJobs.size(), 1u);
    EXPECT_EQ(t.fake.printJobs[0].pdfPath, dir.file("Wide true size.pdf"));
    EXPECT_EQ(t.fake.printJobs[0].orientation, 2);
    // Pages: split at each new page.
    std::vector<std::vector<PrintCall>> pages(1);
    for (const PrintCall& c : t.fake.printed) {
        if (c.what == 'N') pages.emplace_back();
        else pages.back().push_back(c);
    }
    ASSERT_EQ(pages.size(), 2u);
    const double w = 15120, h = 11520 - kTileBand;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        const std::vector<PrintCall>& page = pages[p];
        // The tile's clip, its label, and a mark at each corner.
        ASSERT_EQ(page[0].what, 'C');
        EXPECT_EQ(page[0].x2, w);
        EXPECT_EQ(page[0].y2, h);
        int labels = 0, corners = 0, squares = 0;
        for (const PrintCall& c : page) {
            if (c.what == 'X' && c.text == "Wide  page 1," + std::to_string(p + 1) + " of 1 x 2") ++labels;
            const double length = std::hypot(c.x2 - c.x1, c.y2 - c.y1);
            if (c.what == 'L' && length == 360 && (c.x1 == 0 || c.x1 == w) && (c.y1 == 0 || c.y1 == h)) ++corners;
            if (c.what == 'L' && std::fabs(std::hypot(c.x2 - c.x1, c.y2 - c.y1) - 1440) < 1e-9 && c.y1 > h) ++squares;
        }
        EXPECT_EQ(labels, 1);
        EXPECT_EQ(corners, 8);
        EXPECT_EQ(squares, p == 0 ? 4 : 0);
    }
    // The drawing at 1:1: the 12 in line runs off page 1 at its right edge
    // and page 2 takes it up half an inch before that edge.
    auto firstLine = [](const std::vector<PrintCall>& page) {
        for (const PrintCall& c : page)
            if (c.what == 'L') return c;
        return PrintCall{};
    };
    const PrintCall a = firstLine(pages[0]), b = firstLine(pages[1]);
    EXPECT_DOUBLE_EQ(a.x1, 0);
    EXPECT_DOUBLE_EQ(a.x2, 12 * 1440);
    EXPECT_DOUBLE_EQ(a.y1, 3 * 1440);  // the top of the drawing is the tile's top
    EXPECT_DOUBLE_EQ(b.x1, -(15120 - 720));
    EXPECT_DOUBLE_EQ(b.x2 - b.x1, 12 * 1440);
    EXPECT_EQ(t.fake.boxes.back().text,
              "No printer was found. The pages were written to the PDF file\r\n" + dir.file("Wide true size.pdf"));
    // A stray object 2000 in away: refused with the page count, nothing sent.
    Line(2000, 0, 2001, 0);
    t.fake.printed.clear();
    MenuClick(app(), "PrintTrueSize");
    EXPECT_EQ(t.fake.printJobsAborted, 1);
    EXPECT_EQ(t.fake.printJobsEnded, 1);
    EXPECT_TRUE(t.fake.printed.empty());
    EXPECT_EQ(t.fake.boxes.back().text.rfind("At true size this drawing needs 201 pages (1 x 201).", 0), 0u)
        << t.fake.boxes.back().text;
    // Nothing to print: a message, no job.
    d().ObjNext = 1;
    MenuClick(app(), "PrintTrueSize");
    EXPECT_EQ(t.fake.boxes.back().text, "Nothing to print.");
    EXPECT_EQ(t.fake.printJobs.size(), 2u);
}
