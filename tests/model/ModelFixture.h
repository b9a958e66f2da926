#pragma once

#include <gtest/gtest.h>

#include <ctime>

#include "app/Options.h"
#include "support/MemCollection.h"

// Every model test starts from the default settings and leaves them so.
class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override { Options().ResetToDefaults(); }
  void TearDown() override { Options().ResetToDefaults(); }

  static int ThisYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
  }
  static std::string YearsAgo(int years) { return std::to_string(ThisYear() - years); }

  MemCollection col;
};
