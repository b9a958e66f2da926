// Commands that open a genealogy file: list and info.

#include <cstdio>
#include <string>

#include "base/UIHooks.h"
#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "model/ABSIndividual.h"
#include "search/SortIterators.h"
#include "views/GenPanelRows.h"

namespace {

// Opens the one FILE argument of a command; prints the usage error or the open message.
bool OpenSingleFile(const CliArgs& args, const char* command, OpenedFile& opened, int& status) {
  if (args.positional().size() != 1) {
    status = UsageError(std::string(command) + ": expects one FILE");
    return false;
  }
  opened = OpenFileForCommand(args.positional()[0]);
  status = opened.status;
  return opened.collection != nullptr;
}

void WriteLine(const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); }

}  // namespace

// One line per individual in record order (or the order --sort names): record number,
// identifier, sex, display name, birth date and place, death date and place, father and
// mother record numbers.
int CmdList(const CliArgs& args) {
  // The sort orders of the find dialogs: the sorted-list kinds 2 to 5.
  int kind = WSortIterators::kRecordOrder;
  if (args.HasValue("sort")) {
    const std::string order = args.Value("sort");
    kind = order == "rin" ? 2 : order == "surname" ? 3 : order == "fullname" ? 4 : order == "userid" ? 5 : 0;
    if (kind == 0) return UsageError("list: --sort takes surname, fullname, userid or rin");
  }
  OpenedFile opened;
  int status;
  if (!OpenSingleFile(args, "list", opened, status)) return status;
  WABSCollection& collection = *opened.collection;
  WSortIterators holder;
  holder.SetCollection(&collection);
  WColSortIterator* order =
      kind == WSortIterators::kRecordOrder ? nullptr : holder.GetSortIterator(kind, true);
  if (ImportCancelled) return kExitCancelled;
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  bool json = args.json();
  if (json) WriteLine("[");
  int count = collection.IndividualCount();
  for (int position = 1; position <= count && !ImportCancelled; ++position) {
    if (position % 512 == 0) YieldToUI();  // lets a file that shrank meanwhile end the list
    const RecNo n = order ? order->RecordAt(position) : position;
    std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
    if (!person) continue;
    // The sex letter as the model gives it; only a missing one (blank, NUL or a line
    // break) is shown as "U".
    char sex = person->GetSex();
    if (sex == ' ' || sex == '\0' || sex == '\r' || sex == '\n' || sex == '\t') sex = 'U';
    std::string fields[] = {std::to_string(n),
                            OutputField(person->GetID()),
                            OutputField(std::string(1, sex)),
                            OutputField(person->GetDisplayName()),
                            OutputField(person->GetEventDateText(1, 1)),
                            OutputField(person->GetEventPlaceText(1, 1)),
                            OutputField(person->GetEventDateText(2, 1)),
                            OutputField(person->GetEventPlaceText(2, 1)),
                            std::to_string(collection.GetFatherOf(n)),
                            std::to_string(collection.GetMotherOf(n))};
    std::string line;
    if (json) {
      static const char* const kNames[] = {"rec",         "id",         "sex",         "name",   "birth_date",
                                           "birth_place", "death_date", "death_place", "father", "mother"};
      line = position > 1 ? ",\n{" : "{";
      for (size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0) line += ", ";
        bool number = i == 0 || i == 8 || i == 9;
        line += JsonString(kNames[i]) + ": " + (number ? fields[i] : JsonString(fields[i]));
      }
      line += "}";
    } else {
      for (size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0) line += '\t';
        line += fields[i];
      }
      line += '\n';
    }
    WriteLine(line);
  }
  if (json) WriteLine(count > 0 ? "\n]\n" : "]\n");
  std::fflush(stdout);
  return kExitOk;
}

// The General tab's rows in order: "# " and the label for a heading row, otherwise the
// label, TAB and the value (whose own TABs are column stops and stay).
int CmdInfo(const CliArgs& args) {
  OpenedFile opened;
  int status;
  if (!OpenSingleFile(args, "info", opened, status)) return status;
  WGenPanelRows panel;
  panel.SetCollection(opened.collection.get());
  panel.SetFileName(args.positional()[0]);
  panel.SetImportTime(WGenPanelRows::FormatImportTime(opened.import_seconds));
  const WGeneralInfo& rows = panel.Rows();
  bool json = args.json();
  std::string out = json ? "[" : "";
  for (int i = 1; i <= rows.Count(); ++i) {
    const GenHeaderRec* row = rows.GetRow(i);
    if (!row) continue;
    // The file's name is the path as given, in the file system's encoding; every other
    // value is a model text.
    const std::string value =
        i == WGenPanelRows::kFileNameRow ? OutputPath(row->value) : OutputField(row->value, true);
    if (json) {
      out += i > 1 ? ",\n{" : "{";
      out += "\"heading\": " + std::string(row->heading ? "true" : "false") +
             ", \"label\": " + JsonString(OutputField(row->label)) + ", \"value\": " + JsonString(value) +
             "}";
    } else if (row->heading) {
      out += "# " + OutputField(row->label) + "\n";
    } else {
      out += OutputField(row->label) + "\t" + value + "\n";
    }
  }
  if (json) out += rows.Count() > 0 ? "\n]\n" : "]\n";
  WriteLine(out);
  return kExitOk;
}
