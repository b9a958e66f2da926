// TMG's coded dates (30-character and 8-character forms) and the event-order key that must sort
// as the date comparison does wherever that comparison is consistent.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGEventOrder.h"

namespace {

// A regular 30-character date: "1", yyyymmdd, filler "0", qualifier, second yyyymmdd, padding.
std::string Long(const std::string& first, char qualifier = '3', const std::string& second = "00000000") {
  std::string s = "1" + first + "0" + qualifier + second;
  s.resize(30, '0');
  return s;
}

std::string Text(const std::string& words) {
  std::string s = "0" + words;
  s.resize(30, ' ');
  return s;
}

std::string Display(const std::string& raw) { return WTMGDate(raw, WTMGDate::Form::Long).GetDisplayText(); }

TEST(TMGDate, RegularDatesWithTheirQualifiers) {
  EXPECT_EQ(Display(Long("18500704")), "4 Jul 1850");
  EXPECT_EQ(Display(Long("18500700")), "Jul 1850");
  EXPECT_EQ(Display(Long("18500000")), "1850");
  EXPECT_EQ(Display(Long("18500704", '0')), "Bef 4 Jul 1850");
  EXPECT_EQ(Display(Long("18500704", '1')), "Say 4 Jul 1850");
  EXPECT_EQ(Display(Long("18500704", '2')), "Abt 4 Jul 1850");
  EXPECT_EQ(Display(Long("18500704", '4')), "Aft 4 Jul 1850");
  EXPECT_EQ(Display(Long("18500000", '5', "18600000")), "Bet 1850 and 1860");
  EXPECT_EQ(Display(Long("18500000", '7', "18600300")), "From 1850 to Mar 1860");
  WTMGDate d(Long("18500704", '2'), WTMGDate::Form::Long);
  EXPECT_TRUE(d.IsValid());
  EXPECT_TRUE(d.IsStandard());
  EXPECT_EQ(d.Year(), 1850);
  EXPECT_EQ(d.Day(), 4);
  EXPECT_EQ(d.Qualifier(), kQualAbout);
  EXPECT_EQ(d.GetText(), "Abt 4 Jul 1850");
}

TEST(TMGDate, FreeTextEmptyAndDamagedDates) {
  WTMGDate text(Text("in the spring"), WTMGDate::Form::Long);
  EXPECT_TRUE(text.IsValid());
  EXPECT_FALSE(text.IsStandard());
  EXPECT_EQ(text.GetDisplayText(), "in the spring");
  // All zero: no date at all.
  WTMGDate zero(Long("00000000"), WTMGDate::Form::Long);
  EXPECT_FALSE(zero.IsValid());
  EXPECT_EQ(zero.GetDisplayText(), "");
  // A blank field is no date either.
  EXPECT_FALSE(WTMGDate(std::string(30, ' '), WTMGDate::Form::Long).IsValid());
  EXPECT_FALSE(WTMGDate("", WTMGDate::Form::Long).IsValid());
  // Not 30 characters: invalid, shown as stored.
  WTMGDate shortened("11850", WTMGDate::Form::Long);
  EXPECT_FALSE(shortened.IsValid());
  EXPECT_EQ(shortened.GetDisplayText(), "1850");
  // Month and day digits beyond the calendar read as missing.
  EXPECT_EQ(Display(Long("18501345")), "1850");
  EXPECT_EQ(Display(Long("18509907")), "7 1850");
  EXPECT_EQ(Display(Long("18xx0704")), "4 Jul ");
}

TEST(TMGDate, ShortFormIsTheChangeDate) {
  WTMGDate d("20040314", WTMGDate::Form::Short);
  EXPECT_TRUE(d.IsValid());
  EXPECT_EQ(d.GetDisplayText(), "14 Mar 2004");
  EXPECT_EQ(d.Qualifier(), kQualExact);
  EXPECT_FALSE(WTMGDate("2004031", WTMGDate::Form::Short).IsValid());
  EXPECT_EQ(WTMGDate("2004031", WTMGDate::Form::Short).GetDisplayText(), "2004031");
  EXPECT_EQ(WTMGDate("20041399", WTMGDate::Form::Short).GetDisplayText(), "2004");
}

// Every date form the project stores, for the key properties below.
std::vector<std::string> SampleDates(std::mt19937& random, int count) {
  const char qualifiers[] = "0124573";
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    switch (random() % 8) {
      case 0:
        out.push_back(std::string(30, ' '));
        break;
      case 1:
        out.push_back(Text(std::string(1, static_cast<char>('a' + random() % 3))));
        break;
      case 2:
        out.push_back("1" + std::to_string(random() % 100));
        break;
      default: {
        char first[9];
        std::snprintf(first, sizeof first, "%04u%02u%02u", 1800 + static_cast<unsigned>(random() % 3),
                      static_cast<unsigned>(random() % 3), static_cast<unsigned>(random() % 3));
        out.push_back(Long(first, qualifiers[random() % 7], random() % 2 ? "18600000" : "00000000"));
      }
    }
  }
  return out;
}

TEST(TMGEventOrderKey, OrdersAsTheDateComparisonWhereverItIsConsistent) {
  std::mt19937 random(4);
  std::vector<std::string> dates = SampleDates(random, 400);
  // Rank the free texts as the order does.
  std::vector<std::string> texts;
  for (const auto& d : dates) {
    std::string t;
    if (WTMGDate::IsFreeTextKey(WTMGDate::SortKeyOf(d, &t))) texts.push_back(t);
  }
  std::sort(texts.begin(), texts.end());
  auto key = [&](const std::string& raw) {
    std::string t;
    uint64_t k = WTMGDate::SortKeyOf(raw, &t);
    if (WTMGDate::IsFreeTextKey(k))
      k = WTMGDate::FreeTextKey(
          static_cast<uint32_t>(std::lower_bound(texts.begin(), texts.end(), t) - texts.begin()));
    return k;
  };
  for (const auto& a : dates) {
    WTMGDate da(a, WTMGDate::Form::Long);
    for (const auto& b : dates) {
      WTMGDate db(b, WTMGDate::Form::Long);
      const int c = da.Compare(db);
      SCOPED_TRACE("'" + a + "' vs '" + b + "'");
      if (!da.IsValid()) {
        EXPECT_TRUE(key(a) == 0);
        if (db.IsValid()) {
          EXPECT_LT(key(a), key(b));
        }
      } else if (!db.IsValid()) {
        // The comparison is not consistent here (a free text calls itself smaller than an
        // invalid date); invalid dates come first.
        EXPECT_GT(key(a), key(b));
      } else if (c == -1) {
        EXPECT_LT(key(a), key(b));
      } else if (c == 1) {
        EXPECT_GT(key(a), key(b));
      }
    }
  }
}

TEST(TMGEventOrder, SortsByPersonDateAndSecondPrincipalAndFindsEachRun) {
  // Positions 1..8: (per1, per2, sort date).
  struct E {
    int per1, per2;
    std::string date;
  };
  const std::vector<E> events = {
      {2, 0, Long("19000101")}, {1, 0, Long("18500000")}, {2, 0, Long("00000000")}, {1, 5, Long("18400101")},
      {1, 3, Long("18400101")}, {2, 0, Text("someday")},  {3, 0, Long("19000101")}, {2, 0, "broken"},
  };
  WTMGEventOrder order;
  ASSERT_TRUE(
      order.Build(static_cast<int32_t>(events.size()), [&](int32_t pos, WTMGEventOrder::EventKeys& k) {
        const E& e = events[static_cast<size_t>(pos - 1)];
        k.per1 = e.per1;
        k.per2 = e.per2;
        k.sort_date = e.date;
      }));
  std::vector<int> got;
  for (int i = 1; i <= order.Count(); ++i) got.push_back(order.PositionAt(i));
  // Person 1: two 1840 events ordered by second principal, then 1850.  Person 2: the invalid
  // dates first (by position), the free text, then 1900.
  EXPECT_EQ(got, (std::vector<int>{5, 4, 2, 3, 8, 6, 1, 7}));
  EXPECT_EQ(order.FirstOf(1), 1);
  EXPECT_EQ(order.FirstOf(2), 4);
  EXPECT_EQ(order.FirstOf(3), 8);
  EXPECT_EQ(order.FirstOf(4), 0);
  EXPECT_EQ(order.FirstOf(0), 0);
  EXPECT_EQ(order.Per1At(4), 2);
  EXPECT_EQ(order.PositionAt(9), 0);
}

TEST(TMGEventOrder, ManyInvalidDatesOfOnePersonSortStrictly) {
  // The date comparison calls an invalid date smaller both ways; the order must still be a
  // strict order and give the same result whatever the input order.
  std::mt19937 random(7);
  std::vector<std::string> dates = SampleDates(random, 3000);
  auto build = [&](const std::vector<std::string>& ds) {
    WTMGEventOrder order;
    order.Build(static_cast<int32_t>(ds.size()), [&](int32_t pos, WTMGEventOrder::EventKeys& k) {
      k.per1 = 1;
      k.sort_date = ds[static_cast<size_t>(pos - 1)];
    });
    std::vector<std::string> sorted;
    for (int i = 1; i <= order.Count(); ++i)
      sorted.push_back(ds[static_cast<size_t>(order.PositionAt(i) - 1)]);
    return sorted;
  };
  std::vector<std::string> first = build(dates);
  ASSERT_EQ(first.size(), dates.size());
  for (size_t i = 1; i < first.size(); ++i) {
    WTMGDate a(first[i - 1], WTMGDate::Form::Long), b(first[i], WTMGDate::Form::Long);
    if (a.IsValid()) {
      EXPECT_TRUE(b.IsValid());
      EXPECT_NE(a.Compare(b), 1) << first[i - 1] << " before " << first[i];
    }
  }
  std::shuffle(dates.begin(), dates.end(), random);
  std::vector<std::string> second = build(dates);
  // Equal keys keep position order, so only the keys can be compared across inputs.
  for (size_t i = 0; i < first.size(); ++i)
    EXPECT_EQ(WTMGDate::SortKeyOf(first[i], nullptr) == 0, WTMGDate::SortKeyOf(second[i], nullptr) == 0);
}

}  // namespace
