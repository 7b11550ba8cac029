// The object table: clearing, duplicate vertices, appending at the edge of
// the table, and the vertex storage that commits memory only where written.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

#include "fake_platform.h"
#include "commands/append.h"
#include "model/drawing.h"
#include "model/messages.h"

namespace {

// Resident memory of this process in bytes.
long ResidentBytes() {
    std::ifstream in("/proc/self/statm");
    long size = 0, resident = 0;
    in >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void MakeLine(Drawing& d, int slot, std::initializer_list<std::pair<double, double>> pts) {
    d.ObjType[slot] = "Line";
    int k = 0;
    for (auto [x, y] : pts) {
        ++k;
        d.VertX(slot, k) = x;
        d.VertY(slot, k) = y;
    }
    d.ObjSize[slot] = k;
}

}  // namespace

TEST(TableClear, EmptiesSlotsUpToObjNextIncludingScratch) {
    auto d = std::make_unique<Drawing>();
    for (int s = 1; s <= 5; ++s) d->ObjType[s] = "Circle";
    d->ObjType[6] = "Text";  // beyond ObjNext: untouched
    d->ObjNext = 5;
    d->ObjSize[2] = 7;
    ClearObjects(*d);
    EXPECT_EQ(d->ObjNext, 1);
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(d->ObjType[s], "") << s;
    EXPECT_EQ(d->ObjType[6], "Text");
    EXPECT_EQ(d->ObjSize[2], 7);  // other fields keep their values
}

TEST(TableClear, BelowOneOnlyResetsAndFullTableStopsAtLastSlot) {
    auto d = std::make_unique<Drawing>();
    d->ObjType[1] = "Arc";
    d->ObjNext = 0;
    ClearObjects(*d);
    EXPECT_EQ(d->ObjNext, 1);
    EXPECT_EQ(d->ObjType[1], "Arc");

    d->ObjType[kMaxSlot] = "Arc";
    d->ObjType[kMaxSlot + 1] = "Arc";  // the scratch slot of a full table
    d->ObjNext = kMaxSlot + 1;
    ClearObjects(*d);
    EXPECT_EQ(d->ObjType[kMaxSlot], "");
    EXPECT_EQ(d->ObjType[kMaxSlot + 1], "Arc");
}

TEST(TableDuplicates, RepeatedVerticesCollapse) {
    auto d = std::make_unique<Drawing>();
    MakeLine(*d, 1, {{0, 0}, {0, 0}, {1, 1}, {1, 1}, {1, 1}, {2, 0}, {0, 0}});
    RemoveDuplicateVertices(*d, 1);
    ASSERT_EQ(d->ObjSize[1], 4);
    double xs[] = {0, 1, 2, 0}, ys[] = {0, 1, 0, 0};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(d->VertX(1, k), xs[k - 1]);
        EXPECT_EQ(d->VertY(1, k), ys[k - 1]);
    }
}

TEST(TableDuplicates, OnlyLinesAndExactEquality) {
    auto d = std::make_unique<Drawing>();
    MakeLine(*d, 1, {{0, 0}, {0, 0.0000001}, {0, 0.0000001}});
    RemoveDuplicateVertices(*d, 1);
    EXPECT_EQ(d->ObjSize[1], 2);
    // Two equal vertices leave one: such a Line is dropped at the next save.
    MakeLine(*d, 2, {{3, 3}, {3, 3}});
    RemoveDuplicateVertices(*d, 2);
    EXPECT_EQ(d->ObjSize[2], 1);
    d->ObjType[3] = "Dial";
    d->ObjSize[3] = 15;
    d->VertX(3, 1) = d->VertX(3, 2) = 5;
    RemoveDuplicateVertices(*d, 3);
    EXPECT_EQ(d->ObjSize[3], 15);
}

TEST(TableVertices, SlotMajorLayout) {
    // One slot's positions -1..1500 are contiguous; the next slot follows.
    EXPECT_EQ(VertexArray::Index(0, -1), 0u);
    EXPECT_EQ(VertexArray::Index(0, 1500), 1501u);
    EXPECT_EQ(VertexArray::Index(1, -1), 1502u);
    auto d = std::make_unique<Drawing>();
    d->VertX(7, 1500) = 1.5;
    d->VertX(8, -1) = 2.5;
    EXPECT_EQ(d->VertX(7, 1500), 1.5);
    EXPECT_EQ(d->VertX(8, -1), 2.5);
    EXPECT_EQ(d->VertX(7, -1), 0);
}

TEST(TableVertices, EmptyTableCommitsLittleMemory) {
    long before = ResidentBytes();
    auto d = std::make_unique<Drawing>();
    long empty = ResidentBytes() - before;
    // The two vertex arrays are 2 x 36 MB of address space; an empty table
    // must not touch them.
    EXPECT_LT(empty, 8L << 20) << "empty table resident bytes: " << empty;
    for (int s = 1; s <= kMaxSlot; ++s)
        for (int k = 1; k <= 20; ++k) d->VertX(s, k) = d->VertY(s, k) = k;
    long full = ResidentBytes() - before;
    EXPECT_GT(full, empty);
    EXPECT_LT(full, 40L << 20) << "3000 twenty-point lines resident bytes: " << full;
}

TEST(TableAppend, NumbersTheNewObjectAndMovesObjNext) {
    FakePlatform fake;
    auto app = std::make_unique<App>(fake);
    app->dwg.CurColor = 4;
    int s = BeginAppend(*app);
    ASSERT_EQ(s, 1);
    app->dwg.ObjSize[s] = 2;
    app->dwg.VertX(s, 2) = 1;  // two different vertices
    app->dwg.ObjColor[s] = 3;  // taken at the command's first click
    CommitAppend(*app, s, "Line");
    EXPECT_EQ(app->dwg.ObjType[1], "Line");
    EXPECT_EQ(app->dwg.ObjNum[1], 1);
    EXPECT_EQ(app->dwg.ObjColor[1], 3);
    EXPECT_EQ(app->dwg.ObjSize[1], 2);
    EXPECT_EQ(app->dwg.ObjNext, 2);
    EXPECT_TRUE(app->dwg.DrawingChanged);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(TableAppend, FullTableAndFullLineAreRefused) {
    FakePlatform fake;
    auto app = std::make_unique<App>(fake);
    app->dwg.ObjNext = kMaxSlot;  // 2999 objects: one more fits
    EXPECT_EQ(BeginAppend(*app), kMaxSlot);
    CommitAppend(*app, kMaxSlot, "Circle");
    EXPECT_EQ(app->dwg.ObjNext, kMaxSlot + 1);
    EXPECT_EQ(BeginAppend(*app), 0);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, kMsgDrawingFull);
    EXPECT_EQ(fake.boxes[0].buttons, MsgButtons::OK);
    EXPECT_EQ(app->dwg.ObjNext, kMaxSlot + 1);

    EXPECT_TRUE(VertexRoom(*app, kMaxVertex));
    EXPECT_FALSE(VertexRoom(*app, kMaxVertex + 1));
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].text, kMsgLineFull);
}
