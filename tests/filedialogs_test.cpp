// The open and Save As panels: folder and file listings, the name rules of
// both name boxes, the buttons and keys, and Cancel, all without a window.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/filedialogs.h"
#include "commands/files.h"
#include "fake_platform.h"
#include "model/messages.h"
#include "model/recent.h"

namespace fs = std::filesystem;

namespace {

const char* kCircleFile =
    "Shape File Prefix\r\nSc\r\nFont File\r\nSchematic.fnt\r\nLimits\r\n0\r\n0\r\n11\r\n8.5\r\nGrid\r\nTrue\r\n"
    "0.1\r\nSnap Non Ortho\r\n3\r\n0.05,0.05\r\nZoom\r\n80.5\r\nPan\r\n40\r\n-25\r\nPlot Scale\r\n1\r\n"
    "Start Text Height\r\n0.125\r\nHidden Line\r\n0.1\r\n0.05\r\n1\r\nCircle\r\n1\r\n1\r\n0.5\r\n2\r\n3\r\n1\r\n"
    "1\r\n1.5\r\n2.5\r\n2.5\r\n3.5\r\n";

struct FileDialogsPanel : ::testing::Test {
    TempDir dir;
    TestApp t;
    App& app() { return *t.app; }
    FakePlatform& fake() { return t.fake; }
    FilePanel& openF() { return app().dlg.OpenF; }
    FilePanel& saveAs() { return app().dlg.SaveAs; }
    void SetUp() override {
        t.Start(dir.path());
        fake().boxes.clear();
    }
    int IndexOf(const FilePanel& p, const std::string& name) {
        for (size_t i = 0; i < p.Files.size(); ++i)
            if (p.Files[i] == name) return static_cast<int>(i);
        return -1;
    }
    void TypeOpenName(const std::string& text) {
        openF().TxtFName = text;
        OpenF_TxtFName_LostFocus(app());
    }
    void TypeSaveName(const std::string& text) {
        saveAs().TxtFName = text;
        SaveAs_TxtFName_Change(app());
    }
};

}  // namespace

// ---- listings ----------------------------------------------------------------------

TEST(FileDialogsListing, PatternMatchesExtensionWithoutRegardToCase) {
    EXPECT_TRUE(MatchesPattern("amp.dwg", "*.dwg"));
    EXPECT_TRUE(MatchesPattern("AMP.DWG", "*.dwg"));
    EXPECT_TRUE(MatchesPattern("amp.bak", "*.BAK"));
    EXPECT_FALSE(MatchesPattern("amp.dwgx", "*.dwg"));
    EXPECT_FALSE(MatchesPattern("ampdwg", "*.dwg"));
    EXPECT_FALSE(MatchesPattern("amp.BAK", "*.dwg"));
    EXPECT_TRUE(MatchesPattern("anything", "*"));
    EXPECT_TRUE(MatchesPattern("", "*"));
    EXPECT_TRUE(MatchesPattern("Sc-R1.dwg", "Sc-*.dwg"));
    EXPECT_FALSE(MatchesPattern("B-R1.dwg", "Sc-*.dwg"));
}

TEST(FileDialogsListing, FolderListsAncestorsThenSubfoldersAndSortedFiles) {
    TempDir dir;
    for (const char* d : {"zeta", "Alpha", "beta", ".hidden"}) fs::create_directory(dir.file(d));
    for (const char* f : {"b.dwg", "A.DWG", "c.dwg", "notes.txt", "d.BAK"}) WriteAll(dir.file(f), "x");
    fs::create_directory(dir.file("folder.dwg"));  // a folder is never a file
    FilePanel p;
    p.FileIndex = 2;
    PanelSetFolder(p, dir.path().substr(0, dir.path().size() - 1));  // without the separator
    EXPECT_EQ(p.Folder, dir.path());
    ASSERT_GE(p.FolderList.size(), 5u);
    EXPECT_EQ(p.FolderList[0], "/");
    size_t self = 0;
    for (size_t i = 0; i < p.FolderList.size(); ++i) {
        EXPECT_EQ(p.FolderList[i].back(), '/');
        if (p.FolderList[i] == dir.path()) self = i;
    }
    ASSERT_GT(self, 0u);
    std::vector<std::string> subs(p.FolderList.begin() + self + 1, p.FolderList.end());
    std::vector<std::string> want = {dir.file("Alpha/"), dir.file("beta/"), dir.file("folder.dwg/"), dir.file("zeta/")};
    EXPECT_EQ(subs, want);
    // Every ancestor ends up a prefix of the next.
    for (size_t i = 1; i <= self; ++i) EXPECT_EQ(p.FolderList[i].rfind(p.FolderList[i - 1], 0), 0u);
    EXPECT_EQ(p.Files, (std::vector<std::string>{"A.DWG", "b.dwg", "c.dwg"}));
    EXPECT_EQ(p.FileIndex, -1);
    p.Pattern = "*.BAK";
    PanelRefreshFiles(p);
    EXPECT_EQ(p.Files, std::vector<std::string>{"d.BAK"});
}

TEST(FileDialogsListing, DrivesAndTheDriveOfAFolder) {
    std::vector<std::string> drives = ListDrives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0], "/");
    for (size_t i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(drives[i].back(), '/');
        EXPECT_TRUE(fs::is_directory(drives[i])) << drives[i];
        if (i) {
            EXPECT_LT(drives[i - 1], drives[i]);
        }
    }
    std::vector<std::string> d = {"/", "/home/", "/home/ann/"};
    EXPECT_EQ(DriveOf(d, "/home/ann/boards/"), "/home/ann/");
    EXPECT_EQ(DriveOf(d, "/home/bob/"), "/home/");
    EXPECT_EQ(DriveOf(d, "/tmp/"), "/");
    EXPECT_EQ(DriveOf(d, "/homer/"), "/");
}

// ---- the open dialog --------------------------------------------------------------------

TEST_F(FileDialogsPanel, OpenNameBoxGetsTheExtensionOfTheMode) {
    Open_Click(app());
    TypeOpenName("amp");
    EXPECT_EQ(app().dwg.DwgName, "amp.dwg");
    EXPECT_EQ(openF().TxtFName, "amp.dwg");
    EXPECT_EQ(openF().SelStart, 0);
    EXPECT_EQ(openF().SelLength, 7);
    EXPECT_EQ(app().dwg.DwgPath, openF().Folder);
    TypeOpenName("AMP.DWG");
    EXPECT_EQ(app().dwg.DwgName, "AMP.DWG");
    TypeOpenName("old.bak");
    EXPECT_EQ(app().dwg.DwgName, "old.bak");
    TypeOpenName("amp.txt");
    EXPECT_EQ(app().dwg.DwgName, "amp.txt.dwg");
    OpenF_CmdClose_Click(app());

    Open_Backup_Click(app());
    TypeOpenName("amp");
    EXPECT_EQ(app().dwg.DwgName, "amp.BAK");
    TypeOpenName("amp.Dwg");
    EXPECT_EQ(app().dwg.DwgName, "amp.Dwg");
    // Leaving an empty box takes nothing.
    app().dwg.DwgName = "keep.dwg";
    TypeOpenName("");
    EXPECT_EQ(app().dwg.DwgName, "keep.dwg");
    EXPECT_EQ(openF().TxtFName, "");
}

TEST_F(FileDialogsPanel, ClickingAFileSelectsItsWholeName) {
    WriteAll(dir.file("amplifier.dwg"), kCircleFile);
    Open_Click(app());
    int k = IndexOf(openF(), "amplifier.dwg");
    ASSERT_GE(k, 0);
    OpenF_File1_Click(app(), k);
    EXPECT_EQ(openF().TxtFName, "amplifier.dwg");
    EXPECT_EQ(openF().SelStart, 0);
    EXPECT_EQ(openF().SelLength, 13);
    EXPECT_EQ(app().dwg.DwgName, "amplifier.dwg");
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
    EXPECT_TRUE(openF().Visible);
    EXPECT_EQ(app().dwg.ObjNext, 1);  // a click only chooses
}

TEST_F(FileDialogsPanel, OpenButtonReadsOrSaysFileNotFound) {
    WriteAll(dir.file("amp.dwg"), kCircleFile);
    Open_Click(app());
    openF().TxtFName = "nothere";
    OpenF_CmdOpen_Click(app());
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].text, kMsgFileNotFound);
    EXPECT_EQ(fake().boxes[0].buttons, MsgButtons::OK);
    EXPECT_EQ(openF().Focus, "TxtFName");
    EXPECT_EQ(fake().dialogFocus[DialogId::OpenF], "TxtFName");
    EXPECT_TRUE(openF().Visible);

    TypeOpenName("amp");
    OpenF_CmdOpen_Click(app());
    EXPECT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(app().dwg.DwgName, "amp.dwg");
    EXPECT_EQ(app().dwg.ObjNext, 2);
    EXPECT_FALSE(openF().Visible);
    EXPECT_FALSE(fake().dialogVisible[DialogId::OpenF]);

    // An empty box takes the file picked in the list.
    WriteAll(dir.file("b.dwg"), kCircleFile);
    Open_Click(app());
    openF().FileIndex = IndexOf(openF(), "b.dwg");
    openF().TxtFName = "";
    OpenF_CmdOpen_Click(app());
    EXPECT_EQ(app().dwg.DwgName, "b.dwg");
    EXPECT_FALSE(openF().Visible);
}

TEST_F(FileDialogsPanel, EnterInTheListOrTheBoxReadsTheFile) {
    WriteAll(dir.file("a.dwg"), kCircleFile);
    WriteAll(dir.file("b.dwg"), kCircleFile);
    Open_Click(app());
    openF().FileIndex = IndexOf(openF(), "a.dwg");
    OpenF_File1_KeyPress(app(), 65);  // only Enter reads
    EXPECT_TRUE(openF().Visible);
    OpenF_File1_KeyPress(app(), 13);
    EXPECT_EQ(app().dwg.DwgName, "a.dwg");
    EXPECT_FALSE(openF().Visible);

    Open_Click(app());
    OpenF_File1_Click(app(), IndexOf(openF(), "b.dwg"));
    OpenF_TxtFName_KeyPress(app(), 13);
    EXPECT_EQ(app().dwg.DwgName, "b.dwg");

    // A name typed over the picked one is the one read.
    Open_Click(app());
    OpenF_File1_Click(app(), IndexOf(openF(), "b.dwg"));
    openF().TxtFName = "a";
    OpenF_TxtFName_KeyPress(app(), 13);
    EXPECT_EQ(app().dwg.DwgName, "a.dwg");
    EXPECT_TRUE(fake().boxes.empty());
}

TEST_F(FileDialogsPanel, CancelRestoresTheDrawingsOwnFolderAndName) {
    TempDir other;
    WriteAll(other.file("x.dwg"), kCircleFile);
    WriteAll(other.file("y.dwg"), kCircleFile);
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "mine.dwg";
    Open_Click(app());
    OpenF_Dir1_Change(app(), other.path());
    OpenF_File1_Click(app(), IndexOf(openF(), "x.dwg"));
    OpenF_File1_Click(app(), IndexOf(openF(), "y.dwg"));
    TypeOpenName("z");
    EXPECT_EQ(app().files.PrevPath, dir.path());
    EXPECT_EQ(app().files.PrevName, "mine.dwg");
    EXPECT_EQ(app().dwg.DwgPath, other.path());
    OpenF_CmdClose_Click(app());
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
    EXPECT_EQ(app().dwg.DwgName, "mine.dwg");
    EXPECT_FALSE(openF().Visible);
    EXPECT_FALSE(fake().dialogVisible[DialogId::OpenF]);

    // An unnamed drawing gets its emptiness back too.
    app().dwg.DwgName = "";
    Open_Click(app());
    OpenF_Dir1_Change(app(), other.path());
    OpenF_File1_Click(app(), IndexOf(openF(), "x.dwg"));
    OpenF_CmdClose_Click(app());
    EXPECT_EQ(app().dwg.DwgName, "");
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
}

TEST_F(FileDialogsPanel, CancelledInsertLeavesTheNextOpenAnOpen) {
    WriteAll(dir.file("a.dwg"), kCircleFile);
    app().files.InsertMode = true;
    OpenF_Show(app());
    OpenF_CmdClose_Click(app());
    EXPECT_FALSE(app().files.InsertMode);
}

TEST_F(FileDialogsPanel, DriveChangeGoesToTheDriveRoot) {
    Open_Click(app());
    ASSERT_FALSE(openF().Drives.empty());
    OpenF_Drive1_Change(app(), 0);
    EXPECT_EQ(openF().Folder, "/");
    EXPECT_EQ(openF().FolderList.front(), "/");
    Save_As_Click(app());
    SaveAs_Drive1_Change(app(), 0);
    EXPECT_EQ(saveAs().Folder, "/");
    EXPECT_EQ(app().dwg.DwgPath, "/");
}

// ---- the Save As dialog ----------------------------------------------------------------------

TEST_F(FileDialogsPanel, SaveAsNameGetsDwgAfterWhateverItHas) {
    Save_As_Click(app());
    EXPECT_EQ(saveAs().Pattern, "*.dwg");
    EXPECT_EQ(saveAs().Folder, app().dwg.DwgPath);
    TypeSaveName("amp");
    EXPECT_EQ(app().dwg.DwgName, "amp.dwg");
    TypeSaveName("amp.DWG");
    EXPECT_EQ(app().dwg.DwgName, "amp.DWG");
    TypeSaveName("amp.txt");
    EXPECT_EQ(app().dwg.DwgName, "amp.txt.dwg");
    TypeSaveName("amp.BAK");
    EXPECT_EQ(app().dwg.DwgName, "amp.BAK.dwg");
    TypeSaveName("");  // an emptied box leaves the name
    EXPECT_EQ(app().dwg.DwgName, "amp.BAK.dwg");
}

TEST_F(FileDialogsPanel, SaveAsShowsTheNameSelected) {
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "amp.dwg";
    Save_As_Click(app());
    EXPECT_TRUE(saveAs().Visible);
    EXPECT_TRUE(fake().dialogVisible[DialogId::SaveAs]);
    EXPECT_EQ(saveAs().TxtFName, "amp.dwg");
    EXPECT_EQ(saveAs().SelStart, 0);
    EXPECT_GE(saveAs().SelLength, 7);
    EXPECT_EQ(fake().dialogFocus[DialogId::SaveAs], "TxtFName");
    EXPECT_TRUE(app().files.SaveAsPending);
}

TEST_F(FileDialogsPanel, SaveWithAnEmptyBoxAsksForAName) {
    Save_As_Click(app());
    saveAs().TxtFName = "";
    SaveAs_CmdSave_Click(app());
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].text, kMsgPutName);
    EXPECT_EQ(fake().boxes[0].buttons, MsgButtons::OK);
    EXPECT_TRUE(saveAs().Visible);
    EXPECT_EQ(fake().dialogFocus[DialogId::SaveAs], "TxtFName");
    // Enter in the box is the Save button.
    saveAs().TxtFName = "typed";
    SaveAs_TxtFName_KeyPress(app(), 13);
    EXPECT_TRUE(fs::exists(dir.file("typed.dwg")));
    EXPECT_FALSE(saveAs().Visible);
}

TEST_F(FileDialogsPanel, SaveAsCancelKeepsTheOldName) {
    app().dwg.DwgPath = dir.path();
    app().dwg.DwgName = "amp.dwg";
    Save_As_Click(app());
    fs::create_directory(dir.file("sub"));
    SaveAs_Dir1_Change(app(), dir.file("sub"));
    EXPECT_EQ(app().dwg.DwgPath, dir.file("sub/"));
    TypeSaveName("other");
    SaveAs_CmdClose_Click(app());
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
    EXPECT_EQ(app().dwg.DwgName, "amp.dwg");
    EXPECT_FALSE(saveAs().Visible);
    EXPECT_FALSE(app().files.SaveAsPending);
    EXPECT_FALSE(fs::exists(dir.file("sub/other.dwg")));
}

TEST_F(FileDialogsPanel, SaveAsFileClickTakesTheListedName) {
    WriteAll(dir.file("listed.dwg"), "x");
    Save_As_Click(app());
    int k = IndexOf(saveAs(), "listed.dwg");
    ASSERT_GE(k, 0);
    SaveAs_File1_Click(app(), k);
    EXPECT_EQ(saveAs().TxtFName, "listed.dwg");
    EXPECT_EQ(app().dwg.DwgName, "listed.dwg");
    EXPECT_EQ(app().dwg.DwgPath, dir.path());
}
