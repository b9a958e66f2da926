#pragma once

// Files that change under an open collection: cut every file the collection reads, then read
// everything it offers.  The walk must end without a signal, and the collection must say that
// its files changed.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "model/ABSCollection.h"
#include "support/CollectionWalk.h"

// A GEDCOM file of n people in families of a father and up to five children.
inline std::string PeopleGedcom(int n) {
  std::string text = "0 HEAD\n1 CHAR UTF-8\n";
  for (int i = 1; i <= n; ++i) {
    text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Person" + std::to_string(i) + " /Surname" +
            std::to_string(i % 97) + "/\n1 SEX " + (i % 2 ? "M" : "F") + "\n1 BIRT\n2 DATE 1 JAN " +
            std::to_string(1800 + i % 200) + "\n2 PLAC Town " + std::to_string(i % 31) + "\n";
    if (i >= 5) text += "1 FAMC @F" + std::to_string(i / 5) + "@\n";
  }
  for (int f = 1; f <= n / 5; ++f) {
    text += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I" + std::to_string(f) + "@\n1 MARR\n2 DATE 1900\n";
    for (int c = 5 * f; c < 5 * f + 5 && c <= n; ++c) text += "1 CHIL @I" + std::to_string(c) + "@\n";
  }
  return text + "0 TRLR\n";
}

// Cuts each source file of the collection to `length` bytes (a length beyond a file leaves it
// as it is) and walks the whole collection.
inline void CutSourcesAndWalk(WABSCollection& collection, off_t length) {
  const std::vector<std::string> files = collection.SourceFiles();
  ASSERT_FALSE(files.empty());
  for (const std::string& file : files) {
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0) << file;
    if (st.st_size > length) {
      ASSERT_EQ(::truncate(file.c_str(), length), 0) << file;
    }
  }
  WalkCollection(collection);
  WalkCollection(collection);  // the pages put in place of the lost ones read again alike
  EXPECT_TRUE(collection.ChangedOnDisk());
}
