#include "views/PedigreeLogic.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <unordered_map>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"

void WPedigreeLogic::SetIndividual(RecNo n) {
  if (collection_ && (n < 0 || n > collection_->IndividualCount())) n = 0;
  WABSPanelLogic::SetIndividual(n);
  Refresh();
}

void WPedigreeLogic::SetGenerations(int generations) {
  generations_ = std::clamp(generations, 1, kMaxGenerations);
}

const PedigreeEntry* WPedigreeLogic::Find(uint64_t number) const {
  // Entries are in number order.
  auto it = std::lower_bound(entries_.begin(), entries_.end(), number,
                             [](const PedigreeEntry& e, uint64_t n) { return e.number < n; });
  return it != entries_.end() && it->number == number ? &*it : nullptr;
}

bool WPedigreeLogic::OnLine(uint64_t n, RecNo m) const {
  for (; n >= 1; n /= 2) {
    const PedigreeEntry* entry = Find(n);
    if (entry && entry->individual == m) return true;
  }
  return false;
}

void WPedigreeLogic::Refresh() {
  entries_.clear();
  truncated_ = false;
  selected_ = 0;
  if (!collection_ || individual_ <= 0) return;
  std::unordered_map<RecNo, uint64_t> first_place;
  // Breadth first over the numbers: the queue holds them in increasing order, so the
  // entries come out in number order.
  std::deque<std::pair<uint64_t, RecNo>> queue{{1, individual_}};
  while (!queue.empty()) {
    if (entries_.size() >= kMaxEntries) {
      truncated_ = true;
      break;
    }
    const auto [number, m] = queue.front();
    queue.pop_front();
    PedigreeEntry entry;
    entry.number = number;
    entry.individual = m;
    int generation = 1;
    for (uint64_t k = number; k > 1; k /= 2) ++generation;
    entry.generation = generation;
    auto [place, fresh] = first_place.emplace(m, number);
    if (!fresh) entry.first_number = place->second;
    entry.box.Fill(*collection_, m, use_lds_, fam_bir_chr_, show_ind_hint_, RowBackground(m),
                   RowTextColor(m));
    RecNo father = 0, mother = 0;
    try {
      if (std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(m)) {
        entry.birth_date = person->GetEventDateText(evBirth, 1);
        entry.death_date = person->GetEventDateText(evDeath, 1);
        if (generation < generations_) {
          const RecNo family_no = person->GetParentFamily(1);
          if (std::unique_ptr<WABSMarriage> family =
                  family_no > 0 ? collection_->GetFamily(family_no) : nullptr) {
            father = family->GetHusband();
            mother = family->GetWife();
            entry.parents_marriage = family->GetDatePlaceText();
          }
        }
      }
    } catch (const ETaravellError&) {
      // A person or family that cannot be read ends this line of the pedigree.
      father = mother = 0;
    }
    entries_.push_back(std::move(entry));
    const int count = collection_->IndividualCount();
    // A parent already on the line down to the person would make the person his or her
    // own ancestor: that line stops there.
    if (father > 0 && father <= count && !OnLine(number, father)) queue.emplace_back(2 * number, father);
    if (mother > 0 && mother <= count && !OnLine(number, mother)) queue.emplace_back(2 * number + 1, mother);
  }
  if (!entries_.empty()) selected_ = 1;
}

bool WPedigreeLogic::Select(uint64_t number) {
  if (!Find(number)) return false;
  selected_ = number;
  return true;
}

bool WPedigreeLogic::MoveSelection(Move move) {
  const uint64_t n = selected_;
  if (n == 0) return false;
  switch (move) {
    case kToFather:
      return Select(2 * n) || Select(2 * n + 1);
    case kToMother:
      return Select(2 * n + 1) || Select(2 * n);
    case kToChild:
      return n > 1 && Select(n / 2);
    case kToPerson:
      return n != 1 && Select(1);
    case kUp:
    case kDown: {
      // The neighbours in the same generation are the entries next to n in number order.
      auto it = std::lower_bound(entries_.begin(), entries_.end(), n,
                                 [](const PedigreeEntry& e, uint64_t k) { return e.number < k; });
      if (it == entries_.end()) return false;
      const int generation = it->generation;
      if (move == kUp) {
        if (it == entries_.begin() || (it - 1)->generation != generation) return false;
        selected_ = (it - 1)->number;
      } else {
        if (it + 1 == entries_.end() || (it + 1)->generation != generation) return false;
        selected_ = (it + 1)->number;
      }
      return true;
    }
  }
  return false;
}

void WPedigreeLogic::Activate(uint64_t number) {
  if (number == 0) number = selected_;
  if (const PedigreeEntry* entry = Find(number)) RequestIndividual(entry->individual);
}
