#include "views/FamPanelLogic.h"

#include <algorithm>
#include <memory>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"

void WFamPanelLogic::SetIndividual(RecNo n) {
  if (collection_ && n > collection_->IndividualCount()) n = 0;
  WABSPanelLogic::SetIndividual(n);
  marriages_.clear();
  current_marriage_ = 0;
  if (collection_ && n > 0) {
    try {
      if (std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n)) {
        const int count = std::min(person->SpouseFamilyCount(), kMaxMarriages);
        for (int i = 1; i <= count; ++i) marriages_.push_back(person->GetSpouseFamily(i));
      }
    } catch (const ETaravellError& e) {
      collection_->NoteDamage(e.what());
      // A person who cannot be read shows no marriages.
      marriages_.clear();
    }
    if (!marriages_.empty()) current_marriage_ = 1;
  }
  Refresh();
}

void WFamPanelLogic::SetShowIndHint(bool show) {
  show_ind_hint_ = show;
  Refresh();
}

void WFamPanelLogic::SetFamBirChr(bool fall_back) {
  fam_bir_chr_ = fall_back;
  Refresh();
}

void WFamPanelLogic::Clear() {
  for (WIndInfoBox& box : boxes_) box.Clear();
  arrows_.fill(false);
  marriage_label_.clear();
  counter_label_.clear();
  children_.clear();
}

void WFamPanelLogic::Refresh() {
  Clear();
  const RecNo n = individual_;
  if (!collection_ || n == 0) return;
  RecNo spouse = 0;
  if (current_marriage_ > 0) LoadMarriage(n, spouse);
  const int count = MarriageCount();
  if (count >= 2) {
    counter_label_ = "(" + std::to_string(current_marriage_) + " of " + std::to_string(count) + ")";
  }
  RecNo father = 0, mother = 0, spouse_father = 0, spouse_mother = 0;
  try {
    father = collection_->GetFatherOf(n);
    mother = collection_->GetMotherOf(n);
    spouse_father = collection_->GetFatherOf(spouse);
    spouse_mother = collection_->GetMotherOf(spouse);
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // Parents that cannot be found leave their boxes empty.
  }
  FillBox(fbActive, n);
  FillBox(fbFather, father);
  FillBox(fbMother, mother);
  FillBox(fbSpouse, spouse);
  FillBox(fbSpouseFather, spouse_father);
  FillBox(fbSpouseMother, spouse_mother);
  for (int box : {fbFather, fbMother, fbSpouseFather, fbSpouseMother}) {
    const RecNo m = boxes_[box].Individual();
    try {
      arrows_[box] = m != 0 && (collection_->GetFatherOf(m) != 0 || collection_->GetMotherOf(m) != 0);
    } catch (const ETaravellError& e) {
      collection_->NoteDamage(e.what());
      arrows_[box] = false;
    }
  }
}

void WFamPanelLogic::LoadMarriage(RecNo n, RecNo& spouse) {
  try {
    std::unique_ptr<WABSMarriage> family = collection_->GetFamily(marriages_[current_marriage_ - 1]);
    if (!family) return;
    spouse = family->GetOtherSpouse(n);
    marriage_label_ = family->GetDatePlaceText();
    family->OrderChildren();
    const int count = std::min(family->ChildCount(), kMaxChildren);
    for (int j = 1; j <= count; ++j) children_.push_back(ChildRow(family->GetChild(j)));
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // A family that cannot be read shows what was read of it.
  }
  grid_rows_ = std::max(grid_rows_, static_cast<int>(children_.size()) + 1);
}

FamilyGridRec WFamPanelLogic::ChildRow(RecNo child_no) {
  FamilyGridRec row;
  row.child = child_no;
  std::unique_ptr<WABSIndividual> child;
  try {
    child = collection_->GetIndividual(child_no);
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // An unreadable child gets an empty row.
  }
  if (!child) return row;
  row.sex = std::string(1, child->GetSex());
  row.birth = child->GetEventDateText(evBirth, 1);
  if (row.birth.empty() && fam_bir_chr_) {
    const std::string christening = child->GetEventDateText(evChristening, 1);
    if (!christening.empty()) row.birth = "[" + christening + "]";
  }
  row.death = child->GetEventDateText(evDeath, 1);
  if (row.death.empty() && fam_bir_chr_) {
    const std::string burial = child->GetEventDateText(evBurial, 1);
    if (!burial.empty()) row.death = "[" + burial + "]";
  }
  const int family_count = child->SpouseFamilyCount();
  if (family_count > 0) {
    row.spouse_family_count = family_count;
    try {
      std::unique_ptr<WABSMarriage> family = collection_->GetFamily(child->GetSpouseFamily(1));
      const RecNo spouse = family ? family->GetOtherSpouse(child_no) : 0;
      if (spouse) {
        row.first_spouse = spouse;
        row.has_grandchildren = family->ChildCount() > 0;
      }
    } catch (const ETaravellError& e) {
      collection_->NoteDamage(e.what());
      // A marriage of the child that cannot be read shows as no spouse; the other children
      // still follow.
    }
    if (!row.first_spouse) row.spouse_family_count = 0;
  }
  return row;
}

void WFamPanelLogic::FillBox(int box, RecNo m) {
  if (m == 0) {
    boxes_[box].Clear();
    return;
  }
  boxes_[box].Fill(*collection_, m, use_lds_, fam_bir_chr_, show_ind_hint_, RowBackground(m),
                   RowTextColor(m));
}

void WFamPanelLogic::NextSpouse() {
  if (marriages_.empty()) return;
  current_marriage_ = current_marriage_ % MarriageCount() + 1;
  Refresh();
}

bool WFamPanelLogic::ArrowVisible(int box) const {
  if (box == fbActive || box == fbSpouse || box < 0 || box >= kBoxCount) return false;
  return arrows_[box];
}

std::string WFamPanelLogic::HeadingText(int column) const {
  switch (column) {
    case 1:
      return "Children (" + std::to_string(children_.size()) + ")";
    case 2:
      return "Sex";
    case 3:
      return "Birth";
    case 4:
      return "Death";
    case 5:
      return "Spouse";
    default:
      return std::string();
  }
}

std::string WFamPanelLogic::CellText(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(children_.size()) || !collection_) return std::string();
  const FamilyGridRec& rec = children_[row];
  try {
    switch (column) {
      case 0:
        return rec.has_grandchildren ? "+" : "";
      case 1:
        return collection_->GetIndividualDisplayName(rec.child);
      case 2:
        return rec.sex;
      case 3:
        return rec.birth;
      case 4:
        return rec.death;
      case 5: {
        std::string text;
        if (rec.spouse_family_count >= 2) text = "(1 of " + std::to_string(rec.spouse_family_count) + ") ";
        if (rec.first_spouse) text += collection_->GetIndividualDisplayName(rec.first_spouse);
        return text;
      }
      default:
        return std::string();
    }
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    return std::string();
  }
}

void WFamPanelLogic::ActivateBox(int box) {
  if (box < 0 || box >= kBoxCount) return;
  if (const RecNo m = boxes_[box].Individual()) RequestIndividual(m);
}

void WFamPanelLogic::ActivateArrow(int box) {
  if (ArrowVisible(box)) ActivateBox(box);
}

void WFamPanelLogic::ActivateCell(int row, int column) {
  if (row < 0 || row >= static_cast<int>(children_.size())) return;
  const FamilyGridRec& rec = children_[row];
  if (column == 1 && rec.child) RequestIndividual(rec.child);
  if (column == 5 && rec.first_spouse) RequestIndividual(rec.first_spouse);
}
