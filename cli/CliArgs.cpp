#include "cli/CliArgs.h"

#include <set>

namespace {
// Options that take a value; every other "--name" is a flag.
const std::set<std::string> kValueOptions = {"ini", "set", "marriage", "by", "sort", "generations"};
}  // namespace

bool CliArgs::Parse(int argc, char** argv) {
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      std::string name = arg.substr(2);
      std::string value;
      bool hasValue = false;
      if (auto eq = name.find('='); eq != std::string::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
        hasValue = true;
      }
      if (kValueOptions.count(name)) {
        if (!hasValue) {
          if (i + 1 >= argc) {
            error_ = "option --" + name + " needs a value";
            return false;
          }
          value = argv[++i];
        }
        if (name == "set")
          settings_.push_back(value);
        else
          values_[name] = value;
      } else {
        if (hasValue) {
          error_ = "option --" + name + " takes no value";
          return false;
        }
        flags_[name] = true;
      }
      continue;
    }
    if (command_.empty())
      command_ = arg;
    else
      positional_.push_back(arg);
  }
  return true;
}

std::string CliArgs::Value(const std::string& name, const std::string& fallback) const {
  auto it = values_.find(name);
  return it == values_.end() ? fallback : it->second;
}
