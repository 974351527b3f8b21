#include <gtest/gtest.h>

#include <vector>

#include "afxwin.h"

namespace {

int g_items[8];
void* Item(int i) { return &g_items[i]; }

std::vector<void*> Forward(const CPtrList& list)
{
    std::vector<void*> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos));
    return out;
}

std::vector<void*> Backward(const CPtrList& list)
{
    std::vector<void*> out;
    for (POSITION pos = list.GetTailPosition(); pos;)
        out.push_back(list.GetPrev(pos));
    return out;
}

}  // namespace

TEST(CPtrList, KeepsOrderOfHeadAndTailInsertions)
{
    CPtrList list(2);
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(Item(1));
    list.AddTail(Item(2));
    list.AddHead(Item(0));
    list.AddTail(Item(3));
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(Forward(list), (std::vector<void*>{Item(0), Item(1), Item(2), Item(3)}));
    EXPECT_EQ(Backward(list), (std::vector<void*>{Item(3), Item(2), Item(1), Item(0)}));
    EXPECT_EQ(list.GetHead(), Item(0));
    EXPECT_EQ(list.GetTail(), Item(3));
}

TEST(CPtrList, RemovesFromBothEndsAndAnywhere)
{
    CPtrList list;
    POSITION pos[5];
    for (int i = 0; i < 5; ++i)
        pos[i] = list.AddTail(Item(i));
    EXPECT_EQ(list.RemoveHead(), Item(0));
    EXPECT_EQ(list.RemoveTail(), Item(4));
    list.RemoveAt(pos[2]);
    EXPECT_EQ(Forward(list), (std::vector<void*>{Item(1), Item(3)}));
    EXPECT_EQ(list.GetAt(pos[3]), Item(3));  // positions of the others stay valid
    list.RemoveAt(pos[1]);
    list.RemoveAt(pos[3]);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    EXPECT_EQ(list.RemoveHead(), nullptr);
    EXPECT_EQ(list.RemoveTail(), nullptr);
    EXPECT_EQ(list.GetHead(), nullptr);

    for (int i = 0; i < 30; ++i)  // nodes come back after being freed
        list.AddTail(Item(i % 8));
    EXPECT_EQ(list.GetCount(), 30);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_TRUE(Forward(list).empty());
}

TEST(CPtrList, InsertsBeforeAndAfter)
{
    CPtrList list;
    POSITION middle = list.AddTail(Item(2));
    list.InsertBefore(middle, Item(1));
    list.InsertAfter(middle, Item(3));
    list.InsertBefore(list.GetHeadPosition(), Item(0));
    list.InsertAfter(list.GetTailPosition(), Item(4));
    list.InsertBefore(nullptr, Item(5));  // null: at the head
    list.InsertAfter(nullptr, Item(6));   // null: at the tail
    EXPECT_EQ(Forward(list), (std::vector<void*>{Item(5), Item(0), Item(1), Item(2), Item(3), Item(4), Item(6)}));
    EXPECT_EQ(Backward(list).front(), Item(6));
}

TEST(CPtrList, FindsByValueAndIndex)
{
    CPtrList list;
    POSITION first = list.AddTail(Item(1));
    list.AddTail(Item(2));
    POSITION second = list.AddTail(Item(1));
    EXPECT_EQ(list.Find(Item(1)), first);
    EXPECT_EQ(list.Find(Item(1), first), second);
    EXPECT_EQ(list.Find(Item(1), second), nullptr);
    EXPECT_EQ(list.Find(Item(7)), nullptr);
    EXPECT_EQ(list.FindIndex(0), first);
    EXPECT_EQ(list.FindIndex(2), second);
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), Item(2));
}

TEST(CPtrList, ElementsAreWritableThroughReferences)
{
    CPtrList list;
    POSITION pos = list.AddTail(Item(0));
    list.AddTail(Item(1));
    list.GetAt(pos) = Item(5);
    list.GetTail() = Item(6);
    POSITION walk = list.GetHeadPosition();
    list.GetNext(walk) = Item(7);
    list.SetAt(walk, Item(3));
    EXPECT_EQ(Forward(list), (std::vector<void*>{Item(7), Item(3)}));
    POSITION none = nullptr;
    EXPECT_EQ(list.GetNext(none), nullptr);  // past the end reads null and stays there
    EXPECT_EQ(none, nullptr);
}

TEST(CPtrList, AddsWholeListsInOrder)
{
    CPtrList a, b;
    a.AddTail(Item(2));
    a.AddTail(Item(3));
    b.AddTail(Item(0));
    b.AddTail(Item(1));
    a.AddHead(&b);
    a.AddTail(&b);
    EXPECT_EQ(Forward(a), (std::vector<void*>{Item(0), Item(1), Item(2), Item(3), Item(0), Item(1)}));
    b.AddTail(&b);  // a list appended to itself doubles once
    EXPECT_EQ(Forward(b), (std::vector<void*>{Item(0), Item(1), Item(0), Item(1)}));
}
