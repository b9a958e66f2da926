// Commands that show one individual of a genealogy file: summary and record.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "model/ABSIndividual.h"

namespace {

// Opens FILE, finds REF and prints what `text_of` gives for that individual: as plain
// text with line feeds, or with --json as {"rec": n, "id": ..., <key>: ...}.
int PrintIndividualText(const CliArgs& args, const char* command, const char* key,
                        std::string (*text_of)(WABSCollection&, RecNo)) {
  OpenedFile opened;
  RecNo n = 0;
  int status = kExitOk;
  if (!OpenFileAndIndividual(args, command, opened, n, status)) return status;
  WABSCollection& collection = *opened.collection;
  std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
  if (!person) return kExitFailure;
  std::string text = OutputText(text_of(collection, n));
  std::string out;
  if (args.json()) {
    out = "{\"rec\": " + std::to_string(n) + ", \"id\": " + JsonString(OutputText(person->GetID())) + ", " +
          JsonString(key) + ": " + JsonString(text) + "}\n";
  } else {
    out = text;
    if (out.empty() || out.back() != '\n') out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return kExitOk;
}

std::string SummaryOf(WABSCollection& collection, RecNo n) { return collection.GetIndividualSummary(n); }

std::string RecordTextOf(WABSCollection& collection, RecNo n) {
  std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
  return person ? person->GetRecordText() : std::string();
}

}  // namespace

int CmdSummary(const CliArgs& args) { return PrintIndividualText(args, "summary", "summary", SummaryOf); }

int CmdRecord(const CliArgs& args) { return PrintIndividualText(args, "record", "record", RecordTextOf); }
