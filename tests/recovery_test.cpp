// Recovery copies: when the timer writes one (a fake clock), what it holds
// and what it leaves alone, the four events that delete it, the offer at
// start-up for named and unnamed drawings with each answer and in order,
// a damaged copy kept aside, and a folder that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/files.h"
#include "commands/recovery.h"
#include "commands/shell.h"
#include "fake_platform.h"
#include "objects.h"
#include "model/recent.h"
#include "model/textfile.h"
#include "tables/menu.h"

namespace fs = std::filesystem;

namespace {

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() { t.Start(dir.path()); }
    App& app() { return *t.app; }
    Drawing& d() { return t.app->dwg; }
    std::string Folder() { return dir.file("Recovery/"); }
    // A changed drawing of one Line (named amp.dwg in the test folder when asked).
    void Changed(bool named) {
        AddLine(d(), 1, 1, 2.123456789, 3);
        d().DrawingChanged = true;
        if (named) d().DwgPath = dir.path(), d().DwgName = "amp.dwg";
    }
    // Ticks once a second from `from` to `to` seconds.
    void Run(double from, double to) {
        for (double s = from; s <= to; s += 1) RecoveryTick(app(), s, "2026-12-08 16:55:03");
    }
    std::vector<std::string> Copies() {
        std::vector<std::string> out;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(Folder(), ec)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    TempDir dir;
    TestApp t;
};

}  // namespace

TEST_F(RecoveryTest, ACopyAfterAMinuteOfChangesAndNeverDuringAClick) {
    Changed(true);
    const size_t captions = t.fake.captions.size();
    Run(0, 59);
    EXPECT_TRUE(Copies().empty());
    // A command's clicks hold the copy back until the command has ended.
    app().cmd.CurCommand = "Line";
    Run(60, 70);
    EXPECT_TRUE(Copies().empty());
    app().cmd.CurCommand = "None";
    Run(71, 71);
    EXPECT_EQ(Copies(), (std::vector<std::string>{"amp.dwg", "amp.dwg.info", "amp.dwg.lock"}));
    EXPECT_EQ(ReadAll(Folder() + "amp.dwg.info"), dir.path() + "\r\namp.dwg\r\n2026-12-08 16:55:03\r\n");
    // The drawing's own file, backup, caption and recent list are left alone; it is still changed.
    EXPECT_FALSE(FileExists(dir.file("amp.dwg")));
    EXPECT_FALSE(FileExists(dir.file("amp.BAK")));
    EXPECT_EQ(t.fake.captions.size(), captions);
    EXPECT_TRUE(d().DrawingChanged);
    // The copy holds what Save writes, byte for byte.
    const std::string copy = ReadAll(Folder() + "amp.dwg");
    ASSERT_TRUE(SaveFile(app()));
    EXPECT_EQ(ReadAll(dir.file("amp.dwg")), copy);
    // The save took the copy away; an unchanged drawing gets none.
    EXPECT_TRUE(Copies().empty());
    Run(72, 200);
    EXPECT_TRUE(Copies().empty());
    // Another interval set by the binding (the environment variable).
    app().recovery.IntervalSeconds = 5;
    d().DrawingChanged = true;
    Run(201, 205);
    EXPECT_FALSE(Copies().empty());
}

TEST_F(RecoveryTest, SaveNewOpenAndEndDeleteTheCopyOnlyOnTheUsersWord) {
    struct Case {
        const char* event;
        MsgAnswer answer;
        bool kept;
    } cases[] = {
        {"New", MsgAnswer::No, false},    {"New", MsgAnswer::Cancel, true}, {"New", MsgAnswer::Yes, false},
        {"Open", MsgAnswer::No, false},   {"End", MsgAnswer::No, false},    {"End", MsgAnswer::Cancel, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.event) + " " + std::to_string(static_cast<int>(c.answer)));
        Changed(true);
        ASSERT_TRUE(WriteRecoveryCopy(app(), "2026-12-08 10:00:00"));
        ASSERT_FALSE(Copies().empty());
        t.fake.Answer(c.answer);
        MenuClick(app(), c.event);
        EXPECT_EQ(!Copies().empty(), c.kept);
        // Put the program back where the next case starts.
        t.fake.answers.clear();
        app().dlg.OpenF.Visible = false;
        app().dlg.SaveAs.Visible = false;
        CancelCommand(app(), 0);
        DeleteRecoveryCopy(app());
        t.fake.quit = false;
    }
}

TEST_F(RecoveryTest, StartUpOffersEachCopyNewestFirst) {
    // Three copies of an earlier run: a named drawing, an unnamed one, and an older named one.
    fs::create_directories(Folder());
    auto copy = [&](const std::string& file, const std::string& folder, const std::string& name,
                    const std::string& time) {
        WriteAll(Folder() + file, ReadAll(std::string(ZARNIC_FIXTURES) + "example.dwg"));
        WriteAll(Folder() + file + ".info", folder + "\r\n" + name + "\r\n" + time + "\r\n");
    };
    copy("amp.dwg", dir.file("boards/"), "amp.dwg", "2026-12-08 09:00:00");
    copy("Unnamed 2026-12-08 11-00-00.dwg", "", "", "2026-12-08 11:00:00");
    copy("old.dwg", dir.file("boards/"), "old.dwg", "2026-12-01 08:00:00");
    // Newest (unnamed): No, then keep it. Next (amp): No, discard. Oldest: Yes.
    TestApp again;
    for (MsgAnswer a : {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes})
        again.fake.Answer(a);
    again.Start(dir.path());
    std::vector<std::string> asked;
    for (const MsgRecord& b : again.fake.boxes) asked.push_back(b.text);
    ASSERT_GE(asked.size(), 5u);
    EXPECT_EQ(asked[0], "Zarnic found unsaved work from 2026-12-08 11:00:00 in Unnamed 2026-12-08 11-00-00.\r\nRestore it?");
    EXPECT_EQ(asked[1], "Discard it for good?");
    EXPECT_EQ(asked[2], "Zarnic found unsaved work from 2026-12-08 09:00:00 in amp.dwg.\r\nRestore it?");
    EXPECT_EQ(asked[3], "Discard it for good?");
    EXPECT_EQ(asked[4], "Zarnic found unsaved work from 2026-12-01 08:00:00 in old.dwg.\r\nRestore it?");
    // The oldest is the drawing now, under its own name, changed; the unnamed copy stays; amp's is gone.
    const Drawing& r = again.app->dwg;
    EXPECT_EQ(r.DwgName, "old.dwg");
    EXPECT_EQ(r.DwgPath, dir.file("boards/"));
    EXPECT_TRUE(r.DrawingChanged);
    EXPECT_GT(r.ObjNext, 1);
    EXPECT_EQ(Copies(), (std::vector<std::string>{"Unnamed 2026-12-08 11-00-00.dwg", "Unnamed 2026-12-08 11-00-00.dwg.info",
                                                  "Unnamed 2026-12-08 11-00-00.dwg.lock", "old.dwg", "old.dwg.info",
                                                  "old.dwg.lock"}));
    // Restored unnamed: Yes gives an unnamed, changed drawing.
    TestApp third;
    third.fake.Answer(MsgAnswer::Yes);
    third.Start(dir.path());
    EXPECT_EQ(third.app->dwg.DwgName, "");
    EXPECT_TRUE(third.app->dwg.DrawingChanged);
    EXPECT_EQ(third.app->recovery.CopyName, "Unnamed 2026-12-08 11-00-00.dwg");
}

// Two runs on one data folder: a running program's copy is not offered to
// the other, and a new copy never writes over one waiting to be offered.
TEST_F(RecoveryTest, ARunningProgramsCopyIsItsOwnAndAWaitingCopyIsNeverOverwritten) {
    Changed(true);
    ASSERT_TRUE(WriteRecoveryCopy(app(), "2026-12-08 10:00:00"));
    const std::string first = ReadAll(Folder() + "amp.dwg");
    TestApp other;
    other.fake.Answer(MsgAnswer::Yes);
    other.Start(dir.path());
    EXPECT_TRUE(other.fake.boxes.empty()) << other.fake.boxes[0].text;
    EXPECT_EQ(other.app->dwg.DwgName, "");
    // The other run's own amp.dwg goes beside it, not over it.
    AddLine(other.app->dwg, 1, 0, 0, 1);
    other.app->dwg.DrawingChanged = true;
    other.app->dwg.DwgPath = dir.file("elsewhere/");
    other.app->dwg.DwgName = "amp.dwg";
    ASSERT_TRUE(WriteRecoveryCopy(*other.app, "2026-12-08 10:05:00"));
    EXPECT_EQ(other.app->recovery.CopyName, "amp (2).dwg");
    EXPECT_EQ(ReadAll(Folder() + "amp.dwg"), first);
    // The first run ends without a word (a crash): its copy waits, and a new
    // run's amp.dwg does not take its name either.
    app().recovery.Lock.Release();
    TestApp third;
    third.fake.Answer(MsgAnswer::No);
    third.fake.Answer(MsgAnswer::No);
    third.Start(dir.path());
    ASSERT_EQ(third.fake.boxes.size(), 2u);
    EXPECT_EQ(third.fake.boxes[0].text, "Zarnic found unsaved work from 2026-12-08 10:00:00 in amp.dwg.\r\nRestore it?");
    AddLine(third.app->dwg, 1, 0, 0, 2);
    third.app->dwg.DrawingChanged = true;
    third.app->dwg.DwgName = "amp.dwg";
    ASSERT_TRUE(WriteRecoveryCopy(*third.app, "2026-12-08 10:10:00"));
    EXPECT_EQ(third.app->recovery.CopyName, "amp (3).dwg");
    EXPECT_EQ(ReadAll(Folder() + "amp.dwg"), first);
    // Saving takes only the run's own copy away, with its lock file.
    DeleteRecoveryCopy(*other.app);
    EXPECT_FALSE(FileExists(Folder() + "amp (2).dwg"));
    EXPECT_FALSE(FileExists(Folder() + "amp (2).dwg.lock"));
    EXPECT_TRUE(FileExists(Folder() + "amp.dwg"));
    EXPECT_TRUE(FileExists(Folder() + "amp (3).dwg"));
}

TEST_F(RecoveryTest, ADamagedCopyIsKeptAsideAndAnUnwritableFolderSaysSoOnce) {
    fs::create_directories(Folder());
    WriteAll(Folder() + "bad.dwg", "Shape File Prefix\r\nSc\r\n");
    WriteAll(Folder() + "bad.dwg.info", "/x/\r\nbad.dwg\r\n2026-12-08 12:00:00\r\n");
    TestApp again;
    again.fake.Answer(MsgAnswer::Yes);
    again.Start(dir.path());
    ASSERT_GE(again.fake.boxes.size(), 2u);
    EXPECT_NE(again.fake.boxes[1].text.find(Folder() + "bad.dwg"), std::string::npos) << again.fake.boxes[1].text;
    EXPECT_TRUE(FileExists(Folder() + "bad.dwg.damaged"));
    EXPECT_FALSE(FileExists(Folder() + "bad.dwg"));
    EXPECT_NE(again.app->dwg.DwgName, "bad.dwg");
    // A folder in the way of the copies: one message this run, and the program goes on.
    fs::remove_all(Folder());
    WriteAll(dir.file("Recovery"), "not a folder");
    Changed(true);
    t.fake.boxes.clear();
    EXPECT_FALSE(WriteRecoveryCopy(app(), "2026-12-08 12:00:00"));
    EXPECT_FALSE(WriteRecoveryCopy(app(), "2026-12-08 12:01:00"));
    ASSERT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(t.fake.boxes[0].text.rfind("Recovery copies cannot be written to " + Folder() + ": ", 0), 0u);
    EXPECT_EQ(t.fake.boxes[0].text.back(), '.');
    // A lock file that cannot be opened is the same failure, said in its own words.
    fs::remove(dir.file("Recovery"));
    fs::create_directories(Folder() + "amp.dwg.lock");
    TestApp other;
    other.Start(dir.path());
    AddLine(other.app->dwg, 1, 0, 0, 1);
    other.app->dwg.DwgName = "amp.dwg";
    EXPECT_FALSE(WriteRecoveryCopy(*other.app, "2026-12-08 12:02:00"));
    ASSERT_EQ(other.fake.boxes.size(), 1u);
    EXPECT_EQ(other.fake.boxes[0].text, "Recovery copies cannot be written to " + Folder() + ": Is a directory.");
    EXPECT_FALSE(FileExists(Folder() + "amp.dwg"));
}
