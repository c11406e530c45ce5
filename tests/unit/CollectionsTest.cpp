#include "framework/Array.h"
#include "framework/StringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Contents(const CStringList& list) {
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos).Str());
    return out;
}

}  // namespace

TEST(CStringList, KeepsOrderAcrossManyBlocks) {
    CStringList list(10);
    for (int i = 0; i < 1000; ++i) {
        CString s;
        s.Format("line%d", i);
        list.AddTail(s);
    }
    ASSERT_EQ(1000, list.GetCount());
    POSITION pos = list.GetHeadPosition();
    for (int i = 0; i < 1000; ++i) {
        CString expected;
        expected.Format("line%d", i);
        ASSERT_EQ(expected, list.GetNext(pos));
    }
    EXPECT_EQ(nullptr, pos);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddTail(CString("again"));  // usable after emptying
    EXPECT_EQ(std::vector<std::string>{"again"}, Contents(list));
}

TEST(CStringList, RemovesAndInsertsAnywhere) {
    CStringList list;
    list.AddTail(CString("b"));
    list.AddHead(CString("a"));
    POSITION c = list.AddTail(CString("c"));
    list.InsertBefore(c, CString("b2"));
    list.InsertAfter(c, CString("d"));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "b2", "c", "d"}), Contents(list));
    list.RemoveAt(list.Find("b2"));
    EXPECT_EQ(CString("a"), list.RemoveHead());
    EXPECT_EQ(CString("d"), list.RemoveTail());
    EXPECT_EQ((std::vector<std::string>{"b", "c"}), Contents(list));
    EXPECT_EQ(nullptr, list.Find("zz"));
    EXPECT_EQ(CString("c"), list.GetAt(list.FindIndex(1)));
    EXPECT_EQ(nullptr, list.FindIndex(2));
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(nullptr, list.GetTailPosition());
}

TEST(CArray, GrowsInsertsAndRemoves) {
    CUIntArray queue;
    queue.Add(2);
    queue.Add(7);
    queue.InsertAt(0, 1);
    EXPECT_EQ(3, queue.GetSize());
    EXPECT_EQ(1u, queue[0]);
    queue.RemoveAt(0);
    EXPECT_EQ(2u, queue.GetAt(0));
    EXPECT_EQ(1, queue.GetUpperBound());
    queue.RemoveAll();
    EXPECT_TRUE(queue.IsEmpty());

    CStringArray parts;
    parts.Add(CString("x"));
    parts.SetSize(3);
    EXPECT_EQ(CString(""), parts[2]);
    parts[1] = "y";
    EXPECT_EQ(CString("y"), parts.GetAt(1));
}
