#include "formats/tmg/TMGCollection.h"

#include <cstdio>

#include "base/FilePaths.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/tmg/TMGDBF.h"
#include "formats/tmg/TMGEventSent.h"
#include "formats/tmg/TMGFPT.h"
#include "formats/tmg/TMGFamilyBuilder.h"
#include "formats/tmg/TMGIndividual.h"
#include "formats/tmg/TMGMarriage.h"
#include "formats/tmg/TMGName.h"
#include "formats/tmg/TMGNameSent.h"
#include "formats/tmg/TMGPlace.h"
#include "formats/tmg/TMGProject.h"
#include "formats/tmg/TMGSource.h"
#include "formats/tmg/TMGSubmitter.h"
#include "formats/tmg/TMGTabA.h"
#include "formats/tmg/TMGTabE.h"
#include "formats/tmg/TMGTabF.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabM.h"
#include "formats/tmg/TMGTabN.h"
#include "formats/tmg/TMGTabP.h"
#include "formats/tmg/TMGTabS.h"
#include "formats/tmg/TMGTabT.h"
#include "formats/tmg/TMGTabU.h"
#include "formats/tmg/TMGTab_.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// Tag types of the chosen events.
constexpr int kDeathType = 3;
constexpr int kBurialType = 6;
constexpr int kChristeningType = 20;
constexpr int kLDSBaptismType = 16;
constexpr int kEndowmentType = 24;
constexpr int kBirthType = 2;
bool IsBirthGroupType(int type) {
  return type == 2 || type == 12 || type == 41 || type == 58 || type == 62 || type == 69;
}
bool IsSealingToParentsType(int type) { return type == 32 || type == 61; }

// Tag groups of the parents' relationship types.
bool IsParentGroup(int group) { return group == 2 || group == 3 || group == 12; }

}  // namespace

WTMGCollection::WTMGCollection(const std::string& path)
    : WTMGCollection(path, WTMGProject::TablePrefix(path),
                     WTMGProject::ProjectVersion(path)) {}

WTMGCollection::WTMGCollection(const std::string& path, std::string prefix,
                               std::string version)
    : directory_(DirectoryOf(path)), prefix_(std::move(prefix)), version_(std::move(version)) {
  file_name_ = path;
  char_set_ = CharSet::Plain;
}

WTMGCollection::~WTMGCollection() = default;

WReaderInfo::OptionsTab WTMGCollection::OptionsTab() {
  WReaderInfo::OptionsTab tab;
  tab.caption = "TMG";
  tab.note = "(The TMG database must be re-loaded when changed)";
  tab.check_boxes = {
      {"Display Tag Sentence Construction Rules in Individual Tab", WSettings::TMGTagSent},
      {"When contructing marriages, include the Engagement Tag", WSettings::TMGEngage},
  };
  return tab;
}

const WReaderInfo& WTMGCollection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "The Master Genealogist 4.x";
    r.extensions = {".tmg"};
    r.filters = {{"The Master Genealogist 4.x", "*.tmg"}};
    r.help_note = kHelpNote;
    r.options = OptionsTab();
    r.probe = [](const std::string& path) -> std::string {
      bool readable = false;
      const std::string version = WTMGProject::ProjectVersion(path, &readable);
      // A project file that cannot be read is reported when its tables are opened.
      if (!readable || WTMGProject::IsSupportedVersion(version)) return std::string();
      return WTMGProject::kUnsupportedVersion;
    };
    r.recognises = [](const std::string& path) {
      return WDBFFile::HasTableHeader(
          WTMGDBF::TablePath(DirectoryOf(path), "$", WTMGProject::TablePrefix(path), ".dbf"));
    };
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      return std::make_unique<WTMGCollection>(path);
    };
    return r;
  }();
  return info;
}

WTMGTable::Opened WTMGCollection::OpenTable(const std::string& letter, std::string_view key, bool index,
                                            bool memo) {
  return OpenTableAs<WTMGDBF>(letter, key, index, memo);
}

std::unique_ptr<WFPTFile> WTMGCollection::OpenMemo(const std::string& letter) {
  auto memo = std::make_unique<WTMGFPT>(directory_, letter, prefix_);
  memo->ReportDamageTo(&Damage());
  return memo;
}

std::unique_ptr<WTMGTab_> WTMGCollection::MakePeopleTable(WTMGTable::Opened opened) {
  return std::make_unique<WTMGTab_>(std::move(opened));
}

bool WTMGCollection::OpenTables() {
  auto go_on = [this] { return !cancelled_ && !ImportCancelled.load(std::memory_order_relaxed); };
  if (go_on()) people_ = MakePeopleTable(OpenTable("$", "PER_NO", true, false));
  if (go_on()) names_ = std::make_unique<WTMGTabN>(OpenTable("N", "NPER", true, true));
  if (go_on()) OpenCompanionTables("N");
  if (go_on()) relationships_ = std::make_unique<WTMGTabF>(OpenTable("F", "", true, true));
  if (go_on()) {
    events_ = std::make_unique<WTMGTabG>(OpenTable("G", "RECNO", true, true));
    if (go_on() && !events_->BuildOrder()) cancelled_ = true;
  }
  if (go_on()) citations_ = std::make_unique<WTMGTabS>(OpenTable("S", "", true, true));
  if (go_on()) sources_ = std::make_unique<WTMGTabM>(OpenTable("M", "MAJNUM", true, true));
  if (go_on()) places_ = std::make_unique<WTMGTabP>(OpenTable("P", "RECNO", true, true));
  if (go_on()) OpenCompanionTables("P");
  if (go_on()) witnesses_ = std::make_unique<WTMGTabE>(OpenTable("E", "EPER", true, true));
  if (go_on()) tag_types_ = std::make_unique<WTMGTabT>(OpenTable("T", "ETYPENUM", true, true));
  if (go_on()) source_types_ = std::make_unique<WTMGTabA>(OpenTable("A", "", true, true));
  if (go_on()) elements_ = std::make_unique<WTMGTabU>(OpenTable("U", "", true, false));
  if (go_on()) table_r_ = std::make_unique<WTMGTable>(OpenTable("R", "", false, true));
  if (go_on()) table_w_ = std::make_unique<WTMGTable>(OpenTable("W", "", false, false));
  return go_on();
}

bool WTMGCollection::BuildFamilies() {
  ind_links_ = std::make_unique<WIndLinks>(people_->LiveCount());
  fam_links_ = std::make_unique<WFamLinks>(0);
  WTMGFamilyBuilder builder(*this);
  if (!builder.Run()) cancelled_ = true;
  return !cancelled_;
}

bool WTMGCollection::Import() {
  cancelled_ = false;
  if (!OpenTables() || !BuildFamilies() || ImportCancelled.load(std::memory_order_relaxed)) return false;
  prime_ = std::make_unique<WTMGPrimeEventArray>(IndividualCount());
  return true;
}

void WTMGCollection::BuildLinks() {
  if (ind_links_) ind_links_->OrderSpouseFamilies(*this);
}

std::string WTMGCollection::GetFileDateText() { return FormatFileDate(FileTimeOf(file_name_)); }

std::vector<std::string> WTMGCollection::SourceFiles() const {
  std::vector<std::string> files = FilesNamedAfter(directory_, prefix_, {".dbf", ".fpt", ".cdx"});
  files.insert(files.begin(), file_name_);
  return files;
}

int WTMGCollection::IndividualCount() { return people_ ? people_->LiveCount() : 0; }
int WTMGCollection::FamilyCount() { return fam_links_ ? fam_links_->Count() : 0; }
int WTMGCollection::SourceCount() { return sources_ ? sources_->LiveCount() : 0; }

std::unique_ptr<WABSIndividual> WTMGCollection::GetIndividual(RecNo rec_no) {
  if (rec_no < 1 || rec_no > IndividualCount() || !prime_) return nullptr;
  return MakeIndividual(rec_no);
}

std::unique_ptr<WABSIndividual> WTMGCollection::MakeIndividual(RecNo p) {
  return std::make_unique<WTMGIndividual>(*this, p);
}

std::unique_ptr<WABSMarriage> WTMGCollection::GetFamily(RecNo rec_no) {
  if (rec_no < 1 || rec_no > FamilyCount()) return nullptr;
  return std::make_unique<WTMGMarriage>(*this, rec_no);
}

std::unique_ptr<WABSSubmitter> WTMGCollection::GetSubmitter() { return std::make_unique<WTMGSubmitter>(); }

std::unique_ptr<WABSSource> WTMGCollection::GetSource(RecNo rec_no) {
  if (rec_no < 1 || rec_no > SourceCount()) return nullptr;
  return std::make_unique<WTMGSource>(*this, rec_no);
}

void WTMGCollection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  count = 0;
  auto add = [&](const std::string& label, const std::string& value, const std::string& tabs) {
    if (count >= kGenHeaderRows - 1) return;
    GenHeaderRec& row = rows[static_cast<size_t>(count++)];
    row.heading = 0;
    row.label = label;
    row.value = value;
    row.tab_stops = tabs;
  };
  static const char* const kTabs = "60,120,180";
  add("File Type", "The Master Genealogist", "");
  add("TMG Version", version_, "");
  add("Files", "Records\tAvg/Per\tFile Size", kTabs);
  const int people = IndividualCount();
  const struct {
    const WTMGTable* table;
    const char* label;
  } kRows[] = {
      {people_.get(), "People file"},       {names_.get(), "Names file"},
      {witnesses_.get(), "Witnesses file"}, {events_.get(), "Events file"},
      {places_.get(), "Places file"},       {relationships_.get(), "Relationships file"},
      {citations_.get(), "Citations file"}, {sources_.get(), "Sources file"},
  };
  for (const auto& r : kRows) {
    if (!r.table) continue;
    const int records = r.table->LiveCount();
    std::string average = "-";
    if (r.table != people_.get()) {
      char text[32];
      // Without people there is nothing to divide by.
      std::snprintf(text, sizeof text, "%.2f", people > 0 ? static_cast<double>(records) / people : 0.0);
      average = text;
    }
    add(r.label, FormatCount(records) + "\t" + average + "\t" + FormatFileSize(r.table->FileSize()) + "\t",
        kTabs);
  }
}

RecNo WTMGCollection::FindIndividual(const std::string& id) {
  int value = 0;
  if (!people_ || !WSettings::ParseInteger(TrimText(id), &value) || value < 1) return 0;
  return people_->IdToPos(value);
}

std::string WTMGCollection::GetRelationName(int code) {
  return code >= 1 && tag_types_ ? tag_types_->TagName(code) : std::string();
}

std::string WTMGCollection::GetChildRelationName(int code, char sex) {
  if (!tag_types_) return std::string();
  const std::string name = tag_types_->TagName(code);
  if (!IsParentGroup(tag_types_->TagGroup(code))) return name;
  const size_t hyphen = name.find('-');
  if (hyphen == std::string::npos) return std::string();
  const char* child = (sex == 'F' || sex == 'f') ? "Dau" : (sex == 'M' || sex == 'm') ? "Son" : "Child";
  return child + name.substr(hyphen);
}

int WTMGCollection::PersonPos(int person_id) const {
  return person_id > 0 && people_ ? people_->IdToPos(person_id) : 0;
}

WTMGCollection::EventRun WTMGCollection::EventsOf(int person_id) const {
  EventRun run;
  if (!events_) return run;
  const WTMGEventOrder& order = events_->Order();
  run.first = events_->FirstEventOf(person_id);
  if (run.first <= 0) return run;
  run.end = run.first;
  while (run.end <= order.Count() && order.Per1At(run.end) == person_id) ++run.end;
  return run;
}

WTMGPrimeEventArray::Entry WTMGCollection::ChosenEvents(int p) {
  if (!prime_ || p < 1 || p > prime_->Count()) return WTMGPrimeEventArray::Entry{};
  WTMGPrimeEventArray::Entry entry = prime_->Get(p);
  if (entry.Computed()) return entry;
  entry = WTMGPrimeEventArray::Entry{};
  const int person_id = people_->PerNo(p);
  entry.first_event = person_id > 0 ? events_->FirstEventOf(person_id) : 0;
  ChooseEvents(p, person_id, entry);
  prime_->Put(p, entry);
  return entry;
}

std::vector<int> WTMGCollection::EventsOfPerson(int person_id) {
  std::vector<int> positions;
  const EventRun run = EventsOf(person_id);
  for (int i = run.first; i < run.end; ++i) positions.push_back(events_->Order().PositionAt(i));
  return positions;
}

void WTMGCollection::ChooseEvents(int p, int person_id, WTMGPrimeEventArray::Entry& entry) {
  const std::string birth_text = people_->BirthText(p);
  const std::string death_text = people_->DeathText(p);
  bool exact_birth = false;
  for (const int e : EventsOfPerson(person_id)) {
    const int type = events_->Type(e);
    if (IsBirthGroupType(type)) {
      if (exact_birth) continue;
      if (events_->DateText(e) == birth_text) {
        entry.birth = e;
        exact_birth = true;
      } else if (type == kBirthType && entry.birth == 0) {
        entry.birth = e;
      }
    } else if (type == kDeathType) {
      if (events_->DateText(e) == death_text) entry.death = e;
    } else if (type == kBurialType) {
      if (entry.burial == 0) entry.burial = e;
    } else if (type == kChristeningType) {
      if (entry.christening == 0) entry.christening = e;
    } else if (type == kLDSBaptismType) {
      if (entry.lds_baptism == 0) {
        entry.lds_baptism = e;
        entry.lds_baptism_type = type;
      }
    } else if (type == kEndowmentType) {
      if (entry.endowment == 0) {
        entry.endowment = e;
        entry.endowment_type = type;
      }
    } else if (IsSealingToParentsType(type)) {
      if (entry.sealing_to_parents == 0) {
        entry.sealing_to_parents = e;
        entry.sealing_type = type;
      }
    }
  }
}

bool WTMGCollection::IsOtherEvent(int event_pos) {
  const int type = events_->Type(event_pos);
  return type != 4 && type != 33;
}

bool WTMGCollection::IsFamilyEventType(int type) {
  if (type == 4 || type == 26 || type == 27 || type == 28) return true;
  return type == 23 && Settings().GetBool(WSettings::TMGEngage);
}

int WTMGCollection::MarriageEventOf(RecNo f) { return fam_links_ ? fam_links_->GetFamilyKey(f) : 0; }

std::unique_ptr<WTMGName> WTMGCollection::MakeName(int name_pos) {
  return std::make_unique<WTMGName>(*this, name_pos);
}

std::unique_ptr<WABSPlace> WTMGCollection::MakePlace(int place_id) {
  if (place_id < 1) return nullptr;
  return std::make_unique<WTMGPlace>(*this, place_id);
}

const std::string& WTMGCollection::PlaceText(int place_id) {
  static const std::string kNone;
  const int row = place_id > 0 && places_ ? places_->IdToPos(place_id) : 0;
  if (row < 1) return kNone;
  if (place_texts_.empty()) {
    place_texts_.resize(static_cast<size_t>(places_->LiveCount()) + 1);
    place_read_.resize(place_texts_.size());
  }
  const size_t at = static_cast<size_t>(row);
  if (at >= place_texts_.size()) return kNone;
  if (!place_read_[at]) {
    place_read_[at] = true;
    place_texts_[at] = PlaceTextOfRow(row);
  }
  return place_texts_[at];
}

std::string WTMGCollection::PlaceTextOfRow(int row) { return WTMGPlace::TextOfMemo(places_->PlaceMemo(row)); }

std::string WTMGCollection::PlacePart(int place_id, int k) {
  const int row = place_id > 0 ? places_->IdToPos(place_id) : 0;
  if (row < 1) return std::string();
  return WTMGPlace::PartOfMemo(places_->PlaceMemo(row), k);
}

std::unique_ptr<WTMGEventSent> WTMGCollection::MakeEventSentence(int event_pos, int type) {
  return std::make_unique<WTMGEventSent>(*this, event_pos, type);
}

std::unique_ptr<WTMGEventSent> WTMGCollection::MakeNameSentence(int name_pos, int type, RecNo person) {
  return std::make_unique<WTMGNameSent>(*this, name_pos, type, person);
}
