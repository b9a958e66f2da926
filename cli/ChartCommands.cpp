// Commands that print the viewer's charts of one individual: pedigree (the ancestors by
// Ahnentafel number) and descendants (the descendants list).

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/Options.h"
#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "model/ABSCollection.h"
#include "views/DescendantsLogic.h"
#include "views/PedigreeLogic.h"

namespace {

void WriteLine(const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); }

// The value of --generations, `fallback` without one; false after a usage error.
bool Generations(const CliArgs& args, const char* command, int fallback, int most, int& generations,
                 int& status) {
  generations = fallback;
  if (!args.HasValue("generations")) return true;
  const std::string value = args.Value("generations");
  int parsed = 0;
  try {
    size_t used = 0;
    parsed = std::stoi(value, &used);
    if (used != value.size()) parsed = 0;
  } catch (const std::exception&) {
    parsed = 0;
  }
  if (parsed < 1 || parsed > most) {
    status = UsageError(std::string(command) + ": --generations " + value + ": give a number from 1 to " +
                        std::to_string(most));
    return false;
  }
  generations = parsed;
  return true;
}

// The "COMMAND FILE REF [--generations N]" line of a chart: the generations, then the file
// opened and REF found; false after a usage error or a failed open, with the exit status set.
bool OpenChart(const CliArgs& args, const char* command, int fallback, int most, OpenedFile& opened,
               RecNo& rec_no, int& generations, int& status) {
  return Generations(args, command, fallback, most, generations, status) &&
         OpenFileAndIndividual(args, command, opened, rec_no, status);
}

// One output line: TAB-separated fields, or a JSON object of (name, encoded value) pairs.
void PrintRecord(bool json, const std::vector<std::pair<const char*, std::string>>& fields,
                 const std::vector<bool>& numeric) {
  std::string line;
  if (json) line = "{";
  for (size_t i = 0; i < fields.size(); ++i) {
    if (json) {
      if (i > 0) line += ", ";
      line +=
          JsonString(fields[i].first) + ": " + (numeric[i] ? fields[i].second : JsonString(fields[i].second));
    } else {
      if (i > 0) line += '\t';
      line += fields[i].second;
    }
  }
  WriteLine(line + (json ? "}\n" : "\n"));
}

}  // namespace

// The ancestors of REF: number, record number, name, birth date and death date, in number order.
int CmdPedigree(const CliArgs& args) {
  int generations = 0, status = 0;
  OpenedFile opened;
  RecNo rec_no = 0;
  if (!OpenChart(args, "pedigree", WPedigreeLogic::kTabGenerations, WPedigreeLogic::kMaxGenerations, opened,
                 rec_no, generations, status))
    return status;
  WPedigreeLogic pedigree;
  pedigree.SetCollection(opened.collection.get());
  pedigree.SetGenerations(generations);
  pedigree.SetIndividual(rec_no);
  for (const PedigreeEntry& entry : pedigree.Entries()) {
    PrintRecord(args.json(),
                {{"number", std::to_string(entry.number)},
                 {"rec", std::to_string(entry.individual)},
                 {"name", OutputField(entry.box.NameString())},
                 {"birth", OutputField(entry.birth_date)},
                 {"death", OutputField(entry.death_date)}},
                {true, true, false, false, false});
  }
  std::fflush(stdout);
  if (pedigree.Truncated())
    std::fprintf(stderr, "taravell-cli: pedigree: stopped after %zu ancestors\n", pedigree.Entries().size());
  return kExitOk;
}

// The descendants list of REF: generation, P or S, record number, name, birth date and death
// date, in list order.
int CmdDescendants(const CliArgs& args) {
  int generations = 0, status = 0;
  OpenedFile opened;
  RecNo rec_no = 0;
  if (!OpenChart(args, "descendants", Options().GetInt(WOptions::DesGenLimit),
                 WDescendantsLogic::kMaxGenerations, opened, rec_no, generations, status))
    return status;
  WDescendantsLogic list;
  list.SetCollection(opened.collection.get());
  list.SetGenerationLimit(generations);
  list.SetRepeatDuplicates(Options().GetBool(WOptions::DesRepDups));
  list.SetIndividual(rec_no);
  for (int i = 0; i < list.RowCount(); ++i) {
    const DescendantRow& row = list.Rows()[i];
    const DescendantTexts texts = list.Texts(i);
    PrintRecord(args.json(),
                {{"generation", std::to_string(row.generation)},
                 {"kind", row.spouse ? "S" : "P"},
                 {"rec", std::to_string(row.individual)},
                 {"name", OutputField(texts.name)},
                 {"birth", OutputField(texts.birth_date)},
                 {"death", OutputField(texts.death_date)}},
                {true, false, true, false, false, false});
  }
  std::fflush(stdout);
  if (list.Truncated())
    std::fprintf(stderr, "taravell-cli: descendants: stopped after %d rows\n", list.RowCount());
  return kExitOk;
}
