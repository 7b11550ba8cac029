// The file commands through the fake platform: saving with its backup and
// its questions, reading and every read failure, the recent-file list at
// start-up and in the menu, the save questions of New, Open and the recent
// entries, and the unnamed drawing that must get a name before it is replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "commands/filedialogs.h"
#include "commands/files.h"
#include "commands/shell.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "model/recent.h"
#include "tables/menu.h"

namespace fs = std::filesystem;

namespace {

// A drawing file of n circles of radius 0.5 at (1, 3), (2, 3), ...
std::vector<std::string> DwgLines(int n) {
    std::vector<std::string> l = {"Shape File Prefix", "Sc", "Font File", "Schematic.fnt", "Limits", "0", "0",
                                  "11", "8.5", "Grid", "True", "0.1", "Snap Non Ortho", "1", "0.05,0.05",
                                  "Zoom", "80.5", "Pan", "40", "-25", "Plot Scale", "1", "Start Text Height",
                                  "0.125", "Hidden Line", "0.1", "0.05", std::to_string(n)};
    for (int i = 1; i <= n; ++i)
        for (const std::string& s : {std::string("Circle"), std::to_string(i), std::string("1"), std::string("0.5"),
                                     std::to_string(i), std::string("3"), std::string("1"), std::string("1")})
            l.push_back(s);
    for (const char* s : {"0.5", "1.5", "2.5", "3.5"}) l.push_back(s);
    return l;
}

bool Exists(const std::string& p) { return fs::exists(p); }

struct Files : ::testing::Test {
    TempDir dir;
    TestApp t;
    App& app() { return *t.app; }
    FakePlatform& fake() { return t.fake; }
    void SetUp() override {
        t.Start(dir.path());
        fake().boxes.clear();
    }
    void Draw(const std::string& name, int n = 1) { WriteAll(dir.file(name), JoinCrLf(DwgLines(n))); }
    // Opens a file of the test folder as the recent list and the dialog do.
    void OpenByName(const std::string& name) {
        app().dwg.DwgPath = dir.path();
        app().dlg.OpenF.TxtFName = name;
        OpenFile(app(), 0, 0, 1);
    }
    // A circle appended by hand, as a drawing command would.
    void AddCircle(double r = 0.5) {
        Drawing& d = app().dwg;
        int s = d.ObjNext;
        d.ObjType[s] = "Circle";
        d.ObjColor[s] = 1;
        d.ObjSize[s] = r;
        d.ObjX[s] = 1;
        d.ObjY[s] = 1;
        d.ObjXScale[s] = 1;
        d.ObjYScale[s] = 1;
        d.ObjNext = static_cast<int16_t>(s + 1);
        d.DrawingChanged = true;
    }
    void SaveAsName(const std::string& text) {
        app().dlg.SaveAs.TxtFName = text;
        SaveAs_TxtFName_Change(app());
        SaveAs_CmdSave_Click(app());
    }
    std::vector<std::string> DwgFilesIn(const std::string& folder) {
        std::vector<std::string> v;
        for (auto& e : fs::directory_iterator(folder))
            // The test font's character drawings (F-065.dwg ...) are not drawings of the user.
            if (e.path().extension() == ".dwg" && e.path().filename().string().rfind("F-", 0) != 0)
                v.push_back(e.path().filename().string());
        return v;
    }
};

void ExpectBox(const MsgRecord& b, const std::string& text, MsgButtons buttons, MsgIcon icon,
               const std::string& title) {
    EXPECT_EQ(b.text, text);
    EXPECT_EQ(b.buttons, buttons);
    EXPECT_EQ(b.icon, icon);
    EXPECT_EQ(b.title, title);
}

}  // namespace

// ---- saving --------------------------------------------------------------------

TEST_F(Files, SaveWritesAndBacksUpThePreviousVersion) {
    AddCircle(0.5);
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "amp.dwg";
    Save_Click(app());
    std::string first = ReadAll(dir.file("amp.dwg"));
    std::vector<std::string> lines = SplitCrLf(first);
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[27], "1");
    EXPECT_EQ(lines[28], "Circle");
    EXPECT_FALSE(Exists(dir.file("amp.BAK")));
    EXPECT_FALSE(app().dwg.DrawingChanged);
    EXPECT_EQ(fake().Caption().rfind("Zarnic File: " + dir.path() + "amp.dwg  <Font: ", 0), 0u);

    app().dwg.ObjSize[1] = 0.75;
    app().dwg.DrawingChanged = true;
    Save_Click(app());
    EXPECT_EQ(ReadAll(dir.file("amp.BAK")), first);
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file("amp.dwg")))[31], "0.75");
    EXPECT_TRUE(fake().boxes.empty());
}

TEST_F(Files, SaveOfAnUnnamedDrawingOpensSaveAsInstead) {
    AddCircle();
    Save_Click(app());
    EXPECT_TRUE(DwgFilesIn(dir.path()).empty());
    EXPECT_TRUE(fake().dialogVisible[DialogId::SaveAs]);
    EXPECT_TRUE(app().dlg.SaveAs.Visible);
    EXPECT_EQ(fake().dialogFocus[DialogId::SaveAs], "TxtFName");
    EXPECT_TRUE(app().files.SaveAsPending);
    EXPECT_TRUE(app().dwg.DrawingChanged);
    SaveAsName("first");
    EXPECT_TRUE(Exists(dir.file("first.dwg")));
    EXPECT_FALSE(app().dlg.SaveAs.Visible);
    EXPECT_EQ(app().files.RecentName[0], "first.dwg");
    EXPECT_EQ(app().files.RecentPath[0], dir.path());
}

TEST_F(Files, ReplaceQuestionNoWritesNothingYesReplaces) {
    WriteAll(dir.file("old.dwg"), "OLD");
    AddCircle();
    Save_As_Click(app());
    fake().Answer(MsgAnswer::No);
    SaveAsName("old");
    ASSERT_EQ(fake().boxes.size(), 1u);
    ExpectBox(fake().boxes[0], kMsgReplace, MsgButtons::YesNo, MsgIcon::Warning, kTitleFileSave);
    EXPECT_EQ(ReadAll(dir.file("old.dwg")), "OLD");
    EXPECT_FALSE(Exists(dir.file("old.BAK")));
    // The drawing does not take the name it was refused, and the dialog waits.
    EXPECT_EQ(app().dwg.DwgName, "");
    EXPECT_TRUE(app().dlg.SaveAs.Visible);
    EXPECT_TRUE(app().dwg.DrawingChanged);

    fake().Answer(MsgAnswer::Yes);
    SaveAsName("old");
    EXPECT_EQ(ReadAll(dir.file("old.BAK")), "OLD");
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file("old.dwg")))[28], "Circle");
    EXPECT_EQ(app().dwg.DwgName, "old.dwg");
    EXPECT_FALSE(app().dlg.SaveAs.Visible);
    EXPECT_FALSE(app().files.SaveRefused);
    EXPECT_EQ(app().files.RecentName[0], "old.dwg");
}

TEST_F(Files, SaveFileRefusedSetsSaveRefused) {
    WriteAll(dir.file("old.dwg"), "OLD");
    AddCircle();
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "old.dwg";
    app().files.SaveAsPending = true;
    fake().Answer(MsgAnswer::No);
    EXPECT_FALSE(SaveFile(app()));
    EXPECT_TRUE(app().files.SaveRefused);
    EXPECT_FALSE(app().files.SaveAsPending);
    EXPECT_EQ(ReadAll(dir.file("old.dwg")), "OLD");
}

TEST_F(Files, FailedSaveKeepsChangeFlagFileAndBackup) {
    AddCircle();
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "amp.dwg";
    Save_Click(app());
    std::string first = ReadAll(dir.file("amp.dwg"));
    // A folder where the backup should go makes the backup copy fail.
    fs::create_directory(dir.file("amp.BAK"));
    WriteAll(dir.file("amp.BAK/keep"), "k");
    app().dwg.ObjSize[1] = 2;
    app().dwg.DrawingChanged = true;
    EXPECT_FALSE(SaveFile(app()));
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].text.rfind(kMsgSaveOtherA, 0), 0u);
    EXPECT_EQ(fake().boxes[0].buttons, MsgButtons::OK);
    EXPECT_EQ(fake().boxes[0].title, "");
    EXPECT_EQ(ReadAll(dir.file("amp.dwg")), first);
    EXPECT_EQ(ReadAll(dir.file("amp.BAK/keep")), "k");
    EXPECT_TRUE(app().dwg.DrawingChanged);
    EXPECT_FALSE(app().files.SaveAsPending);
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find("tmp"), std::string::npos) << e.path();

    // A folder that is not there.
    app().dwg.DwgPath = dir.path() + "gone/";
    fake().boxes.clear();
    EXPECT_FALSE(SaveFile(app()));
    ASSERT_EQ(fake().boxes.size(), 1u);
    ExpectBox(fake().boxes[0], kMsgSavePath, MsgButtons::OK, MsgIcon::None, "");
    EXPECT_TRUE(app().dwg.DrawingChanged);
}

TEST_F(Files, OpenBackupThenSaveGivesThePermissionMessage) {
    AddCircle();
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "amp.dwg";
    Save_Click(app());
    app().dwg.DrawingChanged = true;
    Save_Click(app());
    ASSERT_TRUE(Exists(dir.file("amp.BAK")));
    std::string backup = ReadAll(dir.file("amp.BAK"));

    Open_Backup_Click(app());
    const FilePanel& p = app().dlg.OpenF;
    EXPECT_EQ(p.Pattern, "*.BAK");
    EXPECT_TRUE(app().files.BackupMode);
    ASSERT_EQ(p.Files, std::vector<std::string>{"amp.BAK"});
    OpenF_File1_DblClick(app(), 0);
    EXPECT_EQ(app().dwg.DwgName, "amp.BAK");
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_FALSE(app().dlg.OpenF.Visible);

    app().dwg.DrawingChanged = true;
    fake().boxes.clear();
    Save_Click(app());
    ASSERT_EQ(fake().boxes.size(), 1u);
    ExpectBox(fake().boxes[0], kMsgSavePermission, MsgButtons::OK, MsgIcon::None, "");
    EXPECT_TRUE(app().dwg.DrawingChanged);
    EXPECT_EQ(ReadAll(dir.file("amp.BAK")), backup);
}

// ---- reading -------------------------------------------------------------------

TEST_F(Files, OpenReadsTheDrawingAndNamesIt) {
    Draw("amp.dwg", 2);
    OpenByName("amp.dwg");
    const Drawing& d = app().dwg;
    EXPECT_TRUE(fake().boxes.empty());
    EXPECT_EQ(d.ObjNext, 3);
    EXPECT_EQ(d.ObjType[2], "Circle");
    EXPECT_DOUBLE_EQ(d.ObjX[2], 2);
    EXPECT_DOUBLE_EQ(d.LimURX, 11);
    EXPECT_EQ(d.SnapMode, 1);
    EXPECT_FALSE(d.DrawingChanged);
    EXPECT_EQ(d.DwgName, "amp.dwg");
    EXPECT_EQ(fake().Caption().rfind("Zarnic File: " + dir.path() + "amp.dwg  <Font: ", 0), 0u);
    EXPECT_EQ(fake().menus[kMenuSnap].caption, "Snap Mode (X)   ");
    EXPECT_EQ(app().files.RecentName[0], "amp.dwg");
    // The extents are grown from the objects, not taken from the file.
    EXPECT_DOUBLE_EQ(d.ExtMinX, 0.5);
    EXPECT_DOUBLE_EQ(d.ExtMaxX, 2.5);
}

TEST_F(Files, EachReadFailureShowsItsMessageAndEndsInANewDrawing) {
    std::vector<std::string> bad = DwgLines(1);
    bad[6] = "abc";  // a limit that is no number
    WriteAll(dir.file("mismatch.dwg"), JoinCrLf(bad));
    std::vector<std::string> shortFile = DwgLines(3);
    shortFile.resize(40);
    WriteAll(dir.file("short.dwg"), JoinCrLf(shortFile));
    Draw("big.dwg", 3001);

    struct Case {
        std::string folder, name, message;
    };
    std::vector<Case> cases = {
        {dir.path(), "missing.dwg", kMsgFileNotFoundRead},
        {dir.path(), "mismatch.dwg", kMsgTypeMismatch},
        {dir.path(), "short.dwg", kMsgPastEnd},
        {dir.path() + "nofolder/", "x.dwg", kMsgInvalidPath},
        {dir.path(), "big.dwg", std::string(kMsgSubscript) + "3001" + kMsgTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake().boxes.clear();
        AddCircle();  // the current drawing, changed: the half-read one must not be offered for saving
        app().dwg.DwgPath = c.folder;
        app().dlg.OpenF.TxtFName = c.name;
        OpenFile(app(), 0, 0, 1);
        ASSERT_EQ(fake().boxes.size(), 1u);
        ExpectBox(fake().boxes[0], c.message, MsgButtons::OK, MsgIcon::None, "");
        EXPECT_EQ(app().dwg.ObjNext, 1);
        EXPECT_EQ(app().dwg.DwgName, "");
        EXPECT_FALSE(app().dwg.DrawingChanged);
        EXPECT_EQ(fake().Caption().rfind("Zarnic  No File.", 0), 0u);
    }
}

TEST_F(Files, ReadFailureDuringACommandKeepsWhatWasRead) {
    std::vector<std::string> l = DwgLines(3);
    l.resize(45);  // the first circle whole, the second cut
    WriteAll(dir.file("short.dwg"), JoinCrLf(l));
    app().cmd.CurCommand = "Line";
    OpenByName("short.dwg");
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].text, kMsgPastEnd);
    EXPECT_EQ(app().dwg.DwgName, "short.dwg");
    EXPECT_GE(app().dwg.ObjNext, 2);
    EXPECT_EQ(app().dwg.ObjType[1], "Circle");
}

TEST_F(Files, NameOnlyAnExtensionReadsNothing) {
    AddCircle();
    app().dlg.OpenF.TxtFName = ".dwg";
    OpenFile(app(), 0, 0, 1);
    EXPECT_TRUE(fake().boxes.empty());
    EXPECT_EQ(app().dwg.ObjNext, 1);  // the table was emptied first
}

TEST_F(Files, InsertAddsToTheDrawingAndKeepsItsName) {
    Draw("part.dwg", 2);
    AddCircle();
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "main.dwg";
    app().files.PrevName = "main.dwg";
    app().files.InsertMode = true;
    app().files.InsertX = 10;
    app().files.InsertY = 20;
    app().files.InsertScale = 2;
    app().dwg.DrawingChanged = false;
    Open_Click(app());  // the insert dialog is the open dialog; Open itself clears InsertMode
    app().files.InsertMode = true;
    auto& files = app().dlg.OpenF.Files;
    int k = static_cast<int>(std::find(files.begin(), files.end(), "part.dwg") - files.begin());
    OpenF_File1_DblClick(app(), k);
    const Drawing& d = app().dwg;
    EXPECT_EQ(d.ObjNext, 4);
    EXPECT_DOUBLE_EQ(d.ObjX[2], 12);
    EXPECT_DOUBLE_EQ(d.ObjY[3], 26);
    EXPECT_DOUBLE_EQ(d.ObjSize[3], 1);
    EXPECT_TRUE(d.DrawingChanged);
    EXPECT_EQ(d.DwgName, "main.dwg");
    EXPECT_EQ(d.DwgPath, dir.path());
    EXPECT_FALSE(app().files.InsertMode);
    EXPECT_FALSE(app().dlg.OpenF.Visible);
    EXPECT_NE(app().files.RecentName[0], "part.dwg");  // an insertion is no open
}

TEST_F(Files, FailedInsertKeepsTheUsersDrawing) {
    std::vector<std::string> l = DwgLines(3);
    l.resize(45);
    WriteAll(dir.file("short.dwg"), JoinCrLf(l));
    AddCircle();
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "main.dwg";
    app().files.PrevName = "main.dwg";
    app().files.InsertMode = true;
    app().dlg.OpenF.TxtFName = "short.dwg";
    OpenFile(app(), 0, 0, 1);
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].text, kMsgPastEnd);
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_EQ(app().dwg.ObjType[2], "");
    EXPECT_EQ(app().dwg.DwgName, "main.dwg");
    EXPECT_TRUE(app().dwg.DrawingChanged);
    EXPECT_FALSE(app().files.InsertMode);
}

// ---- the recent-file list ------------------------------------------------------------

TEST_F(Files, OpeningTheSameDrawingTwiceListsItOnceAtTheTop) {
    Draw("a.dwg");
    Draw("b.dwg");
    OpenByName("a.dwg");
    OpenByName("b.dwg");
    OpenByName("a.dwg");
    const FileState& f = app().files;
    EXPECT_EQ(f.RecentName[0], "a.dwg");
    EXPECT_EQ(f.RecentName[1], "b.dwg");
    EXPECT_EQ(f.RecentName[2], "");
    EXPECT_TRUE(fake().menus[RecentMenuId(1)].visible);
    EXPECT_EQ(fake().menus[RecentMenuId(1)].caption, dir.path() + "b.dwg");
    EXPECT_FALSE(fake().menus[RecentMenuId(2)].visible);
}

TEST_F(Files, TheOldestOfElevenDrawingsFallsOff) {
    for (int i = 0; i <= 10; ++i) Draw("d" + std::to_string(i) + ".dwg");
    for (int i = 0; i <= 10; ++i) OpenByName("d" + std::to_string(i) + ".dwg");
    const FileState& f = app().files;
    EXPECT_EQ(f.RecentName[0], "d10.dwg");
    for (int k = 1; k <= 9; ++k) {
        std::string want = "d" + std::to_string(10 - k) + ".dwg";
        EXPECT_EQ(f.RecentName[k], want);
        EXPECT_TRUE(fake().menus[RecentMenuId(k)].visible) << k;
        EXPECT_EQ(fake().menus[RecentMenuId(k)].caption, dir.path() + want);
    }
    WriteRecentFile(app());
    std::vector<std::string> lines = SplitCrLf(ReadAll(dir.file(kRecentFileName)));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[1], "d10.dwg");
    EXPECT_EQ(lines[19], "d1.dwg");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "d0.dwg"), 0);
}

TEST(FilesStartup, MissingFilesAndDuplicatesAreCleanedAndTheListRewritten) {
    TempDir dir;
    WriteAll(dir.file("a.dwg"), JoinCrLf(DwgLines(1)));
    WriteAll(dir.file("b.dwg"), JoinCrLf(DwgLines(2)));
    std::vector<std::string> lines(20, "");
    const char* names[] = {"a.dwg", "missing.dwg", "a.dwg", "b.dwg", "a.dwg"};
    for (int i = 0; i < 5; ++i) {
        lines[2 * i] = dir.path();
        lines[2 * i + 1] = names[i];
    }
    lines[10] = dir.path();  // a folder without a name is no file
    WriteAll(dir.file(kRecentFileName), JoinCrLf(lines));
    TestApp t;
    t.Start(dir.path());
    std::vector<std::string> want(20, "");
    want[0] = dir.path();
    want[1] = "a.dwg";
    want[2] = dir.path();
    want[3] = "b.dwg";
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kRecentFileName))), want);
    EXPECT_EQ(ReadAll(dir.file(kRecentFileName)).size(), 2 * 20 + 2 * dir.path().size() + 10);
    const App& a = *t.app;
    EXPECT_EQ(a.dwg.DwgName, "a.dwg");
    EXPECT_EQ(a.dwg.ObjNext, 2);
    EXPECT_EQ(t.fake.menus[RecentMenuId(1)].caption, dir.path() + "b.dwg");
    EXPECT_TRUE(t.fake.menus[RecentMenuId(1)].visible);
    for (int k = 2; k <= 9; ++k) EXPECT_FALSE(t.fake.menus[RecentMenuId(k)].visible) << k;
    EXPECT_TRUE(t.fake.boxes.empty());
    EXPECT_EQ(t.fake.Caption().rfind("Zarnic File: " + dir.path() + "a.dwg", 0), 0u);
}

TEST(FilesStartup, ShortOrEmptyListStartsWithoutADrawing) {
    TempDir dir;
    WriteAll(dir.file(kRecentFileName), "\n");
    TestApp t;
    t.Start(dir.path());
    EXPECT_EQ(t.app->dwg.DwgName, "");
    EXPECT_EQ(ReadAll(dir.file(kRecentFileName)), JoinCrLf(std::vector<std::string>(20, "")));
    EXPECT_TRUE(t.fake.boxes.empty());
}

TEST_F(Files, RecentEntryOfAVanishedFileSaysFileNotFound) {
    Draw("a.dwg");
    Draw("b.dwg");
    OpenByName("a.dwg");
    OpenByName("b.dwg");
    fs::remove(dir.file("a.dwg"));
    Files_Menu_Click(app(), 1);
    ASSERT_EQ(fake().boxes.size(), 1u);
    ExpectBox(fake().boxes[0], kMsgFileNotFound, MsgButtons::OK, MsgIcon::None, "");
    EXPECT_EQ(app().dwg.DwgName, "b.dwg");
    EXPECT_EQ(app().files.RecentName[1], "a.dwg");  // kept until the next start-up
}

TEST_F(Files, RecentEntryOpensTheDrawing) {
    Draw("a.dwg", 1);
    Draw("b.dwg", 2);
    OpenByName("a.dwg");
    OpenByName("b.dwg");
    Files_Menu_Click(app(), 1);
    EXPECT_EQ(app().dwg.DwgName, "a.dwg");
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_EQ(app().files.RecentName[0], "a.dwg");
    EXPECT_EQ(app().files.RecentName[1], "b.dwg");
}

// ---- the save questions ------------------------------------------------------------

TEST_F(Files, NewAsksFileHasChangedAndHonoursTheAnswers) {
    AddCircle();
    fake().Answer(MsgAnswer::Cancel);
    New_Click(app());
    ASSERT_EQ(fake().boxes.size(), 1u);
    ExpectBox(fake().boxes[0], kMsgFileChanged, MsgButtons::YesNoCancel, MsgIcon::Question, kTitleAreYouSure);
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_TRUE(app().dwg.DrawingChanged);

    fake().Answer(MsgAnswer::No);
    New_Click(app());
    EXPECT_EQ(app().dwg.ObjNext, 1);
    EXPECT_FALSE(app().dwg.DrawingChanged);
    EXPECT_EQ(fake().Caption().rfind("Zarnic  No File.  <Font: F->  <Shapes: Sc>", 0), 0u);

    // A named drawing is saved first, then replaced.
    AddCircle();
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "kept.dwg";
    fake().Answer(MsgAnswer::Yes);
    New_Click(app());
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file("kept.dwg")))[28], "Circle");
    EXPECT_EQ(app().dwg.ObjNext, 1);
    EXPECT_EQ(app().dwg.DwgName, "");
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
}

TEST_F(Files, OpenAndRecentAskCurrentDrawingHasChanged) {
    Draw("a.dwg");
    Draw("b.dwg");
    OpenByName("a.dwg");
    OpenByName("b.dwg");
    AddCircle();
    fake().boxes.clear();
    fake().Answer(MsgAnswer::Cancel);
    Open_Click(app());
    ASSERT_EQ(fake().boxes.size(), 1u);
    ExpectBox(fake().boxes[0], kMsgCurrentChanged, MsgButtons::YesNoCancel, MsgIcon::Question, "");
    EXPECT_FALSE(fake().dialogVisible[DialogId::OpenF]);

    fake().Answer(MsgAnswer::Cancel);
    Open_Backup_Click(app());
    ASSERT_EQ(fake().boxes.size(), 2u);
    ExpectBox(fake().boxes[1], kMsgCurrentChanged, MsgButtons::YesNoCancel, MsgIcon::Question, "");

    fake().Answer(MsgAnswer::Cancel);
    Files_Menu_Click(app(), 1);
    ASSERT_EQ(fake().boxes.size(), 3u);
    ExpectBox(fake().boxes[2], kMsgCurrentChanged, MsgButtons::YesNoCancel, MsgIcon::Question, "");
    EXPECT_EQ(app().dwg.DwgName, "b.dwg");
    EXPECT_EQ(app().dwg.ObjNext, 3);

    fake().Answer(MsgAnswer::No);
    Open_Click(app());
    EXPECT_TRUE(fake().dialogVisible[DialogId::OpenF]);
    EXPECT_EQ(app().dlg.OpenF.Pattern, "*.dwg");
    EXPECT_FALSE(app().files.BackupMode);
    EXPECT_EQ(fake().dialogFocus[DialogId::OpenF], "TxtFName");
    EXPECT_EQ(app().dlg.OpenF.Folder, dir.path());
    EXPECT_EQ(app().dwg.ObjNext, 3);  // the dialog only shows; nothing is read yet
}

TEST_F(Files, MenuCommandsWaitWhileACommandRuns) {
    AddCircle();
    app().cmd.CurCommand = "Line";
    New_Click(app());
    Open_Click(app());
    Save_As_Click(app());
    EXPECT_TRUE(fake().boxes.empty());
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_FALSE(fake().dialogVisible[DialogId::OpenF]);
    EXPECT_FALSE(fake().dialogVisible[DialogId::SaveAs]);
}

// ---- an unnamed drawing is named before it is replaced ------------------------------

TEST_F(Files, NewOnAnUnnamedDrawingWaitsForTheSaveAs) {
    AddCircle();
    fake().Answer(MsgAnswer::Yes);
    New_Click(app());
    EXPECT_TRUE(app().dlg.SaveAs.Visible);
    EXPECT_EQ(app().dwg.ObjNext, 2);  // nothing cleared yet
    EXPECT_TRUE(app().dwg.DrawingChanged);
    SaveAsName("mine");
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file("mine.dwg")))[28], "Circle");
    // Then New went on, without asking again.
    EXPECT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(app().dwg.ObjNext, 1);
    EXPECT_EQ(app().dwg.DwgName, "");
    EXPECT_FALSE(app().dlg.SaveAs.Visible);
}

TEST_F(Files, CancelledSaveAsDropsTheWaitingNew) {
    AddCircle();
    fake().Answer(MsgAnswer::Yes);
    New_Click(app());
    SaveAs_CmdClose_Click(app());
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_TRUE(app().dwg.DrawingChanged);
    EXPECT_EQ(app().dwg.DwgName, "");
    EXPECT_EQ(app().files.AfterSaveAs, "");
    // A later Save As only saves.
    Save_As_Click(app());
    SaveAsName("later");
    EXPECT_TRUE(Exists(dir.file("later.dwg")));
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_EQ(app().dwg.DwgName, "later.dwg");
}

TEST_F(Files, RecentEntryOnAnUnnamedDrawingWaitsForTheSaveAs) {
    Draw("a.dwg", 1);
    Draw("b.dwg", 3);
    OpenByName("a.dwg");
    OpenByName("b.dwg");
    New_Click(app());
    AddCircle();
    AddCircle();
    fake().boxes.clear();
    fake().Answer(MsgAnswer::Yes);
    Files_Menu_Click(app(), 1);  // a.dwg
    EXPECT_TRUE(app().dlg.SaveAs.Visible);
    EXPECT_EQ(app().dwg.ObjNext, 3);
    SaveAsName("mine");
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file("mine.dwg")))[27], "2");
    EXPECT_EQ(app().dwg.DwgName, "a.dwg");
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_EQ(app().files.RecentName[0], "a.dwg");
    EXPECT_EQ(app().files.RecentName[1], "mine.dwg");
    EXPECT_EQ(app().files.RecentName[2], "b.dwg");
    EXPECT_EQ(fake().boxes.size(), 1u);
}

TEST_F(Files, OpenOnAnUnnamedDrawingShowsTheDialogAfterTheSave) {
    AddCircle();
    fake().Answer(MsgAnswer::Yes);
    Open_Click(app());
    EXPECT_FALSE(fake().dialogVisible[DialogId::OpenF]);
    SaveAsName("mine");
    EXPECT_TRUE(Exists(dir.file("mine.dwg")));
    EXPECT_TRUE(fake().dialogVisible[DialogId::OpenF]);
    EXPECT_EQ(app().dlg.OpenF.Pattern, "*.dwg");
}

TEST_F(Files, ExitAfterTheSaveAsWhenAskedTo) {
    AddCircle();
    fake().Answer(MsgAnswer::Yes);
    EXPECT_FALSE(MaybeSave(app(), kMsgFileChanged, kTitleAreYouSure, "End"));
    EXPECT_FALSE(fake().quit);
    SaveAsName("last");
    EXPECT_TRUE(Exists(dir.file("last.dwg")));
    EXPECT_TRUE(fake().quit);
    EXPECT_EQ(SplitCrLf(ReadAll(dir.file(kRecentFileName)))[1], "last.dwg");
}

TEST_F(Files, FailedSaveOfANamedDrawingStopsNew) {
    AddCircle();
    app().dwg.DwgPath = dir.path() + "gone/";
    app().dwg.DwgName = "x.dwg";
    fake().Answer(MsgAnswer::Yes);
    New_Click(app());
    ASSERT_EQ(fake().boxes.size(), 2u);
    EXPECT_EQ(fake().boxes[1].text, kMsgSavePath);
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_EQ(app().dwg.DwgName, "x.dwg");
    EXPECT_TRUE(app().dwg.DrawingChanged);
}

// ---- a Save As name that holds a folder ------------------------------------------------

TEST_F(Files, SaveAsNameWithAFolderIsSplit) {
    fs::create_directory(dir.file("sub"));
    AddCircle();
    Save_As_Click(app());
    app().dlg.SaveAs.TxtFName = "sub/amp";
    SaveAs_TxtFName_Change(app());
    EXPECT_EQ(app().dwg.DwgPath, dir.path() + "sub/");
    EXPECT_EQ(app().dwg.DwgName, "amp.dwg");
    SaveAs_CmdSave_Click(app());
    EXPECT_TRUE(Exists(dir.file("sub/amp.dwg")));
    EXPECT_EQ(fake().Caption().rfind("Zarnic File: " + dir.path() + "sub/amp.dwg", 0), 0u);

    // An absolute folder, and one above the dialog's folder.
    TempDir other;
    app().dwg.DrawingChanged = true;
    Save_As_Click(app());
    EXPECT_EQ(app().dlg.SaveAs.Folder, dir.path() + "sub/");
    SaveAsName(other.path() + "abs");
    EXPECT_TRUE(Exists(other.file("abs.dwg")));
    EXPECT_EQ(app().dwg.DwgPath, other.path());
    Save_As_Click(app());
    SaveAs_Dir1_Change(app(), dir.path() + "sub/");
    SaveAsName("../up");
    EXPECT_TRUE(Exists(dir.file("up.dwg")));
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
}
