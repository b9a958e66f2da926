#include "formats/tmg/TMG5Collection.h"

#include <algorithm>

#include "base/FilePaths.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/tmg/TMG5DBF.h"
#include "formats/tmg/TMG5EventSent.h"
#include "formats/tmg/TMG5Individual.h"
#include "formats/tmg/TMG5Name.h"
#include "formats/tmg/TMG5NameLookup.h"
#include "formats/tmg/TMG5NameSent.h"
#include "formats/tmg/TMG5Place.h"
#include "formats/tmg/TMG5PlaceLookup.h"
#include "formats/tmg/TMG5TabND.h"
#include "formats/tmg/TMG5TabNPV.h"
#include "formats/tmg/TMG5TabPD.h"
#include "formats/tmg/TMG5TabPPV.h"
#include "formats/tmg/TMG5Tab_.h"
#include "formats/tmg/TMGDBF.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGFPT.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabP.h"
#include "formats/tmg/TMGTabT.h"

namespace {

// Tag groups.
constexpr int kBirthGroup = 4;
constexpr int kDeathGroup = 5;
constexpr int kFamilyGroup = 6;
constexpr int kBurialGroup = 9;
constexpr int kLDSGroup = 99;

// Tag types the groups hold, in their 4.x and 5.x numbers.
bool IsBirthType(int type) { return type == 2 || type == 1002; }
bool IsChristeningType(int type) { return type == 20 || type == 1020; }
bool IsLDSBaptismType(int type) { return type == 16 || type == 1016; }
bool IsEndowmentType(int type) { return type == 24 || type == 1024; }
bool IsSealingToParentsType(int type) { return type == 32 || type == 61; }
constexpr int kMarriageType5 = 1004;

// Where an event falls in event order: its sort date's key, and for a free-text date the text
// (free-text dates order among themselves by text).
struct EventDateKey {
  uint64_t key = 0;
  std::string text;
};

EventDateKey DateKeyOf(const WTMGTabG& events, int e) {
  EventDateKey k;
  k.key = WTMGDate::SortKeyOf(events.SortDateText(e), &k.text);
  return k;
}

bool ComesBefore(const EventDateKey& a, const EventDateKey& b) {
  if (WTMGDate::IsFreeTextKey(a.key) && WTMGDate::IsFreeTextKey(b.key))
    return CompareBytes(a.text, b.text) < 0;
  return a.key < b.key;
}

}  // namespace

WTMG5Collection::WTMG5Collection(const std::string& path)
    : WTMGCollection(path, TablePrefix(path), kVersion) {}

WTMG5Collection::~WTMG5Collection() = default;

const WReaderInfo& WTMG5Collection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "The Master Genealogist 5.x";
    r.extensions = {".pjc"};
    r.filters = {{"The Master Genealogist 5.x", "*.pjc"}};
    r.help_note = kHelpNote;
    r.options = OptionsTab();
    // Every 5.x project is of version "5", which is the version this reader takes: nothing is
    // refused before the tables are opened.
    r.probe = [](const std::string&) { return std::string(); };
    r.recognises = [](const std::string& path) {
      return WDBFFile::HasTableHeader(WTMGDBF::TablePath(DirectoryOf(path), "$", TablePrefix(path), ".dbf"));
    };
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      return std::make_unique<WTMG5Collection>(path);
    };
    return r;
  }();
  return info;
}

std::string WTMG5Collection::TablePrefix(const std::string& path) {
  std::string base = BaseNameOf(path);
  if (!base.empty()) base.pop_back();
  return base;
}

WTMGTable::Opened WTMG5Collection::OpenTable(const std::string& letter, std::string_view key, bool index,
                                             bool memo) {
  return OpenTableAs<WTMG5DBF>(letter, key, index, memo);
}

std::unique_ptr<WTMGTab_> WTMG5Collection::MakePeopleTable(WTMGTable::Opened opened) {
  return std::make_unique<WTMG5Tab_>(std::move(opened));
}

WTMG5Tab_& WTMG5Collection::People5() { return static_cast<WTMG5Tab_&>(People()); }

void WTMG5Collection::OpenCompanionTables(const std::string& letter) {
  if (letter == "N") name_dictionary_ = std::make_unique<WTMG5TabND>(OpenTable("ND", "UID", true, true));
  if (letter == "P") place_dictionary_ = std::make_unique<WTMG5TabPD>(OpenTable("PD", "UID", true, true));
}

bool WTMG5Collection::Import() {
  if (!WTMGCollection::Import()) return false;
  if (!BuildSecondPrincipalOrder() || !BuildPartLookups()) return false;
  return !ImportCancelled.load(std::memory_order_relaxed);
}

bool WTMG5Collection::BuildSecondPrincipalOrder() {
  const WTMGTabG& events = Events();
  return by_second_.Build(events.LiveCount(), [&events](int32_t pos, WTMGEventOrder::EventKeys& keys) {
    keys.per1 = events.Per2(pos);
    keys.per2 = events.Per1(pos);
    keys.sort_date = events.SortDateBytes(pos);
  });
}

bool WTMG5Collection::BuildPartLookups() {
  // The part value tables are read once, by position (no key index is needed), and closed.
  name_parts_ = std::make_unique<WTMG5NameLookup>();
  place_parts_ = std::make_unique<WTMG5PlaceLookup>();
  {
    const WTMG5TabNPV values(OpenTable("NPV", "", true, false));
    if (cancelled_ || !name_parts_->Build(values)) return false;
  }
  const WTMG5TabPPV values(OpenTable("PPV", "", true, false));
  return !cancelled_ && place_parts_->Build(values);
}

RecNo WTMG5Collection::FindIndividual(const std::string& id) {
  const std::string text = TrimText(id);
  const size_t colon = text.find(':');
  if (colon == std::string::npos) return WTMGCollection::FindIndividual(text);
  int data_set = 0, ref_id = 0;
  if (!WSettings::ParseInteger(TrimText(std::string_view(text).substr(0, colon)), &data_set) ||
      !WSettings::ParseInteger(TrimText(std::string_view(text).substr(colon + 1)), &ref_id))
    return 0;
  return FindByDataSet(data_set, ref_id);
}

RecNo WTMG5Collection::FindByDataSet(int data_set, int ref_id) {
  if (!data_set_index_built_) {
    data_set_index_built_ = true;
    const WTMG5Tab_& people = People5();
    const int count = people.LiveCount();
    by_data_set_.reserve(static_cast<size_t>(count));
    for (int pos = 1; pos <= count; ++pos)
      by_data_set_.push_back({people.DataSet(pos), people.RefId(pos), pos});
    std::sort(by_data_set_.begin(), by_data_set_.end(), [](const DataSetKey& a, const DataSetKey& b) {
      if (a.data_set != b.data_set) return a.data_set < b.data_set;
      if (a.ref_id != b.ref_id) return a.ref_id < b.ref_id;
      return a.pos < b.pos;
    });
  }
  const DataSetKey key{data_set, ref_id, 0};
  const auto at = std::lower_bound(by_data_set_.begin(), by_data_set_.end(), key,
                                   [](const DataSetKey& a, const DataSetKey& b) {
                                     if (a.data_set != b.data_set) return a.data_set < b.data_set;
                                     return a.ref_id < b.ref_id;
                                   });
  return at != by_data_set_.end() && at->data_set == data_set && at->ref_id == ref_id ? at->pos : 0;
}

std::unique_ptr<WABSIndividual> WTMG5Collection::MakeIndividual(RecNo p) {
  return std::make_unique<WTMG5Individual>(*this, p);
}

std::unique_ptr<WTMGName> WTMG5Collection::MakeName(int name_pos) {
  return std::make_unique<WTMG5Name>(*this, name_pos);
}

std::unique_ptr<WABSPlace> WTMG5Collection::MakePlace(int place_id) {
  if (place_id < 1) return nullptr;
  return std::make_unique<WTMG5Place>(*this, place_id);
}

std::string WTMG5Collection::PlaceTextOfRow(int row) {
  return WTMG5Place(*this, Places().PosToId(row)).JoinParts(2, 6);
}

std::string WTMG5Collection::PlacePart(int place_id, int k) {
  return place_id > 0 ? WTMG5Place(*this, place_id).Part(k) : std::string();
}

bool WTMG5Collection::IsFamilyEventType(int type) {
  return WTMGCollection::IsFamilyEventType(type) || type == kMarriageType5 ||
         TagTypes().TagGroup(type) == kFamilyGroup;
}

int WTMG5Collection::SealingTagOf(int event_pos) { return Events().Type(event_pos); }

std::unique_ptr<WTMGEventSent> WTMG5Collection::MakeEventSentence(int event_pos, int type) {
  return std::make_unique<WTMG5EventSent>(*this, event_pos, type);
}

std::unique_ptr<WTMGEventSent> WTMG5Collection::MakeNameSentence(int name_pos, int type, RecNo person) {
  return std::make_unique<WTMG5NameSent>(*this, name_pos, type, person);
}

std::vector<int> WTMG5Collection::EventsOfPerson(int person_id) {
  std::vector<int> merged;
  if (person_id < 1) return merged;
  const WTMGTabG& events = Events();
  const std::vector<int> own = WTMGCollection::EventsOfPerson(person_id);
  // The events naming the person second; those naming the person first as well are in `own`.
  std::vector<int> second;
  if (const int first = by_second_.FirstOf(person_id)) {
    for (int i = first; i <= by_second_.Count() && by_second_.Per1At(i) == person_id; ++i) {
      const int e = by_second_.PositionAt(i);
      if (events.Per1(e) != person_id) second.push_back(e);
    }
  }
  if (second.empty()) return own;

  // Both runs are in sort-date order: merge them, the person's own events first among equals.
  merged.reserve(own.size() + second.size());
  size_t i = 0, j = 0;
  EventDateKey own_key, second_key;
  if (i < own.size()) own_key = DateKeyOf(events, own[i]);
  second_key = DateKeyOf(events, second[j]);
  while (i < own.size() || j < second.size()) {
    const bool take_second = i == own.size() || (j < second.size() && ComesBefore(second_key, own_key));
    if (take_second) {
      merged.push_back(second[j]);
      if (++j < second.size()) second_key = DateKeyOf(events, second[j]);
    } else {
      merged.push_back(own[i]);
      if (++i < own.size()) own_key = DateKeyOf(events, own[i]);
    }
  }
  return merged;
}

void WTMG5Collection::ChooseEvents(int p, int person_id, WTMGPrimeEventArray::Entry& entry) {
  const WTMGTabG& events = Events();
  const WTMGTabT& tags = TagTypes();
  const std::string birth_text = People().BirthText(p);
  const std::string death_text = People().DeathText(p);
  // The birth: the last event of the birth group dated as the person's birth date, a birth
  // before any other such event (a christening on the day of birth stays the christening);
  // without one, the first birth.  The christening: the first one that is not the birth.
  int dated_birth = 0, dated_other = 0, first_birth = 0;
  std::vector<int> christenings;
  for (const int e : EventsOfPerson(person_id)) {
    const int type = events.Type(e);
    switch (tags.TagGroup(type)) {
      case kBirthGroup:
        if (events.DateText(e) == birth_text)
          (IsBirthType(type) ? dated_birth : dated_other) = e;
        else if (IsBirthType(type) && first_birth == 0)
          first_birth = e;
        if (IsChristeningType(type)) christenings.push_back(e);
        break;
      case kDeathGroup:
        if (entry.death == 0 && events.DateText(e) == death_text) entry.death = e;
        break;
      case kBurialGroup:
        if (entry.burial == 0) entry.burial = e;
        break;
      case kLDSGroup:
        if (IsLDSBaptismType(type) && entry.lds_baptism == 0) {
          entry.lds_baptism = e;
          entry.lds_baptism_type = type;
        } else if (IsEndowmentType(type) && entry.endowment == 0) {
          entry.endowment = e;
          entry.endowment_type = type;
        } else if (IsSealingToParentsType(type) && entry.sealing_to_parents == 0) {
          entry.sealing_to_parents = e;
          entry.sealing_type = type;
        }
        break;
      default:
        break;
    }
  }
  entry.birth = dated_birth ? dated_birth : dated_other ? dated_other : first_birth;
  for (const int e : christenings) {
    if (e == entry.birth) continue;
    entry.christening = e;
    break;
  }
}

bool WTMG5Collection::IsOtherEvent(int event_pos) {
  const int type = Events().Type(event_pos);
  return !IsSealingType(type) && TagTypes().TagGroup(type) != kFamilyGroup;
}
