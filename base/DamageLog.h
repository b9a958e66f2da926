#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What a reader met of a damaged file: a read that fell outside the file, a chain of links that
// ran in a circle, a record that could not be read.  The reader goes on with empty values (a
// damaged file is shown as far as it can be read); the damage log remembers that it happened,
// so that the user can be told that what is shown is incomplete.  The first few notes of each
// log also go to the program's log (LogProblem); later ones are only counted.
class WDamageLog {
 public:
  // How many notes of one log are passed on to the program's log.
  static constexpr uint64_t kLoggedNotes = 20;

  void Note(std::string_view what);
  bool Met() const { return count_ > 0; }
  uint64_t Count() const { return count_; }
  // The text of the first note; empty when none was made.
  const std::string& First() const { return first_; }

 private:
  uint64_t count_ = 0;
  std::string first_;
};

// The program's log: problems it met and carried on from.  Nothing is shown to the user from
// here; a program installs a hook to keep the lines (the viewer passes them to its toolkit's
// warning log).  Without a hook the lines go to standard error only when the environment variable
// TARAVELL_LOG is set to something other than "0".
using LogHook = std::function<void(const std::string& line)>;
void SetLogHook(LogHook hook);
void LogProblem(const std::string& line);
