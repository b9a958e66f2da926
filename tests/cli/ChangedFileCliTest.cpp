// The command line and files that change under it, paths that are not files, and exports that
// would land on the data.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/ChangedOnDisk.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// taravell-cli running with its stdout on a pipe and its stderr in a file.
class Running {
 public:
  Running(const std::vector<std::string>& args, const std::string& err_file) {
    std::vector<std::string> argv_text = {CliPath()};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argv_text) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, 2, err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    out_ = out[0];
  }
  ~Running() {
    if (out_ >= 0) ::close(out_);
    if (pid_ > 0) Wait();
  }
  // Reads up to n bytes of the output (less at its end).
  size_t Read(size_t n) {
    char buffer[65536];
    size_t done = 0;
    while (done < n) {
      const ssize_t got = ::read(out_, buffer, std::min(sizeof buffer, n - done));
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    return done;
  }
  void Kill(int signo) { ::kill(pid_, signo); }
  // The exit status; 128 + the signal when a signal ended it.
  int Wait() {
    Read(SIZE_MAX);
    int rc = 0;
    ::waitpid(pid_, &rc, 0);
    pid_ = 0;
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : 128 + WTERMSIG(rc);
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
};

// The names in dir that look like the export's temporary files.
std::vector<std::string> TemporaryFiles(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.rfind(".out.ged.", 0) == 0) names.push_back(name);
  }
  return names;
}

// Waits until the export's temporary file is there; false after 20 seconds.
bool WaitForTemporary(const std::string& dir) {
  const auto until = Clock::now() + std::chrono::seconds(20);
  while (Clock::now() < until) {
    if (!TemporaryFiles(dir).empty()) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return false;
}

class ChangedFileCli : public testing::Test {
 protected:
  static void SetUpTestSuite() { people_ = new std::string(PeopleGedcom(30000)); }
  static void TearDownTestSuite() { delete people_; }
  static std::string* people_;
  TempDir dir_;
};
std::string* ChangedFileCli::people_ = nullptr;

TEST_F(ChangedFileCli, ACommandWhoseFileShrinksStopsWithTheMessage) {
  const std::string path = dir_ / "people.ged";
  WriteFile(path, *people_);
  Running dump({"dump", path}, dir_ / "err.txt");
  // The command waits on the full pipe: cut the file under it, then let it go on.
  ASSERT_EQ(dump.Read(100000), 100000u);
  ASSERT_EQ(::truncate(path.c_str(), 1000), 0);
  EXPECT_EQ(dump.Wait(), 1);
  EXPECT_EQ(ReadFile(dir_ / "err.txt"), "The file " + path + " changed on disk while it was being read.\n");
}

TEST_F(ChangedFileCli, AnExportWhoseFileShrinksRemovesItsTemporaryFile) {
  const std::string path = dir_ / "people.ged";
  WriteFile(path, *people_);
  Running run({"export", path, dir_ / "out.ged"}, dir_ / "err.txt");
  ASSERT_TRUE(WaitForTemporary(dir_.path()));
  ASSERT_EQ(::truncate(path.c_str(), 1000), 0);
  EXPECT_EQ(run.Wait(), 1);
  EXPECT_EQ(ReadFile(dir_ / "err.txt"), "The file " + path + " changed on disk while it was being read.\n");
  EXPECT_TRUE(TemporaryFiles(dir_.path()).empty());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.ged"));
}

TEST_F(ChangedFileCli, AnExportEndedByTermOrHupRemovesItsTemporaryFile) {
  const std::string path = dir_ / "people.ged";
  WriteFile(path, *people_);
  for (int signo : {SIGTERM, SIGHUP, SIGINT}) {
    Running run({"export", path, dir_ / "out.ged"}, dir_ / "err.txt");
    ASSERT_TRUE(WaitForTemporary(dir_.path()));
    run.Kill(signo);
    EXPECT_EQ(run.Wait(), 128 + signo) << signo;
    EXPECT_TRUE(TemporaryFiles(dir_.path()).empty()) << signo;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.ged"));
  }
}

std::string Cli(const std::string& arguments, int* status, std::string* err) {
  TempDir dir;
  const std::string err_file = dir / "stderr.txt";
  std::string out = RunCommand("timeout 20 " + CliPath() + " " + arguments + " 2>'" + err_file + "'", status);
  if (err) *err = ReadFile(err_file);
  return out;
}

TEST(ChangedFileCliPaths, ThingsThatAreNotFilesAreRefusedAtOnce) {
  TempDir dir;
  for (const char* name : {"x.ged", "x.paf", "x.ftw", "x.tmg", "x.fdb", "x.rmg"})
    ASSERT_EQ(::mkfifo((dir / name).c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.ged");
  for (const char* name : {"x.ged", "x.paf", "x.ftw", "x.tmg", "x.fdb", "x.rmg", "folder.ged"}) {
    int status = 0;
    std::string err;
    Cli("info '" + (dir / name) + "'", &status, &err);
    EXPECT_EQ(status, 1) << name << " (124: blocked)";
    EXPECT_EQ(err, "The file: " + (dir / name) + "\nis not a regular file.  Please select another file.\n") << name;
  }
}

TEST(ChangedFileCliPaths, TheExportNeverWritesOverTheSourcesFiles) {
  TempDir dir;
  const std::string project = RM3SampleFamily().Write(dir.path(), "family");
  int status = 0;
  std::string err;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    const std::string file = e.path().string();
    const std::string before = ReadFile(file);
    Cli("export '" + project + "' '" + file + "'", &status, &err);
    EXPECT_EQ(status, 1) << file;
    // The project file itself is refused for its name already.
    const bool project_file = file == project;
    EXPECT_NE(err.find(project_file ? "named like a" : "will not write over the file it reads"), std::string::npos)
        << err;
    EXPECT_EQ(ReadFile(file), before) << file;
  }
  // Names of the other kinds are refused before anything is read.
  Cli("export '" + project + "' '" + (dir / "new.paf") + "'", &status, &err);
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("named like a"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "new.paf"));
}

}  // namespace
