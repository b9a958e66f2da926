#pragma once

#include <map>
#include <string>
#include <vector>

// The command line of taravell-cli, split into the command, its positional arguments
// and its options.  Options may stand anywhere; "--" ends them.
class CliArgs {
 public:
  // Parses argv[1..]; returns false and sets error() on a malformed option.
  bool Parse(int argc, char** argv);

  const std::string& command() const { return command_; }
  const std::vector<std::string>& positional() const { return positional_; }
  const std::string& error() const { return error_; }

  bool Flag(const std::string& name) const { return flags_.count(name) > 0; }
  // The value of a value option ("--marriage 2" or "--marriage=2"); fallback when absent.
  std::string Value(const std::string& name, const std::string& fallback = "") const;
  bool HasValue(const std::string& name) const { return values_.count(name) > 0; }
  // Every "--set Key=Value", in order.
  const std::vector<std::string>& Settings() const { return settings_; }
  bool json() const { return Flag("json"); }

 private:
  std::string command_;
  std::vector<std::string> positional_;
  std::map<std::string, bool> flags_;
  std::map<std::string, std::string> values_;
  std::vector<std::string> settings_;
  std::string error_;
};
