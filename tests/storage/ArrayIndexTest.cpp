#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "StorageTestSupport.h"
#include "base/ABSArrayIndex.h"
#include "base/ABSIterator.h"
#include "base/IntArray.h"
#include "base/IntStack.h"
#include "base/UIHooks.h"

namespace {

// A 12-byte record: sort key plus payload that must travel with it.
struct Rec {
  int32_t key;
  int32_t tag;
  int32_t check;
};

int CompareRec(const void* a, const void* b) {
  int32_t x = static_cast<const Rec*>(a)->key, y = static_cast<const Rec*>(b)->key;
  return x < y ? -1 : (x > y ? 1 : 0);
}

int CompareRecToKey(const void* record, int32_t key) {
  int32_t x = static_cast<const Rec*>(record)->key;
  return x < key ? -1 : (x > key ? 1 : 0);
}

std::vector<Rec> Records(const WABSArrayIndex& a) {
  std::vector<Rec> out;
  for (int32_t i = 1; i <= a.Count(); ++i) {
    Rec r;
    std::memcpy(&r, a.Get(i), sizeof r);
    out.push_back(r);
  }
  return out;
}

WABSArrayIndex MakeArray(const std::vector<int32_t>& keys) {
  WABSArrayIndex a("", false, sizeof(Rec), 0);
  int32_t tag = 0;
  for (int32_t k : keys) {
    Rec r{k, ++tag, static_cast<int32_t>(static_cast<uint32_t>(k) * 7u + 1u)};
    a.Append(&r);
  }
  return a;
}

class ArrayIndexTest : public ScratchTmpDir {};

TEST_F(ArrayIndexTest, RecordAccessOutsideTheRangeGivesNothing) {
  WABSArrayIndex a = MakeArray({5, 6, 7});
  EXPECT_EQ(a.Get(0), nullptr);
  EXPECT_EQ(a.Get(4), nullptr);
  EXPECT_EQ(a.Get(-1), nullptr);
  Rec r{99, 0, 0};
  a.MarkSorted();
  a.Set(0, &r);
  a.Set(4, &r);
  EXPECT_TRUE(a.IsSorted()) << "invalid Set must change nothing";
  EXPECT_EQ(a.Count(), 3);
  a.Set(2, &r);
  EXPECT_FALSE(a.IsSorted());
  EXPECT_EQ(static_cast<const Rec*>(a.Get(2))->key, 99);

  WABSArrayIndex none;
  EXPECT_EQ(none.Append(&r), 0);
  EXPECT_EQ(none.Get(1), nullptr);
  EXPECT_TRUE(none.Sort(CompareRec, false));
}

TEST_F(ArrayIndexTest, ManyRecordsMoveToAFileAndStayIntact) {
  int fdsBefore = OpenDescriptorCount();
  {
    WIntArray a;
    for (int32_t i = 1; i <= 200000; ++i) ASSERT_EQ(a.AppendValue(i * 3), i);
    EXPECT_FALSE(a.Storage().InMemory());
    EXPECT_LT(a.Storage().Capacity(), 16 + 200000 * 4 + 16384 + 1);
    for (int32_t i = 1; i <= 200000; ++i) ASSERT_EQ(a.GetValue(i), i * 3);
  }
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(OpenDescriptorCount(), fdsBefore);
}

TEST_F(ArrayIndexTest, SetCountZeroFillsAndAppendFollowsTheLoweredCount) {
  WIntArray a;
  for (int32_t v : {11, 12, 13, 14}) a.AppendValue(v);
  a.SetCount(2);
  EXPECT_EQ(a.Count(), 2);
  EXPECT_EQ(a.GetValue(3), 0);
  // The next record goes right after the lowered count, not after the old end.
  EXPECT_EQ(a.AppendValue(99), 3);
  EXPECT_EQ(a.GetValue(3), 99);
  a.SetCount(6);
  EXPECT_EQ(a.Count(), 6);
  EXPECT_EQ(a.GetValue(3), 99);
  EXPECT_EQ(a.GetValue(4), 0) << "old value 14 must not come back";
  EXPECT_EQ(a.GetValue(6), 0);
  a.SetCount(-5);
  EXPECT_EQ(a.Count(), 0);
}

TEST_F(ArrayIndexTest, NamedArrayWritesItsCountAndHonoursKeepFile) {
  std::string kept = Path("kept.idx"), dropped = Path("dropped.idx");
  {
    WABSArrayIndex a(kept, true, 4, 0);
    WABSArrayIndex b(dropped, false, 4, 0);
    for (int32_t v : {1, 2, 3}) {
      a.Append(&v);
      b.Append(&v);
    }
  }
  std::string bytes = ReadFileBytes(kept);
  ASSERT_GE(bytes.size(), 28u);
  int32_t header[4];
  std::memcpy(header, bytes.data(), 16);
  EXPECT_EQ(header[0], 1);
  EXPECT_EQ(header[1], 28);
  EXPECT_EQ(header[2], 3);
  EXPECT_EQ(header[3], 4);
  EXPECT_FALSE(std::filesystem::exists(dropped));
}

TEST_F(ArrayIndexTest, BinarySearchEdges) {
  WABSArrayIndex empty = MakeArray({});
  bool found = true;
  EXPECT_EQ(empty.Find(CompareRecToKey, 1), 0);
  EXPECT_EQ(empty.FindFirst(CompareRecToKey, 1), 0);
  EXPECT_EQ(empty.FindNearest(CompareRecToKey, 1, found), 0);
  EXPECT_FALSE(found);

  WABSArrayIndex a = MakeArray({10, 20, 20, 20, 20, 20, 30, 40});
  EXPECT_EQ(a.FindFirst(CompareRecToKey, 20), 2);
  EXPECT_EQ(a.FindFirst(CompareRecToKey, 10), 1);
  EXPECT_EQ(a.FindFirst(CompareRecToKey, 40), 8);
  EXPECT_EQ(a.Find(CompareRecToKey, 25), 0);
  EXPECT_EQ(a.Find(CompareRecToKey, 5), 0);
  EXPECT_EQ(a.Find(CompareRecToKey, 45), 0);

  EXPECT_EQ(a.FindNearest(CompareRecToKey, 30, found), 7);
  EXPECT_TRUE(found);
  EXPECT_EQ(a.FindNearest(CompareRecToKey, 25, found), 7);
  EXPECT_FALSE(found);
  EXPECT_EQ(a.FindNearest(CompareRecToKey, 5, found), 1);
  EXPECT_FALSE(found);
  EXPECT_EQ(a.FindNearest(CompareRecToKey, 99, found), 8) << "beyond the last gives the last";
  EXPECT_FALSE(found);

  WABSArrayIndex one = MakeArray({7});
  EXPECT_EQ(one.Find(CompareRecToKey, 7), 1);
  EXPECT_EQ(one.FindFirst(CompareRecToKey, 7), 1);
}

// Sorting: every shape around the insertion-sort threshold and a large random array,
// checked against std::sort with the payload travelling with its key.
std::vector<int32_t> Shape(const std::string& shape, int n) {
  std::vector<int32_t> keys(n);
  std::mt19937 rng(n * 7919 + static_cast<int>(shape.size()));
  for (int i = 0; i < n; ++i) {
    if (shape == "equal")
      keys[i] = 5;
    else if (shape == "sorted")
      keys[i] = i;
    else if (shape == "reverse")
      keys[i] = n - i;
    else if (shape == "fewkeys")
      keys[i] = static_cast<int32_t>(rng() % 3);
    else
      keys[i] = static_cast<int32_t>(rng());
  }
  return keys;
}

TEST_F(ArrayIndexTest, SortMatchesStdSortForEveryShape) {
  for (std::string shape : {"random", "equal", "sorted", "reverse", "fewkeys"}) {
    for (int n : {0, 1, 2, 3, 9, 10, 11, 12, 25, 100, 1000, 100000}) {
      std::vector<int32_t> keys = Shape(shape, n);
      WABSArrayIndex a = MakeArray(keys);
      std::vector<Rec> before = Records(a);
      a.Sort(CompareRec, false);
      std::vector<Rec> after = Records(a);
      ASSERT_EQ(after.size(), before.size());
      // Same keys as std::sort gives ...
      std::sort(keys.begin(), keys.end());
      for (int i = 0; i < n; ++i) ASSERT_EQ(after[i].key, keys[i]) << shape << " n=" << n << " at " << i;
      // ... and the same records, each whole.
      auto byTag = [](const Rec& x, const Rec& y) { return x.tag < y.tag; };
      std::sort(after.begin(), after.end(), byTag);
      for (int i = 0; i < n; ++i) {
        ASSERT_EQ(after[i].tag, before[i].tag);
        ASSERT_EQ(after[i].check, static_cast<int32_t>(static_cast<uint32_t>(after[i].key) * 7u + 1u))
            << shape << " n=" << n;
      }
      EXPECT_EQ(a.IsSorted(), n > 0);
    }
  }
}

TEST_F(ArrayIndexTest, SortWithContextAndFourByteRecords) {
  WIntArray a;
  std::mt19937 rng(3);
  std::vector<int32_t> values;
  for (int i = 0; i < 50000; ++i) values.push_back(static_cast<int32_t>(rng() % 1000) - 500);
  for (int32_t v : values) a.AppendValue(v);
  int descending = -1;
  a.SortValues(
      [](int32_t x, int32_t y, void* ctx) {
        return (x < y ? -1 : x > y ? 1 : 0) * *static_cast<int*>(ctx);
      },
      &descending);
  std::sort(values.begin(), values.end(), std::greater<>());
  for (int i = 0; i < 50000; ++i) ASSERT_EQ(a.GetValue(i + 1), values[i]);
}

TEST_F(ArrayIndexTest, SortYieldsAtTheStartAndDuringLongSorts) {
  int yields = 0;
  SetYieldHook([&] { ++yields; });
  WABSArrayIndex small = MakeArray({3, 1, 2});
  small.Sort(CompareRec, true);
  EXPECT_EQ(yields, 1);

  yields = 0;
  WABSArrayIndex quiet = MakeArray(Shape("random", 100000));
  quiet.Sort(CompareRec, false);
  EXPECT_EQ(yields, 0);

  WABSArrayIndex big = MakeArray(Shape("random", 100000));
  big.Sort(CompareRec, true);
  // About n / 10 partition steps for n records, one yield per 25 of them.
  EXPECT_GT(yields, 100);
  EXPECT_LT(yields, 100000 / 25);
  SetYieldHook(nullptr);
}

TEST_F(ArrayIndexTest, CancelledSortStopsWithAllRecordsKept) {
  int yields = 0;
  SetYieldHook([&] {
    if (++yields == 3) ImportCancelled = true;
  });
  std::vector<int32_t> keys = Shape("random", 100000);
  WABSArrayIndex a = MakeArray(keys);
  EXPECT_FALSE(a.Sort(CompareRec, true));
  EXPECT_EQ(yields, 3);
  EXPECT_FALSE(a.IsSorted());
  EXPECT_FALSE(a.IsSorting());
  std::vector<int32_t> left;
  for (const Rec& r : Records(a)) left.push_back(r.key);
  std::sort(left.begin(), left.end());
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(left, keys);
  ImportCancelled = false;
  SetYieldHook(nullptr);
  EXPECT_TRUE(a.Sort(CompareRec, true));
  EXPECT_TRUE(a.IsSorted());
}

TEST_F(ArrayIndexTest, SortIsNotReenteredAndRecoversFromAThrowingCompare) {
  WABSArrayIndex a = MakeArray(Shape("random", 50));
  bool nestedRefused = false;
  int calls = 0;
  a.Sort(
      [&](const void* x, const void* y) {
        if (calls++ == 0) nestedRefused = !a.Sort(CompareRec, false);
        return CompareRec(x, y);
      },
      false);
  EXPECT_TRUE(nestedRefused);
  EXPECT_TRUE(a.IsSorted());

  WABSArrayIndex b = MakeArray(Shape("random", 50));
  EXPECT_THROW(
      b.Sort([](const void*, const void*) -> int { throw std::runtime_error("missing key"); }, false),
      std::runtime_error);
  EXPECT_FALSE(b.IsSorting());
  EXPECT_TRUE(b.Sort(CompareRec, false));
  EXPECT_TRUE(b.IsSorted());

  // A sorted array is not sorted again until it changes.
  int compares = 0;
  auto counting = [&](const void* x, const void* y) { return ++compares, CompareRec(x, y); };
  b.Sort(counting, false);
  EXPECT_EQ(compares, 0);
  Rec r{INT32_MIN, 0, 0};
  b.Append(&r);
  b.Sort(counting, false);
  EXPECT_GT(compares, 0);
  EXPECT_EQ(static_cast<const Rec*>(b.Get(1))->key, INT32_MIN);
}

TEST_F(ArrayIndexTest, InconsistentCompareStillEnds) {
  WABSArrayIndex a = MakeArray(Shape("random", 5000));
  std::mt19937 rng(1);
  a.Sort([&](const void*, const void*) { return static_cast<int>(rng() % 3) - 1; }, false);
  EXPECT_EQ(a.Count(), 5000);
}

TEST_F(ArrayIndexTest, IntArrayValues) {
  WIntArray a(5);
  EXPECT_EQ(a.GetValue(5), 0);
  a.SetValue(6, 1);
  EXPECT_EQ(a.GetValue(6), 0);
  a.Fill(4);
  EXPECT_EQ(a.GetValue(5), 4);
  for (int32_t i = 1; i <= 5; ++i) a.SetValue(i, 10 - i * 2);
  a.SortValues();
  EXPECT_EQ(a.GetValue(1), 0);
  EXPECT_EQ(a.GetValue(5), 8);
  EXPECT_EQ(a.FindValue(6), 4);
  EXPECT_EQ(a.FindValue(7), 0);
  a.SetValue(1, 100);
  EXPECT_FALSE(a.IsSorted());
}

TEST(IntStack, PushPopPeek) {
  WIntStack s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.Pop(), 0);
  EXPECT_EQ(s.Peek(0), 0);
  EXPECT_EQ(s.Depth(), 0);
  s.Push(5);
  s.Push(7);
  EXPECT_EQ(s.Peek(0), 7);
  EXPECT_EQ(s.Peek(1), 5);
  EXPECT_EQ(s.Peek(3), 0) << "beyond the top";
  EXPECT_EQ(s.Pop(), 7);
  s.Push(9);  // reuses the popped slot
  EXPECT_EQ(s.Depth(), 2);
  EXPECT_EQ(s.Peek(2), 9);
  EXPECT_EQ(s.Pop(), 9);
  EXPECT_EQ(s.Pop(), 5);
  EXPECT_EQ(s.Pop(), 0);
  EXPECT_TRUE(s.IsEmpty());
  s.Push(1);
  s.Clear();
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.Peek(1), 0);
}

TEST(ABSIterator, WalksAndStopsAtTheEnds) {
  WABSIterator it("", false, 4, 0);
  EXPECT_EQ(it.First(), nullptr);
  EXPECT_EQ(it.Current(), 0);
  for (int32_t v : {1, 2, 3}) it.Append(&v);
  EXPECT_EQ(*static_cast<int32_t*>(it.First()), 1);
  EXPECT_EQ(*static_cast<int32_t*>(it.Next()), 2);
  EXPECT_EQ(*static_cast<int32_t*>(it.Last()), 3);
  EXPECT_EQ(it.Next(), nullptr);
  EXPECT_EQ(it.Current(), 0);
  EXPECT_EQ(*static_cast<int32_t*>(it.MoveTo(2)), 2);
  EXPECT_EQ(*static_cast<int32_t*>(it.Prior()), 1);
  EXPECT_EQ(it.Prior(), nullptr);
  it.MoveTo(3);
  it.Clear();
  EXPECT_EQ(it.Current(), 0);
  EXPECT_EQ(it.Count(), 0);
}

}  // namespace
