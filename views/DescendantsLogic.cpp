#include "views/DescendantsLogic.h"

#include <algorithm>
#include <memory>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"

namespace {

enum ColumnId : int {
  kDeathPlace = 18,
  kDeathDate = 19,
  kMarriageDate = 59,
  kMarriagePlace = 60,
  kBirthDate = 65,
  kBirthPlace = 67,
};

const DescendantColumn kColumns[] = {
    {kBirthDate, "Birth", 90},       {kBirthPlace, "Birth Place", 160},
    {kDeathDate, "Death", 90},       {kDeathPlace, "Death Place", 160},
    {kMarriageDate, "Marriage", 90}, {kMarriagePlace, "Marriage Place", 160},
};

}  // namespace

std::vector<DescendantColumn> WDescendantColumns::Parse(const std::string& setting) {
  std::vector<DescendantColumn> columns;
  size_t start = 0;
  while (start <= setting.size()) {
    size_t end = setting.find(',', start);
    if (end == std::string::npos) end = setting.size();
    int id = 0;
    bool digits = end > start;
    for (size_t i = start; i < end && digits; ++i) {
      const char c = setting[i];
      if (c == ' ') continue;
      if (c < '0' || c > '9' || id > 100000)
        digits = false;
      else
        id = id * 10 + (c - '0');
    }
    if (digits) {
      const DescendantColumn* column = Find(id);
      bool listed = false;
      for (const DescendantColumn& c : columns) listed = listed || c.id == id;
      if (column && !listed) columns.push_back(*column);
    }
    start = end + 1;
  }
  return columns;
}

const DescendantColumn* WDescendantColumns::Find(int id) {
  for (const DescendantColumn& column : kColumns)
    if (column.id == id) return &column;
  return nullptr;
}

std::string WDescendantColumns::Cell(const DescendantTexts& texts, int id) {
  switch (id) {
    case kBirthDate:
      return texts.birth_date;
    case kBirthPlace:
      return texts.birth_place;
    case kDeathDate:
      return texts.death_date;
    case kDeathPlace:
      return texts.death_place;
    case kMarriageDate:
      return texts.marriage_date;
    case kMarriagePlace:
      return texts.marriage_place;
    default:
      return std::string();
  }
}

void WDescendantsLogic::SetIndividual(RecNo n) {
  if (collection_ && (n < 0 || n > collection_->IndividualCount())) n = 0;
  WABSPanelLogic::SetIndividual(n);
  Refresh();
}

void WDescendantsLogic::SetGenerationLimit(int generations) {
  generation_limit_ = std::clamp(generations, 1, kMaxGenerations);
}

void WDescendantsLogic::Refresh() {
  rows_.clear();
  truncated_ = false;
  first_row_.clear();
  first_descendant_row_.clear();
  on_line_.clear();
  if (!collection_ || individual_ <= 0) return;
  const size_t count = static_cast<size_t>(collection_->IndividualCount()) + 1;
  first_row_.assign(count, -1);
  first_descendant_row_.assign(count, -1);
  on_line_.assign(count, false);
  AddPerson(individual_, 0, 1);
  // Going backwards, `pending` bit k says that a later row at level k hangs from the same
  // row at level k - 1 as the rows being passed: a row at level L keeps the bits below L,
  // sets its own and ends every deeper one.
  uint64_t pending = 0;
  for (auto it = rows_.rbegin(); it != rows_.rend(); ++it) {
    const int level = it->Level();
    const uint64_t up_to_level = level >= 63 ? ~uint64_t{0} : (uint64_t{2} << level) - 1;
    it->continues = pending & up_to_level & ~uint64_t{1};
    pending = (pending & (up_to_level >> 1)) | (uint64_t{1} << level);
  }
  first_row_ = {};
  first_descendant_row_ = {};
  on_line_ = {};
}

int WDescendantsLogic::AddRow(const DescendantRow& row) {
  if (rows_.size() >= kMaxRows) {
    truncated_ = true;
    return -1;
  }
  rows_.push_back(row);
  const int index = static_cast<int>(rows_.size()) - 1;
  int32_t& first = first_row_[row.individual];
  if (first < 0) first = index;
  return index;
}

void WDescendantsLogic::AddPerson(RecNo m, RecNo from_family, int generation) {
  DescendantRow row;
  row.generation = generation;
  row.individual = m;
  row.family = from_family;
  const int32_t seen = first_descendant_row_[m];
  const bool loop = on_line_[m];
  if (seen >= 0 || loop) row.first_row = first_row_[m];
  const int index = AddRow(row);
  if (index < 0) return;
  // A person met again is followed again only when repeats are asked for, and never when
  // he or she is on the line down to here.
  if (loop || (seen >= 0 && !repeat_duplicates_)) return;
  if (seen < 0) first_descendant_row_[m] = index;
  // Followed again on purpose (repeats asked for): the row stands on its own.
  rows_[index].first_row = -1;

  std::unique_ptr<WABSIndividual> person;
  try {
    person = collection_->GetIndividual(m);
  } catch (const ETaravellError&) {
    // A person who cannot be read has no descendants to show.
  }
  if (!person) return;
  const RecNo last = collection_->IndividualCount();
  int families = 0;
  try {
    families = person->SpouseFamilyCount();
  } catch (const ETaravellError&) {
    families = 0;
  }
  on_line_[m] = true;
  for (int i = 1; i <= families && !truncated_; ++i) {
    std::unique_ptr<WABSMarriage> family;
    RecNo spouse = 0;
    int children = 0;
    try {
      const RecNo family_no = person->GetSpouseFamily(i);
      if (family_no > 0) family = collection_->GetFamily(family_no);
      if (!family) continue;
      family->OrderChildren();
      spouse = family->GetOtherSpouse(m);
      children = family->ChildCount();
    } catch (const ETaravellError&) {
      continue;  // the other families still follow
    }
    if (spouse > 0 && spouse <= last && spouse != m) {
      DescendantRow partner;
      partner.generation = generation;
      partner.spouse = true;
      partner.individual = spouse;
      partner.family = family->GetRecNo();
      partner.first_row = first_row_[spouse];
      if (AddRow(partner) < 0) break;
    }
    if (generation >= generation_limit_) continue;
    for (int j = 1; j <= children && !truncated_; ++j) {
      RecNo child = 0;
      try {
        child = family->GetChild(j);
      } catch (const ETaravellError&) {
        child = 0;
      }
      if (child > 0 && child <= last) AddPerson(child, family->GetRecNo(), generation + 1);
    }
  }
  on_line_[m] = false;
}

DescendantTexts WDescendantsLogic::Texts(int row) const {
  DescendantTexts texts;
  if (!collection_ || row < 0 || row >= RowCount()) return texts;
  const DescendantRow& r = rows_[row];
  try {
    if (std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(r.individual)) {
      texts.name = person->GetDisplayName();
      texts.birth_date = person->GetEventDateText(evBirth, 1);
      texts.birth_place = person->GetEventPlaceText(evBirth, 1);
      texts.death_date = person->GetEventDateText(evDeath, 1);
      texts.death_place = person->GetEventPlaceText(evDeath, 1);
    }
    if (r.spouse && r.family > 0) {
      if (std::unique_ptr<WABSMarriage> family = collection_->GetFamily(r.family)) {
        texts.marriage_date = family->GetDateText();
        texts.marriage_place = family->GetPlaceText();
      }
    }
  } catch (const ETaravellError&) {
    // What could be read is shown.
  }
  return texts;
}

void WDescendantsLogic::Activate(int row) {
  if (row >= 0 && row < RowCount() && rows_[row].individual > 0) RequestIndividual(rows_[row].individual);
}
