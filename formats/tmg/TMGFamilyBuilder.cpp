#include "formats/tmg/TMGFamilyBuilder.h"

#include <algorithm>
#include <vector>

#include "base/UIHooks.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGTabF.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabT.h"
#include "formats/tmg/TMGTab_.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// Tag groups of the father and the mother relationship types.
constexpr int kFatherGroup = 2;
constexpr int kMotherGroup = 3;

int CompareCouples(int32_t h1, int32_t w1, int32_t h2, int32_t w2) {
  if (h1 != h2) return h1 < h2 ? -1 : 1;
  if (w1 != w2) return w1 < w2 ? -1 : 1;
  return 0;
}

bool Contains(const std::vector<int>& types, int type) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

}  // namespace

WTMGFamilyBuilder::WTMGFamilyBuilder(WTMGCollection& collection)
    : collection_(collection),
      couples_(1, Couple{0, 0}),
      tree_(
          [this](int32_t new_family, int32_t node_family) {
            const Couple& a = CoupleOf(new_family);
            const Couple& b = CoupleOf(node_family);
            return CompareCouples(a.husband, a.wife, b.husband, b.wife);
          },
          [this](const void* key, int32_t node_family) {
            const Couple* couple = static_cast<const Couple*>(key);
            const Couple& b = CoupleOf(node_family);
            return CompareCouples(couple->husband, couple->wife, b.husband, b.wife);
          }) {}

void WTMGFamilyBuilder::SetCouple(int32_t family, int32_t husband, int32_t wife) {
  WFamLinks& links = *collection_.FamLinks();
  links.SetHusband(family, husband);
  links.SetWife(family, wife);
  if (static_cast<size_t>(family) >= couples_.size())
    couples_.resize(static_cast<size_t>(family) + 1, Couple{0, 0});
  couples_[static_cast<size_t>(family)] = Couple{husband, wife};
}

bool WTMGFamilyBuilder::GoOn(int step, int interval) {
  if (step % interval != 0) return true;
  YieldToUI();
  return !ImportCancelled.load(std::memory_order_relaxed);
}

bool WTMGFamilyBuilder::Run() {
  return ReadRelationships() && MarriageFamilies() && ParentFieldFamilies() && ChildrenWithBothParents() &&
         ChildrenWithOneParent(fathers_, true) && ChildrenWithOneParent(mothers_, false);
}

int32_t WTMGFamilyBuilder::NewFamily(int32_t husband, int32_t wife, int32_t marriage_event) {
  WFamLinks& links = *collection_.FamLinks();
  const int32_t family = links.AppendFamily();
  SetCouple(family, husband, wife);
  links.SetFamilyKey(family, marriage_event);
  return family;
}

int32_t WTMGFamilyBuilder::FindFamily(int32_t husband, int32_t wife) {
  if (last_key_.husband == husband && last_key_.wife == wife) return last_found_;
  last_key_ = Couple{husband, wife};
  last_found_ = tree_.Value(tree_.Search(&last_key_));
  return last_found_;
}

void WTMGFamilyBuilder::Insert(int32_t family) {
  tree_.Insert(family);
  last_key_ = Couple{-1, -1};
}

int32_t WTMGFamilyBuilder::ChildPosition(int32_t child) const {
  const WTMGDate birth(collection_.People().BirthText(child), WTMGDate::Form::Long);
  if (!birth.IsValid() || !birth.IsStandard()) return 0;
  return birth.Year() * 10000 + birth.Month() * 100 + birth.Day();
}

bool WTMGFamilyBuilder::ReadRelationships() {
  const WTMGTabT& types = collection_.TagTypes();
  const std::vector<int> father_types = types.TypesInGroup(kFatherGroup);
  const std::vector<int> mother_types = types.TypesInGroup(kMotherGroup);
  const WTMGTabF& relationships = collection_.Relationships();
  const int count = relationships.LiveCount();
  for (int pos = 1; pos <= count; ++pos) {
    if (!GoOn(pos, 1000)) return false;
    const int type = relationships.Type(pos);
    WTMGRelLink* links = Contains(father_types, type)   ? &fathers_
                         : Contains(mother_types, type) ? &mothers_
                                                        : nullptr;
    if (!links) continue;
    const int child = collection_.PersonPos(relationships.Child(pos));
    const int parent = collection_.PersonPos(relationships.Parent(pos));
    if (child > 0 && parent > 0) links->Add(child, parent, type);
  }
  return fathers_.SortLinks() && mothers_.SortLinks();
}

bool WTMGFamilyBuilder::MarriageFamilies() {
  const WTMGTabG& events = collection_.Events();
  const WTMGTab_& people = collection_.People();
  WIndLinks& persons = *collection_.IndLinks();
  const int count = events.LiveCount();
  for (int e = 1; e <= count; ++e) {
    if (!GoOn(e, 1000)) return false;
    if (!collection_.IsFamilyEventType(events.Type(e))) continue;
    const int per1 = events.Per1(e);
    const int per2 = events.Per2(e);
    if (per1 == 0 && per2 == 0) continue;
    const int p = collection_.PersonPos(per1);
    const int q = collection_.PersonPos(per2);
    // Neither principal is a person: a family nobody could reach.
    if (p <= 0 && q <= 0) continue;
    int husband = p, wife = q;
    if (p > 0) {
      const char sex_p = people.Sex(p);
      if (sex_p == 'F' || (sex_p == 'U' && q > 0 && people.Sex(q) == 'M')) {
        husband = q;
        wife = p;
      }
    } else if (people.Sex(q) == 'F') {
      husband = 0;
      wife = q;
    } else {
      husband = q;
      wife = 0;
    }
    const int32_t family = NewFamily(husband, wife, e);
    if (p > 0) persons.AddSpouseFamily(p, false, false, family);
    if (q > 0) persons.AddSpouseFamily(q, false, false, family);
    Insert(family);
  }
  return true;
}

bool WTMGFamilyBuilder::ParentFieldFamilies() {
  const WTMGTab_& people = collection_.People();
  const int count = people.LiveCount();
  for (int pos = 1; pos <= count; ++pos) {
    if (!GoOn(pos, 300)) return false;
    const int father = people.Father(pos);
    const int mother = people.Mother(pos);
    if (father == 0 && mother == 0) continue;
    const int h = collection_.PersonPos(father);
    const int w = collection_.PersonPos(mother);
    if (h <= 0 && w <= 0) continue;
    if (FindFamily(h, w) != 0) continue;
    Insert(NewFamily(h, w, 0));
  }
  return true;
}

bool WTMGFamilyBuilder::ChildrenWithBothParents() {
  const int mother_count = mothers_.Count();
  if (mother_count == 0) return true;
  WIndLinks& persons = *collection_.IndLinks();
  WFamLinks& families = *collection_.FamLinks();
  int cursor = 1;
  const int father_count = fathers_.Count();
  for (int i = 1; i <= father_count; ++i) {
    if (!GoOn(i, 300)) return false;
    const WTMGRelLink::Link father = fathers_.At(i);
    while (cursor <= mother_count && mothers_.At(cursor).child < father.child) ++cursor;
    if (cursor > mother_count) break;
    for (int j = cursor; j <= mother_count; ++j) {
      const WTMGRelLink::Link mother = mothers_.At(j);
      if (mother.child != father.child) break;
      if (mother.matched) continue;
      const int32_t family = FindFamily(father.parent, mother.parent);
      if (family == 0) continue;
      fathers_.MarkMatched(i);
      mothers_.MarkMatched(j);
      SetCouple(family, father.parent, mother.parent);
      persons.AddSpouseFamily(father.parent, false, false, family);
      persons.AddSpouseFamily(mother.parent, false, false, family);
      families.AddChild(family, father.child, ChildPosition(father.child));
      persons.AddParentFamily(father.child, false, false, mother.type, father.type, family);
      break;
    }
  }
  return true;
}

bool WTMGFamilyBuilder::ChildrenWithOneParent(WTMGRelLink& links, bool fathers) {
  WIndLinks& persons = *collection_.IndLinks();
  WFamLinks& families = *collection_.FamLinks();
  const int count = links.Count();
  for (int i = 1; i <= count; ++i) {
    if (!GoOn(i, 300)) return false;
    const WTMGRelLink::Link link = links.At(i);
    if (link.matched) continue;
    int32_t family = fathers ? FindFamily(link.parent, 0) : FindFamily(0, link.parent);
    const bool is_new = family == 0;
    if (is_new) family = NewFamily(0, 0, -1);
    const Couple couple = CoupleOf(family);
    if (fathers)
      SetCouple(family, link.parent, couple.wife);
    else
      SetCouple(family, couple.husband, link.parent);
    persons.AddParentFamily(link.child, false, false, fathers ? 0 : link.type, fathers ? link.type : 0,
                            family);
    families.AddChild(family, link.child, ChildPosition(link.child));
    persons.AddSpouseFamily(link.parent, false, false, family);
    if (is_new) Insert(family);
  }
  return true;
}
