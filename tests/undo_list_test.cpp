#include "mainwindow/model/UndoList.h"

#include <gtest/gtest.h>

namespace {

void ExpectRecord(const UndoRecord &r, int row, int column, int previous)
{
    EXPECT_EQ(r.Row, row);
    EXPECT_EQ(r.Column, column);
    EXPECT_EQ(r.Previous, previous);
}

// Paint n gets the fields (n, n + 1000, -n) so that a shift or mix-up of fields shows.
void PushNumbered(UndoList &list, int first, int last)
{
    for (int n = first; n <= last; ++n)
        list.Push(std::int16_t(n), std::int16_t(n + 1000), std::int16_t(-n));
}

} // namespace

TEST(UndoListTest, PopReturnsTheNewestFirst)
{
    UndoList list;
    EXPECT_TRUE(list.empty());
    PushNumbered(list, 1, 3);
    EXPECT_EQ(list.UndoCount(), 3);
    ExpectRecord(list.Record(1), 1, 1001, -1);
    ExpectRecord(list.Pop(), 3, 1003, -3);
    ExpectRecord(list.Pop(), 2, 1002, -2);
    list.Push(7, 8, 9);
    ExpectRecord(list.Pop(), 7, 8, 9);
    ExpectRecord(list.Pop(), 1, 1001, -1);
    EXPECT_TRUE(list.empty());
}

TEST(UndoListTest, FullListDropsTheOldest)
{
    UndoList list;
    PushNumbered(list, 1, 100);
    EXPECT_EQ(list.UndoCount(), UndoList::Capacity);
    ExpectRecord(list.Record(1), 1, 1001, -1);

    PushNumbered(list, 101, 101);
    EXPECT_EQ(list.UndoCount(), 100);
    for (int n = 1; n <= 100; ++n) {
        SCOPED_TRACE(n);
        ExpectRecord(list.Record(n), n + 1, n + 1001, -(n + 1));
    }

    // Many more paints: always the latest hundred, in order.
    PushNumbered(list, 102, 350);
    EXPECT_EQ(list.UndoCount(), 100);
    ExpectRecord(list.Record(1), 251, 1251, -251);
    ExpectRecord(list.Record(100), 350, 1350, -350);
}

TEST(UndoListTest, HundredPopsEmptyAFullList)
{
    UndoList list;
    PushNumbered(list, 1, 101);
    for (int n = 101; n >= 2; --n) {
        ASSERT_FALSE(list.empty());
        ExpectRecord(list.Pop(), n, n + 1000, -n);
    }
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.UndoCount(), 0);

    // An extra Pop is harmless and the list works on afterwards.
    ExpectRecord(list.Pop(), 0, 0, 0);
    EXPECT_EQ(list.UndoCount(), 0);
    list.Push(4, 5, 6);
    EXPECT_EQ(list.UndoCount(), 1);
    ExpectRecord(list.Record(1), 4, 5, 6);
}

TEST(UndoListTest, ClearEmptiesForTheNextMap)
{
    UndoList list;
    PushNumbered(list, 1, 100);
    list.Clear();
    EXPECT_TRUE(list.empty());
    list.Push(1, 2, 3);
    ExpectRecord(list.Pop(), 1, 2, 3);
    EXPECT_TRUE(list.empty());
}
