// The menu table and the data-folder rule.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "fake_platform.h"
#include "model/datafolder.h"
#include "tables/menu.h"

TEST(MenuTable, RowsAreUniqueAndUnderTheBar) {
    std::set<std::string> ids, keys;
    const auto& bar = MenuBarCaptions();
    for (const MenuRow& r : MenuTable()) {
        EXPECT_TRUE(ids.insert(r.id).second) << "duplicate id " << r.id;
        if (*r.key) {
            EXPECT_TRUE(keys.insert(r.key).second) << "duplicate key " << r.key;
        }
        std::string top = std::string(r.menu).substr(0, std::string(r.menu).find('/'));
        EXPECT_NE(std::find(bar.begin(), bar.end(), top), bar.end()) << r.menu;
        EXPECT_TRUE(r.click != nullptr || (r.flags & kMenuStarter)) << r.id;
    }
    for (int k = 1; k <= 9; ++k) {
        const MenuRow* r = FindMenuRow(RecentMenuId(k));
        ASSERT_NE(r, nullptr) << k;
        EXPECT_TRUE(r->flags & kMenuHidden);
    }
    EXPECT_EQ(FindMenuRow("NoSuchEntry"), nullptr);
}

TEST(MenuTable, FilesEntriesInOrderWithTheirKeys) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const MenuRow& r : MenuTable())
        if (std::string(r.menu) == "Files" && *r.caption) files.push_back({r.caption, r.key});
    std::vector<std::pair<std::string, std::string>> want = {
        {"New", "Ctrl+N"},
        {"Open", "Ctrl+O"},
        {"Open Backup", ""},
        {"Insert", "Ctrl+I"},
        {"Save", "Ctrl+S"},
        {"Save As", ""},
        {"Print Drawing", "Ctrl+P"},
        {"Print at True Size...", "Ctrl+Shift+P"},
        {"Printer Setup", ""},
        {"Plot to HPGL File", "Ctrl+H"},
        {"Export...", "Ctrl+Shift+E"},
        {"Print List of Shortcut Keys", "Ctrl+Shift+F1"},
        {"End", "Ctrl+Q"}};
    EXPECT_EQ(files, want);
}

TEST(MenuTable, ClickRoutesToTheHandler) {
    TempDir dir;
    TestApp t;
    t.Start(dir.path());
    MenuClick(*t.app, "Magenta");
    EXPECT_EQ(t.app->dwg.CurColor, 6);
    EXPECT_EQ(t.app->set.DrawRGB, 16711935u);
    MenuClick(*t.app, "Line_Type_Reverts");
    EXPECT_FALSE(t.app->set.LineTypeReverts);
    MenuClick(*t.app, "NoSuchEntry");  // nothing happens
    EXPECT_EQ(t.app->dwg.CurColor, 6);
}

TEST(DataFolder, WritableProgramFolderIsUsed) {
    TempDir prog, user;
    EXPECT_EQ(ChooseDataFolder(prog.path(), user.path() + "zarnic"), prog.path());
    std::string noSep = prog.path();
    noSep.pop_back();
    EXPECT_EQ(ChooseDataFolder(noSep, ""), prog.path());
}

TEST(DataFolder, ReadOnlyProgramFolderSeedsTheUserFolder) {
    TempDir prog, user;
    WriteAll(prog.file("Zarnic_Help.hlp"), "help");
    WriteAll(prog.file("Zarnic-Default.dat"), "installed");
    WriteAll(prog.file("zarnic"), "program");
    ::chmod(prog.file("zarnic").c_str(), 0755);
    std::filesystem::create_directories(prog.file("examples"));
    WriteAll(prog.file("examples/Preamp.dwg"), "example");
    ::chmod(prog.file("examples").c_str(), 0755);
    ::chmod(prog.file("examples/Preamp.dwg").c_str(), 0644);
    std::string userFolder = user.path() + "zarnic/";
    std::filesystem::create_directories(userFolder);
    WriteAll(userFolder + "Zarnic-Default.dat", "mine");
    ::chmod(prog.path().c_str(), 0555);
    ::chmod(user.path().c_str(), 0777);
    ::chmod(userFolder.c_str(), 0777);
    ::chmod((userFolder + "Zarnic-Default.dat").c_str(), 0666);
    // The superuser writes anywhere: the rule runs in a child that has given
    // up its rights, as an installed copy's user would run it.
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
        if (FolderWritable(prog.path())) ::_exit(101);
        ::_exit(ChooseDataFolder(prog.path(), userFolder) == userFolder ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ::chmod(prog.path().c_str(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) >= 100) GTEST_SKIP() << "folder permissions are not enforced here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(userFolder + "Zarnic_Help.hlp"), "help");
    EXPECT_EQ(ReadAll(userFolder + "Zarnic-Default.dat"), "mine");  // never overwritten
    EXPECT_FALSE(std::filesystem::exists(userFolder + "zarnic"));  // the program is not data
    EXPECT_EQ(ReadAll(userFolder + "examples/Preamp.dwg"), "example");  // folders of data come along
}
