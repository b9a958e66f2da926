#include "views/QuickFindLogic.h"

#include <memory>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "views/IndScrollLogic.h"

namespace {}  // namespace

WQuickFindLogic::WQuickFindLogic(WABSCollection* collection) : collection_(collection) {
  count_ = collection ? collection->IndividualCount() : 0;
  if (count_ < 0) count_ = 0;
  page_step_ = count_ / 100 > 1 ? count_ / 100 : 1;
}

void WQuickFindLogic::SetSelected(RecNo n) { Select(n >= 1 && n <= count_ ? n : 0); }

void WQuickFindLogic::Select(RecNo n) {
  if (n == 0) {
    Disable();
    return;
  }
  selected_ = n;
  scroll_position_ = n;
  search_text_ = std::to_string(n);
  enabled_ = true;
  father_ = mother_ = 0;
  spouse_enabled_ = false;
  // The box is cleared (silver) first, then filled.
  box_.Clear();
  if (!collection_) return;
  box_.Fill(*collection_, n, false, false, true, kColorWhite, kColorBlack);
  try {
    father_ = collection_->GetFatherOf(n);
    mother_ = collection_->GetMotherOf(n);
    std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
    spouse_enabled_ = collection_->HasChildren(n) || (person && person->SpouseFamilyCount() > 0);
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    // What could be read stays enabled.
  }
}

void WQuickFindLogic::TextEdited(const std::string& text) {
  search_text_ = text;
  const int64_t n = TypedNumber(text);
  if (n > count_) {
    Disable();
    return;
  }
  if (n == 0) {
    Disable();
    return;
  }
  Select(static_cast<RecNo>(n));
}

void WQuickFindLogic::Step(int delta) {
  if (count_ <= 0) return;
  int64_t n;
  if (search_text_.empty()) {
    if (delta < 0) return;
    n = 1;
  } else {
    n = TypedNumber(search_text_) + delta;
    if (n <= 0) return;
    if (n > count_) n = count_;
  }
  Select(static_cast<RecNo>(n));
}

void WQuickFindLogic::Scroll(int position) {
  if (position >= 1 && position <= count_) Select(position);
}

void WQuickFindLogic::PressFather() {
  if (enabled_ && father_) Scroll(father_);
}

void WQuickFindLogic::PressMother() {
  if (enabled_ && mother_) Scroll(mother_);
}

void WQuickFindLogic::BuildSpouseMenu() {
  if (!collection_ || selected_ == 0) return;
  try {
    spouse_menu_.SetItemString(WIndScrollLogic::SpouseMenuItems(*collection_, selected_, false, jump_list_));
  } catch (const ETaravellError& e) {
    collection_->NoteDamage(e.what());
    jump_list_.clear();
  }
}

void WQuickFindLogic::ChooseSpouseMenuItem(int index) {
  if (index < 0 || index >= spouse_menu_.Count() || spouse_menu_.IsSeparator(index)) return;
  spouse_menu_.Choose(index);
  JumpToChosenItem();
}

void WQuickFindLogic::JumpToChosenItem() {
  const int number = spouse_menu_.ItemSelected();
  if (number < 1 || number > static_cast<int>(jump_list_.size())) return;
  const RecNo target = jump_list_[number - 1];
  if (target) Scroll(target);
}

void WQuickFindLogic::AdvancedFindChose(RecNo n) { Scroll(n); }
