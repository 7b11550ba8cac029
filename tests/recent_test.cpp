// The recent-file list as data: removing, de-duplicating, pushing to the top,
// and the 20-line text of the list file.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "model/recent.h"

namespace {

// Fills entries 0..n-1 with folder "/d/" and names "f0.dwg", "f1.dwg", ...
FileState Filled(int n) {
    FileState f;
    for (int i = 0; i < n; ++i) {
        f.RecentPath[i] = "/d/";
        f.RecentName[i] = "f" + std::to_string(i) + ".dwg";
    }
    return f;
}

std::vector<std::string> Names(const FileState& f) {
    std::vector<std::string> v;
    for (int i = 0; i < kRecentSlots; ++i) v.push_back(f.RecentName[i]);
    return v;
}

}  // namespace

TEST(RecentList, RemoveAtClosesTheGap) {
    FileState f = Filled(10);
    RecentRemoveAt(f, 3);
    EXPECT_EQ(f.RecentName[2], "f2.dwg");
    EXPECT_EQ(f.RecentName[3], "f4.dwg");
    EXPECT_EQ(f.RecentName[8], "f9.dwg");
    EXPECT_EQ(f.RecentName[9], "");
    EXPECT_EQ(f.RecentPath[9], "");
    RecentRemoveAt(f, 0);
    EXPECT_EQ(f.RecentName[0], "f1.dwg");
}

TEST(RecentList, DuplicatesGoFolderAndNameMustBothMatch) {
    FileState f;
    const char* paths[] = {"/a/", "/b/", "/a/", "/a/", "/a/"};
    const char* names[] = {"x.dwg", "x.dwg", "y.dwg", "x.dwg", "X.dwg"};
    for (int i = 0; i < 5; ++i) {
        f.RecentPath[i] = paths[i];
        f.RecentName[i] = names[i];
    }
    RecentRemoveDuplicates(f);
    // Same name in another folder and a name differing in case both stay.
    EXPECT_EQ(f.RecentPath[0] + f.RecentName[0], "/a/x.dwg");
    EXPECT_EQ(f.RecentPath[1] + f.RecentName[1], "/b/x.dwg");
    EXPECT_EQ(f.RecentPath[2] + f.RecentName[2], "/a/y.dwg");
    EXPECT_EQ(f.RecentPath[3] + f.RecentName[3], "/a/X.dwg");
    EXPECT_EQ(f.RecentName[4], "");
}

TEST(RecentList, DuplicatesStopAtTheFirstEmptyEntry) {
    FileState f;
    f.RecentPath[0] = "/a/";
    f.RecentName[0] = "x.dwg";
    f.RecentPath[2] = "/a/";
    f.RecentName[2] = "q.dwg";
    f.RecentPath[3] = "/a/";
    f.RecentName[3] = "q.dwg";
    RecentRemoveDuplicates(f);
    EXPECT_EQ(f.RecentName[2], "q.dwg");
    EXPECT_EQ(f.RecentName[3], "q.dwg");
}

TEST(RecentList, PushFrontMovesTheListDownAndDropsTheOldest) {
    FileState f = Filled(10);
    RecentPushFront(f, "/n/", "new.dwg");
    EXPECT_EQ(f.RecentPath[0], "/n/");
    EXPECT_EQ(f.RecentName[0], "new.dwg");
    EXPECT_EQ(f.RecentName[1], "f0.dwg");
    EXPECT_EQ(f.RecentName[9], "f8.dwg");
    // f9 fell off; nothing is left in the spill-over places.
    EXPECT_EQ(f.RecentName[10], "");
    EXPECT_EQ(f.RecentName[11], "");
}

TEST(RecentList, PushingAListedFileMovesItUpAndLosesNothing) {
    FileState f = Filled(10);
    RecentPushFront(f, "/d/", "f5.dwg");
    std::vector<std::string> want = {"f5.dwg", "f0.dwg", "f1.dwg", "f2.dwg", "f3.dwg", "f4.dwg",
                                     "f6.dwg", "f7.dwg", "f8.dwg", "f9.dwg", "",       ""};
    EXPECT_EQ(Names(f), want);
    // The top entry pushed again changes nothing.
    RecentPushFront(f, "/d/", "f5.dwg");
    EXPECT_EQ(Names(f), want);
    // The last entry of a full list comes back to the top.
    RecentPushFront(f, "/d/", "f9.dwg");
    EXPECT_EQ(f.RecentName[0], "f9.dwg");
    EXPECT_EQ(f.RecentName[1], "f5.dwg");
    EXPECT_EQ(f.RecentName[9], "f8.dwg");
}

TEST(RecentList, FileTextIsTwentyCrLfLines) {
    FileState f = Filled(2);
    std::string text = RecentFileText(f);
    std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "/d/");
    EXPECT_EQ(lines[1], "f0.dwg");
    EXPECT_EQ(lines[3], "f1.dwg");
    for (size_t i = 4; i < 20; ++i) EXPECT_EQ(lines[i], "") << i;
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    EXPECT_EQ(RecentFileText(FileState{}), JoinCrLf(std::vector<std::string>(20, "")));
}

TEST(RecentList, ParseReadsCrLfOrLfAndShortFiles) {
    FileState f = Filled(10);  // whatever was there goes
    RecentParse(f, "/a/\r\nx.dwg\r\n/b/\ny.dwg\n/c/");
    EXPECT_EQ(f.RecentPath[0], "/a/");
    EXPECT_EQ(f.RecentName[0], "x.dwg");
    EXPECT_EQ(f.RecentPath[1], "/b/");
    EXPECT_EQ(f.RecentName[1], "y.dwg");
    EXPECT_EQ(f.RecentPath[2], "/c/");
    EXPECT_EQ(f.RecentName[2], "");
    for (int i = 3; i < kRecentSlots; ++i) EXPECT_EQ(f.RecentPath[i] + f.RecentName[i], "") << i;
    // Round trip.
    FileState g = Filled(7);
    FileState h;
    RecentParse(h, RecentFileText(g));
    EXPECT_EQ(Names(h), Names(g));
    RecentParse(h, "");
    EXPECT_EQ(Names(h), Names(FileState{}));
}
