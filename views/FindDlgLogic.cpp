#include "views/FindDlgLogic.h"

#include <array>
#include <cctype>

#include "base/Errors.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "search/Attrib.h"

std::string WFindDlgLogic::MarriageItem::Text() const {
  if (!spouse) return name;
  if (individual == 0) return "Spouse: <Not Entered>";
  return "Spouse: " + (name.empty() ? std::string("<No Given Name>") : name);
}

WFindDlgLogic::WFindDlgLogic(WABSCollection* collection, const WSortLists& lists)
    : collection_(collection), lists_(lists) {
  own_list_ = std::make_unique<WColSortIterator>(collection, collection ? collection->IndividualCount() : 0);
  own_list_->Fill();
  own_list_->MarkSorted();
  list_ = own_list_.get();
}

WFindDlgLogic::~WFindDlgLogic() = default;

std::string WFindDlgLogic::IdCaption() const { return collection_ ? collection_->GetIdCaption() : "RIN"; }

int WFindDlgLogic::ColumnOf(Mode mode) {
  switch (mode) {
    case fmRIN:
      return acRIN;
    case fmSurname:
      return acSurnameGiven;
    case fmName:
      return acFullName;
    case fmCustom:
      return acUserID;
    default:
      return 0;
  }
}

WColSortIterator* WFindDlgLogic::ListOf(Mode mode) const {
  WColSortIterator* lent = lists_.ForColumn(ColumnOf(mode));
  return lent ? lent : own_list_.get();
}

void WFindDlgLogic::SortIfNeeded() {
  if (list_ == own_list_.get() || list_->IsSorted()) return;
  // A new wait begins: a cancel of an earlier one must not stop this sort.
  ImportCancelled = false;
  if (OnSortBegin) OnSortBegin();
  {
    BusySection busy;
    list_->SortByColumn(ColumnOf(mode_));
  }
  if (OnSortEnd) OnSortEnd();
}

void WFindDlgLogic::Show() { ShowInMode(Settings().GetInt(WSettings::FindDlg)); }

void WFindDlgLogic::ShowInMode(int mode) {
  auto_search_ = Settings().GetBool(WSettings::AutoSearch);
  search_enabled_ = false;
  search_red_ = false;
  mode_ = mode >= fmIndex && mode <= fmCustom ? static_cast<Mode>(mode) : fmSurname;
  list_ = ListOf(mode_);
  SortIfNeeded();
  row_ = selected_ > 0 ? list_->IndexOf(selected_) : 0;
  if (row_ > 0) list_->Get(row_);
  search_text_ = selected_ > 0 ? TextFor(selected_, row_) : std::string();
  ShowIndividual(selected_ > 0 ? selected_ : 0);
}

void WFindDlgLogic::SetMode(int mode) {
  if (mode < fmIndex || mode > fmCustom) return;
  mode_ = static_cast<Mode>(mode);
  list_ = ListOf(mode_);
  SortIfNeeded();
  row_ = selected_ > 0 ? list_->IndexOf(selected_) : 0;
  if (row_ > 0) list_->Get(row_);
  search_text_ = selected_ > 0 ? TextFor(selected_, row_) : std::string();
  Settings().SetInt(WSettings::FindDlg, mode_);
}

void WFindDlgLogic::TextChanged(const std::string& text) {
  search_text_ = text;
  if (auto_search_) {
    Search();
  } else {
    search_enabled_ = true;
    search_red_ = true;
  }
}

void WFindDlgLogic::PressSearch() {
  Search();
  search_enabled_ = false;
  search_red_ = false;
}

bool WFindDlgLogic::PressOK() {
  if (!auto_search_ && search_enabled_) {
    PressSearch();
    return false;
  }
  const RecNo n = list_->RecordAt(row_);
  if (n > 0) selected_ = n;
  return true;
}

void WFindDlgLogic::DoubleClickRow(int row) {
  SelectRow(row);
  const RecNo n = list_->RecordAt(row_);
  if (n > 0) selected_ = n;
}

void WFindDlgLogic::KeyUp() {
  if (row_ > 1)
    SelectRow(row_ - 1);
  else if (row_ == 0)
    SelectRow(1);
}

void WFindDlgLogic::KeyDown() {
  if (row_ < list_->Count()) SelectRow(row_ + 1);
}

void WFindDlgLogic::DoubleClickMarriageItem(int index) {
  if (index < 0 || index >= static_cast<int>(marriages_.size())) return;
  GoToPerson(marriages_[index].individual);
}

void WFindDlgLogic::GoToPerson(RecNo n) {
  if (n <= 0) return;
  const int row = list_->IndexOf(n);
  if (row > 0) SelectRow(row);
}

void WFindDlgLogic::Search() {
  if (search_text_.empty() || !collection_) return;
  searching_ = true;
  BusySection busy;
  int row = 0;
  try {
    switch (mode_) {
      case fmIndex: {
        const int64_t n = TypedNumber(search_text_);
        const int count = collection_->DisplayCount();
        row = static_cast<int>(n > count ? count : n);
        break;
      }
      case fmRIN: {
        // GEDCOM identifiers are typed without their letter ("12" finds I12); other
        // readers know their individuals by the number as typed.
        std::string id = search_text_;
        const RecNo n = collection_->FindIndividual(collection_->IdentifierFromTyped(id));
        if (n > 0) row = list_->IndexOf(n);
        break;
      }
      case fmCustom:
        row = FindByUserID(*list_, search_text_);
        break;
      case fmSurname: {
        std::string surname, given;
        SplitAtComma(search_text_, surname, given);
        row = FindBySurnameGiven(*list_, TrimText(surname), given);
        break;
      }
      case fmName:
        row = FindByFullName(*list_, search_text_);
        break;
    }
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    row = 0;
  }
  if (row > 0) SelectRow(row);
  searching_ = false;
}

void WFindDlgLogic::SelectRow(int row) {
  const RecNo n = list_->Get(row);
  if (n <= 0) return;
  row_ = row;
  if (n == selected_) return;
  selected_ = n;
  ShowIndividual(n);
  if (!searching_) search_text_ = TextFor(n, row);
}

std::string WFindDlgLogic::TextFor(RecNo n, int row) const {
  if (mode_ == fmIndex) return std::to_string(row);
  try {
    std::unique_ptr<WABSIndividual> person = collection_ ? collection_->GetIndividual(n) : nullptr;
    if (!person) return std::string();
    switch (mode_) {
      case fmRIN:
        return person->GetID();
      case fmCustom:
        return person->GetReferenceNumber();
      case fmSurname:
        return person->GetSurnameText() + ", " + person->GetGivenNamesText();
      default: {
        const std::string given = person->GetGivenNamesText();
        return given.empty() ? person->GetSurnameText() : given + " " + person->GetSurnameText();
      }
    }
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    return std::string();
  }
}

void WFindDlgLogic::ShowIndividual(RecNo n) {
  if (!collection_ || n <= 0) {
    selected_box_.Clear();
    father_box_.Clear();
    mother_box_.Clear();
    marriage_count_ = 0;
    marriages_.clear();
    return;
  }
  auto fill = [this](WIndInfoBox& box, RecNo m) {
    box.Fill(*collection_, m, false, false, true, kColorWhite, kColorBlack);
  };
  fill(selected_box_, n);
  RecNo father = 0, mother = 0;
  try {
    father = collection_->GetFatherOf(n);
    mother = collection_->GetMotherOf(n);
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
  }
  fill(father_box_, father);
  fill(mother_box_, mother);
  BuildMarriages(n);
}

void WFindDlgLogic::BuildMarriages(RecNo n) {
  marriages_.clear();
  marriage_count_ = 0;
  try {
    std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
    if (!person) return;
    marriage_count_ = person->SpouseFamilyCount();
    auto add = [this](MarriageItem item) {
      if (static_cast<int>(marriages_.size()) < kMaxMarriageItems) marriages_.push_back(std::move(item));
    };
    for (int i = 1; i <= marriage_count_; ++i) {
      std::unique_ptr<WABSMarriage> family = collection_->GetFamily(person->GetSpouseFamily(i));
      if (!family) continue;
      family->OrderChildren();
      MarriageItem spouse;
      spouse.spouse = true;
      spouse.individual = family->GetOtherSpouse(n);
      if (spouse.individual) spouse.name = collection_->GetIndividualName(spouse.individual);
      add(spouse);
      const int children = family->ChildCount();
      for (int j = 1; j <= children; ++j) {
        const RecNo child_no = family->GetChild(j);
        if (child_no <= 0) continue;
        MarriageItem child;
        child.individual = child_no;
        child.has_children = collection_->HasChildren(child_no);
        if (std::unique_ptr<WABSIndividual> kid = collection_->GetIndividual(child_no)) {
          child.birth_year = kid->GetEventYear(evBirth, 1);
          child.name = kid->GetFullName(true);
        }
        add(child);
      }
    }
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // What was read so far stays listed.
  }
}

std::string WFindDlgLogic::MarriagesLabel() const {
  return "Marriages (" + std::to_string(marriage_count_) + ")";
}

int WFindDlgLogic::RowCount() const { return (collection_ ? collection_->DisplayCount() : 0) + 1; }

std::string WFindDlgLogic::CountLabel() const {
  return std::to_string(collection_ ? collection_->DisplayCount() : 0) + " Individuals";
}

std::string WFindDlgLogic::RadioCaption(int mode) const {
  switch (mode) {
    case fmIndex:
      return "Index";
    case fmRIN:
      return IdCaption();
    case fmSurname:
      return "Surname, Name";
    case fmName:
      return "Name Surname";
    case fmCustom:
      return "User";
    default:
      return std::string();
  }
}

std::string WFindDlgLogic::CellText(int row, int column) const {
  if (row == 0) {
    switch (column) {
      case 0:
        return "Index";
      case 1:
        return mode_ == fmCustom ? "User ID" : IdCaption();
      case 2:
        return "Name";
      case 3:
        return "Birth/[Chr]";
      default:
        return std::string();
    }
  }
  const RecNo n = list_->RecordAt(row);
  if (n <= 0 || column < 0 || column > 3) return std::string();
  if (column == 0) return std::to_string(n);
  try {
    std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
    if (!person) return std::string();
    switch (column) {
      case 1:
        return mode_ == fmCustom ? person->GetReferenceNumber() : person->GetID();
      case 2: {
        const std::string surname = person->GetSurnameText();
        const std::string given = person->GetGivenNamesText();
        if (mode_ == fmSurname) return surname + ", " + given;
        return given.empty() ? surname : given + " " + surname;
      }
      default: {
        const std::string birth = person->GetEventDateText(evBirth, 1);
        if (!birth.empty()) return birth;
        const std::string christening = person->GetEventDateText(evChristening, 1);
        return christening.empty() ? std::string() : "[" + christening + "]";
      }
    }
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    return std::string();
  }
}
