// The defaults file and the Default Settings page: the factory file of a
// first start, damaged files, the 23 lines read and written, the hidden
// pattern's two forms, the limits checks, the colour choices, Cancel and the
// caption after Save Changes.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/defaults_dialog.h"
#include "commands/shell.h"
#include "fake_platform.h"
#include "model/defaults.h"
#include "model/messages.h"

namespace {

// The factory file as the program must write it, line by line.
std::vector<std::string> FactoryLines(const std::string& folder) {
    return {"0",   "16777215", "65280", "8421504", "F-", "Schematic.fnt", "0.4",  "Sc",
            "1",   folder,     "0.1",   "0.06",    "0.2", "5",            "3",    "-5",
            "-3",  "0.5",      "True",  "0.1",     "3",  "True",          folder};
}

// A fresh App on the fake platform for the file-level cases.
struct Bare {
    FakePlatform fake;
    std::unique_ptr<App> app = std::make_unique<App>(fake);
};

// A started program with the Default Settings page open.
struct DefaultsPage : ::testing::Test {
    TempDir dir;
    TestApp t;
    App& app() { return *t.app; }
    DefaultsPanel& panel() { return t.app->zarnic2; }
    std::string file() { return ReadAll(dir.file(kDefaultsFileName)); }
    void SetUp() override {
        t.Start(dir.path());
        t.fake.boxes.clear();
        DefaultBox_Click(app());
    }
};

}  // namespace

// ---- the file on its own ------------------------------------------------------

TEST(DefaultsFile, FactoryTextIsTheTwentyThreeLines) {
    EXPECT_EQ(FactoryDefaultsText("/opt/z/"), JoinCrLf(FactoryLines("/opt/z/")));
}

TEST(DefaultsFile, FactoryTextReadsBackToTheSameBytes) {
    Bare b;
    std::string text = FactoryDefaultsText("/opt/z/");
    ASSERT_TRUE(ParseDefaults(text, b.app->set, b.app->dwg));
    EXPECT_EQ(DefaultsText(b.app->set, b.app->dwg), text);
}

TEST(DefaultsFile, FieldsGoToTheirSettings) {
    Bare b;
    Settings& s = b.app->set;
    Drawing& d = b.app->dwg;
    // LF ends, a first line holding two fields split by a comma, a shape
    // folder without its separator.
    std::vector<std::string> lines = {"16777215,255", "0", "8421504", "G-", "Other.fnt", "0.25",
                                      "Tb", "2.5", "/shapes", "0.2", "0.03", "0.3", "20", "10",
                                      "-1", "-2", "0.25", "False", "0.05", "1", "False", "/dwg/"};
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    ASSERT_TRUE(ParseDefaults(text, s, d));
    EXPECT_EQ(s.BoardColor, 16777215u);
    EXPECT_EQ(s.DrawRGB, 255u);
    EXPECT_EQ(s.GridColor, 0u);
    EXPECT_EQ(s.SelectColor, 8421504u);
    EXPECT_EQ(s.FontPrefix, "G-");
    EXPECT_EQ(d.FontFile, "Other.fnt");
    EXPECT_DOUBLE_EQ(s.FontDescender, 0.25);
    EXPECT_EQ(d.ShapePrefix, "Tb");
    EXPECT_DOUBLE_EQ(d.PlotScale, 2.5);
    EXPECT_EQ(s.ShapeFontPath, "/shapes/");
    EXPECT_DOUBLE_EQ(d.TextHeight, 0.2);
    EXPECT_DOUBLE_EQ(d.HiddenGap, 0.03);
    EXPECT_DOUBLE_EQ(d.HiddenDash, 0.3);
    EXPECT_EQ(d.LimURX, 20);
    EXPECT_EQ(d.LimURY, 10);
    EXPECT_EQ(d.LimLLX, -1);
    EXPECT_EQ(d.LimLLY, -2);
    EXPECT_DOUBLE_EQ(d.GridSpacing, 0.25);
    EXPECT_FALSE(d.GridOn);
    EXPECT_DOUBLE_EQ(d.SnapX, 0.05);
    EXPECT_EQ(d.SnapY, 0);
    EXPECT_EQ(d.SnapMode, 1);
    EXPECT_FALSE(s.LineTypeReverts);
    EXPECT_EQ(s.DwgFolderDefault, "/dwg/");
}

TEST(DefaultsFile, DamagedFilesAreRefused) {
    std::vector<std::string> good = FactoryLines("/d/");
    auto refused = [](std::vector<std::string> lines) {
        Bare b;
        return !ParseDefaults(JoinCrLf(lines), b.app->set, b.app->dwg);
    };
    std::vector<std::string> v = good;
    v.pop_back();
    EXPECT_TRUE(refused(v)) << "a missing line";
    EXPECT_TRUE(refused({})) << "an empty file";
    v = good, v[18] = "maybe";
    EXPECT_TRUE(refused(v)) << "line 19 neither True nor False";
    v = good, v[21] = "true";
    EXPECT_TRUE(refused(v)) << "line 22 in the wrong case";
    v = good, v[6] = "abc";
    EXPECT_TRUE(refused(v)) << "text in the descender line";
    v = good, v[0] = "1.5";
    EXPECT_TRUE(refused(v)) << "a colour that is no whole number";
    v = good, v[20] = "7";
    EXPECT_TRUE(refused(v)) << "a snap mode beyond 3";
    v = good, v[9] = "/with,comma/";
    EXPECT_TRUE(refused(v)) << "a comma splits a text and shifts the fields after it";
    EXPECT_FALSE(refused(good));
}

TEST(DefaultsFile, ValuesBeforeAFailureAreKept) {
    Bare b;
    std::vector<std::string> v = FactoryLines("/d/");
    v[0] = "16777215";
    v[6] = "x";
    EXPECT_FALSE(ParseDefaults(JoinCrLf(v), b.app->set, b.app->dwg));
    EXPECT_EQ(b.app->set.BoardColor, 16777215u);
}

TEST(DefaultsFile, LeadingNumberRule) {
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5abc"), 1.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("  7"), 7);
    EXPECT_DOUBLE_EQ(LeadingNumber("2e3x"), 2000);
    EXPECT_DOUBLE_EQ(LeadingNumber("2e"), 2);
    EXPECT_DOUBLE_EQ(LeadingNumber("1,"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("5."), 5);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
}

TEST(DefaultsFile, NumbersInTheShortestForm) {
    EXPECT_EQ(DefaultsNumber(0.35), "0.35");
    EXPECT_EQ(DefaultsNumber(0.35 - 0.05), "0.3");
    EXPECT_EQ(DefaultsNumber(-5), "-5");
    EXPECT_EQ(DefaultsNumber(0.0001), "0.0001");
}

// ---- start-up ---------------------------------------------------------------

TEST(DefaultsStartup, FirstStartWritesTheFactoryFile) {
    TempDir dir;
    TestApp t;
    t.Start(dir.path());
    EXPECT_EQ(ReadAll(dir.file(kDefaultsFileName)), JoinCrLf(FactoryLines(dir.path())));
    EXPECT_FALSE(std::filesystem::exists(dir.file(std::string(kDefaultsFileName) + ".tmp")));
    const Drawing& d = t.app->dwg;
    EXPECT_EQ(d.LimLLX, -5);
    EXPECT_EQ(d.LimLLY, -3);
    EXPECT_EQ(d.LimURX, 5);
    EXPECT_EQ(d.LimURY, 3);
    EXPECT_TRUE(d.GridOn);
    EXPECT_DOUBLE_EQ(d.GridSpacing, 0.5);
    EXPECT_DOUBLE_EQ(d.SnapX, 0.1);
    EXPECT_DOUBLE_EQ(d.SnapY, 0.1);
    EXPECT_EQ(d.SnapMode, 3);
    EXPECT_EQ(t.app->set.ShapeFontPath, dir.path());
    EXPECT_EQ(t.app->set.DwgFolderDefault, dir.path());
    EXPECT_TRUE(t.fake.menus["White"].checked);
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST(DefaultsStartup, DamagedFileIsReplacedSilently) {
    struct Case {
        const char* what;
        int line;            // 1-based, 0 to drop the last line
        const char* text;
    };
    const Case cases[] = {{"a missing line", 0, ""}, {"maybe for the grid", 19, "maybe"},
                          {"text in a number line", 11, "tall"}};
    for (const Case& c : cases) {
        TempDir dir;
        std::vector<std::string> v = FactoryLines(dir.path());
        v[13] = "50";  // a changed limit that must not survive the damage
        if (c.line == 0) v.pop_back();
        else v[c.line - 1] = c.text;
        WriteAll(dir.file(kDefaultsFileName), JoinCrLf(v));
        TestApp t;
        t.Start(dir.path());
        EXPECT_EQ(ReadAll(dir.file(kDefaultsFileName)), JoinCrLf(FactoryLines(dir.path()))) << c.what;
        EXPECT_EQ(t.app->dwg.LimURX, 5) << c.what;
        EXPECT_TRUE(t.fake.boxes.empty()) << c.what;
    }
}

TEST(DefaultsStartup, AGoodFileIsKeptAndApplied) {
    TempDir dir;
    std::vector<std::string> v = FactoryLines(dir.path());
    v[0] = "16777215";
    v[13] = "20", v[14] = "10", v[15] = "0", v[16] = "0";
    WriteAll(dir.file(kDefaultsFileName), JoinCrLf(v));
    TestApp t;
    t.Start(dir.path());
    EXPECT_EQ(ReadAll(dir.file(kDefaultsFileName)), JoinCrLf(v));
    EXPECT_EQ(t.app->set.BoardColor, 16777215u);
    EXPECT_EQ(t.fake.background, 16777215u);
    // 20 x 10 is wider than the view: the width sets the scale.
    EXPECT_DOUBLE_EQ(t.app->dwg.Zoom, 0.94 * 12000 / 20);
    EXPECT_DOUBLE_EQ(t.app->view.FitZoom, t.app->dwg.Zoom);
}

// ---- the page ---------------------------------------------------------------

TEST_F(DefaultsPage, ShowsTheFileInTheUsersForm) {
    const DefaultsPanel& p = panel();
    EXPECT_EQ(p.Caption, "Default Settings");
    EXPECT_TRUE(p.Visible);
    EXPECT_TRUE(t.fake.dialogVisible[DialogId::Zarnic2]);
    EXPECT_EQ(p.Text3[0], "Board Color");
    EXPECT_EQ(p.Text3[19], "Drawing File Path");
    EXPECT_EQ(p.List4Items[0], (std::vector<std::string>{"Black", "White"}));
    EXPECT_EQ(p.List4Items[19], (std::vector<std::string>{"Off", "X Only", "Y Only", "Both"}));
    EXPECT_EQ(p.List4[0], "Black");
    EXPECT_EQ(p.List4[1], "Black or White");
    EXPECT_EQ(p.List4[3], "Gray");
    EXPECT_EQ(p.List4[15], "On");
    EXPECT_EQ(p.List4[19], "Both");
    EXPECT_EQ(p.Text4[4], "F-");
    EXPECT_EQ(p.Text4[5], "Schematic.fnt");
    EXPECT_EQ(p.Text4[6], "0.4");
    EXPECT_EQ(p.Text4[10], dir.path());
    EXPECT_EQ(p.Text4[12], "0.12");  // the factory gap 0.06 shown whole
    EXPECT_EQ(p.Text4[13], "0.14");  // the dash 0.2 less the half gap
    EXPECT_EQ(p.Text4[16], "5,3");
    EXPECT_EQ(p.Text4[17], "-5,-3");
    EXPECT_EQ(p.Text4[18], "0.1");
    EXPECT_EQ(p.Text4[19], dir.path());
    EXPECT_TRUE(p.ChRevert);
}

TEST_F(DefaultsPage, ShowsTheFileNotADrawingsChanges) {
    app().dwg.LimLLX = -50;  // as an opened drawing would
    app().dwg.GridOn = false;
    DefaultBox_Click(app());
    EXPECT_EQ(panel().Text4[17], "-5,-3");
    EXPECT_EQ(panel().List4[15], "On");
}

TEST_F(DefaultsPage, WithoutAFileTheValuesInMemoryShow) {
    std::filesystem::remove(dir.file(kDefaultsFileName));
    app().dwg.LimLLX = -50;
    DefaultBox_Click(app());
    EXPECT_EQ(panel().Text4[17], "-50,-3");
    EXPECT_TRUE(panel().Visible);
}

TEST_F(DefaultsPage, HiddenPatternStoredAndShownAgain) {
    panel().Text4[12] = "0.1";
    panel().Text4[13] = "0.3";
    DefaultChange_Click(app());
    EXPECT_DOUBLE_EQ(app().dwg.HiddenGap, 0.05);
    EXPECT_DOUBLE_EQ(app().dwg.HiddenDash, 0.35);
    std::vector<std::string> lines = SplitCrLf(file());
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[11], "0.05");
    EXPECT_EQ(lines[12], "0.35");
    DefaultBox_Click(app());
    EXPECT_EQ(panel().Text4[12], "0.1");
    EXPECT_EQ(panel().Text4[13], "0.3");
}

TEST_F(DefaultsPage, LowerLeftAboveUpperRightIsRefused) {
    std::string before = file();
    panel().Text4[17] = "10,5";
    panel().Text4[16] = "0,0";
    DefaultChange_Click(app());
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgLimitsOrder);
    EXPECT_EQ(t.fake.boxes[0].buttons, MsgButtons::OK);
    EXPECT_EQ(t.fake.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(t.fake.boxes[0].title, "");
    EXPECT_EQ(t.fake.dialogFocus[DialogId::Zarnic2], "Text4:17");
    EXPECT_EQ(panel().Focus, "Text4:17");
    EXPECT_TRUE(panel().Visible);
    EXPECT_TRUE(t.fake.dialogVisible[DialogId::Zarnic2]);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(app().dwg.LimLLX, -5);
    EXPECT_EQ(app().dwg.LimURX, 5);
}

TEST_F(DefaultsPage, EqualCornersAreRefusedToo) {
    panel().Text4[17] = "0,0";
    panel().Text4[16] = "10,0";
    DefaultChange_Click(app());
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgLimitsOrder);
}

TEST_F(DefaultsPage, CornersTheRightWayRoundAreAccepted) {
    panel().Text4[17] = "0,0";
    panel().Text4[16] = "20,10";
    DefaultChange_Click(app());
    EXPECT_TRUE(t.fake.boxes.empty());
    const Drawing& d = app().dwg;
    EXPECT_EQ(d.LimLLX, 0);
    EXPECT_EQ(d.LimLLY, 0);
    EXPECT_EQ(d.LimURX, 20);
    EXPECT_EQ(d.LimURY, 10);
    std::vector<std::string> lines = SplitCrLf(file());
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[13], "20");
    EXPECT_EQ(lines[14], "10");
    EXPECT_EQ(lines[15], "0");
    EXPECT_EQ(lines[16], "0");
    // The view is fitted and centred on the new limits.
    EXPECT_DOUBLE_EQ(d.Zoom, 564);
    EXPECT_DOUBLE_EQ(app().view.FitZoom, 564);
    EXPECT_EQ(d.PanX, 6000 - 85 - 10 * 564);
    EXPECT_EQ(d.PanY, 7328 - 4000 + 100 - 5 * 564);
    EXPECT_FALSE(panel().Visible);
    EXPECT_FALSE(t.fake.dialogVisible[DialogId::Zarnic2]);
}

TEST_F(DefaultsPage, LimitsWithoutACommaBeforeTheEnd) {
    std::string before = file();
    panel().Text4[17] = "5,";  // the only comma is the last character
    DefaultChange_Click(app());
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text, kMsgLimitsForm);
    EXPECT_EQ(t.fake.dialogFocus[DialogId::Zarnic2], "Text4:17");

    panel().Text4[17] = "-5,-3";
    panel().Text4[16] = "5 3";
    DefaultChange_Click(app());
    ASSERT_EQ(t.fake.boxes.size(), 2u);
    EXPECT_EQ(t.fake.boxes[1].text, kMsgLimitsForm);
    EXPECT_EQ(t.fake.dialogFocus[DialogId::Zarnic2], "Text4:16");
    EXPECT_TRUE(panel().Visible);
    EXPECT_EQ(file(), before);
}

TEST_F(DefaultsPage, ValuesBeforeTheLimitsAreInForceAfterARefusal) {
    panel().Text4[11] = "0.3";
    panel().List4[0] = "White";
    panel().Text4[17] = "nonsense";
    DefaultChange_Click(app());
    EXPECT_DOUBLE_EQ(app().dwg.TextHeight, 0.3);
    EXPECT_EQ(app().set.BoardColor, 16777215u);
    EXPECT_EQ(t.fake.background, 16777215u);
    EXPECT_EQ(t.fake.foreground, 0u);
}

TEST_F(DefaultsPage, BlackOrWhiteFollowsTheBoard) {
    panel().List4[0] = "Black";
    panel().List4[2] = "Black or White";
    DefaultChange_Click(app());
    EXPECT_EQ(app().set.GridColor, 16777215u);
    EXPECT_EQ(SplitCrLf(file())[2], "16777215");

    DefaultBox_Click(app());
    panel().List4[0] = "White";
    panel().List4[2] = "Black or White";
    DefaultChange_Click(app());
    EXPECT_EQ(app().set.GridColor, 0u);
}

TEST_F(DefaultsPage, DrawingColourSetsTheColourNumber) {
    app().dwg.CurColor = 3;
    panel().List4[0] = "White";
    panel().List4[1] = "Black or White";
    DefaultChange_Click(app());
    EXPECT_EQ(app().dwg.CurColor, 1);
    // DrawRGB stays as the colour menu left it.
    EXPECT_EQ(app().set.DrawRGB, 16777215u);

    DefaultBox_Click(app());
    panel().List4[1] = "Cyan";
    DefaultChange_Click(app());
    EXPECT_EQ(app().dwg.CurColor, 7);
    EXPECT_EQ(app().set.BoardColor, 16777215u);  // the file's White board showed again
}

TEST_F(DefaultsPage, SaveChangesWritesTheTwentyThreeLines) {
    ColorItem_Click(app(), 2);  // the colour menu's red goes to line 2
    DefaultsPanel& p = panel();
    p.List4[2] = "Blue";
    p.Text4[4] = "G-";
    p.Text4[5] = "Other.fnt";
    p.Text4[6] = "0.3x";
    p.Text4[7] = "Tb";
    p.Text4[9] = "2";
    p.Text4[10] = "/lib/shapes";
    p.Text4[11] = "abc";
    p.Text4[14] = "0.25";
    p.List4[15] = "Off";
    p.Text4[16] = "8,6";
    p.Text4[17] = "-8,-6";
    p.Text4[18] = "0.05";
    p.List4[19] = "X Only";
    p.ChRevert = false;
    p.Text4[19] = "/work/dwg";
    DefaultChange_Click(app());
    // The settings are saved; the shape list then finds no such folder.
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text,
              "Invalid Path to Shape Files.\r\nGo to Default Settings under\r\nSettings menu to correct Path.");
    EXPECT_EQ(file(), JoinCrLf({"0", "255", "16711680", "8421504", "G-", "Other.fnt", "0.3", "Tb", "2",
                                "/lib/shapes/", "0", "0.06", "0.2", "8", "6", "-8", "-6", "0.25", "False",
                                "0.05", "1", "False", "/work/dwg/"}));
    EXPECT_EQ(app().dwg.SnapY, 0);
    EXPECT_EQ(app().dwg.SnapMode, 1);
    EXPECT_FALSE(app().dwg.GridOn);
    EXPECT_FALSE(app().set.LineTypeReverts);
    EXPECT_FALSE(t.fake.menus["Line_Type_Reverts"].checked);
    EXPECT_EQ(app().set.ShapeFontPath, "/lib/shapes/");
    EXPECT_GT(t.fake.surfaceShown, 0);
}

TEST_F(DefaultsPage, CancelChangesNothing) {
    std::string before = file();
    DefaultsPanel& p = panel();
    p.List4[0] = "White";
    p.Text4[16] = "50,50";
    p.Text4[11] = "9";
    DefaultClose_Click(app());
    EXPECT_EQ(file(), before);
    EXPECT_EQ(app().set.BoardColor, 0u);
    EXPECT_EQ(app().dwg.LimURX, 5);
    EXPECT_DOUBLE_EQ(app().dwg.TextHeight, 0.1);
    EXPECT_FALSE(p.Visible);
    EXPECT_FALSE(t.fake.dialogVisible[DialogId::Zarnic2]);
}

TEST_F(DefaultsPage, CaptionAfterSaveChanges) {
    panel().Text4[19] = "/srv/drawings/";
    panel().Text4[4] = "H-";
    panel().Text4[7] = "Pc";
    panel().List4[1] = "Red";
    DefaultChange_Click(app());
    EXPECT_EQ(app().shell.CaptionTitle, "Zarnic File: /srv/drawings/No File.  <Font: H->  <Shape: Pc>");
    EXPECT_EQ(t.fake.Caption(),
              "Zarnic File: /srv/drawings/No File.  <Font: H->  <Shape: Pc>  Draw Color = Red       Line Type = Solid ");
    EXPECT_EQ(app().dwg.DwgName, "");

    app().dwg.DwgName = "amp.dwg";
    DefaultBox_Click(app());
    DefaultChange_Click(app());
    EXPECT_EQ(app().shell.CaptionTitle, "Zarnic File: /srv/drawings/amp.dwg  <Font: H->  <Shape: Pc>");
}

TEST_F(DefaultsPage, AFailedWriteKeepsThePageOpen) {
    // A folder in the file's place: the rename over it fails.
    std::filesystem::remove(dir.file(kDefaultsFileName));
    std::filesystem::create_directory(dir.file(kDefaultsFileName));
    WriteAll(dir.file(std::string(kDefaultsFileName) + "/keep"), "x");
    DefaultChange_Click(app());
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text.rfind(kMsgDefaultsNotSaved, 0), 0u);
    EXPECT_GT(t.fake.boxes[0].text.size(), std::string(kMsgDefaultsNotSaved).size());
    EXPECT_TRUE(panel().Visible);
    EXPECT_FALSE(std::filesystem::exists(dir.file(std::string(kDefaultsFileName) + ".tmp")));
}
