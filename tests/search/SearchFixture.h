#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Options.h"
#include "model/ABSCollection.h"
#include "search/ColSortIterator.h"
#include "support/MemCollection.h"

// An in-memory collection whose reader kind can be chosen.
class KindCollection : public MemCollection {
 public:
  void SetKind(FileKind kind) { file_kind_ = kind; }
};

// Settings back to their defaults around every test, so that name display options set by
// one test do not leak into the next.
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override { Options().ResetToDefaults(); }
  void TearDown() override { Options().ResetToDefaults(); }

  // The record numbers of a list in position order.
  static std::vector<RecNo> Order(WColSortIterator& list) {
    std::vector<RecNo> out;
    for (int32_t i = 1; i <= list.Count(); ++i) out.push_back(list.RecordAt(i));
    return out;
  }
  // The surnames of a list in position order.
  std::vector<std::string> Surnames(WColSortIterator& list) {
    std::vector<std::string> out;
    for (RecNo n : Order(list)) {
      const auto& name = people_.Person(n).name;
      out.push_back(name ? name->surname : "");
    }
    return out;
  }

  KindCollection people_;
};
