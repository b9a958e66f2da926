// The find command: advanced find's search modes on the command line.

#include <cstdio>
#include <string>

#include "base/TextUtils.h"
#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "model/ABSIndividual.h"
#include "search/SortIterators.h"
#include "views/FindDlgLogic.h"

int SearchModeByName(const std::string& name) {
  if (name == "index") return WFindDlgLogic::fmIndex;
  if (name == "rin") return WFindDlgLogic::fmRIN;
  if (name == "surname") return WFindDlgLogic::fmSurname;
  if (name == "fullname") return WFindDlgLogic::fmName;
  if (name == "userid") return WFindDlgLogic::fmCustom;
  return 0;
}

// Where advanced find lands for TEXT in the mode --by names: the position in that mode's
// list, then the record number, identifier and display name of the person there.
int CmdFind(const CliArgs& args) {
  if (args.positional().size() != 2) return UsageError("find: expects FILE and TEXT");
  const int mode = SearchModeByName(args.Value("by", "surname"));
  if (mode == 0) return UsageError("find: --by takes surname, fullname, userid, rin or index");
  OpenedFile opened = OpenFileForCommand(args.positional()[0]);
  if (!opened.collection) return opened.status;
  WABSCollection& collection = *opened.collection;

  WSortIterators holder;
  holder.SetCollection(&collection);
  WFindDlgLogic find(&collection, holder.Lists());
  find.ShowInMode(mode);
  if (ImportCancelled) return kExitCancelled;
  find.TextChanged(ArgToAnsi(args.positional()[1]));
  if (!find.AutoSearch()) find.PressSearch();

  const int row = find.CurrentRow();
  const RecNo n = find.CurrentList()->RecordAt(row);
  if (row == 0 || n == 0) {
    std::fprintf(stderr, "taravell-cli: find: nothing found for %s\n", args.positional()[1].c_str());
    return kExitFailure;
  }
  std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
  std::string id = person ? person->GetID() : std::string();
  std::string name = person ? person->GetDisplayName() : std::string();
  std::string line = std::to_string(row) + "\t" + std::to_string(n) + "\t" + OutputField(id) + "\t" +
                     OutputField(name) + "\n";
  if (args.json()) {
    line = "{\"position\": " + std::to_string(row) + ", \"rec\": " + std::to_string(n) +
           ", \"id\": " + JsonString(OutputField(id)) + ", \"name\": " + JsonString(OutputField(name)) +
           "}\n";
  }
  std::fwrite(line.data(), 1, line.size(), stdout);
  return kExitOk;
}
