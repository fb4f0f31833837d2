#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundations/array.h"
#include "foundations/error_registry.h"
#include "foundations/exceptions.h"
#include "foundations/queue.h"
#include "foundations/tlist.h"
#include "platform/utf.h"

namespace vyn {
namespace {

// An item that counts its live instances and compares by key.
struct item : base {
  static int live;
  int key;
  explicit item(int k) : key(k) { ++live; }
  ~item() override { --live; }
  TCmpRes compare(const item& o, int) const { return TCmpRes(key - o.key); }
  TCmpRes compare(int k, int) const { return TCmpRes(key - k); }
  item* clone() const { return new item(key); }
};
int item::live = 0;

std::vector<int> keys(const TList<item>& l) {
  std::vector<int> v;
  for (int32_t i = 0; i < l.count; ++i) v.push_back(l.at(i)->key);
  return v;
}

std::string guard_message(auto&& action) {
  try {
    action();
  } catch (const wexception& e) {
    return utf16_to_utf8(e.message());
  }
  return "no exception";
}

// Every size from 0 to 40, every key between, before, after and equal to
// the entries (which hold duplicates too): the insertion point keeps the
// list sorted, and find() finds exactly the keys present.
TEST(SortedInsertionPoint, KeepsOrderForEverySmallSize) {
  for (int size = 0; size <= 40; ++size) {
    std::vector<int> entries;
    // Pairs of equal entries: 10, 10, 20, 20, ...
    for (int i = 0; i < size; ++i) entries.push_back(10 * (i / 2 + 1));
    std::sort(entries.begin(), entries.end());
    for (int key = 0; key <= 10 * (size / 2 + 2); ++key) {
      int32_t point = sorted_insertion_point(int32_t(size), [&](int32_t i) {
        return key < entries[size_t(i)] ? -1 : key > entries[size_t(i)] ? 1 : 0;
      });
      ASSERT_GE(point, 0);
      ASSERT_LE(point, size);
      if (point > 0) {
        EXPECT_LE(entries[size_t(point - 1)], key) << "size " << size << " key " << key;
      }
      if (point < size) {
        EXPECT_GE(entries[size_t(point)], key) << "size " << size << " key " << key;
      }
    }
  }
}

TEST(SortedList, AddsInOrderAndFindsByBisection) {
  for (int size = 0; size <= 33; ++size) {
    TList<item> list(4, 1);
    std::vector<int> expected;
    for (int i = 0; i < size; ++i) {
      int k = (i * 7919) % 50;  // a scrambled order, repeats included
      list.add(new item(k));
      expected.push_back(k);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(keys(list), expected) << size;
    for (int k = -1; k <= 51; ++k) {
      bool present = std::binary_search(expected.begin(), expected.end(), k);
      item* found = list.find(k, 1);
      EXPECT_EQ(found != nullptr, present) << "size " << size << " key " << k;
      if (found) {
        EXPECT_EQ(found->key, k);
      }
    }
  }
  EXPECT_EQ(item::live, 0);
}

TEST(SortedList, UniqueFlagRefusesRepeats) {
  TList<ErrCode> list(64, 1, TList<ErrCode>::kUnique);
  EXPECT_EQ(list.add(new ErrCode{5, u"five"}), 0);
  EXPECT_EQ(list.add(new ErrCode{1, u"one"}), 0);
  EXPECT_EQ(list.add(new ErrCode{3, u"three"}), 1);
  auto* repeat = new ErrCode{3, u"again"};
  EXPECT_EQ(list.add(repeat), -1);
  delete repeat;  // not taken
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.at(0)->code, 1u);
  EXPECT_EQ(list.at(1)->code, 3u);
  EXPECT_EQ(list.at(1)->text, u"three");
  EXPECT_EQ(list.at(2)->code, 5u);
}

TEST(SortedList, UniqueAtEveryPosition) {
  for (int size = 1; size <= 20; ++size) {
    TList<item> list(3, 1, TList<item>::kUnique);
    for (int i = 0; i < size; ++i) list.add(new item(2 * i));
    for (int i = 0; i < size; ++i) {
      auto* again = new item(2 * i);
      EXPECT_EQ(list.add(again), -1) << size << " " << i;
      delete again;
    }
    EXPECT_EQ(list.count, size);
  }
  EXPECT_EQ(item::live, 0);
}

TEST(UnsortedList, KeepsInsertionOrderAndSearchesLinearly) {
  TList<item> list(2);
  for (int k : {5, 1, 5, 3}) list.add(new item(k));
  EXPECT_EQ(keys(list), (std::vector<int>{5, 1, 5, 3}));
  EXPECT_EQ(list.find(5, 0), list.at(0));
  list.insert(new item(9), 4);
  list.insert(new item(8), 0);
  EXPECT_EQ(keys(list), (std::vector<int>{8, 5, 1, 5, 3, 9}));
  EXPECT_EQ(list.capacity, 6);  // multiples of the step
}

TEST(List, GuardsThrowWithTheirMessagesAndChangeNothing) {
  TList<item> list;
  list.add(new item(1));
  EXPECT_EQ(guard_message([&] { list.at(1); }), "..\\Src\\lib\\vyn line 1776");
  item* extra = new item(2);
  EXPECT_EQ(guard_message([&] { list.insert(extra, 2); }),
            "..\\Src\\lib\\vyn line 1688");
  delete extra;
  EXPECT_EQ(guard_message([&] { list.add(nullptr); }),
            "..\\Src\\lib\\vyn line 1639");
  EXPECT_EQ(list.count, 1);
}

TEST(List, DeletesItsItems) {
  {
    TList<item> list;
    for (int i = 0; i < 100; ++i) list.add(new item(i));
    EXPECT_EQ(item::live, 100);
  }
  EXPECT_EQ(item::live, 0);
}

TEST(Queue, AppendsOwnsAndClonesOnCopy) {
  {
    Queue<item> q;
    EXPECT_TRUE(q.is_empty());
    for (int k : {1, 2, 3}) q.append(new item(k));
    Queue<item> copy(q);
    EXPECT_EQ(copy.count, 3);
    EXPECT_NE(copy.head->item, q.head->item);
    std::vector<int> seen;
    for (auto* n = copy.head; n; n = n->next) seen.push_back(n->item->key);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(copy.tail->prev->item->key, 2);
    EXPECT_EQ(item::live, 6);
    copy = q;  // assignment replaces the old items
    EXPECT_EQ(item::live, 6);
  }
  EXPECT_EQ(item::live, 0);
}

TEST(QueueCIter, WalksFromTheHeadAndStopsAtTheTail) {
  Queue<item> q;
  QueueCIter<item> early(&q);  // made on an empty queue
  EXPECT_TRUE(early.at_end);
  for (int k : {1, 2}) q.append(new item(k));
  ASSERT_TRUE(early.next());  // its first step lands on the head
  EXPECT_EQ(early.item()->key, 1);

  QueueCIter<item> it(&q);
  EXPECT_FALSE(it.at_end);
  EXPECT_EQ(it.item()->key, 1);
  EXPECT_TRUE(it.next());
  EXPECT_EQ(it.item()->key, 2);
  EXPECT_FALSE(it.next());
  EXPECT_TRUE(it.at_end);
  EXPECT_FALSE(it.next());

  QueueCIter<item> none(nullptr);
  EXPECT_TRUE(none.at_end);
  EXPECT_FALSE(none.next());
}

TEST(Array, ResizeKeepsThePrefix) {
  Array<std::u16string> a(3);
  a[0] = u"x";
  a[2] = u"z";
  a.resize(5);
  EXPECT_EQ(a.count, 5u);
  EXPECT_EQ(a[0], u"x");
  EXPECT_EQ(a[2], u"z");
  EXPECT_EQ(a[4], u"");
  a.resize(1);
  EXPECT_EQ(a[0], u"x");
  a.allocate(0);
  EXPECT_EQ(a.data, nullptr);
  EXPECT_EQ(a.count, 0u);
}

}  // namespace
}  // namespace vyn
