// The shipped symbol library and example drawings, read from the data
// folder the build wrote: every file reads and draws without a message, the
// schematic symbols list under their headings, names are unique within a
// category, leads end at (0, 0) and on the 0.1 grid, the browser shows the
// six libraries, and the examples name only shapes that exist.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "commands/browser.h"
#include "fake_platform.h"
#include "library/library.h"
#include "model/dwgfile.h"
#include "view/redraw.h"
#include "view/shapes.h"

namespace fs = std::filesystem;

namespace {

const std::string kData = ZARNIC_DATA;

// The categories of the schematic library whose symbols have leads.
bool HasLeads(const std::string& name) {
    static const std::set<std::string> leaded = {"A-", "D-", "G-", "L-", "R-", "S-", "T-", "UC", "UP", "V-"};
    return name.size() > 4 && name.compare(0, 2, "Sc") == 0 && leaded.count(name.substr(2, 2)) > 0;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool OnGrid(double v) { return std::fabs(v * 10 - std::round(v * 10)) < 1e-7; }

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start(dir.path());
        t.app->set.ShapeFontPath = kData;
        t.fake.boxes.clear();
    }
    // Reads a drawing into the table; false when the reader fails.
    bool Read(const std::string& path) {
        Drawing& d = t.app->dwg;
        ClearObjects(d);
        std::string text;
        ReadResult r = LoadTextFile(path, text);
        if (r.fail == ReadFail::None) r = ParseDrawing(d, text, false, 0, 0, 1);
        return r.fail == ReadFail::None;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(LibraryTest, EverySymbolReadsAndDrawsWithoutAMessage) {
    const auto symbols = AllSymbols();
    ASSERT_GT(symbols.size(), 150u);
    for (const SymbolDef& s : symbols) {
        SCOPED_TRACE(s.name);
        ASSERT_TRUE(Read(kData + s.name + ".dwg"));
        EXPECT_GT(t.app->dwg.ObjNext, 1);
        ScreenRedraw(*t.app, 1);
        EXPECT_TRUE(t.fake.boxes.empty()) << (t.fake.boxes.empty() ? "" : t.fake.boxes[0].text);
        t.fake.boxes.clear();
    }
}

TEST_F(LibraryTest, SchematicSymbolsListUnderTheirHeadings) {
    App& app = *t.app;
    app.dwg.ShapePrefix = "Sc";
    LoadNewShapes(app);
    Shape_Click(app);
    ASSERT_TRUE(t.fake.boxes.empty());
    const std::vector<std::string>& rows = app.browser.ShapeList.rows;
    static const std::map<std::string, std::string> headings = {
        {"A-", "Active Devices"}, {"B-", "Blocks"}, {"D-", "Diodes"}, {"G-", "Passive and General"},
        {"L-", "Logic"}, {"M-", "Math Symbols"}, {"R-", "Electrical Sources"}, {"S-", "Relays and Switches"},
        {"T-", "Transducers"}, {"UC", "Transformers"}, {"UP", "Transformer Parts"}, {"V-", "Vacuum Tubes"},
        {"W-", "Waves"}};
    // Each entry's heading is the last heading row above it; one name may
    // stand in two categories ("Diode" of the diodes and of the tubes).
    std::map<std::string, std::set<std::string>> headingsOf;
    std::string current;
    for (const std::string& r : rows) {
        if (r.compare(0, 4, "    ") != 0) current = r.substr(2);
        else headingsOf[r.substr(4)].insert(current);
    }
    std::set<std::string> codes;
    for (const SymbolDef& s : AllSymbols()) {
        if (s.name.compare(0, 2, "Sc") != 0) continue;
        const std::string code = s.name.substr(2, 2);
        codes.insert(code);
        ASSERT_TRUE(headings.count(code)) << s.name << ": no heading for " << code;
        EXPECT_EQ(headingsOf[s.name.substr(4)].count(headings.at(code)), 1u) << s.name;
    }
    EXPECT_EQ(codes.size(), headings.size());  // every category has symbols
}

TEST(Library, NamesAreUniqueWithinACategory) {
    std::map<std::string, int> seen;
    for (const SymbolDef& s : AllSymbols()) {
        ASSERT_GT(s.name.size(), 4u) << s.name;
        EXPECT_EQ(++seen[Lower(s.name)], 1) << "two symbols named " << s.name;
        EXPECT_EQ(s.name.find_first_of("/\\\r\n"), std::string::npos) << s.name;
    }
}

TEST_F(LibraryTest, LeadsEndAtTheOriginAndOnTheGrid) {
    for (const SymbolDef& s : AllSymbols()) {
        if (!HasLeads(s.name)) continue;
        SCOPED_TRACE(s.name);
        // The pins the symbol declares ...
        auto scratch = std::make_unique<Drawing>();
        Sym sym(*scratch);
        s.draw(sym);
        ASSERT_FALSE(sym.pins.empty());
        EXPECT_EQ(sym.pins[0].x, 0);
        EXPECT_EQ(sym.pins[0].y, 0);
        // ... are the ends of Lines (or a dot's centre) in the saved file.
        ASSERT_TRUE(Read(kData + s.name + ".dwg"));
        const Drawing& d = t.app->dwg;
        for (const Pt& p : sym.pins) {
            EXPECT_TRUE(OnGrid(p.x) && OnGrid(p.y)) << "pin " << p.x << "," << p.y;
            bool found = false;
            for (int k = 1; k < d.ObjNext && !found; ++k) {
                if (d.ObjType[k] == "Line") {
                    const int n = static_cast<int>(d.ObjSize[k]);
                    for (int v : {1, n})
                        found |= std::fabs(d.VertX(k, v) - p.x) < 1e-9 && std::fabs(d.VertY(k, v) - p.y) < 1e-9;
                } else if (d.ObjType[k] == "Circle") {
                    found |= std::fabs(d.ObjX[k] - p.x) < 1e-9 && std::fabs(d.ObjY[k] - p.y) < 1e-9;
                }
            }
            EXPECT_TRUE(found) << "no lead ends at " << p.x << "," << p.y;
        }
    }
}

TEST_F(LibraryTest, TheBrowserShowsTheSixLibraries) {
    std::vector<std::string> files;
    ASSERT_EQ(ListDrawingFiles(kData, files), 0);
    std::vector<std::string> prefixes;
    for (const std::string& row : LibraryRows(files))
        if (row.size() > 80 && row.compare(0, 7, "       ") == 0 && row[7] != ' ') prefixes.push_back(row.substr(7, 2));
    EXPECT_EQ(prefixes, (std::vector<std::string>{"CL", "H-", "PC", "PR", "Sc", "TI"}));
}

TEST_F(LibraryTest, ExamplesAndSheetsReadAndNameOnlyShapesThatExist) {
    const std::string folder = kData + "examples/";
    int drawings = 0;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.path().extension() != ".dwg") continue;
        SCOPED_TRACE(e.path().filename().string());
        ++drawings;
        ASSERT_TRUE(Read(e.path().string()));
        const Drawing& d = t.app->dwg;
        int shapes = 0, dials = 0;
        for (int k = 1; k < d.ObjNext; ++k) {
            dials += d.ObjType[k] == "Dial";
            if (d.ObjType[k] != "Shape") continue;
            ++shapes;
            EXPECT_TRUE(FindShapeFile(*t.app, d.ObjText[k])) << d.ObjText[k];
        }
        // The meter faces are drawn with their scales; the others with symbols.
        const std::string name = e.path().filename().string();
        if (name == "Meter Face.dwg") EXPECT_EQ(dials, 2);
        else if (name == "VU Meter Face.dwg" || name == "SWR Meter Face.dwg" || name == "Multimeter Face.dwg")
            EXPECT_EQ(dials, name[0] == 'V' ? 2 : name[0] == 'S' ? 1 : 4);
        else EXPECT_GT(shapes, 3);
        ScreenRedraw(*t.app, 1);
        EXPECT_TRUE(t.fake.boxes.empty());
        t.fake.boxes.clear();
    }
    // Six contact sheets and the seven examples.
    EXPECT_EQ(drawings, 13);
}
