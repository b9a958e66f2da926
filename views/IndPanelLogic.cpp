#include "views/IndPanelLogic.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSVitEvent.h"
#include "model/ABSWitness.h"

namespace {

// Indent of the rows that belong to the marriage above them, in the fixed layout.
const char* const kSubRowIndent = "     ";

// Place and description joined by ", " (either alone when the other is empty).
std::string JoinPlaceDescription(const std::string& place, const std::string& description) {
  if (place.empty()) return description;
  if (description.empty()) return place;
  return place + ", " + description;
}

bool IsStandardDate(const WDate& date) { return date.IsValid() && date.IsStandard(); }

// Whole years from `from` to the later date `to`, as people count birthdays: the
// difference of the years, less one when `to` falls before the anniversary of `from` in
// its year.  A missing month or day never counts as before, so an exact anniversary
// counts the full year.
int CompletedYears(const WDate& from, const WDate& to) {
  int years = to.Year() - from.Year();
  const bool month_known = from.Month() != 0 && to.Month() != 0;
  const bool day_known = from.Day() != 0 && to.Day() != 0;
  const bool before_anniversary =
      month_known &&
      (to.Month() < from.Month() || (to.Month() == from.Month() && day_known && to.Day() < from.Day()));
  if (before_anniversary) --years;
  return years < 0 ? 0 : years;
}

}  // namespace

void WIndPanelLogic::SetCollection(WABSCollection* collection) {
  WABSPanelLogic::SetCollection(collection);
  tmg_sentence_visible_ = collection && collection->HasSentences();
  selected_row_ = -1;
  if (!collection) {
    individual_ = 0;
    Rebuild();
  }
}

void WIndPanelLogic::SetIndividual(RecNo n) {
  if (collection_ && n > collection_->IndividualCount()) n = 0;
  const bool other = n != individual_;
  WABSPanelLogic::SetIndividual(n);
  Rebuild();
  // Another person starts on the first row; the same person shown again keeps the row.
  if (other) selected_row_ = rows_.empty() ? -1 : 0;
}

void WIndPanelLogic::SetChronological(bool chronological) {
  if (chronological == chronological_) return;
  chronological_ = chronological;
  Rebuild();
}

void WIndPanelLogic::ToggleChronological() {
  chronological_ = !chronological_;
  Rebuild();
  if (OnChronoChange) OnChronoChange();
}

void WIndPanelLogic::ToggleTMGSentence() {
  tmg_sentence_ = !tmg_sentence_;
  if (OnTMGSentChange) OnTMGSentChange();
}

std::string WIndPanelLogic::NoteText() const {
  if (selected_row_ < 0 || selected_row_ >= static_cast<int>(rows_.size())) return std::string();
  return rows_[selected_row_].note;
}

std::string WIndPanelLogic::CitationsText() const {
  if (selected_row_ < 0 || selected_row_ >= static_cast<int>(rows_.size())) return std::string();
  return rows_[selected_row_].citations;
}

void WIndPanelLogic::ActivateRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  if (rows_[row].individual != 0) RequestIndividual(rows_[row].individual);
}

void WIndPanelLogic::Rebuild() {
  rows_.clear();
  sex_text_.clear();
  modified_text_.clear();
  reference_.reset();
  bracket_ages_ = false;
  const RecNo n = individual_;
  if (collection_ && n > 0 && n <= collection_->IndividualCount()) {
    try {
      std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
      if (person) {
        const char sex = person->GetSex();
        sex_text_ = (sex == 'F' || sex == 'f') ? "F" : (sex == 'M' || sex == 'm') ? "M" : "U";
        modified_text_ = person->GetChangeDateText();
        BuildRows(n, *person);
      }
    } catch (const ETaravellError& e) {
      collection_->NoteDamage(e.what());
      // A record that cannot be read ends the table; the rows built so far stay.
    }
  }
  if (chronological_) SortChronologically();
  // The grid has exactly the rows built (one blank row when there are none), so no row of
  // the previous person stays behind, and the selection stays on a row that exists.
  grid_rows_ = std::max(2, static_cast<int>(rows_.size()) + 1);
  if (selected_row_ >= static_cast<int>(rows_.size())) selected_row_ = static_cast<int>(rows_.size()) - 1;
}

void WIndPanelLogic::AddRow(IndInfoRec&& row) {
  if (static_cast<int>(rows_.size()) < kMaxRows) rows_.push_back(std::move(row));
}

void WIndPanelLogic::AddTypeRow(const std::string& type) {
  IndInfoRec row;
  row.type = type;
  AddRow(std::move(row));
}

std::string WIndPanelLogic::AgeText(const WDate* date) const {
  if (!reference_ || !date || date->Year() == 0) return std::string();
  const int order = reference_->Compare(date);
  std::string age;
  if (order == 0) {
    age = "-----";
  } else {
    if (!IsStandardDate(*reference_) || !IsStandardDate(*date)) return std::string();
    // Counted from the earlier date to the later one; a date before the reference (a
    // parent's birth) shows the count negative.
    const int years = order < 0 ? CompletedYears(*reference_, *date) : CompletedYears(*date, *reference_);
    age = std::to_string(years);
    if (order > 0 && years != 0) age = "-" + age;
  }
  return bracket_ages_ ? "[" + age + "]" : age;
}

void WIndPanelLogic::AddEventRow(const std::string& type, WABSEvent* event) {
  IndInfoRec row;
  row.type = type;
  row.information = JoinPlaceDescription(event->GetPlaceText(), event->GetDescription());
  row.date = event->GetDateText();
  row.sort_date = event->GetSortDateText();
  row.age = AgeText(event->GetDate());
  row.note = event->GetNoteText();
  row.citations = event->GetCitationsText();
  AddRow(std::move(row));
}

std::unique_ptr<WABSIndividual> WIndPanelLogic::ReadIndividual(RecNo m) const {
  try {
    return collection_->GetIndividual(m);
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    return nullptr;
  }
}

std::unique_ptr<WABSMarriage> WIndPanelLogic::ReadFamily(RecNo f) const {
  try {
    return collection_->GetFamily(f);
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    return nullptr;
  }
}

void WIndPanelLogic::AddPersonRow(const std::string& type, RecNo m) {
  IndInfoRec row;
  row.type = type;
  row.individual = m;
  row.background = RowBackground(m);
  row.text_color = RowTextColor(m);
  // An unreadable relative shows a row with the type only.
  std::unique_ptr<WABSIndividual> person = ReadIndividual(m);
  if (person) {
    std::unique_ptr<WABSVitEvent> birth = person->GetEvent(evBirth, 1);
    if (birth) {
      row.date = birth->GetDateText();
      row.sort_date = birth->GetSortDateText();
      row.age = AgeText(birth->GetDate());
    }
    row.information = person->GetNameWithLifespan();
    row.note = person->GetNoteText();
    row.citations = person->GetCitationsText();
  }
  AddRow(std::move(row));
}

void WIndPanelLogic::BuildRows(RecNo n, WABSIndividual& person) {
  // Ages count from the birth; without a dated birth from the christening, in brackets.
  {
    std::unique_ptr<WABSVitEvent> birth = person.GetEvent(evBirth, 1);
    const WDate* date = birth ? birth->GetDate() : nullptr;
    if (date && date->Year() != 0) {
      reference_ = *date;
    } else {
      std::unique_ptr<WABSVitEvent> christening = person.GetEvent(evChristening, 1);
      date = christening ? christening->GetDate() : nullptr;
      if (date && date->Year() != 0) {
        reference_ = *date;
        bracket_ages_ = true;
      }
    }
  }

  IndInfoRec ids;
  ids.type = collection_->GetIdCaption() + "/AFN/" + collection_->GetReferenceCaption();
  ids.information = person.GetID() + " / " + person.GetAFN() + " / " + person.GetReferenceNumber();
  ids.note = person.GetNoteText();
  ids.citations = person.GetCitationsText();
  AddRow(std::move(ids));

  IndInfoRec name_row;
  name_row.type = "Name";
  name_row.information = person.GetFullName(true);
  name_row.individual = n;
  name_row.background = RowBackground(n);
  name_row.text_color = RowTextColor(n);
  if (std::unique_ptr<WABSName> name = person.GetName()) {
    name_row.note = name->GetNoteText();
    name_row.citations = name->GetCitationsText();
  }
  AddRow(std::move(name_row));

  struct Vital {
    int kind;
    const char* type;
  };
  static const Vital kVitals[] = {
      {evBirth, "Birth"}, {evChristening, "Christening"}, {evDeath, "Death"}, {evBurial, "Burial"}};
  for (const Vital& vital : kVitals) {
    std::unique_ptr<WABSVitEvent> event = person.GetEvent(vital.kind, 1);
    if (event) {
      AddEventRow(vital.type, event.get());
    } else if (!chronological_) {
      AddTypeRow(vital.type);
    }
  }

  if (use_lds_) {
    static const Vital kOrdinances[] = {
        {evLDSBaptism, "LDS Baptism"}, {evEndowment, "LDS Endowment"}, {evSealingToParents, "LDS SP"}};
    for (const Vital& ordinance : kOrdinances) {
      std::unique_ptr<WABSLDSEvent> event = person.GetLDSEvent(ordinance.kind);
      if (event) {
        AddEventRow(ordinance.type, event.get());
      } else if (!chronological_) {
        AddTypeRow(ordinance.type);
      }
    }
  }

  const int other_count = person.EventCount(evOther);
  for (int i = 1; i <= other_count; ++i) {
    std::unique_ptr<WABSVitEvent> event = person.GetEvent(evOther, i);
    if (event) {
      AddEventRow(event->GetTypeName(), event.get());
    } else {
      AddTypeRow("User Event");
    }
  }

  const int witness_count = person.WitnessCount();
  for (int i = 1; i <= witness_count; ++i) {
    std::unique_ptr<WABSWitness> witness = person.GetWitness(i);
    if (!witness) {
      AddTypeRow("Witness");
      continue;
    }
    IndInfoRec row;
    row.type = "Witness";
    row.information = witness->GetDescription();
    row.date = witness->GetDateText();
    row.sort_date = witness->GetSortDateText();
    row.age = AgeText(witness->GetDate());
    row.individual = witness->GetPrincipal();
    if (row.individual) {
      row.background = RowBackground(row.individual);
      row.text_color = RowTextColor(row.individual);
    }
    AddRow(std::move(row));
  }

  AddParentRows(person);
  AddMarriageRows(n, person);
}

void WIndPanelLogic::AddParentRows(WABSIndividual& person) {
  const int family_count = person.ParentFamilyCount();
  for (int i = 1; i <= family_count; ++i) {
    RecNo family_no = 0;
    int mother_relation = 0;
    int father_relation = 0;
    if (!person.GetParentFamilyLink(i, family_no, mother_relation, father_relation)) continue;
    std::unique_ptr<WABSMarriage> family = ReadFamily(family_no);
    if (!family) continue;
    // The first of several parent families is the preferred one.
    const std::string preferred = family_count > 1 && i == 1 ? " (P)" : "";
    if (const RecNo father = family->GetHusband()) {
      AddPersonRow(collection_->GetRelationName(father_relation) + preferred, father);
    }
    if (const RecNo mother = family->GetWife()) {
      AddPersonRow(collection_->GetRelationName(mother_relation) + preferred, mother);
    }
  }
}

void WIndPanelLogic::AddMarriageRows(RecNo n, WABSIndividual& person) {
  const std::string indent = chronological_ ? "" : kSubRowIndent;
  const int family_count = person.SpouseFamilyCount();
  for (int i = 1; i <= family_count; ++i) {
    const RecNo family_no = person.GetSpouseFamily(i);
    std::unique_ptr<WABSMarriage> family = ReadFamily(family_no);
    if (!family) {
      // A marriage that cannot be read keeps its place as a row of its own.
      if (family_no > 0 && !chronological_) AddTypeRow("Marriage " + std::to_string(i));
      continue;
    }
    const bool synthesized = family->IsSynthesized();
    if (synthesized && chronological_) continue;
    const std::string marker = synthesized ? "[Created by Taravell] " : "";
    const std::string numbered_type =
        "Marriage " + std::to_string(i) + " (" + std::to_string(family->ChildCount()) + ")";

    IndInfoRec row;
    row.note = family->GetNoteText();
    row.citations = family->GetCitationsText();
    row.date = family->GetDateText();
    row.sort_date = family->GetSortDateText();
    const RecNo spouse = family->GetOtherSpouse(n);
    if (spouse) {
      row.type = chronological_ ? "Marriage" : numbered_type;
      row.information =
          marker + collection_->GetIndividualName(spouse) + ", m. " + family->GetDatePlaceText();
      row.age = AgeText(family->GetDate());
      row.individual = spouse;
      row.background = RowBackground(spouse);
      row.text_color = RowTextColor(spouse);
      AddRow(std::move(row));
      if (use_lds_) {
        const int sealing_count = family->SealingCount();
        for (int j = 1; j <= sealing_count; ++j) {
          std::unique_ptr<WABSLDSEvent> sealing = collection_->GetSpouseSealing(n, i, j);
          if (sealing) {
            AddEventRow(indent + "LDS SS", sealing.get());
          } else if (!chronological_) {
            AddTypeRow(indent + "LDS SS");
          }
        }
      }
    } else {
      row.type = numbered_type;
      row.information = marker;
      AddRow(std::move(row));
    }

    // The display order, as the scroller's hint has already left it when the tab follows
    // the scroller; asking again changes nothing.
    family->OrderChildren();
    const bool is_husband = family->GetHusband() == n;
    const int child_count = family->ChildCount();
    for (int j = 1; j <= child_count; ++j) {
      const RecNo child_no = family->GetChild(j);
      if (child_no <= 0) continue;
      std::string type = "Child";
      if (std::unique_ptr<WABSIndividual> child = ReadIndividual(child_no)) {
        const int link_count = child->ParentFamilyCount();
        for (int k = 1; k <= link_count; ++k) {
          RecNo link_family = 0;
          int mother_relation = 0;
          int father_relation = 0;
          if (child->GetParentFamilyLink(k, link_family, mother_relation, father_relation) &&
              link_family == family_no) {
            type = collection_->GetChildRelationName(is_husband ? father_relation : mother_relation,
                                                     child->GetSex());
            break;
          }
        }
      }
      AddPersonRow(indent + type, child_no);
    }
  }
}

void WIndPanelLogic::SortChronologically() {
  const int count = static_cast<int>(rows_.size());
  if (count < 4) return;
  // Parse every sort date once; the exchange sort then works on positions.
  struct Key {
    WDate date;
    bool dated;
  };
  std::vector<Key> keys;
  keys.reserve(count);
  for (const IndInfoRec& row : rows_) {
    WDate date(row.sort_date);
    const bool dated = date.IsValid() && date.IsStandard();
    keys.push_back({std::move(date), dated});
  }
  std::vector<int> order(count);
  std::iota(order.begin(), order.end(), 0);
  // True when row a belongs before row b.
  auto before = [&](int a, int b) {
    const Key& ka = keys[a];
    const Key& kb = keys[b];
    if (ka.dated != kb.dated) return !ka.dated;
    int c = ka.dated ? ka.date.Compare(kb.date) : rows_[a].sort_date.compare(rows_[b].sort_date);
    if (c != 0) return c < 0;
    return rows_[a].type < rows_[b].type;
  };
  // The identifier and name rows stay on top.
  for (int i = 2; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      if (before(order[j], order[i])) std::swap(order[i], order[j]);
    }
  }
  IndInfoArray sorted;
  sorted.reserve(count);
  for (int index : order) sorted.push_back(std::move(rows_[index]));
  rows_ = std::move(sorted);
}
