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
  if (args.positional().size() != 2) return UsageError(std::string(command) + ": expects FILE and REF");
  const std::string& ref = args.positional()[1];
  OpenedFile opened = OpenFileForCommand(args.positional()[0]);
  if (!opened.collection) return opened.status;
  WABSCollection& collection = *opened.collection;
  RecNo n = ResolveIndividualRef(collection, ref);
  std::unique_ptr<WABSIndividual> person = n > 0 ? collection.GetIndividual(n) : nullptr;
  if (!person) {
    std::fprintf(stderr, "taravell-cli: no individual '%s' in %s\n", ref.c_str(),
                 args.positional()[0].c_str());
    return kExitFailure;
  }
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
