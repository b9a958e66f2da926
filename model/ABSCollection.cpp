#include "model/ABSCollection.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>

#include "base/MappingGuard.h"
#include "base/TextUtils.h"
#include "model/ABSIndividual.h"
#include "model/FamLinks.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"

namespace {

// Relation codes: 1 + 6 * side + qualifier, side 0 father, 1 mother, 2 parent, 3 son,
// 4 daughter, 5 child; qualifier 0 natural, 1 adopted, 2 step, 3 god, 4 foster, 5 other.
constexpr std::array<const char*, 37> kRelationNames = {
    "Unknown",    "Father",     "Father-Ado", "Father-Ste", "Father-God", "Father-Fst", "Father-Oth",
    "Mother",     "Mother-Ado", "Mother-Ste", "Mother-God", "Mother-Fst", "Mother-Oth", "Parent",
    "Parent-Ado", "Parent-Ste", "Parent-God", "Parent-Fst", "Parent-Oth", "Son",        "Son-Ado",
    "Son-Ste",    "Son-God",    "Son-Fst",    "Son-Oth",    "Daughter",   "Dau-Ado",    "Dau-Ste",
    "Dau-God",    "Dau-Fst",    "Dau-Oth",    "Child",      "Child-Ado",  "Child-Ste",  "Child-God",
    "Child-Fst",  "Child-Oth"};

constexpr int kLastParentCode = 18;
constexpr int kSonCode = 19;
constexpr int kDaughterCode = 25;
constexpr int kChildCode = 31;

const char* const kCrLf = "\r\n";
const char* const kNoName = "<No Given Name>";

}  // namespace

WABSCollection::WABSCollection() : faults_at_open_(MappingFaultCount()) {}

WFamLinks* WABSCollection::FamLinks() { return nullptr; }

std::vector<std::string> WABSCollection::SourceFiles() const { return {file_name_}; }

WABSCollection::SourceState WABSCollection::StateOf(const std::string& path) {
  SourceState state;
  state.path = path;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return state;
  state.present = true;
  state.device = st.st_dev;
  state.inode = st.st_ino;
  state.size = st.st_size;
  state.mtime_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return state;
}

void WABSCollection::RememberSourceFiles() {
  faults_at_open_ = MappingFaultCount();
  source_states_.clear();
  for (const std::string& path : SourceFiles()) source_states_.push_back(StateOf(path));
}

bool WABSCollection::ChangedOnDisk() const {
  // Faults are counted for the whole process; a viewer or a command has one collection open.
  if (MappingFaultCount() != faults_at_open_) return true;
  for (const SourceState& before : source_states_) {
    const SourceState now = StateOf(before.path);
    if (now.present != before.present || now.device != before.device || now.inode != before.inode ||
        now.size != before.size || now.mtime_ns != before.mtime_ns)
      return true;
  }
  return false;
}

WABSCollection::~WABSCollection() = default;

void WABSCollection::Close() {}

void WABSCollection::BuildLinks() {}

int WABSCollection::RecordToFileNumber(RecNo rec_no) { return rec_no; }

RecNo WABSCollection::FileNumberToRecord(int file_number) { return file_number; }

RecNo WABSCollection::FindIndividual(const std::string&) { return 0; }

RecNo WABSCollection::FindFamily(const std::string&) { return 0; }

RecNo WABSCollection::FindNote(const std::string&) { return 0; }

RecNo WABSCollection::FindSource(const std::string&) { return 0; }

RecNo WABSCollection::FindRepository(const std::string&) { return 0; }

std::string WABSCollection::GetRelationName(int code) { return RelationName(code); }

IdOrder WABSCollection::GetIdOrder() const { return IdOrder::Integer; }

std::string WABSCollection::GetIdCaption() const { return "RIN"; }

std::string WABSCollection::GetReferenceCaption() const { return "Custom"; }

std::string WABSCollection::IdentifierFromTyped(const std::string& typed) const { return typed; }

bool WABSCollection::HasSentences() const { return false; }

std::string WABSCollection::GetSubmitterCountryLabel() const { return "Country"; }

std::string WABSCollection::GetIdentifierSource() const { return std::string(); }

bool WABSCollection::HasCrossReferenceIds() const { return false; }

std::string WABSCollection::GetChildRelationName(int parent_code, char sex) {
  return ChildRelationName(parent_code, sex);
}

std::string WABSCollection::RelationName(int code) {
  if (code < 0 || code >= static_cast<int>(kRelationNames.size())) return std::string();
  return kRelationNames[code];
}

std::string WABSCollection::ChildRelationName(int parent_code, char sex) {
  if (parent_code < 0 || parent_code > kLastParentCode) return std::string();
  if (parent_code == 0) return RelationName(0);
  const int qualifier = (parent_code - 1) % 6;
  if (sex == 'M' || sex == 'm') return RelationName(kSonCode + qualifier);
  if (sex == 'F' || sex == 'f') return RelationName(kDaughterCode + qualifier);
  return RelationName(kChildCode + qualifier);
}

RecNo WABSCollection::ParentOf(RecNo rec_no, bool father) {
  if (rec_no == 0) return 0;
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  if (!person) return 0;
  const RecNo family_no = person->GetParentFamily(1);
  if (family_no <= 0) return 0;
  // A family record reads all of the family (every child line of a large one); the link
  // table answers in constant time.
  if (WFamLinks* links = FamLinks()) return father ? links->GetHusband(family_no) : links->GetWife(family_no);
  std::unique_ptr<WABSMarriage> family = GetFamily(family_no);
  if (!family) return 0;
  return father ? family->GetHusband() : family->GetWife();
}

RecNo WABSCollection::GetFatherOf(RecNo rec_no) { return ParentOf(rec_no, true); }

RecNo WABSCollection::GetMotherOf(RecNo rec_no) { return ParentOf(rec_no, false); }

bool WABSCollection::HasChildren(RecNo rec_no) {
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  if (!person) return false;
  const int count = person->SpouseFamilyCount();
  for (int i = 1; i <= count; ++i) {
    std::unique_ptr<WABSMarriage> family = GetFamily(person->GetSpouseFamily(i));
    if (family && family->ChildCount() > 0) return true;
  }
  return false;
}

bool WABSCollection::HasSpouseSealing(RecNo rec_no, int family_index) {
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  if (!person) return false;
  const int count = person->SpouseFamilyCount();
  int first = 1;
  int last = count;
  if (family_index >= 1 && family_index <= count) first = last = family_index;
  for (int i = first; i <= last; ++i) {
    std::unique_ptr<WABSMarriage> family = GetFamily(person->GetSpouseFamily(i));
    if (!family) continue;
    const int sealings = family->SealingCount();
    for (int j = 1; j <= sealings; ++j) {
      if (family->GetSealing(j)) return true;
    }
  }
  return false;
}

std::unique_ptr<WABSLDSEvent> WABSCollection::GetSpouseSealing(RecNo rec_no, int family_index,
                                                               int sealing_index) {
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  if (!person || family_index < 1 || family_index > person->SpouseFamilyCount()) return nullptr;
  std::unique_ptr<WABSMarriage> family = GetFamily(person->GetSpouseFamily(family_index));
  if (!family || sealing_index < 1 || sealing_index > family->SealingCount()) return nullptr;
  return family->GetSealing(sealing_index);
}

std::string WABSCollection::GetIndividualName(RecNo rec_no) {
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  return person ? person->GetFullName(true) : std::string();
}

std::string WABSCollection::GetIndividualDisplayName(RecNo rec_no) {
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  return person ? person->GetDisplayName() : std::string();
}

std::string WABSCollection::GetIndividualSummary(RecNo rec_no) {
  std::unique_ptr<WABSIndividual> person = GetIndividual(rec_no);
  if (!person) return std::string();

  std::string text = "Name :" + person->GetDisplayName();
  text += kCrLf + std::string("Sex    :") + person->GetSex();
  text += kCrLf + std::string("Birth   :") + person->GetEventDatePlaceText(evBirth, 1);
  text += kCrLf + std::string("Chr     :") + person->GetEventDatePlaceText(evChristening, 1);
  text += kCrLf + std::string("Death :") + person->GetEventDatePlaceText(evDeath, 1);
  text += kCrLf + std::string("Bur     :") + person->GetEventDatePlaceText(evBurial, 1);
  text += kCrLf + std::string("Age     :") + person->GetAgeText();
  const RecNo father = GetFatherOf(rec_no);
  const RecNo mother = GetMotherOf(rec_no);
  text += kCrLf + std::string("Father :") + (father ? GetIndividualDisplayName(father) : std::string());
  text += kCrLf + std::string("Mother :") + (mother ? GetIndividualDisplayName(mother) : std::string());

  std::string spouses;
  const int family_count = person->SpouseFamilyCount();
  for (int i = 1; i <= family_count; ++i) {
    std::unique_ptr<WABSMarriage> family = GetFamily(person->GetSpouseFamily(i));
    if (!family) continue;
    const RecNo spouse = family->GetOtherSpouse(rec_no);
    spouses += "Spouse: " + (spouse ? GetIndividualDisplayName(spouse) : std::string(kNoName)) + kCrLf;
    spouses += "   Mar. Date: " + family->GetDateText() + ", " + family->GetPlaceText() + kCrLf;
    family->OrderChildren();
    const int children = family->ChildCount();
    for (int j = 1; j <= children; ++j) {
      const RecNo child_no = family->GetChild(j);
      if (child_no <= 0) continue;
      std::unique_ptr<WABSIndividual> child = GetIndividual(child_no);
      std::string line = HasChildren(child_no) ? "< " : "   ";
      const int year = child ? child->GetEventYear(evBirth, 1) : 0;
      line += year ? std::to_string(year) + " " : std::string(8, ' ');
      line += child ? child->GetDisplayName() : std::string();
      spouses += "   " + line + kCrLf;
    }
  }
  if (!spouses.empty()) {
    spouses.resize(spouses.size() - 2);
    text += kCrLf + spouses;
  }
  return text;
}

int WABSCollection::DisplayCount() { return IndividualCount(); }

RecNo WABSCollection::DisplayToRecord(int position) { return position; }

int WABSCollection::RecordToDisplay(RecNo rec_no) { return rec_no; }

std::string WABSCollection::FormatFileSize(int64_t bytes) {
  if (bytes >= INT32_MIN && bytes <= INT32_MAX) return FormatCount(static_cast<int>(bytes));
  // Beyond the range of FormatCount: group the digits the same way.
  const std::string separator = ThousandsSeparator("");
  std::string digits = std::to_string(bytes < 0 ? -bytes : bytes);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return bytes < 0 ? "-" + grouped : grouped;
}

std::string WABSCollection::FormatFileDate(std::time_t when) {
  if (when <= 0) return std::string();
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  if (!localtime_r(&when, &local)) return std::string();
  int hour = local.tm_hour % 12;
  if (hour == 0) hour = 12;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%02d %s %04d, %d:%02d %s", local.tm_mday, kMonths[local.tm_mon],
                local.tm_year + 1900, hour, local.tm_min, local.tm_hour < 12 ? "AM" : "PM");
  return buffer;
}

int64_t WABSCollection::FileSizeOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

std::time_t WABSCollection::FileTimeOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return 0;
  return info.st_mtime;
}
