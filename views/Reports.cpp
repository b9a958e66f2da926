#include "views/Reports.h"

#include <memory>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "views/DescendantsLogic.h"
#include "views/GenPanelRows.h"
#include "views/IndPanelLogic.h"

void WReport::Heading(const std::string& text) {
  blocks.push_back({WReportBlock::kHeading, text, {}, {}, {}});
}

void WReport::Text(const std::string& text) { blocks.push_back({WReportBlock::kText, text, {}, {}, {}}); }

void WReport::Table(const std::vector<std::string>& headings) {
  blocks.push_back({WReportBlock::kTable, std::string(), headings, {}, {}});
}

void WReport::Row(const std::vector<std::string>& cells, int indent) {
  if (blocks.empty() || blocks.back().kind != WReportBlock::kTable) Table({});
  WReportBlock& table = blocks.back();
  table.rows.push_back(cells);
  table.indents.push_back(indent);
}

std::string WReport::PlainText() const {
  std::string out = title + "\n";
  for (const WReportBlock& block : blocks) {
    if (block.kind != WReportBlock::kTable) {
      out += block.text + "\n";
      continue;
    }
    auto line = [&](const std::vector<std::string>& cells) {
      for (size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i];
      out += "\n";
    };
    if (!block.headings.empty()) line(block.headings);
    for (const auto& row : block.rows) line(row);
  }
  return out;
}

namespace {

std::unique_ptr<WABSIndividual> ReadPerson(WABSCollection& collection, RecNo n) {
  if (n <= 0) return nullptr;
  try {
    return collection.GetIndividual(n);
  } catch (const ETaravellError&) {
    return nullptr;
  }
}

// The events of a person a group sheet lists, each with date and place.
void EventRows(WReport& report, WABSIndividual& person) {
  static const std::pair<int, const char*> kEvents[] = {
      {evBirth, "Birth"}, {evChristening, "Christening"}, {evDeath, "Death"}, {evBurial, "Burial"}};
  for (const auto& [kind, caption] : kEvents) {
    const std::string date = person.GetEventDateText(kind, 1);
    const std::string place = person.GetEventPlaceText(kind, 1);
    if (!date.empty() || !place.empty()) report.Row({caption, date, place});
  }
}

// A husband or wife of the group sheet: name, events and parents.
void SpouseSection(WReport& report, WABSCollection& collection, const char* role, RecNo m) {
  std::unique_ptr<WABSIndividual> person = ReadPerson(collection, m);
  report.Heading(std::string(role) + ": " + (person ? person->GetDisplayName() : std::string()));
  if (!person) return;
  report.Table({"Event", "Date", "Place"});
  EventRows(report, *person);
  report.Row({"Father", "", collection.GetIndividualDisplayName(collection.GetFatherOf(m))});
  report.Row({"Mother", "", collection.GetIndividualDisplayName(collection.GetMotherOf(m))});
}

}  // namespace

WReport WReports::General(WABSCollection& collection, const std::string& file_name) {
  WReport report;
  report.title = "General Information";
  WGenPanelRows rows;
  rows.SetFileName(file_name);
  rows.SetCollection(&collection);
  const WGeneralInfo& info = rows.Rows();
  for (int i = 1; i <= info.Count(); ++i) {
    const GenHeaderRec* row = info.GetRow(i);
    if (!row) continue;
    if (row->heading) {
      report.Heading(row->label.empty() ? row->value : row->label);
      report.Table({});
      continue;
    }
    // The file's name is a path in the file system's encoding, not a model text.
    const std::string value = i == WGenPanelRows::kFileNameRow ? Utf8ToAnsi(row->value) : row->value;
    report.Row({row->label, value});
  }
  return report;
}

WReport WReports::Individual(WABSCollection& collection, RecNo n, bool notes, bool chronological,
                             bool tmg_sentence, bool use_lds) {
  WReport report;
  report.title = "Individual Report";
  WIndPanelLogic panel;
  panel.SetCollection(&collection);
  panel.SetUseLDS(use_lds);
  panel.SetChronological(chronological);
  panel.SetTMGSentence(tmg_sentence);
  panel.SetIndividual(n);
  report.Heading(collection.GetIndividualDisplayName(n));
  report.Text("Sex: " + panel.SexText() +
              (panel.ModifiedText().empty() ? "" : "    Modified: " + panel.ModifiedText()));
  report.Table({"Type", "Date", "Information", "Age"});
  for (const IndInfoRec& row : panel.Rows()) report.Row({row.type, row.date, row.information, row.age});
  if (!notes) return report;
  bool heading = false;
  for (const IndInfoRec& row : panel.Rows()) {
    if (row.note.empty() && row.citations.empty()) continue;
    if (!heading) report.Heading("Notes and Sources");
    heading = true;
    std::string type = row.type;
    const size_t first = type.find_first_not_of(' ');
    type = first == std::string::npos ? std::string() : type.substr(first);
    std::string text = type + (row.information.empty() ? "" : ": " + row.information);
    if (!row.note.empty()) text += "\r\nNote: " + row.note;
    if (!row.citations.empty()) text += "\r\nSources: " + row.citations;
    report.Text(text);
  }
  return report;
}

WReport WReports::FamilyGroup(WABSCollection& collection, RecNo n, int marriage) {
  WReport report;
  report.title = "Family Group Sheet";
  std::unique_ptr<WABSIndividual> person = ReadPerson(collection, n);
  if (!person) return report;
  std::unique_ptr<WABSMarriage> family;
  try {
    if (marriage >= 1 && marriage <= person->SpouseFamilyCount())
      family = collection.GetFamily(person->GetSpouseFamily(marriage));
  } catch (const ETaravellError&) {
    family.reset();
  }
  RecNo husband = n, wife = 0;
  if (family) {
    husband = family->GetHusband();
    wife = family->GetWife();
    // A family without a husband (or wife) still shows the person on the side of his or
    // her sex.
    if (husband != n && wife != n) (person->GetSex() == 'F' ? wife : husband) = n;
  } else if (person->GetSex() == 'F') {
    std::swap(husband, wife);
  }
  SpouseSection(report, collection, "Husband", husband);
  SpouseSection(report, collection, "Wife", wife);
  if (!family) return report;
  report.Heading("Marriage");
  report.Table({"Date", "Place"});
  report.Row({family->GetDateText(), family->GetPlaceText()});
  family->OrderChildren();
  const int children = family->ChildCount();
  report.Heading("Children (" + std::to_string(children) + ")");
  report.Table({"Name", "Sex", "Birth", "Death", "Spouse"});
  for (int j = 1; j <= children; ++j) {
    const RecNo c = family->GetChild(j);
    std::unique_ptr<WABSIndividual> child = ReadPerson(collection, c);
    if (!child) continue;
    std::string spouse;
    try {
      if (child->SpouseFamilyCount() > 0)
        if (std::unique_ptr<WABSMarriage> own = collection.GetFamily(child->GetSpouseFamily(1)))
          spouse = collection.GetIndividualDisplayName(own->GetOtherSpouse(c));
    } catch (const ETaravellError&) {
      spouse.clear();
    }
    report.Row({child->GetDisplayName(), std::string(1, child->GetSex()),
                child->GetEventDatePlaceText(evBirth, 1), child->GetEventDatePlaceText(evDeath, 1), spouse});
  }
  return report;
}

WReport WReports::Descendants(WABSCollection& collection, const WDescendantsLogic& list,
                              const std::string& columns) {
  WReport report;
  report.title = "Descendants of " + collection.GetIndividualDisplayName(list.Individual());
  const std::vector<DescendantColumn> shown = WDescendantColumns::Parse(columns);
  std::vector<std::string> headings = {"Name"};
  for (const DescendantColumn& c : shown) headings.push_back(c.caption);
  report.Table(headings);
  for (int i = 0; i < list.RowCount(); ++i) {
    const DescendantRow& row = list.Rows()[i];
    const DescendantTexts texts = list.Texts(i);
    std::string name = (row.spouse ? "+ " : std::to_string(row.generation) + " ") + texts.name;
    if (row.first_row >= 0) name += "  (see row " + std::to_string(row.first_row + 1) + ")";
    std::vector<std::string> cells = {name};
    for (const DescendantColumn& c : shown) cells.push_back(WDescendantColumns::Cell(texts, c.id));
    report.Row(cells, row.Level());
  }
  return report;
}
