#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "StorageTestSupport.h"
#include "base/MMFReadOnly.h"
#include "base/MappingGuard.h"

namespace {

class MappingGuardTest : public ScratchTmpDir {
 protected:
  // A file of `pages` pages, each filled with its page number + 1.
  std::string MakeFile(int pages) {
    const std::string path = Path("data.bin");
    const long page = ::sysconf(_SC_PAGESIZE);
    std::string bytes;
    for (int p = 0; p < pages; ++p) bytes.append(static_cast<size_t>(page), static_cast<char>(p + 1));
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
};

TEST_F(MappingGuardTest, PagesLostToAShrinkingFileReadAsZerosAndMarkTheMapping) {
  const long page = ::sysconf(_SC_PAGESIZE);
  const std::string path = MakeFile(8);
  WMMFReadOnly file(path);
  ASSERT_EQ(file.Size(), 8 * page);
  EXPECT_EQ(file.U8(5 * page), 6);
  EXPECT_FALSE(file.ChangedOnDisk());
  const uint64_t faults = MappingFaultCount();

  ASSERT_EQ(::truncate(path.c_str(), 2 * page + 100), 0);
  // The part of the last page beyond the new end reads as zeros without a fault.
  EXPECT_EQ(file.U8(2 * page), 3);
  EXPECT_EQ(file.U8(2 * page + 200), 0);
  // Whole pages beyond the end fault; the guard answers with zeros, here and after.
  EXPECT_EQ(file.U8(5 * page), 0);
  EXPECT_EQ(file.U8(7 * page + 1), 0);
  EXPECT_EQ(file.U32(3 * page), 0u);
  EXPECT_TRUE(file.ChangedOnDisk());
  EXPECT_GT(MappingFaultCount(), faults);
  // What the file still has reads as before.
  EXPECT_EQ(file.U8(0), 1);
  EXPECT_EQ(file.U8(page + 10), 2);
}

TEST_F(MappingGuardTest, EachMappingKeepsItsOwnMarkAndAReopenedOneStartsClean) {
  const long page = ::sysconf(_SC_PAGESIZE);
  const std::string path = MakeFile(4);
  std::ofstream(Path("other.bin"), std::ios::binary) << std::string(static_cast<size_t>(4 * page), 'x');
  WMMFReadOnly first(path);
  WMMFReadOnly other(Path("other.bin"));
  ASSERT_EQ(::truncate(path.c_str(), 0), 0);
  EXPECT_EQ(first.U8(3 * page), 0);
  EXPECT_TRUE(first.ChangedOnDisk());
  EXPECT_FALSE(other.ChangedOnDisk());
  EXPECT_EQ(other.U8(3 * page), 'x');

  // A moved storage keeps its mark; a new mapping of the (rewritten) file has none.
  WMMFReadOnly moved(std::move(first));
  EXPECT_TRUE(moved.ChangedOnDisk());
  moved.Close();
  MakeFile(4);
  WMMFReadOnly again(path);
  EXPECT_FALSE(again.ChangedOnDisk());
  EXPECT_EQ(again.U8(3 * page), 4);
}

// The fault ends the process by its own signal, or, in the sanitizer build, by the sanitizer's
// report handler (which the guard passes the fault on to) aborting.
bool EndedByTheFault(int status) {
  return WIFSIGNALED(status) && (WTERMSIG(status) == SIGBUS || WTERMSIG(status) == SIGABRT);
}

TEST_F(MappingGuardTest, AFaultOutsideEveryGuardedMappingStillEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string path = MakeFile(1);
  WMMFReadOnly guarded(path);  // the handler is installed
  EXPECT_EXIT(
      {
        // A mapping nobody registered, cut under it: the fault must not be swallowed.
        const int fd = ::open(path.c_str(), O_RDONLY);
        const long page = ::sysconf(_SC_PAGESIZE);
        void* view = ::mmap(nullptr, static_cast<size_t>(4 * page), PROT_READ, MAP_SHARED, fd, 0);
        if (::truncate(path.c_str(), 0) != 0) _exit(3);
        volatile const char* bytes = static_cast<const char*>(view);
        (void)bytes[2 * page];
        _exit(0);
      },
      EndedByTheFault, "");
  EXPECT_EXIT(::raise(SIGBUS), EndedByTheFault, "");
}

}  // namespace
