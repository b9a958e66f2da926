#pragma once

#include <gtest/gtest.h>

#include "app/Options.h"
#include "support/MemCollection.h"

// Views tests start from the default settings, with names shown plainly ("John Smith":
// no surname slashes, no identifier suffix), and leave the defaults behind.
class ViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Options().ResetToDefaults();
    Options().SetBool(WOptions::NameSlash, false);
    Options().SetBool(WOptions::FNValueFlag, false);
  }
  void TearDown() override { Options().ResetToDefaults(); }

  MemCollection col;
};

// An in-memory collection that claims to be of a given file kind.
class KindCollection : public MemCollection {
 public:
  explicit KindCollection(FileKind kind) { file_kind_ = kind; }
};
