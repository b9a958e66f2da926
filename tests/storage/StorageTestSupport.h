#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Points $TMPDIR at a fresh, private folder for the test, so that the temporary
// files storages make can be counted; restores the old value afterwards.
class ScratchTmpDir : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TMPDIR");
    hadOld_ = old != nullptr;
    if (old) old_ = old;
    char tmpl[] = "/tmp/taravell-storage-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    ::setenv("TMPDIR", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (hadOld_)
      ::setenv("TMPDIR", old_.c_str(), 1);
    else
      ::unsetenv("TMPDIR");
    std::filesystem::remove_all(dir_);
  }
  // Names of the files now in the scratch folder.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    return names;
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  std::string dir_;

 private:
  std::string old_;
  bool hadOld_ = false;
};

// Open descriptors of this process (to see that a storage released its file).
inline int OpenDescriptorCount() {
  auto fds = std::filesystem::directory_iterator("/proc/self/fd");
  return static_cast<int>(std::distance(begin(fds), end(fds)));
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
