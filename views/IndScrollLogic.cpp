#include "views/IndScrollLogic.h"

#include <algorithm>
#include <memory>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"

WIndScrollLogic::WIndScrollLogic() { jump_list_.reserve(kMaxJumps); }

void WIndScrollLogic::SetCollection(WABSCollection* collection) {
  if (collection == collection_ && collection) return;
  collection_ = collection;
  back_.clear();
  forward_.clear();
  jump_list_.clear();
  if (!collection_) {
    caption_.clear();
    caption_hint_.clear();
    father_hint_.clear();
    mother_hint_.clear();
    scroll_enabled_ = father_enabled_ = mother_enabled_ = spouse_enabled_ = false;
    current_ = 0;
    position_ = 0;
    spouse_menu_.SetItemString(std::string());
    RaiseChange();
    return;
  }
  current_ = 1;
  scroll_enabled_ = father_enabled_ = mother_enabled_ = spouse_enabled_ = true;
  const int count = collection_->DisplayCount();
  if (count < 1) {
    // Nothing to scroll over: the caption stays as it was and the buttons find nobody.
    scroll_enabled_ = false;
    position_ = 0;
    scroll_max_ = 1;
    page_step_ = 1;
    RaiseChange();
    return;
  }
  scroll_max_ = count;
  position_ = 1;
  page_step_ = std::max(count / 100, 1);
  Update(true);
}

RecNo WIndScrollLogic::CurrentIndividual() const {
  if (!collection_) return position_;
  if (!scroll_enabled_) return 0;
  return collection_->DisplayToRecord(position_);
}

void WIndScrollLogic::SetPosition(int position, bool notify) {
  if (!scroll_enabled_) return;
  position = std::clamp(position, 1, scroll_max_);
  if (position == position_) return;
  position_ = position;
  Update(notify);
}

void WIndScrollLogic::PushBack(RecNo n) {
  if (back_.empty() || back_.back() != n) back_.push_back(n);
}

void WIndScrollLogic::RaiseChange() {
  if (OnChange) OnChange();
}

void WIndScrollLogic::GoToIndividual(RecNo n) {
  if (n <= 0 || !collection_) return;
  // The position change and the history step make one change, announced once.
  SetPosition(collection_->RecordToDisplay(n), false);
  PushBack(current_);
  current_ = CurrentIndividual();
  RaiseChange();
}

WIndScrollLogic::Kept WIndScrollLogic::Keep() const {
  Kept kept;
  if (!collection_) return kept;
  auto id_of = [this](RecNo n) -> std::string {
    try {
      std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
      return person ? person->GetID() : std::string();
    } catch (const ETaravellError&) {
      return std::string();
    }
  };
  kept.current = id_of(CurrentIndividual());
  for (RecNo n : back_) kept.back.push_back(id_of(n));
  for (RecNo n : forward_) kept.forward.push_back(id_of(n));
  return kept;
}

void WIndScrollLogic::Restore(const Kept& kept) {
  if (!collection_) return;
  auto find = [this](const std::string& id) -> RecNo {
    if (id.empty()) return 0;
    try {
      return collection_->FindIndividual(id);
    } catch (const ETaravellError&) {
      return 0;
    }
  };
  std::vector<RecNo> back, forward;
  for (const std::string& id : kept.back)
    if (RecNo n = find(id); n > 0 && (back.empty() || back.back() != n)) back.push_back(n);
  for (const std::string& id : kept.forward)
    if (RecNo n = find(id); n > 0 && (forward.empty() || forward.back() != n)) forward.push_back(n);
  RecNo current = find(kept.current);
  if (current <= 0 && collection_->DisplayCount() > 0) current = collection_->DisplayToRecord(1);
  if (current > 0) SetPosition(collection_->RecordToDisplay(current), false);
  current_ = CurrentIndividual();
  back_ = std::move(back);
  forward_ = std::move(forward);
  Update(true);
}

void WIndScrollLogic::GoBack() {
  if (back_.empty()) return;
  if (back_.back() == CurrentIndividual()) {
    back_.pop_back();
    if (back_.empty()) return;
  }
  forward_.push_back(current_);
  const RecNo target = back_.back();
  back_.pop_back();
  current_ = target;
  GoToIndividual(target);
  // Going back is no new step: take away the entry the jump just recorded.
  if (!back_.empty() && back_.back() == target) back_.pop_back();
}

void WIndScrollLogic::GoForward() {
  if (forward_.empty()) return;
  if (forward_.back() == CurrentIndividual()) {
    forward_.pop_back();
    if (forward_.empty()) return;
  }
  back_.push_back(current_);
  const RecNo target = forward_.back();
  forward_.pop_back();
  current_ = target;
  GoToIndividual(target);
}

void WIndScrollLogic::UserScroll(int position, bool tracking) {
  if (tracking) {
    SetPosition(position, true);
    return;
  }
  // The history is brought up to date before the change is announced, so that listeners
  // see Back and Forward as they now are.
  const int before = position_;
  const size_t back_size = back_.size();
  const bool had_forward = !forward_.empty();
  SetPosition(position, false);
  PushBack(current_);
  current_ = CurrentIndividual();
  forward_.clear();
  if (position_ != before || back_.size() != back_size || had_forward) RaiseChange();
}

bool WIndScrollLogic::BuildCaption(RecNo n) {
  std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
  if (!person) return false;
  caption_ = " " + std::to_string(n) + " - " + person->GetDisplayName() + ", " +
             person->GetEventDateText(evBirth, 1) + ", " + person->GetEventPlaceText(evBirth, 1);
  return true;
}

void WIndScrollLogic::RefreshCaption() {
  if (!collection_ || !scroll_enabled_) return;
  try {
    BuildCaption(CurrentIndividual());
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // An unreadable record keeps the caption as it was.
  }
}

void WIndScrollLogic::Update(bool notify) {
  if (!collection_ || !scroll_enabled_) return;
  const RecNo n = CurrentIndividual();
  caption_hint_.clear();
  try {
    if (BuildCaption(n)) {
      jump_list_.clear();
      std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
      spouse_enabled_ = person && (collection_->HasChildren(n) || person->SpouseFamilyCount() > 0);
      caption_hint_ = collection_->GetIndividualSummary(n);
    }
    const RecNo father = collection_->GetFatherOf(n);
    father_enabled_ = father != 0;
    father_hint_ = father ? collection_->GetIndividualDisplayName(father) : std::string();
    const RecNo mother = collection_->GetMotherOf(n);
    mother_enabled_ = mother != 0;
    mother_hint_ = mother ? collection_->GetIndividualDisplayName(mother) : std::string();
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // A record that cannot be read leaves the buttons without a target.
    father_enabled_ = mother_enabled_ = false;
    father_hint_.clear();
    mother_hint_.clear();
  }
  if (notify) RaiseChange();
}

void WIndScrollLogic::GoToFather() {
  if (!collection_) return;
  const RecNo father = collection_->GetFatherOf(CurrentIndividual());
  if (father) GoToIndividual(father);
}

void WIndScrollLogic::GoToMother() {
  if (!collection_) return;
  const RecNo mother = collection_->GetMotherOf(CurrentIndividual());
  if (mother) GoToIndividual(mother);
}

std::string WIndScrollLogic::SpouseMenuItems(WABSCollection& collection, RecNo n, bool order_children,
                                             std::vector<RecNo>& jumps) {
  jumps.clear();
  auto add_jump = [&jumps](RecNo m) {
    if (static_cast<int>(jumps.size()) < kMaxJumps) jumps.push_back(m);
  };
  std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
  if (!person) return std::string();
  std::string items;
  const int family_count = person->SpouseFamilyCount();
  for (int i = 1; i <= family_count; ++i) {
    std::unique_ptr<WABSMarriage> family = collection.GetFamily(person->GetSpouseFamily(i));
    if (!family) continue;
    const RecNo spouse = family->GetOtherSpouse(n);
    add_jump(spouse);
    items += "Spouse: " + (spouse ? collection.GetIndividualDisplayName(spouse) : "<No Given Name>") + ";";
    if (order_children) family->OrderChildren();
    const int child_count = family->ChildCount();
    for (int j = 1; j <= child_count; ++j) {
      const RecNo child_no = family->GetChild(j);
      if (child_no <= 0) continue;
      add_jump(child_no);
      std::unique_ptr<WABSIndividual> child = collection.GetIndividual(child_no);
      std::string label = collection.HasChildren(child_no) ? "< " : "   ";
      const int year = child ? child->GetEventYear(evBirth, 1) : 0;
      label += year ? std::to_string(year) + " " : std::string(8, ' ');
      if (child) label += child->GetDisplayName();
      items += "   " + label + ";";
    }
  }
  if (!items.empty()) items.back() = ' ';
  return items;
}

void WIndScrollLogic::BuildSpouseMenu() {
  if (!collection_) return;
  const RecNo n = CurrentIndividual();
  if (n == 0) return;
  try {
    // An individual who cannot be read leaves the menu as it was.
    if (!collection_->GetIndividual(n)) return;
    spouse_menu_.SetItemString(SpouseMenuItems(*collection_, n, true, jump_list_));
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // The menu keeps its previous items; the jump list is empty, so they lead nowhere.
    jump_list_.clear();
  }
}

void WIndScrollLogic::ChooseSpouseMenuItem(int index) {
  if (index < 0 || index >= spouse_menu_.Count() || spouse_menu_.IsSeparator(index)) return;
  spouse_menu_.Choose(index);
  const int selected = spouse_menu_.ItemSelected();
  if (selected < 1 || selected > static_cast<int>(jump_list_.size())) return;
  const RecNo target = jump_list_[selected - 1];
  if (target) GoToIndividual(target);
}
