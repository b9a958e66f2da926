#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// A file with the given bytes in a private temporary folder, removed with the object.
class TempGedFile {
 public:
  explicit TempGedFile(const std::string& bytes, const std::string& name = "test.ged") {
    char dir[] = "/tmp/gedtestXXXXXX";
    dir_ = mkdtemp(dir) ? dir : "/tmp";
    path_ = dir_ + "/" + name;
    if (FILE* f = std::fopen(path_.c_str(), "wb")) {
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
  }
  ~TempGedFile() {
    std::remove(path_.c_str());
    if (dir_ != "/tmp") rmdir(dir_.c_str());
  }
  TempGedFile(const TempGedFile&) = delete;
  TempGedFile& operator=(const TempGedFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string dir_;
  std::string path_;
};
