// Commands that print what the viewer's tabs show for one individual: show (the
// Individual tab) and family (the Family tab).

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/Options.h"
#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "model/ABSCollection.h"
#include "views/FamPanelLogic.h"
#include "views/IndPanelLogic.h"

namespace {

// A multi-line model text as one output field, each line break written as "\n".
std::string EscapedField(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      escaped += "\\n";
    } else {
      escaped += text[i];
    }
  }
  return OutputField(escaped);
}

void WriteLine(const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); }

// Fields joined by TABs, ending with a line feed.
std::string TabLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += fields[i];
  }
  return line + '\n';
}

// A JSON object from (name, already encoded value) pairs.
std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& members) {
  std::string object = "{";
  for (size_t i = 0; i < members.size(); ++i) {
    if (i > 0) object += ", ";
    object += JsonString(members[i].first) + ": " + members[i].second;
  }
  return object + "}";
}

std::string JsonArray(const std::vector<std::string>& items, const char* separator = ", ") {
  std::string array = "[";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) array += separator;
    array += items[i];
  }
  return array + "]";
}

std::string JsonText(const std::string& model_text) { return JsonString(OutputField(model_text)); }

}  // namespace

// The Individual tab of REF: the sex and change date, then one line per row.
int CmdShow(const CliArgs& args) {
  OpenedFile opened;
  RecNo rec_no = 0;
  int status;
  if (!OpenFileAndIndividual(args, "show", opened, rec_no, status)) return status;
  WIndPanelLogic panel;
  panel.SetCollection(opened.collection.get());
  panel.SetUseLDS(args.Flag("lds") || Options().GetBool(WOptions::UseLDS));
  panel.SetChronological(args.Flag("chrono") || Options().GetBool(WOptions::Chrono));
  panel.SetTMGSentence(Options().GetBool(WOptions::TMGTagSent));
  panel.SetIndividual(rec_no);
  const bool notes = args.Flag("notes");

  if (args.json()) {
    std::vector<std::string> rows;
    for (const IndInfoRec& row : panel.Rows()) {
      std::vector<std::pair<std::string, std::string>> members = {
          {"note_mark", JsonString(row.note.empty() ? "" : "N")},
          {"source_mark", JsonString(row.citations.empty() ? "" : "S")},
          {"type", JsonText(row.type)},
          {"date", JsonText(row.date)},
          {"information", JsonText(row.information)},
          {"age", JsonText(row.age)},
          {"individual", std::to_string(row.individual)}};
      if (notes) {
        members.push_back({"note", JsonString(OutputText(row.note))});
        members.push_back({"citations", JsonString(OutputText(row.citations))});
      }
      rows.push_back(JsonObject(members));
    }
    WriteLine(JsonObject({{"sex", JsonText(panel.SexText())},
                          {"modified", JsonText(panel.ModifiedText())},
                          {"rows", JsonArray(rows, ",\n ")}}) +
              "\n");
    std::fflush(stdout);
    return kExitOk;
  }

  WriteLine(TabLine({"Sex", OutputField(panel.SexText()), "Modified", OutputField(panel.ModifiedText())}));
  for (const IndInfoRec& row : panel.Rows()) {
    std::vector<std::string> fields = {row.note.empty() ? "" : "N",  row.citations.empty() ? "" : "S",
                                       OutputField(row.type),        OutputField(row.date),
                                       OutputField(row.information), OutputField(row.age)};
    if (notes) {
      fields.push_back(EscapedField(row.note));
      fields.push_back(EscapedField(row.citations));
    }
    WriteLine(TabLine(fields));
  }
  std::fflush(stdout);
  return kExitOk;
}

// The Family tab of REF: the six boxes, the marriage and counter labels and the children.
int CmdFamily(const CliArgs& args) {
  OpenedFile opened;
  RecNo rec_no = 0;
  int status;
  if (!OpenFileAndIndividual(args, "family", opened, rec_no, status)) return status;
  WFamPanelLogic panel;
  panel.SetCollection(opened.collection.get());
  panel.SetUseLDS(Options().GetBool(WOptions::UseLDS));
  panel.SetFamBirChr(Options().GetBool(WOptions::FamBirChr));
  panel.SetIndividual(rec_no);
  if (args.HasValue("marriage")) {
    const std::string value = args.Value("marriage");
    int marriage = 0;
    try {
      size_t used = 0;
      marriage = std::stoi(value, &used);
      if (used != value.size()) marriage = 0;
    } catch (const std::exception&) {
      marriage = 0;
    }
    if (marriage < 1 || marriage > std::max(panel.MarriageCount(), 1)) {
      return UsageError("family: --marriage " + value + ": the individual has " +
                        std::to_string(panel.MarriageCount()) + " marriage(s)");
    }
    for (int i = 1; i < marriage; ++i) panel.NextSpouse();
  }

  static const char* const kBoxNames[WFamPanelLogic::kBoxCount] = {
      "active", "father", "mother", "spouse", "spouse-father", "spouse-mother"};
  std::vector<std::vector<std::string>> children;
  for (int row = 0; row < static_cast<int>(panel.Children().size()); ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < WFamPanelLogic::kColumnCount; ++column) {
      cells.push_back(OutputField(panel.CellText(row, column)));
    }
    children.push_back(cells);
  }

  if (args.json()) {
    std::vector<std::string> boxes;
    for (int box = 0; box < WFamPanelLogic::kBoxCount; ++box) {
      const WIndInfoBox& info = panel.Box(box);
      boxes.push_back(JsonObject({{"box", JsonString(kBoxNames[box])},
                                  {"rec", std::to_string(info.Individual())},
                                  {"name", JsonText(info.NameString())},
                                  {"birth", JsonText(info.BirthString())},
                                  {"death", JsonText(info.DeathString())}}));
    }
    std::vector<std::string> rows;
    for (const std::vector<std::string>& cells : children) {
      std::vector<std::string> encoded;
      for (const std::string& cell : cells) encoded.push_back(JsonString(cell));
      rows.push_back(JsonArray(encoded));
    }
    WriteLine(JsonObject({{"boxes", JsonArray(boxes, ",\n ")},
                          {"marriage", JsonText(panel.MarriageLabel())},
                          {"counter", JsonText(panel.CounterLabel())},
                          {"children", JsonArray(rows, ",\n ")}}) +
              "\n");
    std::fflush(stdout);
    return kExitOk;
  }

  for (int box = 0; box < WFamPanelLogic::kBoxCount; ++box) {
    const WIndInfoBox& info = panel.Box(box);
    WriteLine(TabLine({kBoxNames[box], std::to_string(info.Individual()), OutputField(info.NameString()),
                       OutputField(info.BirthString()), OutputField(info.DeathString())}));
  }
  WriteLine(TabLine({"marriage", OutputField(panel.MarriageLabel())}));
  WriteLine(TabLine({"counter", OutputField(panel.CounterLabel())}));
  for (std::vector<std::string>& cells : children) {
    cells.insert(cells.begin(), "child");
    WriteLine(TabLine(cells));
  }
  std::fflush(stdout);
  return kExitOk;
}
