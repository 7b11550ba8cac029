// The shape list (Draw > Shape) and the shape library browser (Settings >
// Shape Library): the entries read from the shape list file, the category
// headings of the schematic library, arming the Shape command from a click,
// the browser's rows and columns for a folder, and a new prefix typed or
// clicked, with the list file, caption and command state that follow.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/browser.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "fake_platform.h"
#include "tables/answers.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "view/shapes.h"

namespace fs = std::filesystem;

namespace {

// The browser row of one prefix group, column by column.
std::string GroupRow(const std::string& prefix, size_t count, const std::string& use, const std::string& example) {
    std::string n = std::to_string(count);
    std::string u = use;
    n.resize(15, ' ');
    u.resize(40, ' ');
    return std::string(7, ' ') + prefix + std::string(15, ' ') + n + u + example;
}

const size_t kHeadRows = 7;  // title and column heads above the first group
const size_t kTailRows = 5;  // the instructions below the last group

class BrowserTest : public ::testing::Test {
protected:
    void SetUp() override { t.Start(dir.path()); }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    void WriteList(const std::vector<std::string>& lines) { WriteAll(dir.file(kShapeListFileName), JoinCrLf(lines)); }
    const ControlBox& Shown(const char* name) { return t.fake.controls[name]; }
    std::vector<std::string> ShapeRows() { return app().browser.ShapeList.rows; }
    // The index of the browser row for a prefix, -1 when it has none.
    int LibraryRow(const std::string& prefix) {
        const auto& rows = app().browser.Help1.rows;
        for (size_t i = kHeadRows; i + kTailRows < rows.size(); ++i)
            if (rows[i].substr(7, 2) == prefix) return static_cast<int>(i);
        return -1;
    }
    // The browser and the list file go by names only: empty files will do.
    void AddFiles(const std::vector<std::string>& names) {
        for (const auto& n : names) WriteAll(dir.file(n), "");
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

// ---- the shape list --------------------------------------------------------------

TEST_F(BrowserTest, ShapeListOpensOverTheDrawingAreaWithItsPrompt) {
    WriteList({"Resistor", "Capacitor"});
    d().ShapePrefix = "PC";
    Shape_Click(app());
    const double w = app().view.ViewWidth, h = app().view.ViewHeight;
    const ControlBox& list = Shown(kShapeListName);
    EXPECT_TRUE(list.visible);
    EXPECT_DOUBLE_EQ(list.left, 0);
    EXPECT_DOUBLE_EQ(list.top, 0.03 * h);
    EXPECT_DOUBLE_EQ(list.width, w);
    EXPECT_DOUBLE_EQ(list.height, 0.88 * h);
    EXPECT_EQ(list.rows, (std::vector<std::string>{"  Resistor", "  Capacitor"}));
    const ControlBox& close = Shown(kShapeCloseName);
    EXPECT_TRUE(close.visible);
    EXPECT_EQ(close.caption, "Cancel");
    EXPECT_DOUBLE_EQ(close.left, 0.5 * w);
    EXPECT_DOUBLE_EQ(close.top, 0);
    EXPECT_DOUBLE_EQ(close.width, 0.09 * w);
    EXPECT_DOUBLE_EQ(close.height, 0.03 * h);
    EXPECT_EQ(app().cmd.PromptText, "Shape:  Click a shape name from the list.");
    EXPECT_FALSE(t.fake.inputVisible);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_TRUE(t.fake.boxes.empty());

    // A running command keeps the list shut.
    ShapeClose_Click(app());
    app().cmd.CurCommand = "Line";
    Shape_Click(app());
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_EQ(app().cmd.CurCommand, "Line");
}

TEST_F(BrowserTest, SchematicEntriesAreGroupedUnderTheirHeadings) {
    WriteList({"A-Diode Bridge", "A-Triode", "B-Box", "X-Thing"});
    Shape_Click(app());
    EXPECT_EQ(ShapeRows(), (std::vector<std::string>{"  Active Devices", "    Diode Bridge", "    Triode", "  Blocks",
                                                      "    Box", "  Blocks", "    Thing"}));

    // Every category code, and a code that comes back after another.
    ShapeClose_Click(app());
    WriteList({"A-a", "B-b", "D-d", "G-g", "L-l", "M-m", "R-r", "S-s", "T-t", "UCc", "UPp", "V-v", "W-w", "A-z"});
    Shape_Click(app());
    std::vector<std::string> headings;
    for (const auto& r : ShapeRows())
        if (r.compare(0, 4, "    ") != 0) headings.push_back(r);
    EXPECT_EQ(headings, (std::vector<std::string>{"  Active Devices", "  Blocks", "  Diodes", "  Passive and General",
                                                   "  Logic", "  Math Symbols", "  Electrical Sources",
                                                   "  Relays and Switches", "  Transducers", "  Transformers",
                                                   "  Transformer Parts", "  Vacuum Tubes", "  Waves",
                                                   "  Active Devices"}));
    EXPECT_EQ(ShapeRows().size(), 28u);
    EXPECT_EQ(ShapeRows()[19], "    c");  // "UCc" loses both code characters

    // An unknown code at the very start has an empty heading.
    ShapeClose_Click(app());
    WriteList({"X-First", "B-Box"});
    Shape_Click(app());
    EXPECT_EQ(ShapeRows(), (std::vector<std::string>{"  ", "    First", "  Blocks", "    Box"}));
}

TEST_F(BrowserTest, AMissingEmptyOrUnreadableListFileClosesTheList) {
    auto expectRefused = [&](const char* what) {
        SCOPED_TRACE(what);
        t.fake.boxes.clear();
        app().cmd.CurCommand = "None";
        int shown = t.fake.surfaceShown;
        Shape_Click(app());
        ASSERT_EQ(t.fake.boxes.size(), 1u);
        EXPECT_EQ(t.fake.boxes[0].text, "Shapes not found or not available.");
        EXPECT_EQ(t.fake.boxes[0].buttons, MsgButtons::OK);
        EXPECT_EQ(t.fake.boxes[0].title, "");
        EXPECT_FALSE(Shown(kShapeListName).visible);
        EXPECT_FALSE(Shown(kShapeCloseName).visible);
        EXPECT_EQ(app().cmd.CurCommand, "None");
        EXPECT_GT(t.fake.surfaceShown, shown);  // the drawing was redrawn
    };
    WriteList({});
    expectRefused("empty");
    fs::remove(dir.file(kShapeListFileName));
    expectRefused("missing");
    fs::create_directory(dir.file(kShapeListFileName));
    expectRefused("unreadable");

    // The list comes from the shape folder when one is set.
    fs::create_directory(dir.file("lib"));
    WriteAll(dir.file("lib/") + kShapeListFileName, "A-Triode\r\n");
    app().set.ShapeFontPath = dir.file("lib/");
    t.fake.boxes.clear();
    Shape_Click(app());
    EXPECT_TRUE(t.fake.boxes.empty());
    EXPECT_EQ(ShapeRows(), (std::vector<std::string>{"  Active Devices", "    Triode"}));
}

TEST_F(BrowserTest, ChoosingAnEntryArmsTheShapeCommand) {
    WriteList({"A-Diode Bridge", "A-Triode", "B-Box", "X-Thing"});
    const int slot = d().ObjNext;
    d().ObjXScale[slot] = d().ObjYScale[slot] = 7;
    Shape_Click(app());
    ShapeList_Click(app(), 2);
    EXPECT_EQ(app().browser.SelectedShapeText, "Triode");
    EXPECT_EQ(d().ObjText[slot], "ScA-Triode");
    EXPECT_EQ(d().ObjXScale[slot], 1);
    EXPECT_EQ(d().ObjYScale[slot], 1);
    EXPECT_EQ(app().cmd.CurCommand, "Shape");
    EXPECT_EQ(app().cmd.PromptText, "Shape = Triode:  Left click to preview.  Right click to place.");
    EXPECT_FALSE(t.fake.inputVisible);
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_FALSE(Shown(kShapeCloseName).visible);

    // An entry under a repeated heading keeps its own code.
    CancelCommand(app(), 0);
    Shape_Click(app());
    ShapeList_Click(app(), 6);
    EXPECT_EQ(d().ObjText[slot], "ScX-Thing");
    EXPECT_EQ(app().cmd.PromptText, "Shape = Thing:  Left click to preview.  Right click to place.");

    // Another prefix takes the name as listed.
    CancelCommand(app(), 0);
    d().ShapePrefix = "PC";
    WriteList({"Capacitor", "Resistor"});
    Shape_Click(app());
    EXPECT_EQ(ShapeRows()[1], "  Resistor");
    ShapeList_Click(app(), 1);
    EXPECT_EQ(d().ObjText[slot], "PCResistor");
    EXPECT_EQ(app().cmd.CurCommand, "Shape");
    EXPECT_EQ(app().cmd.PromptText, "Shape = Resistor:  Left click to preview.  Right click to place.");

    // Escape while the Shape command runs takes a shown list down.
    app().browser.ShapeList.visible = true;
    t.fake.controls[kShapeListName].visible = true;
    Text1_KeyDown(app(), 27, 0);
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    // Before a choice, Escape or another command closes the open list too.
    Shape_Click(app());
    ASSERT_TRUE(Shown(kShapeListName).visible);
    Text1_KeyDown(app(), 27, 0);
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_FALSE(Shown(kShapeCloseName).visible);
    Shape_Click(app());
    MenuClick(app(), "Grid");
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_EQ(app().cmd.CurCommand, "Grid");
}

TEST_F(BrowserTest, HeadingsAndConnectorsArmNothing) {
    WriteList({"A-Triode", "B-Box", "G-Circle Conn", "G-Line Connector", "UPCore", "X-Thing"});
    const int slot = d().ObjNext;
    Shape_Click(app());
    // Blocks, Transformer Parts, the repeated Transformer Parts.
    for (int row : {2, 7, 9}) {
        SCOPED_TRACE(row);
        ShapeList_Click(app(), row);
        EXPECT_EQ(app().cmd.CurCommand, "None");
        EXPECT_TRUE(Shown(kShapeListName).visible);
        EXPECT_EQ(d().ObjText[slot], "");
    }
    ASSERT_EQ(ShapeRows()[5], "    Circle Conn");
    int shown = t.fake.surfaceShown;
    ShapeList_Click(app(), 5);
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_FALSE(Shown(kShapeCloseName).visible);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(d().ObjText[slot], "");
    EXPECT_GT(t.fake.surfaceShown, shown);

    Shape_Click(app());
    ASSERT_EQ(ShapeRows()[6], "    Line Connector");
    ShapeList_Click(app(), 6);
    EXPECT_FALSE(Shown(kShapeListName).visible);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_EQ(d().ObjText[slot], "");
}

TEST_F(BrowserTest, TheEmptyHeadingAtTheStartArmsNothing) {
    WriteList({"X-First", "B-Box"});
    const int slot = d().ObjNext;
    Shape_Click(app());
    ASSERT_EQ(ShapeRows()[0], "  ");
    ShapeList_Click(app(), 0);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_TRUE(Shown(kShapeListName).visible);
    EXPECT_EQ(d().ObjText[slot], "");
}

TEST_F(BrowserTest, AChoiceGoneFromARebuiltListFileTakesItsLastLine) {
    WriteList({"A-Diode Bridge", "A-Triode", "B-Box"});
    Shape_Click(app());
    WriteList({"A-Pentode", "G-Resistor", "V-Tetrode"});
    ShapeList_Click(app(), 2);  // Triode
    EXPECT_EQ(d().ObjText[d().ObjNext], "ScV-Tetrode");
    EXPECT_EQ(app().cmd.PromptText, "Shape = Tetrode:  Left click to preview.  Right click to place.");
}

// ---- the library browser ----------------------------------------------------------

TEST(LibraryRows, ListsEachPrefixGroupWithCountUseAndExample) {
    std::vector<std::string> rows = LibraryRows({"ScB-Box.dwg", "Zarnic-Something.dwg", "PCBoard.dwg", "F-A.dwg",
                                                 "SSPlan.dwg", "ScA-Triode.dwg"});
    std::vector<std::string> expected = {"  ", "  ", std::string(18, ' ') + "AVAILABLE SHAPE LIBRARIES ON YOUR COMPUTER.",
                                         "  ", "  ",
                                         "  Shape Prefix.   Number of files.     Shapes are used for.                    "
                                         "Example File Name.",
                                         "  ",
                                         GroupRow("PC", 1, "Printed Circuit Layout.", "PCBoard.dwg"),
                                         GroupRow("Sc", 2, "Schematic Diagram.", "ScB-Box.dwg"),
                                         "  ", "  ", std::string(12, ' ') + "Type Prefix in Box above, then press TAB,",
                                         std::string(29, ' ') + "OR", std::string(12, ' ') + "Left Click Your Selection."};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rows[7].find("Printed"), 39u);
    EXPECT_EQ(rows[8].find("ScB-Box.dwg"), 79u);

    // Every known use; the exclusions care about case; single-file groups
    // stand first, between and last.
    rows = LibraryRows({"TIBench.dwg", "PRProto.dwg", "H-Room.dwg", "CLChassis.dwg", "CLPanel.dwg", "QQ1.dwg",
                        "SsLower.dwg", "zarnicLower.dwg", "Ab.dwg"});
    EXPECT_EQ(std::vector<std::string>(rows.begin() + kHeadRows, rows.end() - kTailRows),
              (std::vector<std::string>{GroupRow("Ab", 1, "User Defined.", "Ab.dwg"),
                                        GroupRow("CL", 2, "Chassis Layout.", "CLPanel.dwg"),
                                        GroupRow("H-", 1, "House Plan - Furnature Arrangement.", "H-Room.dwg"),
                                        GroupRow("PR", 1, "Prototyping Board Layout.", "PRProto.dwg"),
                                        GroupRow("QQ", 1, "User Defined.", "QQ1.dwg"),
                                        GroupRow("Ss", 1, "User Defined.", "SsLower.dwg"),
                                        GroupRow("TI", 1, "Workbench or AV Center Layout.", "TIBench.dwg"),
                                        GroupRow("za", 1, "User Defined.", "zarnicLower.dwg")}));

    EXPECT_EQ(LibraryRows({}).size(), kHeadRows + kTailRows);
}

TEST(LibraryRows, HasNoLimitOnGroupsOrFiles) {
    std::vector<std::string> names;
    for (int g = 0; g < 30; ++g)
        for (int k = 0; k <= g; ++k)
            names.push_back(std::string(1, static_cast<char>('G' + g / 10)) + static_cast<char>('0' + g % 10) + "n" +
                            std::to_string(k) + ".dwg");
    for (int k = 0; k < 1200; ++k) names.push_back("Wz" + std::to_string(10000 + k) + ".dwg");
    std::vector<std::string> rows = LibraryRows(names);
    ASSERT_EQ(rows.size(), kHeadRows + 31 + kTailRows);
    for (int g = 0; g < 30; ++g) {
        std::string p = std::string(1, static_cast<char>('G' + g / 10)) + static_cast<char>('0' + g % 10);
        std::string last = p + "n" + std::to_string(g) + ".dwg";
        if (g >= 10) last = p + "n9.dwg";  // "n9" sorts after "n10".."n29"
        EXPECT_EQ(rows[kHeadRows + g], GroupRow(p, g + 1, "User Defined.", last));
    }
    EXPECT_EQ(rows[kHeadRows + 30], GroupRow("Wz", 1200, "User Defined.", "Wz11199.dwg"));
}

TEST_F(BrowserTest, ShapeLibraryShowsTheFolderAndAsksForAPrefix) {
    AddFiles({"PCBoard.dwg", "ScA-Triode.dwg", "ScB-Box.dwg", "F-A.dwg", "SSPlan.dwg", "Zarnic-Something.dwg"});
    ShapeLib_Click(app());
    EXPECT_EQ(app().cmd.CurCommand, "ShapeLib");
    EXPECT_EQ(app().cmd.PromptText, "Shape File Prefix: ");
    EXPECT_TRUE(t.fake.inputVisible);
    EXPECT_EQ(t.fake.inputText, "Sc");
    EXPECT_DOUBLE_EQ(t.fake.inputWidth, 500);
    const double w = app().view.ViewWidth, h = app().view.ViewHeight;
    const ControlBox& b = Shown(kHelp1Name);
    EXPECT_TRUE(b.visible);
    EXPECT_DOUBLE_EQ(b.left, w * 0.0416666 / 2);
    EXPECT_DOUBLE_EQ(b.top, h * 0.1841492 / 2 - 500);
    EXPECT_DOUBLE_EQ(b.width, 0.8 * w);
    EXPECT_DOUBLE_EQ(b.height, 0.8 * h);
    ASSERT_EQ(b.rows.size(), kHeadRows + 2 + kTailRows);
    EXPECT_EQ(b.rows[kHeadRows], GroupRow("PC", 1, "Printed Circuit Layout.", "PCBoard.dwg"));
    EXPECT_EQ(b.rows[kHeadRows + 1], GroupRow("Sc", 2, "Schematic Diagram.", "ScB-Box.dwg"));

    // Not while another command runs.
    CancelCommand(app(), 0);
    t.fake.controls.clear();
    app().cmd.CurCommand = "Line";
    ShapeLib_Click(app());
    EXPECT_EQ(t.fake.controls.count(kHelp1Name), 0u);
    EXPECT_FALSE(t.fake.inputVisible);
    EXPECT_EQ(app().cmd.CurCommand, "Line");
}

TEST_F(BrowserTest, ATypedPrefixRebuildsTheListAndCaption) {
    AddFiles({"PCBoard.dwg", "PCJack.dwg", "ScA-Triode.dwg"});
    ShapeLib_Click(app());
    t.fake.inputText = "PC";
    int shown = t.fake.surfaceShown;
    Text2_LostFocus(app());
    EXPECT_EQ(d().ShapePrefix, "PC");
    EXPECT_EQ(ReadAll(dir.file(kShapeListFileName)), "Board\r\nJack\r\n");
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_FALSE(Shown(kHelp1Name).visible);
    EXPECT_FALSE(t.fake.inputVisible);
    EXPECT_GT(t.fake.surfaceShown, shown);
    EXPECT_EQ(t.fake.Caption().rfind("Zarnic File: ", 0), 0u) << t.fake.Caption();
    EXPECT_NE(t.fake.Caption().find("  <Font: " + app().set.FontPrefix + ">  <Shape: PC>  "), std::string::npos)
        << t.fake.Caption();
    // The shape list now offers the new library.
    Shape_Click(app());
    EXPECT_EQ(ShapeRows(), (std::vector<std::string>{"  Board", "  Jack"}));

    // Any length is taken as typed.
    ShapeClose_Click(app());
    ShapeLib_Click(app());
    t.fake.inputText = "Custom";
    Text2_LostFocus(app());
    EXPECT_EQ(d().ShapePrefix, "Custom");
    EXPECT_NE(t.fake.Caption().find("<Shape: Custom>"), std::string::npos) << t.fake.Caption();
}

TEST_F(BrowserTest, AnEmptyBoxIsRefusedAndTheBrowserStays) {
    AddFiles({"PCBoard.dwg", "ScA-Triode.dwg"});
    ShapeLib_Click(app());
    const int pc = LibraryRow("PC");
    ASSERT_GE(pc, 0);
    t.fake.inputText = "";
    for (bool rowClick : {false, true}) {
        SCOPED_TRACE(rowClick ? "row click" : "commit");
        int focus = t.fake.inputFocus;
        if (rowClick) CommitThenClick(app(), Help1_Click, pc);
        else Text2_LostFocus(app());
        EXPECT_GT(t.fake.inputFocus, focus);
        EXPECT_EQ(app().cmd.CurCommand, "ShapeLib");
        EXPECT_TRUE(Shown(kHelp1Name).visible);
        EXPECT_TRUE(t.fake.inputVisible);
        EXPECT_EQ(d().ShapePrefix, "Sc");
    }
}

TEST_F(BrowserTest, ACommandTakingOverClosesTheBrowser) {
    AddFiles({"PCBoard.dwg"});
    ShapeLib_Click(app());
    ASSERT_TRUE(Shown(kHelp1Name).visible);
    MenuClick(app(), "TextH");
    EXPECT_EQ(app().cmd.CurCommand, "TextH");
    EXPECT_FALSE(Shown(kHelp1Name).visible);
    EXPECT_EQ(d().ShapePrefix, "Sc");
}

TEST_F(BrowserTest, ClickingAGroupRowTakesItsPrefix) {
    AddFiles({"PCBoard.dwg", "ScA-Triode.dwg", "TIBench.dwg"});
    ShapeLib_Click(app());
    const int ti = LibraryRow("TI");
    ASSERT_GE(ti, 0);
    CommitThenClick(app(), Help1_Click, ti);
    EXPECT_EQ(d().ShapePrefix, "TI");
    EXPECT_EQ(ReadAll(dir.file(kShapeListFileName)), "Bench\r\n");
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_FALSE(Shown(kHelp1Name).visible);
    EXPECT_FALSE(t.fake.inputVisible);
    EXPECT_NE(t.fake.Caption().find("<Shape: TI>"), std::string::npos) << t.fake.Caption();
}

TEST_F(BrowserTest, ClickingARowWithoutAPrefixReopensTheBrowser) {
    AddFiles({"PCBoard.dwg"});
    ShapeLib_Click(app());
    const size_t n = app().browser.Help1.rows.size();
    // Blank, title, column heads, instructions and "OR".
    for (size_t row : {size_t{0}, size_t{2}, size_t{5}, n - 3, n - 2, n - 1}) {
        SCOPED_TRACE(row);
        t.fake.controls.clear();
        CommitThenClick(app(), Help1_Click, static_cast<int>(row));
        EXPECT_EQ(app().cmd.CurCommand, "ShapeLib");
        EXPECT_TRUE(Shown(kHelp1Name).visible);
        EXPECT_TRUE(t.fake.inputVisible);
        EXPECT_EQ(t.fake.inputText, "Sc");
        EXPECT_EQ(d().ShapePrefix, "Sc");
    }
}
