// The output room: the plot file's bytes (moves, pens, chord steps), a plot
// read back by hp2xx, the printed page's fit, centring, colours and curves
// through the fake printer, the printer settings file and Printer Setup,
// and the printed shortcut list.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sys/stat.h>

#include "commands/registers.h"
#include "fake_platform.h"
#include "objects.h"
#include "help/help.h"
#include "model/dial.h"
#include "model/textfile.h"
#include "output/plot.h"
#include "output/print.h"
#include "output/printsetup.h"
#include "tables/menu.h"
#include "view/redraw.h"
#include "view/view.h"

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;
const std::string kHeader = "\x1b.(;\x1b.I81;;17:\x1b.N;19:IN;SC;PU;PU;SP1;LT;VS36;";
const std::string kTrailer = "PU;PA0,0;SP;";

size_t Count(const std::string& s, const std::string& what) {
    size_t n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
}

class OutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The test font's "O" (one circle stroke) also stands for "0" and
        // "1", so a dial's numbers have curves.
        for (const char* digit : {"F-048.dwg", "F-049.dwg"})
            fs::copy_file(std::string(ZARNIC_FIXTURES) + "font/F-079.dwg", fs::path(dir.path()) / digit);
        CopyTestShapes(dir.path());
        t.Start(dir.path());
        FitViewToLimits(app());
    }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    int Add(const char* kind, double x, double y, double size, int color = 1) {
        return AddObject(d(), kind, x, y, size, color);
    }
    int Line(double x1, double y1, double x2, double y2, int color = 1) { return AddLine(d(), x1, y1, x2, y2, color); }
    int Arc(double x, double y, double r, double a0, double a1, int color = 1) {
        int s = Add("Arc", x, y, r, color);
        d().ObjAngle[s] = a0, d().ObjEndAngle[s] = a1;
        return s;
    }
    int Text(const std::string& text, double h, double x, double y) {
        int s = Add("Text", x, y, h);
        d().ObjText[s] = text;
        d().ObjJust[s] = "S";
        return s;
    }
    int Dial(double x, double y) {
        int s = Add("Dial", x, y, kDialValues);
        const double v[] = {0, 1, 0, 1.5, 1.5, 0, 6, 0.3, 4, 0.075, 0, 10, 0, 0.2, 1, 0.15};
        for (int k = 1; k <= kDialValues; ++k) d().VertX(s, k) = v[k];
        return s;
    }
    // The plot's body between the header and the trailer.
    std::string Body() {
        std::string p = PlotText(app());
        EXPECT_EQ(p.compare(0, kHeader.size(), kHeader), 0);
        EXPECT_EQ(p.substr(p.size() - kTrailer.size()), kTrailer);
        return p.substr(kHeader.size(), p.size() - kHeader.size() - kTrailer.size());
    }
    std::vector<PrintCall> Printed(char what) {
        std::vector<PrintCall> out;
        for (const PrintCall& c : t.fake.printed)
            if (c.what == what) out.push_back(c);
        return out;
    }
    std::string Messages() {
        std::string all;
        for (const MsgRecord& b : t.fake.boxes) all += b.text + "|";
        return all;
    }
    void Print() {
        t.fake.Answer(MsgAnswer::Yes);
        MenuClick(app(), "Print");
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

// ---- the plot file -------------------------------------------------------------

TEST_F(OutputTest, PlotMovesRoundToPlotterUnitsAtEachScale) {
    struct Case {
        double scale, x2, y1;
        const char* body;
    } cases[] = {
        {1, 1, 0, "SP2;PA0,0;PD;PA169,0;"},           // 169.361 + 0.5 floors to 169
        {2, 1, 0, "SP2;PA0,0;PD;PA339,0;"},           // 338.72 + 0.5 floors to 339
        {1, 1, -0.5, "SP2;PA0,-85;PD;PA169,-85;"},    // -84.68 + 0.5 floors to -85
        {1e12, 1e12, 0, "SP2;PA0,0;PD;PA1073741823,0;"},  // beyond the plotter's range: at its edge
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        d().ObjNext = 1;
        app().plot.PenIsDown = false;
        d().PlotScale = c.scale;
        Line(0, c.y1, c.x2, c.y1, 2);
        EXPECT_EQ(Body(), c.body);
    }
    // The pen is left down and not reset: the next plot lifts it first.
    EXPECT_TRUE(app().plot.PenIsDown);
    d().ObjNext = 1;
    d().PlotScale = 1;
    Line(0, 0, 1, 0, 2);
    EXPECT_EQ(Body(), "SP2;PU;PA0,0;PD;PA169,0;");
}

TEST_F(OutputTest, PlotWritesEveryPenAndEveryKindInSlotOrder) {
    Line(0, 0, 1, 0, -4);           // locked: pen 4
    int gone = Line(0, 0, 1, 1, 3);
    d().ObjType[gone].clear();      // an empty slot still selects its pen
    Arc(0, 0, 1, 0, kPi / 2, 5);
    int hidden = Line(0, 0, 2, 0, 6);
    d().ObjLineType[hidden] = 1;
    std::string body = Body();
    EXPECT_EQ(body.find("SP4;PA0,0;PD;PA169,0;SP3;SP5;PU;PA169,0;PD;PA169,0;"), 0u) << body;
    // The quarter arc: a move every degree from 0 while not past 90, then its exact end.
    size_t arc = body.find("SP5;"), next = body.find("SP6;");
    std::string arcMoves = body.substr(arc, next - arc);
    EXPECT_GE(Count(arcMoves, "PA"), 91u);
    EXPECT_LE(Count(arcMoves, "PA"), 93u);
    EXPECT_EQ(arcMoves.substr(arcMoves.size() - 8), "PA0,169;");
    EXPECT_NE(arcMoves.find("PA167,29;"), std::string::npos);  // 10 degrees: (166.79, 29.41) rounds to (167, 29)
    // The hidden line: one pen-up and one pen-down move per dash, the same
    // dashes as the screen's pattern (0.2 and 0.06): 2 / 0.26 gives 8 cells, 9 dashes.
    std::string dashes = body.substr(next + 4);
    EXPECT_EQ(Count(dashes, "PU;"), 9u);
    EXPECT_EQ(Count(dashes, "PD;"), 9u);
    EXPECT_EQ(dashes.find("PU;PA0,0;PD;PA32,0;"), 0u) << dashes;  // 0.25 - 0.06 = 0.19 units
}

TEST_F(OutputTest, PlotChordsFollowThePlotScaleTheTextSizeAndTheZoom) {
    // Circles: twice the plot scale, twice the chords.
    Add("Circle", 0, 0, 1);
    size_t at1 = Count(Body(), "PA");
    d().PlotScale = 2;
    size_t at2 = Count(Body(), "PA");
    EXPECT_NEAR(static_cast<double>(at1), 361, 2);
    EXPECT_NEAR(static_cast<double>(at2), 721, 2);
    // Glyph circles ("O" of radius 0.4): steps (pi/30)/sqrt(v h), so four
    // times the height gives twice the chords, whatever the plot scale.
    d().ObjNext = 1;
    Text("O", 1, 0, 0);
    size_t small = Count(Body(), "PA");
    d().PlotScale = 1;
    EXPECT_EQ(Count(Body(), "PA"), small);
    d().ObjSize[1] = 4;
    size_t big = Count(Body(), "PA");
    EXPECT_GT(big, small + small / 2);
    // A dial: the same marks at every zoom, more chords in its numbers when zoomed in.
    d().ObjNext = 1;
    Dial(0, 0);
    std::string fit = Body();
    d().Zoom *= 4;
    std::string zoomed = Body();
    EXPECT_GT(Count(zoomed, "PA"), Count(fit, "PA"));
    size_t same = 0;
    while (same < fit.size() && fit[same] == zoomed[same]) ++same;
    // Marks first: per mark a pen-up and a pen-down move, and the chord to the next.
    const size_t marks = static_cast<size_t>(DialMarkCount(DialValuesOf(d(), 1)));
    EXPECT_GE(Count(fit.substr(0, same), "PA"), 4 * marks - 2);
}

TEST_F(OutputTest, PlotShapesNestAndMissingOnesAreLeftOutQuietly) {
    int box = Add("Shape", 1, 1, 1);
    d().ObjText[box] = "ScB-TestBox";
    int gone = Add("Shape", 0, 0, 1);
    d().ObjText[gone] = "ScG-Nowhere";
    Line(0, 0, 1, 0);
    std::string body = Body();
    // The box's outline, then the nested resistor's zigzag from the box's
    // insertion point; then nothing for the missing shape, and the line.
    EXPECT_EQ(body.find("SP1;PA152,135;PD;PA288,135;PA288,203;PA152,203;PA152,135;PU;PA169,169;PD;PA186,169;"),
              0u) << body.substr(0, 120);
    EXPECT_NE(body.find("SP1;SP1;PU;PA0,0;PD;PA169,0;"), std::string::npos);
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST_F(OutputTest, PlotClickWritesBesideTheDrawingOrSaysWhy) {
    Line(0, 0, 1, 0);
    // No name: nothing written.
    MenuClick(app(), "Plot");
    EXPECT_EQ(Messages(), "This file has no name.\r\nSave before plotting.|");
    // A running command: nothing at all.
    t.fake.boxes.clear();
    d().DwgPath = dir.path();
    d().DwgName = "amp.dwg";
    app().cmd.CurCommand = "Line";
    MenuClick(app(), "Plot");
    EXPECT_TRUE(t.fake.boxes.empty());
    EXPECT_FALSE(FileExists(dir.file("amp.PLT")));
    // Named and idle: amp.dwg gives amp.PLT.
    CancelCommand(app(), 0);
    MenuClick(app(), "Plot");
    EXPECT_EQ(Messages(), "Plot completed.|");
    EXPECT_EQ(ReadAll(dir.file("amp.PLT")), kHeader + "SP1;PA0,0;PD;PA169,0;" + kTrailer);
    // A folder that cannot be written: no "Plot completed.", and the reason.
    t.fake.boxes.clear();
    d().DwgPath = dir.file("missing/");
    MenuClick(app(), "Plot");
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text,
              "The plot file could not be written:\r\n" + dir.file("missing/amp.PLT") + "\r\nthe folder does not exist.");
}

// The plot read back by an independent HP-GL reader: the coordinate range it
// reports and the picture it draws.
TEST_F(OutputTest, PlotReadsBackInHp2xx) {
    d().DwgPath = dir.path();
    d().DwgName = "ring.dwg";
    Line(-1, -1, 1, -1), Line(1, -1, 1, 1), Line(1, 1, -1, 1), Line(-1, 1, -1, -1);
    Add("Circle", 0, 0, 1, 2);
    MenuClick(app(), "Plot");
    const std::string plt = dir.file("ring.PLT"), pbm = dir.file("ring.pbm");
    std::string cmd = "hp2xx -m pbm -d 100 -f '" + pbm + "' '" + plt + "' </dev/null 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string log;
    char buf[512];
    while (size_t n = std::fread(buf, 1, sizeof buf, p)) log.append(buf, n);
    ASSERT_EQ(::pclose(p), 0) << log;
    std::smatch m;
    const std::string number = R"((-?[0-9.]+))";
    ASSERT_TRUE(std::regex_search(
        log, m, std::regex("Coordinate range: \\(" + number + ", " + number + "\\) \\.\\.\\. \\(" + number + ", " + number + "\\)")))
        << log;
    // The square of side 2 at plot scale 1: 169.361 plotter units a side from the origin.
    for (int k = 1; k <= 4; ++k) EXPECT_NEAR(std::fabs(std::stod(m[k].str())), 169, 0.5) << log;
    EXPECT_NE(log.find("HPGL command(s) ignored: 0"), std::string::npos) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(Unexpected event\(s\):\s+0)"))) << log;
    // The picture: the circle touches the square's sides; its inside and the
    // corners' surroundings inside the square stay blank.
    std::string img = ReadAll(pbm);
    int w = 0, h = 0, off = 0;
    ASSERT_EQ(std::sscanf(img.c_str(), "P4 %d %d%n", &w, &h, &off), 2);
    const size_t row = static_cast<size_t>((w + 7) / 8), base = static_cast<size_t>(off) + 1;
    auto ink = [&](double x, double y) {  // any black pixel within 4 of the drawing point (800 across)
        int px = static_cast<int>(std::lround((x + 1) / 2 * (w - 1))), py = static_cast<int>(std::lround((1 - y) / 2 * (h - 1)));
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx) {
                int X = px + dx, Y = py + dy;
                if (X < 0 || Y < 0 || X >= w || Y >= h) continue;
                if (static_cast<unsigned char>(img[base + static_cast<size_t>(Y) * row + static_cast<size_t>(X / 8)]) &
                    (0x80 >> (X % 8)))
                    return true;
            }
        return false;
    };
    for (int k = 0; k < 36; ++k) EXPECT_TRUE(ink(std::cos(k * kPi / 18), std::sin(k * kPi / 18))) << k;
    EXPECT_TRUE(ink(-1, -1));
    EXPECT_TRUE(ink(1, 1));
    EXPECT_TRUE(ink(0, -1));
    EXPECT_TRUE(ink(-1, 0.5));
    EXPECT_FALSE(ink(0, 0));
    EXPECT_FALSE(ink(0.85, 0.85));
}

// ---- printing --------------------------------------------------------------------

TEST_F(OutputTest, PrintSettingsFileDefaultsAndErrorNumbers) {
    const std::string path = dir.file(kPrinterSettingsFileName);
    // Missing: the defaults are written and used.
    Line(-5, -3, 5, 3);
    Print();
    EXPECT_EQ(ReadAll(path), "1\r\n0\r\n0\r\n6\r\n1\r\n");
    ASSERT_EQ(t.fake.printJobs.size(), 1u);
    EXPECT_EQ(t.fake.printJobs[0].orientation, 2);
    EXPECT_EQ(t.fake.printJobs[0].penWidth, 6);
    // Damaged files: the error number, the file's name, and no job.
    struct Case {
        const char* text;
        int number;
    } cases[] = {{"abc\r\n0\r\n0\r\n6\r\n1\r\n", 13}, {"1\r\n0\r\n0\r\n", 62}, {"1\r\n40000\r\n0\r\n6\r\n1\r\n", 6},
                 {"", 62}, {"1\r\n0\r\nx\r\n6\r\n1\r\n", 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        WriteAll(path, c.text);
        t.fake.boxes.clear();
        Print();
        ASSERT_EQ(t.fake.boxes.size(), 2u);
        EXPECT_EQ(t.fake.boxes[1].text, "Error number " + std::to_string(c.number) +
                                            " has occured.\r\nThe printer settings file could not be read:\r\n" + path);
    }
    EXPECT_EQ(t.fake.printJobs.size(), 1u);
    // No to the question: nothing read, nothing printed.
    t.fake.boxes.clear();
    t.fake.Answer(MsgAnswer::No);
    MenuClick(app(), "Print");
    EXPECT_EQ(t.fake.boxes[0].text, "Do you want to print this drawing?");
    EXPECT_EQ(t.fake.boxes[0].title, "Printer");
    EXPECT_EQ(t.fake.printJobs.size(), 1u);
}

// The page fit: a line across the limits' diagonal lands where the fit and
// the centring put the limits' corners.
TEST_F(OutputTest, PrintFitsAndCentresTheLimitsOnThePage) {
    t.fake.printArea = {0, 0, 15000, 10000};
    struct Case {
        const char* settings;
        double llx, lly, urx, ury;
        double width, height;     // the limits' size on the page (twips)
        double shiftX, shiftY;    // beyond the centre (twips)
    } cases[] = {
        // Wide (aspect 0.6), landscape: the page width; 250 + 100 on X, the Y offset ignored.
        {"1\r\n100\r\n77\r\n6\r\n1\r\n", -5, -3, 5, 3, 0.9637557 * 15000, 0.9637557 * 15000 * 0.6 * 0.99, 350, 0},
        // Tall (aspect 2), portrait: the page height; 250 - 50 on Y, the X offset ignored.
        {"1\r\n300\r\n-50\r\n6\r\n0\r\n", 0, 0, 5, 10, 0.9637557 * 10000 / 2, 0.9637557 * 10000 * 0.99, 0, 200},
        // Half the scale, still centred.
        {"0.5\r\n0\r\n0\r\n6\r\n1\r\n", -5, -3, 5, 3, 0.5 * 0.9637557 * 15000, 0.5 * 0.9637557 * 15000 * 0.6 * 0.99,
         250, 0},
        // Exactly 4:3 still goes by the width.
        {"1\r\n0\r\n0\r\n6\r\n1\r\n", 0, 0, 4, 3, 0.9637557 * 15000, 0.9637557 * 15000 * 0.75 * 0.99, 250, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteAll(dir.file(kPrinterSettingsFileName), c.settings);
        d().ObjNext = 1;
        d().LimLLX = c.llx, d().LimLLY = c.lly, d().LimURX = c.urx, d().LimURY = c.ury;
        Line(c.llx, c.lly, c.urx, c.ury);
        t.fake.printed.clear();
        Print();
        std::vector<PrintCall> lines = Printed('L');
        ASSERT_EQ(lines.size(), 1u);
        const PrintCall& l = lines[0];
        EXPECT_NEAR(l.x2 - l.x1, c.width, 1e-6);
        EXPECT_NEAR(l.y1 - l.y2, c.height, 1e-6);
        EXPECT_NEAR((l.x1 + l.x2) / 2, 7500 + c.shiftX, 1e-6);
        // Y is shortened by 1 % towards the page's top edge, then shifted.
        const double scale = c.width / (c.urx - c.llx);
        const double midY = 5000 + c.shiftY + 0.01 * scale * (c.lly + c.ury) / 2;
        EXPECT_NEAR((l.y1 + l.y2) / 2, midY, 1e-6);
    }
}

TEST_F(OutputTest, PrintColoursCurvesAndMissingShapes) {
    app().set.BoardColor = 0;  // black board: colour 1 is white on the screen
    FillColorTable(app());
    Add("Circle", 0, 0, 1, 1);
    Add("Circle", 2, 0, 0.05, -2);   // locked red
    Arc(-2, 0, 1, 0, kPi / 2, 3);
    int gone = Add("Shape", 0, 0, 1, 4);
    d().ObjText[gone] = "ScG-Nowhere";
    Line(-5, -3, 5, 3, 1);
    Print();
    // The missing shape is named once, and the line after it still prints.
    EXPECT_NE(Messages().find("|Shape File " + d().ShapePrefix + "ScG-Nowhere can't be found|"), std::string::npos)
        << Messages();
    ASSERT_EQ(Printed('L').size(), 1u);
    EXPECT_EQ(Printed('L')[0].rgb, 0u);  // colour 1 prints black
    EXPECT_EQ(ColorOf(app(), 1), 0xFFFFFFu);  // and the screen keeps its white
    // Curves are runs of points at most about 8.73 twips apart, whatever the radius.
    std::vector<PrintCall> pts = Printed('P');
    std::map<uint32_t, std::vector<PrintCall>> byColour;
    for (const PrintCall& p : pts) byColour[p.rgb].push_back(p);
    ASSERT_EQ(byColour.size(), 3u);
    EXPECT_TRUE(byColour.count(0));
    EXPECT_TRUE(byColour.count(ColorOf(app(), 2)));
    EXPECT_TRUE(byColour.count(ColorOf(app(), 3)));
    for (auto& [rgb, run] : byColour) {
        SCOPED_TRACE(rgb);
        double widest = 0;
        for (size_t k = 1; k < run.size(); ++k)
            widest = std::max(widest, std::hypot(run[k].x1 - run[k - 1].x1, run[k].y1 - run[k - 1].y1));
        EXPECT_LT(widest, 8.8);
        EXPECT_GT(widest, 8.5);
    }
    // The circle closes: its last point lies within a step of its first.
    const std::vector<PrintCall>& ring = byColour[0];
    EXPECT_LT(std::hypot(ring.back().x1 - ring.front().x1, ring.back().y1 - ring.front().y1), 8.8);
    // The arc ends at its end angle, within half a step.
    const std::vector<PrintCall>& arc = byColour[ColorOf(app(), 3)];
    const PageMapping& m = app().print.map;
    EXPECT_NEAR(arc.back().x1, WorldToPrinterX(m, -2), 5);
    EXPECT_NEAR(arc.back().y1, WorldToPrinterY(m, 1), 5);
    EXPECT_EQ(t.fake.printJobsEnded, 1);
}

TEST_F(OutputTest, PrintGoesToAPdfBesideTheDrawingWhenThereIsNoPrinter) {
    // Unnamed: the default drawing folder; a blank page is still sent.
    Print();
    ASSERT_EQ(t.fake.printJobs.size(), 1u);
    EXPECT_EQ(t.fake.printJobs[0].pdfPath, app().set.DwgFolderDefault + "Drawing.pdf");
    EXPECT_TRUE(t.fake.printed.empty());
    EXPECT_EQ(t.fake.boxes.back().text,
              "No printer was found. The page was written to the PDF file\r\n" +
                  t.fake.printJobs[0].pdfPath);
    // Named: beside the drawing.
    d().DwgPath = dir.path();
    d().DwgName = "Amp.DWG";
    Print();
    EXPECT_EQ(t.fake.printJobs.back().pdfPath, dir.file("Amp.pdf"));
    // A printer took it: no message after the question.
    t.fake.boxes.clear();
    t.fake.printOutcome = {true, false, "LaserJet", ""};
    Print();
    EXPECT_EQ(t.fake.boxes.size(), 1u);
    // A job that fails says why.
    t.fake.printOutcome = {false, true, "", "disk full"};
    Print();
    EXPECT_EQ(t.fake.boxes.back().text, "The page could not be printed:\r\ndisk full");
    t.fake.printerStarts = false;
    Print();
    EXPECT_EQ(t.fake.boxes.back().text, "The page could not be printed:\r\nthe printer is off");
    EXPECT_EQ(t.fake.printJobsEnded, 4);
}

TEST_F(OutputTest, PrintedShortcutListIsTheFirstHelpSection) {
    WriteAll(dir.file(kHelpFileName), "<start>\r\nCtrl+N  New\r\n\r\nCtrl+O  Open\r\n<files>\r\nFiles\r\n<eof>\r\n");
    MenuClick(app(), "PrintKeys");
    ASSERT_EQ(t.fake.printJobs.size(), 1u);
    EXPECT_EQ(t.fake.printJobs[0].pdfPath, dir.file("Zarnic Shortcut Keys.pdf"));
    std::vector<std::string> got;
    for (const PrintCall& c : t.fake.printed) got.push_back(std::string(1, c.what) + c.text);
    EXPECT_EQ(got, (std::vector<std::string>{"Fcourier new", "T", "T", "T", "T", "TCtrl+N  New   ", "T   ",
                                             "TCtrl+O  Open   "}));
    EXPECT_EQ(t.fake.printed[0].x1, 9);
    // No help file: the four empty lines, and the job still ends.
    fs::remove(dir.file(kHelpFileName));
    t.fake.printed.clear();
    MenuClick(app(), "PrintKeys");
    EXPECT_EQ(t.fake.printed.size(), 5u);
    EXPECT_EQ(t.fake.printJobsEnded, 2);
}

TEST_F(OutputTest, PrinterSetupRoundTripSavesTheFieldsAsTyped) {
    const std::string path = dir.file(kPrinterSettingsFileName);
    WriteAll(path, "garbage\r\n");
    app().zarnic2.Visible = true;  // Default Settings gives way
    MenuClick(app(), "PrinterSetup");
    PrinterPanel& p = app().printSetup;
    EXPECT_FALSE(app().zarnic2.Visible);
    EXPECT_TRUE(p.Visible);
    EXPECT_TRUE(t.fake.dialogVisible[DialogId::PrintSet]);
    // A damaged file is replaced by the defaults.
    EXPECT_EQ(p.Fields, (std::array<std::string, 4>{"1", "0", "0", "6"}));
    EXPECT_TRUE(p.Landscape);
    EXPECT_EQ(ReadAll(path), "1\r\n0\r\n0\r\n6\r\n1\r\n");
    // Cancel writes nothing.
    p.Fields[0] = "2";
    PrintSetCancel_Click(app());
    EXPECT_FALSE(t.fake.dialogVisible[DialogId::PrintSet]);
    EXPECT_EQ(ReadAll(path), "1\r\n0\r\n0\r\n6\r\n1\r\n");
    // Save writes the texts as typed, and they come back.
    MenuClick(app(), "PrinterSetup");
    p.Fields = {"0.95", "120", " -40", "8"};
    p.Landscape = false;
    PrintSetSave_Click(app());
    EXPECT_EQ(ReadAll(path), "0.95\r\n120\r\n -40\r\n8\r\n0\r\n");
    MenuClick(app(), "PrinterSetup");
    EXPECT_EQ(p.Fields, (std::array<std::string, 4>{"0.95", "120", "-40", "8"}));
    EXPECT_FALSE(p.Landscape);
    PrintSetCancel_Click(app());
    Print();
    ASSERT_FALSE(t.fake.printJobs.empty());
    EXPECT_EQ(t.fake.printJobs.back().orientation, 1);
    EXPECT_EQ(t.fake.printJobs.back().penWidth, 8);
    // A text that is no number is kept, and the next print names the error.
    MenuClick(app(), "PrinterSetup");
    p.Fields[1] = "ten";
    PrintSetSave_Click(app());
    t.fake.boxes.clear();
    Print();
    EXPECT_EQ(t.fake.boxes.back().text.rfind("Error number 13 has occured.", 0), 0u);
}
