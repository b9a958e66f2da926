#include "export/GedcomExport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iterator>

#include "base/Date.h"
#include "base/Errors.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "export/GedcomDate.h"
#include "model/ABSAddress.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/ABSVitEvent.h"
#include "model/ABSWitness.h"

namespace {

const char* const kSubmitterXref = "U1";

// The tags of the other events and attributes, with the type name a GEDCOM file's event of that
// tag has in the model.  An event whose type name is none of these is written as EVEN with TYPE.
struct EventTag {
  const char* tag;
  std::string_view name;
};
constexpr EventTag kEventTags[] = {
    {"BAPM", "Baptism"},
    {"CHRA", "Adult Christening"},
    {"PROB", "Probate"},
    {"EDUC", "Education"},
    {"GRAD", "Graduation"},
    {"CONF", "Confirmation"},
    {"EMIG", "Emigration"},
    {"NCHI", "Children Count"},
    {"RELI", "Religion"},
    {"IMMI", "Immigration"},
    {"RESI", "Residence"},
    {"NATI", "Nationality"},
    {"RETI", "Retirement"},
    {"WILL", "Will"},
    {"CONL", "Confirmation LDS"},
    {"TITL", "Nobility Title"},
    {"CREM", "Cremation"},
    {"FCOM", "First Communion"},
    {"ORDN", "Ordinance"},
    {"ADOP", "Adoption"},
    {"PROP", "Property"},
    {"DSCR", "Phyical Description"},
    {"BLES", "Blessing"},
    {"CENS", "Census"},
    {"CAST", "Caste"},
    {"OCCU", "Occupation"},
    {"NATU", "Naturalization"},
    {"SSN", "SSN"},
};

// Words that stand in an ordinance's date for its status.
constexpr const char* kOrdinanceStatus[] = {
    "BIC",  "CANCELED", "CANCELLED", "CHILD",    "CLEARED",   "COMPLETED", "DNS",       "DNS/CAN",
    "DONE", "EXCLUDED", "INFANT",    "PRE-1970", "QUALIFIED", "STILLBORN", "SUBMITTED", "UNCLEARED"};

// The tag for an other event's type name, and the TYPE to write beside it.  Only the very name
// a reader gives an event of a tag stands for that tag; any other name (another spelling too)
// is an EVEN whose TYPE keeps it, which is what other programs read best.
const char* TagOfType(std::string_view name, std::string_view& type) {
  for (const EventTag& t : kEventTags) {
    if (name == t.name) {
      type = {};
      return t.tag;
    }
  }
  type = name;
  return "EVEN";
}

bool IsAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// True when `id` is "I<n>", the xref made for individual n.
bool IsMadeXref(std::string_view id, RecNo n) {
  if (id.size() < 2 || id[0] != 'I' || id[1] == '0' || n <= 0) return false;
  int64_t value = 0;
  for (char c : id.substr(1)) {
    if (c < '0' || c > '9' || value > n) return false;
    value = value * 10 + (c - '0');
  }
  return value == n;
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// A temple code: two to five capital letters ("SLAKE").
bool IsTempleCode(const std::string& place) {
  if (place.size() < 2 || place.size() > 5) return false;
  for (char c : place)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

// The temple code of an ordinance's place: the place itself when it is a code, or the code a
// reader puts before the temple's name ("SLAKE - Salt Lake City, Utah"); empty for a place.
std::string TempleCodeOf(const std::string& place) {
  if (IsTempleCode(place)) return place;
  const size_t dash = place.find(" - ");
  if (dash != std::string::npos && IsTempleCode(place.substr(0, dash))) return place.substr(0, dash);
  return std::string();
}

// The status word an ordinance's date text stands for ("Completed", "DNS/CAN"), upper-cased as
// GEDCOM writes it; empty when the date is a date.
std::string StatusOf(const WDate* date) {
  if (!date) return std::string();
  std::string text = date->GetText();
  if (TrimView(text).empty()) text = date->GetDisplayText();
  text = UpperCaseText(TrimText(text));
  for (const char* status : kOrdinanceStatus)
    if (text == status) return text;
  return std::string();
}

// The name a reader gives the vital event of a tag; a TYPE of that name says nothing.
bool IsStandardVitalName(std::string_view tag, std::string_view name) {
  static constexpr std::pair<std::string_view, std::string_view> kNames[] = {
      {"BIRT", "BIRTH"}, {"CHR", "CHRISTENING"}, {"DEAT", "DEATH"}, {"BURI", "BURIAL"}};
  const std::string upper = UpperCaseText(TrimText(std::string(name)));
  for (const auto& [t, n] : kNames)
    if (t == tag) return upper == n;
  return false;
}

// A citation's text, by which a place's citation is known as one of its event's.
std::string CitationKey(WABSCitation& citation) { return citation.GetCitationText(); }

// PEDI for the relation codes of a child to its mother and father: adopted, foster or step when
// either says so (in that order of weight); none for natural, god and other links.
const char* PedigreeOf(int mother_relation, int father_relation) {
  auto qualifier = [](int code) { return code >= 1 && code <= 18 ? (code - 1) % 6 : 0; };
  const int m = qualifier(mother_relation), f = qualifier(father_relation);
  if (m == 1 || f == 1) return "adopted";
  if (m == 4 || f == 4) return "foster";
  if (m == 2 || f == 2) return "step";
  return nullptr;
}

// Where the identifiers of individuals come from, for the TYPE of their REFN.
std::string IdentifierType(WABSCollection& collection) {
  std::string type = collection.GetIdentifierSource();
  if (!type.empty()) type += ' ';
  return type + collection.GetIdCaption();
}

// What a file created with open(2) would get: 0666 less the umask (mkstemp gives 0600).
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// True when every piece of the whole address (its lines, and the pieces between commas) is one
// of the parts' lines, or when the whole address is empty.
bool PartsHoldAddress(const std::string& whole, const std::vector<std::string>& parts) {
  std::vector<std::string> lines;
  for (const std::string& part : parts) {
    size_t i = 0;
    while (i <= part.size()) {
      size_t end = part.find_first_of("\r\n", i);
      if (end == std::string::npos) end = part.size();
      lines.push_back(TrimText(part.substr(i, end - i)));
      i = end + 1;
    }
  }
  size_t i = 0;
  while (i < whole.size()) {
    size_t end = whole.find_first_of(",\r\n", i);
    if (end == std::string::npos) end = whole.size();
    const std::string piece = TrimText(whole.substr(i, end - i));
    if (!piece.empty() && std::find(lines.begin(), lines.end(), piece) == lines.end()) return false;
    i = end + 1;
  }
  return true;
}

std::string NoteText(const WABSNote* note) { return note ? note->GetText("\r\n") : std::string(); }

// 64-bit FNV-1a over the fields, each closed by a byte that no text holds.
class KeyHash {
 public:
  void Add(std::string_view text) {
    for (char c : text) Byte(static_cast<unsigned char>(c));
    Byte(0);
  }
  uint64_t Value() const { return h_; }

 private:
  void Byte(unsigned char b) {
    h_ ^= b;
    h_ *= 1099511628211ull;
  }
  uint64_t h_ = 14695981039346656037ull;
};

}  // namespace

WGedcomExport::WGedcomExport(WABSCollection& collection)
    : collection_(collection),
      program_version_(std::to_string(TARAVELL_VERSION_MAJOR) + "." + std::to_string(TARAVELL_VERSION_MINOR)),
      when_(std::time(nullptr)),
      keep_ids_(collection.HasCrossReferenceIds()) {}

WGedcomExport::~WGedcomExport() = default;

int WGedcomExport::RecordTotal() {
  return collection_.IndividualCount() + collection_.FamilyCount() + collection_.SourceCount();
}

bool WGedcomExport::WriteAll(const WGedcomWriter::Sink& sink) {
  counts_ = Counts();
  xref_kinds_.assign(keep_ids_ ? static_cast<size_t>(collection_.IndividualCount()) + 1 : 0, kXrefUnknown);
  repositories_.clear();
  repository_exists_.clear();
  extra_source_by_key_.clear();
  extra_sources_.clear();
  out_ = std::make_unique<WGedcomWriter>(sink);
  GatherFamilyMembers();
  if (ImportCancelled) return false;
  constexpr int kYieldEvery = 512;
  int since_yield = 0;
  auto tick = [&]() {
    if (++since_yield < kYieldEvery) return true;
    since_yield = 0;
    out_->Flush();
    YieldToUI();
    return !ImportCancelled;
  };
  WriteHeader();
  WriteSubmitter();
  for (RecNo n = 1; n <= collection_.IndividualCount(); ++n) {
    WriteIndividual(n);
    ++counts_.individuals;
    if (!tick()) return false;
  }
  for (RecNo n = 1; n <= collection_.FamilyCount(); ++n) {
    WriteFamily(n);
    ++counts_.families;
    if (!tick()) return false;
  }
  for (RecNo n = 1; n <= collection_.SourceCount(); ++n) {
    WriteSource(n);
    ++counts_.sources;
    if (!tick()) return false;
  }
  for (size_t k = 0; k < extra_sources_.size(); ++k) {
    WriteSourceRecord("S" + std::to_string(collection_.SourceCount() + static_cast<RecNo>(k) + 1),
                      *extra_sources_[k]);
    ++counts_.sources;
  }
  // The repositories the sources name.  The model cannot tell how many repositories there are
  // (and a reader may answer any number), so the ones up to the highest named are written in
  // order while they exist, keeping their record numbers, then the named ones after a gap.
  std::sort(repositories_.begin(), repositories_.end());
  const RecNo highest = repositories_.empty() ? 0 : repositories_.back();
  const RecNo limit = std::min<RecNo>(highest, collection_.SourceCount() + 1000);
  RecNo next = 1;
  while (next <= limit && RepositoryExists(next)) {
    WriteRepository(next++);
    ++counts_.repositories;
  }
  std::sort(repositories_.begin(), repositories_.end());
  repositories_.erase(std::unique(repositories_.begin(), repositories_.end()), repositories_.end());
  for (RecNo n : repositories_) {
    if (n < next) continue;
    WriteRepository(n);
    ++counts_.repositories;
  }
  out_->Record("", "TRLR");
  out_->Flush();
  out_.reset();
  return !ImportCancelled;
}

// ---------------------------------------------------------------------------------------------
// Header and submitter

void WGedcomExport::WriteHeader() {
  WGedcomWriter& out = *out_;
  std::tm tm{};
  localtime_r(&when_, &tm);
  static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  char date[32], time[16];
  std::snprintf(date, sizeof date, "%d %s %d", tm.tm_mday, kMonths[tm.tm_mon % 12], tm.tm_year + 1900);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
  out.Record("", "HEAD");
  out.Utf8Line(1, "SOUR", "TARAVELL_LITE");
  out.Utf8Line(2, "VERS", program_version_);
  out.Utf8Line(2, "NAME", "Taravell Lite");
  export_date_ = date;
  out.Utf8Line(1, "DATE", date);
  out.Utf8Line(2, "TIME", time);
  out.Pointer(1, "SUBM", kSubmitterXref);
  if (!file_name_.empty()) out.Utf8Line(1, "FILE", file_name_);
  out.Line(1, "GEDC");
  out.Utf8Line(2, "VERS", "5.5.1");
  out.Utf8Line(2, "FORM", "LINEAGE-LINKED");
  out.Utf8Line(1, "CHAR", "UTF-8");
}

void WGedcomExport::WriteSubmitter() {
  WGedcomWriter& out = *out_;
  out.Record(kSubmitterXref, "SUBM");
  std::unique_ptr<WABSSubmitter> submitter;
  try {
    submitter = collection_.GetSubmitter();
  } catch (const std::exception&) {
    submitter.reset();
  }
  std::string name = submitter ? TrimText(submitter->GetName()) : std::string();
  // A submitter must have a name.
  out.Line(1, "NAME", name.empty() ? std::string("Unknown") : name);
  if (!submitter) return;
  const std::string lines[3] = {submitter->GetAddressLine1(), submitter->GetAddressLine2(),
                                submitter->GetAddressLine3()};
  const std::string country = submitter->GetCountry();
  // Files whose submitter has a web site instead of a country say so by the row's label.
  const bool web_site = collection_.GetSubmitterCountryLabel() != "Country";
  int last = 2;
  while (last >= 0 && lines[last].empty()) --last;
  if (last >= 0 || (!country.empty() && !web_site)) {
    out.Line(1, "ADDR", lines[0]);
    for (int i = 1; i <= last; ++i) out.Line(2, "CONT", lines[i]);
    if (!country.empty() && !web_site) out.Line(2, "CTRY", country);
  }
  if (const std::string phone = submitter->GetPhone(); !phone.empty()) out.Line(1, "PHON", phone);
  if (const std::string email = submitter->GetEmail(); !email.empty()) out.Line(1, "EMAIL", email);
  if (!country.empty() && web_site) out.Line(1, "WWW", country);
}

// ---------------------------------------------------------------------------------------------
// Individuals

bool WGedcomExport::IsKeptIdentifier(RecNo n, const std::string& id) {
  if (!keep_ids_ || id.empty() || id.size() > 20 || !IsAsciiAlnum(id[0])) return false;
  for (char c : id)
    if (!IsAsciiAlnum(c) && c != '_' && c != '-' && c != '.' && c != ':') return false;
  // The forms of the xrefs made for the other kinds of record stay theirs.
  if ((id[0] == 'F' || id[0] == 'S' || id[0] == 'R' || id[0] == 'U') &&
      AllDigits(std::string_view(id).substr(1)))
    return false;
  return collection_.FindIndividual(id) == n;
}

std::string WGedcomExport::IndividualXref(RecNo n) {
  const XrefKind known =
      n >= 0 && static_cast<size_t>(n) < xref_kinds_.size() ? xref_kinds_[n] : kXrefUnknown;
  if (!keep_ids_ || known == kXrefMade) return "I" + std::to_string(n);
  std::string id;
  try {
    if (std::unique_ptr<WABSIndividual> person = collection_.GetIndividual(n)) id = person->GetID();
  } catch (const std::exception&) {
    id.clear();
  }
  return known == kXrefKept ? id : XrefOf(n, id);
}

std::string WGedcomExport::XrefOf(RecNo n, const std::string& id) {
  if (!keep_ids_) return "I" + std::to_string(n);
  auto remember = [&](XrefKind kind) {
    if (n >= 0 && static_cast<size_t>(n) < xref_kinds_.size()) xref_kinds_[n] = kind;
  };
  if (IsKeptIdentifier(n, id)) {
    // An identifier that is the made xref itself ("I12" for individual 12, as most files
    // number them) lets the families write it without fetching the individual again.
    remember(IsMadeXref(id, n) ? kXrefMade : kXrefKept);
    return id;
  }
  // A made xref must not be another individual's kept identifier.
  const std::string made = "I" + std::to_string(n);
  const RecNo owner = collection_.FindIndividual(made);
  if (owner == 0 || owner == n) {
    remember(kXrefMade);
    return made;
  }
  for (int k = 1;; ++k) {
    std::string other = made + "_" + std::to_string(k);
    if (collection_.FindIndividual(other) == 0) return other;
  }
}

void WGedcomExport::WritePlaceholder(const char* prefix, const char* tag, RecNo n, const std::string& why) {
  // The record stays, so that what points at it still finds it and record numbers keep their order.
  out_->Record(prefix + std::to_string(n), tag);
  out_->Text(1, "NOTE", "Taravell Lite could not read this record: " + why);
}

void WGedcomExport::WriteIndividual(RecNo n) {
  WGedcomWriter& out = *out_;
  std::unique_ptr<WABSIndividual> person;
  std::string failure = "no such individual";
  try {
    person = collection_.GetIndividual(n);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  if (!person) {
    WritePlaceholder("I", "INDI", n, failure);
    return;
  }
  const std::string id = person->GetID();
  const std::string xref = XrefOf(n, id);
  out.Record(xref, "INDI");
  if (std::unique_ptr<WABSName> name = person->GetName()) WriteName(*name);
  char sex = person->GetSex();
  out.Utf8Line(1, "SEX", sex == 'M' || sex == 'm' ? "M" : sex == 'F' || sex == 'f' ? "F" : "U");

  static constexpr struct {
    int kind;
    const char* tag;
  } kVital[] = {{evBirth, "BIRT"}, {evChristening, "CHR"}, {evDeath, "DEAT"}, {evBurial, "BURI"}};
  for (const auto& vital : kVital)
    if (std::unique_ptr<WABSVitEvent> event = person->GetEvent(vital.kind, 1))
      WriteEvent(1, vital.tag, true, *event, event->GetTypeName());
  const int others = person->EventCount(evOther);
  for (int i = 1; i <= others; ++i) {
    std::unique_ptr<WABSVitEvent> event = person->GetEvent(evOther, i);
    if (!event) continue;
    std::string_view type;
    const char* tag = TagOfType(event->GetTypeName(), type);
    WriteEvent(1, tag, false, *event, type);
  }

  RecNo first_parents = 0;
  const int parent_count = person->ParentFamilyCount();
  for (int i = 1; i <= parent_count && first_parents == 0; ++i) {
    RecNo family = person->GetParentFamily(i);
    if (family > 0 && family <= collection_.FamilyCount()) first_parents = family;
  }
  static constexpr struct {
    int kind;
    const char* tag;
  } kOrdinances[] = {{evLDSBaptism, "BAPL"}, {evEndowment, "ENDL"}, {evSealingToParents, "SLGC"}};
  for (const auto& ordinance : kOrdinances)
    if (std::unique_ptr<WABSLDSEvent> event = person->GetLDSEvent(ordinance.kind))
      WriteOrdinance(1, ordinance.tag, *event, ordinance.kind == evSealingToParents ? first_parents : 0);

  if (const std::string ref = person->GetReferenceNumber(); !ref.empty()) out.Line(1, "REFN", ref);
  if (!id.empty() && id != xref) {
    out.Line(1, "REFN", id);
    out.Line(2, "TYPE", IdentifierType(collection_));
  }
  if (const std::string afn = person->GetAFN(); !afn.empty()) out.Line(1, "AFN", afn);

  // The person's own lists, then the families that list the person without being listed.
  std::vector<RecNo> listed, gathered;
  for (int i = 1; i <= parent_count; ++i) {
    RecNo family = 0;
    int mother = 0, father = 0;
    if (!person->GetParentFamilyLink(i, family, mother, father)) continue;
    if (family <= 0 || family > collection_.FamilyCount()) continue;
    out.Pointer(1, "FAMC", "F" + std::to_string(family));
    if (const char* pedigree = PedigreeOf(mother, father)) out.Utf8Line(2, "PEDI", pedigree);
    listed.push_back(family);
  }
  FamiliesOf(children_, n, gathered);
  for (RecNo family : gathered)
    if (std::find(listed.begin(), listed.end(), family) == listed.end())
      out.Pointer(1, "FAMC", "F" + std::to_string(family));
  listed.clear();
  const int spouse_count = person->SpouseFamilyCount();
  for (int i = 1; i <= spouse_count; ++i) {
    RecNo family = person->GetSpouseFamily(i);
    if (family > 0 && family <= collection_.FamilyCount()) {
      out.Pointer(1, "FAMS", "F" + std::to_string(family));
      listed.push_back(family);
    }
  }
  FamiliesOf(partners_, n, gathered);
  for (RecNo family : gathered)
    if (std::find(listed.begin(), listed.end(), family) == listed.end())
      out.Pointer(1, "FAMS", "F" + std::to_string(family));

  // The events of others this person witnessed: an association with each principal.
  const int witnessed = person->WitnessCount();
  for (int i = 1; i <= witnessed; ++i) {
    std::unique_ptr<WABSWitness> witness = person->GetWitness(i);
    if (!witness) continue;
    for (RecNo principal : {witness->GetPrincipal(), witness->GetSecondPrincipal()}) {
      if (principal <= 0 || principal > collection_.IndividualCount() || principal == n) continue;
      out.Pointer(1, "ASSO", IndividualXref(principal));
      out.Utf8Line(2, "RELA", "Witness");
      if (const std::string what = witness->GetDescription(); !TrimView(what).empty())
        out.Text(2, "NOTE", what);
    }
  }

  std::unique_ptr<WABSNote> note = person->GetNote();
  WriteNote(1, note.get());
  WABSIndividual* p = person.get();
  WriteCitations(1, person->CitationCount(), [p](int i) { return p->GetCitation(i); });

  const std::string changed = WGedcomDate::FromDate(person->GetChangeDate());
  if (!changed.empty() && changed.front() != '(') {
    out.Line(1, "CHAN");
    out.Line(2, "DATE", changed);
  }
}

void WGedcomExport::GatherFamilyMembers() {
  partners_.clear();
  children_.clear();
  const int people = collection_.IndividualCount();
  for (RecNo f = 1; f <= collection_.FamilyCount(); ++f) {
    if (f % 4096 == 0) {
      YieldToUI();
      if (ImportCancelled) return;
    }
    std::unique_ptr<WABSMarriage> family;
    try {
      family = collection_.GetFamily(f);
    } catch (const std::exception&) {
      continue;
    }
    if (!family) continue;
    for (RecNo partner : {family->GetHusband(), family->GetWife()})
      if (partner > 0 && partner <= people) partners_.emplace_back(partner, f);
    const int count = family->ChildCount();
    for (int i = 1; i <= count; ++i)
      if (const RecNo child = family->GetChild(i); child > 0 && child <= people) children_.emplace_back(child, f);
  }
  std::sort(partners_.begin(), partners_.end());
  std::sort(children_.begin(), children_.end());
}

void WGedcomExport::FamiliesOf(const std::vector<std::pair<RecNo, RecNo>>& members, RecNo person,
                               std::vector<RecNo>& out) {
  out.clear();
  for (auto it = std::lower_bound(members.begin(), members.end(), std::make_pair(person, RecNo{0}));
       it != members.end() && it->first == person; ++it)
    if (out.empty() || out.back() != it->second) out.push_back(it->second);
}

void WGedcomExport::WriteName(WABSName& name) {
  WGedcomWriter& out = *out_;
  const std::string given_text = name.GetGivenNames();
  const std::string surname = name.GetSurname();
  const std::string prefix_text = name.GetPrefix();
  const std::string suffix = name.GetSuffix();
  const std::string_view given = TrimView(given_text);
  const std::string_view prefix = TrimView(prefix_text);
  // "Given /Surname/ Suffix".  The prefix stays out of the value (NPFX carries it), so that a
  // reader taking the given names from the value does not take the prefix with them.  A suffix
  // that a GEDCOM file gave after the surname begins with its blank and goes back there as it
  // was; any other suffix is named by NSFX as well.
  const bool suffix_in_value = !suffix.empty() && suffix.front() == ' ';
  const std::string_view trimmed_suffix = TrimView(suffix);
  std::string value;
  value.reserve(given.size() + surname.size() + suffix.size() + 4);
  value += given;
  if (!value.empty()) value += ' ';
  value += '/';
  value += surname;
  value += '/';
  if (suffix_in_value) {
    value += suffix;
  } else if (!trimmed_suffix.empty()) {
    value += ' ';
    value += trimmed_suffix;
  }
  out.Line(1, "NAME", value);
  if (!prefix.empty()) out.Line(2, "NPFX", prefix);
  if (!given.empty()) out.Line(2, "GIVN", given);
  if (const std::string_view trimmed_surname = TrimView(surname); !trimmed_surname.empty())
    out.Line(2, "SURN", trimmed_surname);
  if (!suffix_in_value && !trimmed_suffix.empty()) out.Line(2, "NSFX", trimmed_suffix);
  std::unique_ptr<WABSNote> note = name.GetNote();
  WriteNote(2, note.get());
  WABSName* n = &name;
  WriteCitations(2, name.CitationCount(), [n](int i) { return n->GetCitation(i); });
}

void WGedcomExport::WriteEvent(int level, std::string_view tag, bool vital, WABSEvent& event,
                               std::string_view type) {
  WGedcomWriter& out = *out_;
  const std::string description = event.GetDescription();
  // A vital event's line holds "Y" or nothing: any other description goes first in its note
  // (of a GEDCOM file's "Y" with a cause, "Y, cause", the cause).  An other event's description
  // is its value.
  std::string described = vital ? TrimText(description) : std::string();
  const bool yes = described == "Y" || described.starts_with("Y, ");
  if (yes) described.erase(0, std::min<size_t>(described.size(), 3));
  if (vital)
    out.Line(level, tag, yes ? "Y" : "");
  else
    out.Line(level, tag, description);
  // Only EVEN needs its TYPE; a vital event keeps a type name other than its tag's own.
  if (!type.empty() && !(vital && IsStandardVitalName(tag, type))) out.Line(level + 1, "TYPE", type);
  WriteDate(level + 1, event);
  WABSEvent* e = &event;
  const int citation_count = event.CitationCount();
  std::vector<std::string> citation_keys;
  for (int i = 1; i <= citation_count; ++i)
    if (std::unique_ptr<WABSCitation> citation = event.GetCitation(i)) citation_keys.push_back(CitationKey(*citation));
  WritePlace(level + 1, event, true, citation_keys);
  std::unique_ptr<WABSNote> note = event.GetNote();
  std::string note_text = NoteText(note.get());
  if (!described.empty()) note_text = note_text.empty() ? described : described + "\r\n" + note_text;
  if (!note_text.empty()) out.Text(level + 1, "NOTE", note_text);
  WriteCitations(level + 1, citation_count, [e](int i) { return e->GetCitation(i); });
}

void WGedcomExport::WriteOrdinance(int level, const char* tag, WABSLDSEvent& ordinance,
                                   RecNo sealing_family) {
  WGedcomWriter& out = *out_;
  out.Line(level, tag);
  WriteOrdinanceDateAndPlace(level + 1, ordinance);
  if (sealing_family > 0) out.Pointer(level + 1, "FAMC", "F" + std::to_string(sealing_family));
  std::unique_ptr<WABSNote> note = ordinance.GetNote();
  WriteNote(level + 1, note.get());
  WABSEvent* e = &ordinance;
  WriteCitations(level + 1, ordinance.CitationCount(), [e](int i) { return e->GetCitation(i); });
}

void WGedcomExport::WriteOrdinanceDateAndPlace(int level, WABSEvent& ordinance) {
  WGedcomWriter& out = *out_;
  // A status stands where the date would: STAT, with the date it was set, which the model does
  // not know (the day of the export stands for it, as the standard wants one).
  if (const std::string status = StatusOf(ordinance.GetDate()); !status.empty()) {
    out.Line(level, "STAT", status);
    out.Utf8Line(level + 1, "DATE", export_date_);
  } else {
    WriteDate(level, ordinance);
  }
  std::unique_ptr<WABSPlace> place = ordinance.GetPlace();
  const std::string where = place ? TrimText(place->GetName()) : std::string();
  if (const std::string temple = TempleCodeOf(where); !temple.empty())
    out.Line(level, "TEMP", temple);
  else if (!where.empty())
    out.Line(level, "PLAC", where);
}

void WGedcomExport::WriteDate(int level, WABSEvent& event) {
  const std::string date = WGedcomDate::FromDate(event.GetDate());
  if (!date.empty()) out_->Line(level, "DATE", date);
}

void WGedcomExport::WritePlace(int level, WABSEvent& event, bool with_details,
                               const std::vector<std::string>& event_citations) {
  std::unique_ptr<WABSPlace> place = event.GetPlace();
  if (!place) return;
  const std::string name = place->GetName();
  if (TrimView(name).empty()) return;
  out_->Line(level, "PLAC", name);
  if (!with_details) return;
  std::unique_ptr<WABSNote> note = place->GetNote();
  WriteNote(level + 1, note.get());
  // A reader may give a place its event's citations: they go under the event only.
  const int count = place->CitationCount();
  for (int i = 1; i <= count; ++i) {
    std::unique_ptr<WABSCitation> citation = place->GetCitation(i);
    if (!citation) continue;
    const std::string key = CitationKey(*citation);
    if (std::find(event_citations.begin(), event_citations.end(), key) == event_citations.end())
      WriteCitation(level + 1, *citation);
  }
}

void WGedcomExport::WriteNote(int level, const WABSNote* note) {
  const std::string text = NoteText(note);
  if (!text.empty()) out_->Text(level, "NOTE", text);
}

void WGedcomExport::WriteCitations(int level, int count,
                                   const std::function<std::unique_ptr<WABSCitation>(int)>& get) {
  for (int i = 1; i <= count; ++i)
    if (std::unique_ptr<WABSCitation> citation = get(i)) WriteCitation(level, *citation);
}

void WGedcomExport::WriteCitation(int level, WABSCitation& citation) {
  WGedcomWriter& out = *out_;
  std::unique_ptr<WABSNote> citation_note = citation.GetNote();
  // The reader names the record when it can; otherwise the source's content tells it.
  RecNo record = citation.GetSourceRecord();
  std::unique_ptr<WABSSource> source;
  if (record <= 0 || record > collection_.SourceCount()) {
    record = 0;
    source = citation.GetSource();
    if (source) record = SourceRecordOf(*source);
  }
  // A source the file has no record of gets one of its own (an inline source could keep
  // neither the page nor the source's note).
  if (record == 0 && source) record = ExtraSourceOf(std::move(source));
  if (record > 0) {
    out.Pointer(level, "SOUR", "S" + std::to_string(record));
    if (const std::string detail = citation.GetDetail(); !detail.empty()) out.Line(level + 1, "PAGE", detail);
  } else {
    // A citation of no source at all goes inline, described by its detail.  One whose only
    // text is its note (a reader that keeps the citation's detail in a note) is described by
    // that note: GEDCOM wants a description, and the note would otherwise read back as both
    // source and note.
    std::string description = citation.GetDetail();
    if (description.empty()) {
      description = NoteText(citation_note.get());
      if (!description.empty()) citation_note.reset();
    }
    out.Text(level, "SOUR", description);
  }
  WriteNote(level + 1, citation_note.get());
}

RecNo WGedcomExport::ExtraSourceOf(std::unique_ptr<WABSSource> source) {
  const uint64_t key = SourceKey(*source);
  if (auto found = extra_source_by_key_.find(key); found != extra_source_by_key_.end()) return found->second;
  extra_sources_.push_back(std::move(source));
  const RecNo record = collection_.SourceCount() + static_cast<RecNo>(extra_sources_.size());
  extra_source_by_key_.emplace(key, record);
  return record;
}

// ---------------------------------------------------------------------------------------------
// Families

void WGedcomExport::WriteFamily(RecNo n) {
  WGedcomWriter& out = *out_;
  std::unique_ptr<WABSMarriage> family;
  std::string failure = "no such family";
  try {
    family = collection_.GetFamily(n);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  if (!family) {
    WritePlaceholder("F", "FAM", n, failure);
    return;
  }
  family->OrderChildren();
  out.Record("F" + std::to_string(n), "FAM");
  const int people = collection_.IndividualCount();
  auto person = [&](const char* tag, RecNo who) {
    if (who > 0 && who <= people) out.Pointer(1, tag, IndividualXref(who));
  };
  person("HUSB", family->GetHusband());
  person("WIFE", family->GetWife());
  for (int i = 1; i <= family->ChildCount(); ++i) person("CHIL", family->GetChild(i));

  // Readers may take the first NOTE line anywhere in a family record for the family's note, so
  // the family's own note comes first (a family without one gets no NOTE at all).
  std::unique_ptr<WABSNote> note = family->GetNote();
  WriteNote(1, note.get());

  const std::string date = WGedcomDate::FromDate(family->GetDate());
  const std::string place = family->GetPlaceText();
  if (!date.empty() || !place.empty()) {
    out.Line(1, "MARR");
    if (!date.empty()) out.Line(2, "DATE", date);
    if (!place.empty()) out.Line(2, "PLAC", place);
  }
  // Sealings go without notes and citations: readers count every citation of a family record
  // as the family's own.
  const int sealings = family->SealingCount();
  for (int i = 1; i <= sealings; ++i) {
    std::unique_ptr<WABSLDSEvent> sealing = family->GetSealing(i);
    if (!sealing) continue;
    out.Line(1, "SLGS");
    WriteOrdinanceDateAndPlace(2, *sealing);
  }
  WABSMarriage* f = family.get();
  WriteCitations(1, family->CitationCount(), [f](int i) { return f->GetCitation(i); });
}

// ---------------------------------------------------------------------------------------------
// Sources and repositories

uint64_t WGedcomExport::SourceKey(WABSSource& source) {
  KeyHash key;
  key.Add(source.GetTitle());
  key.Add(source.GetAuthor());
  key.Add(source.GetPublication());
  key.Add(source.GetCallNumber());
  key.Add(source.GetAbbreviation());
  key.Add(std::to_string(source.GetRepositoryRecord()));
  std::unique_ptr<WABSNote> note = source.GetNote();
  key.Add(NoteText(note.get()));
  std::unique_ptr<WABSNote> text = source.GetText();
  key.Add(NoteText(text.get()));
  return key.Value();
}

RecNo WGedcomExport::SourceRecordOf(WABSSource& source) {
  // The model names a citation's source by its content only, so the source records are known by
  // theirs; two records alike in everything are one source to whoever reads the file.
  if (!sources_indexed_) {
    sources_indexed_ = true;
    for (RecNo n = 1; n <= collection_.SourceCount(); ++n) {
      try {
        if (std::unique_ptr<WABSSource> record = collection_.GetSource(n))
          source_by_key_.emplace(SourceKey(*record), n);
      } catch (const std::exception&) {
        continue;
      }
    }
  }
  if (source_by_key_.empty()) return 0;
  auto found = source_by_key_.find(SourceKey(source));
  return found == source_by_key_.end() ? 0 : found->second;
}

bool WGedcomExport::RepositoryExists(RecNo n) {
  auto known = repository_exists_.find(n);
  if (known != repository_exists_.end()) return known->second;
  bool exists = false;
  try {
    exists = collection_.GetRepository(n) != nullptr;
  } catch (const std::exception&) {
    exists = false;
  }
  repository_exists_.emplace(n, exists);
  if (exists) repositories_.push_back(n);
  return exists;
}

void WGedcomExport::WriteSource(RecNo n) {
  std::unique_ptr<WABSSource> source;
  std::string failure = "no such source";
  try {
    source = collection_.GetSource(n);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  if (!source) {
    WritePlaceholder("S", "SOUR", n, failure);
    return;
  }
  WriteSourceRecord("S" + std::to_string(n), *source);
}

void WGedcomExport::WriteSourceRecord(const std::string& xref, WABSSource& source_record) {
  WGedcomWriter& out = *out_;
  WABSSource* const source = &source_record;
  out.Record(xref, "SOUR");
  auto text = [&](const char* tag, const std::string& value) {
    if (!value.empty()) out.Text(1, tag, value);
  };
  text("AUTH", source->GetAuthor());
  text("TITL", source->GetTitle());
  text("ABBR", source->GetAbbreviation());
  text("PUBL", source->GetPublication());
  std::unique_ptr<WABSNote> body = source->GetText();
  text("TEXT", NoteText(body.get()));
  const RecNo repository = source->GetRepositoryRecord();
  const std::string call_number = source->GetCallNumber();
  if (repository > 0 && RepositoryExists(repository)) {
    out.Pointer(1, "REPO", "R" + std::to_string(repository));
    if (!call_number.empty()) out.Line(2, "CALN", call_number);
  } else if (!call_number.empty()) {
    out.Line(1, "REPO");
    out.Line(2, "CALN", call_number);
  }
  std::unique_ptr<WABSNote> note = source->GetNote();
  WriteNote(1, note.get());
}

void WGedcomExport::WriteRepository(RecNo n) {
  WGedcomWriter& out = *out_;
  std::unique_ptr<WABSRepo> repository;
  try {
    repository = collection_.GetRepository(n);
  } catch (const std::exception&) {
    repository.reset();
  }
  out.Record("R" + std::to_string(n), "REPO");
  const std::string name = repository ? repository->GetName() : std::string();
  // A repository must have a name; a name on several lines goes on one.
  out.Line(1, "NAME", name.empty() ? std::string("Unknown") : FlattenLines(name));
  if (!repository) return;
  if (std::unique_ptr<WABSAddress> address = repository->GetAddress()) {
    const std::string whole = address->GetAddress();
    const std::string parts[] = {address->GetLine1(), address->GetLine2(),      address->GetCity(),
                                 address->GetState(), address->GetPostalCode(), address->GetCountry()};
    static const char* const kTags[] = {"ADR1", "ADR2", "CITY", "STAE", "POST", "CTRY"};
    bool any = !whole.empty();
    for (const std::string& part : parts) any = any || !part.empty();
    if (any) {
      // The parts go as such only when they hold every piece of the whole address: readers take
      // parts that leave some of it out for the address and drop the rest.  Otherwise the parts
      // the whole address lacks are added to it as lines of its own; the country stays a part.
      const std::vector<std::string> part_list(parts, parts + std::size(parts));
      const bool parts_complete = PartsHoldAddress(whole, part_list);
      std::string text = whole;
      if (!parts_complete)
        for (size_t i = 0; i + 1 < std::size(parts); ++i)
          if (!TrimText(parts[i]).empty() && !PartsHoldAddress(parts[i], {whole}))
            text += (text.empty() ? "" : "\r\n") + TrimText(parts[i]);
      out.Text(1, "ADDR", text);
      for (size_t i = 0; i < std::size(parts); ++i)
        if (!parts[i].empty() && (parts_complete || i + 1 == std::size(parts)))
          out.Line(2, kTags[i], parts[i]);
    }
    if (const std::string phone = address->GetPhone(); !phone.empty()) out.Line(1, "PHON", phone);
  }
  std::unique_ptr<WABSNote> note = repository->GetNote();
  WriteNote(1, note.get());
}

// ---------------------------------------------------------------------------------------------
// The file

bool WGedcomExport::WritesOverSource(const std::string& path) const {
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) return false;
  for (const std::string& source : collection_.SourceFiles()) {
    struct stat st {};
    if (::stat(source.c_str(), &st) == 0 && st.st_dev == target.st_dev && st.st_ino == target.st_ino) return true;
  }
  return false;
}

WGedcomExport::Result WGedcomExport::WriteFile(const std::string& path, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  if (WritesOverSource(path)) {
    error = "The export would overwrite the file it comes from: " + path;
    return Result::Failed;
  }
  if (fs::is_directory(target, ec)) {
    error = "The export cannot be written: " + path + " is a folder";
    return Result::Failed;
  }
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = "The export cannot be written: " + path + ": " + std::strerror(errno);
    return Result::Failed;
  }
  ::fchmod(fd, NewFileMode());
  int write_error = 0;
  auto sink = [&](std::string_view bytes) {
    while (!bytes.empty() && write_error == 0) {
      ssize_t n = ::write(fd, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        write_error = errno;
        break;
      }
      bytes.remove_prefix(static_cast<size_t>(n));
    }
  };
  if (file_name_.empty()) file_name_ = target.filename().string();
  bool complete = false;
  std::string failure;
  try {
    complete = WriteAll(sink);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  if (complete && write_error == 0 && failure.empty() && ::fsync(fd) != 0) write_error = errno;
  if (::close(fd) != 0 && write_error == 0) write_error = errno;
  if (!complete || write_error != 0 || !failure.empty()) {
    ::unlink(temp.c_str());
    if (write_error != 0)
      error = "The export cannot be written: " + path + ": " + std::strerror(write_error);
    else if (!failure.empty())
      error = "The export failed: " + failure;
    return write_error == 0 && failure.empty() ? Result::Cancelled : Result::Failed;
  }
  // What was read from a file that changed meanwhile may be half old, half new (or zeros):
  // such an export is not put in place.
  if (collection_.ChangedOnDisk()) {
    ::unlink(temp.c_str());
    error = ChangedWhileReadingMessage(collection_.GetFileName());
    return Result::Changed;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    error = "The export cannot be written: " + path + ": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return Result::Failed;
  }
  return Result::Written;
}
