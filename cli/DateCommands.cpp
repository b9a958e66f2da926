// The date commands: how the viewer reads date texts, compares them and computes ages.
// Arguments may come as UTF-8 or Windows-1252; output is UTF-8.

#include <cstdio>

#include "base/Date.h"
#include "base/DateDiff.h"
#include "base/TextUtils.h"
#include "cli/Commands.h"

namespace {

void PrintLine(const std::string& ansi) { std::printf("%s\n", AnsiToUtf8(ansi).c_str()); }

}  // namespace

int CmdDate(const CliArgs& args) {
  if (args.positional().empty()) return UsageError("date: no date text given");
  for (const std::string& arg : args.positional()) {
    WDate d(ArgToAnsi(arg));
    PrintLine(d.GetDisplayText() + "\t" + std::to_string(d.Qualifier()) + "\t" + std::to_string(d.Year()) +
              "\t" + std::to_string(d.Month()) + "\t" + std::to_string(d.Day()) + "\t" +
              (d.IsValid() ? "1" : "0") + "\t" + (d.IsStandard() ? "1" : "0"));
  }
  return kExitOk;
}

int CmdDateCmp(const CliArgs& args) {
  if (args.positional().size() != 2) return UsageError("datecmp: needs two date texts");
  WDate a(ArgToAnsi(args.positional()[0]));
  WDate b(ArgToAnsi(args.positional()[1]));
  std::printf("%d\n", a.Compare(&b));
  return kExitOk;
}

int CmdAge(const CliArgs& args) {
  if (args.positional().size() != 2) return UsageError("age: needs two date texts");
  WDate a(ArgToAnsi(args.positional()[0]));
  WDate b(ArgToAnsi(args.positional()[1]));
  WDateDiff diff;
  if (!diff.Compute(&a, &b)) {
    std::printf("-\n");
    return kExitOk;
  }
  std::printf("%d\t%d\t%d\t%d\t%d\t%s\n", diff.DayCount(), diff.IsExact() ? 1 : 0, diff.Years(),
              diff.Months(), diff.Days(), diff.GetAgeText().c_str());
  return kExitOk;
}
