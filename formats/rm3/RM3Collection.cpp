#include "formats/rm3/RM3Collection.h"

#include <cstdio>

#include "base/Errors.h"
#include "base/FilePaths.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/rm3/RM3DBF.h"
#include "formats/rm3/RM3Header.h"
#include "formats/rm3/RM3Individual.h"
#include "formats/rm3/RM3Marriage.h"
#include "formats/rm3/RM3PrimeEventArray.h"
#include "formats/rm3/RM3Repo.h"
#include "formats/rm3/RM3Source.h"
#include "formats/rm3/RM3Submitter.h"
#include "formats/rm3/RM3TabA.h"
#include "formats/rm3/RM3TabC.h"
#include "formats/rm3/RM3TabE.h"
#include "formats/rm3/RM3TabF.h"
#include "formats/rm3/RM3TabI.h"
#include "formats/rm3/RM3TabL.h"
#include "formats/rm3/RM3TabM.h"
#include "formats/rm3/RM3TabP.h"
#include "formats/rm3/RM3TabR.h"
#include "formats/rm3/RM3TabS.h"
#include "formats/rm3/RM3TabT.h"
#include "formats/rm3/RM3Temples.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// The link passes yield to the user interface every this many rows.
constexpr int kLinkYieldInterval = 500;

// Relations of a child to its father and mother: natural.
constexpr int kFatherRelation = 1;
constexpr int kMotherRelation = 7;

// A table that holds fewer rows than its header counts was cut (or is being written from the
// start again): reading it would show part of the file as if it were all of it.
void RefuseShortTable(const WDBFFile& table) {
  if (static_cast<uint32_t>(table.RecordCount()) < table.HeaderRecordCount())
    throw EFileFormatError("The table " + table.Path() + " is shorter than its header says: the file is damaged.");
}

// Builds one table's lists: opens it only while the import is not cancelled.
template <class Table>
bool OpenTable(std::unique_ptr<Table>& table, const std::string& directory, const std::string& base,
               const char* key, WDamageLog& damage) {
  if (ImportCancelled) return false;
  table = std::make_unique<Table>(directory, base);
  table->ReportDamageTo(&damage);
  RefuseShortTable(*table);
  return table->BuildIndex(key);
}

}  // namespace

WRM3Collection::WRM3Collection(const std::string& path)
    : directory_(DirectoryOf(path)),
      base_name_(BaseNameOf(path)),
      header_(std::make_unique<WRM3Header>(path)) {
  file_name_ = path;
  char_set_ = CharSet::Plain;
}

WRM3Collection::~WRM3Collection() = default;

bool WRM3Collection::OpenTables() {
  if (!OpenTable(tab_a_, directory_, base_name_, "", Damage())) return false;
  if (!OpenTable(tab_c_, directory_, base_name_, "", Damage())) return false;
  if (ImportCancelled) return false;
  tab_e_ = std::make_unique<WRM3TabE>(directory_, base_name_);
  tab_e_->ReportDamageTo(&Damage());
  RefuseShortTable(*tab_e_);
  if (!tab_e_->BuildIndex()) return false;
  if (!OpenTable(tab_f_, directory_, base_name_, WRM3TabF::kKey, Damage())) return false;
  if (!OpenTable(tab_i_, directory_, base_name_, WRM3TabI::kKey, Damage())) return false;
  if (!OpenTable(tab_l_, directory_, base_name_, WRM3TabL::kKey, Damage())) return false;
  if (!OpenTable(tab_m_, directory_, base_name_, "", Damage())) return false;
  if (!OpenTable(tab_p_, directory_, base_name_, WRM3TabP::kKey, Damage())) return false;
  if (!OpenTable(tab_r_, directory_, base_name_, "", Damage())) return false;
  if (!OpenTable(tab_s_, directory_, base_name_, WRM3TabS::kKey, Damage())) return false;
  if (!OpenTable(tab_t_, directory_, base_name_, "", Damage())) return false;
  for (WRM3DBF* table :
       std::initializer_list<WRM3DBF*>{tab_a_.get(), tab_e_.get(), tab_f_.get(), tab_i_.get(), tab_l_.get(),
                                       tab_m_.get(), tab_p_.get(), tab_r_.get(), tab_s_.get(), tab_t_.get()})
    table->OpenMemo();
  return !ImportCancelled;
}

bool WRM3Collection::MakeLinks() {
  ind_links_ = std::make_unique<WIndLinks>(IndividualCount());
  fam_links_ = std::make_unique<WFamLinks>(FamilyCount());
  const WRM3TabC& children = *tab_c_;
  for (int row = 1; row <= children.LiveCount(); ++row) {
    if (row % kLinkYieldInterval == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
    const RecNo child = tab_i_->IdToPos(children.ChildId(row));
    const RecNo family = tab_f_->IdToPos(children.FamilyId(row));
    if (child > 0 && family > 0) {
      ind_links_->AddParentFamily(child, false, false, kMotherRelation, kFatherRelation, family);
      fam_links_->AddChild(family, child, children.ChildOrder(row));
    }
  }
  const WRM3TabF& families = *tab_f_;
  for (int row = 1; row <= families.LiveCount(); ++row) {
    if (row % kLinkYieldInterval == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
    const RecNo family = families.IdToPos(families.FamilyId(row));
    if (family < 1) continue;
    const RecNo father = tab_i_->IdToPos(families.FatherId(row));
    if (father > 0) {
      fam_links_->SetHusband(family, father);
      ind_links_->AddSpouseFamily(father, false, false, family);
    }
    const RecNo mother = tab_i_->IdToPos(families.MotherId(row));
    if (mother > 0) {
      fam_links_->SetWife(family, mother);
      ind_links_->AddSpouseFamily(mother, false, false, family);
    }
  }
  return true;
}

bool WRM3Collection::Import() {
  imported_ = false;
  if (!OpenTables() || !MakeLinks()) return false;
  prime_events_ = std::make_unique<WRM3PrimeEventArray>(IndividualCount());
  imported_ = !ImportCancelled;
  return imported_;
}

int WRM3Collection::PreCountIndividuals() {
  try {
    WRM3TabI people(directory_, base_name_);
    return people.BuildIndex(WRM3TabI::kKey) ? people.LiveCount() : 0;
  } catch (const ETaravellError&) {
    return 0;
  }
}

std::string WRM3Collection::GetFileSizeText() { return "N/A"; }

std::string WRM3Collection::GetFileDateText() { return FormatFileDate(FileTimeOf(file_name_)); }

std::vector<std::string> WRM3Collection::SourceFiles() const {
  std::vector<std::string> files = FilesNamedAfter(directory_, base_name_ + "_", {".dbf", ".fpt", ".cdx"});
  files.insert(files.begin(), file_name_);
  return files;
}

std::string WRM3Collection::GetVersionText() { return "N/A"; }

std::string WRM3Collection::GetHeaderText() { return std::string(); }

void WRM3Collection::BuildLinks() {
  if (ind_links_) ind_links_->OrderSpouseFamilies(*this);
}

std::unique_ptr<WABSIndividual> WRM3Collection::GetIndividual(RecNo rec_no) {
  if (!imported_ || rec_no < 1 || rec_no > IndividualCount()) return nullptr;
  return std::make_unique<WRM3Individual>(*this, rec_no);
}

std::unique_ptr<WABSMarriage> WRM3Collection::GetFamily(RecNo rec_no) {
  if (!imported_ || rec_no < 1 || rec_no > FamilyCount()) return nullptr;
  return std::make_unique<WRM3Marriage>(*this, rec_no);
}

std::unique_ptr<WABSSubmitter> WRM3Collection::GetSubmitter() {
  return std::make_unique<WRM3Submitter>(*header_);
}

std::unique_ptr<WABSNote> WRM3Collection::GetNote(RecNo) { return nullptr; }

std::unique_ptr<WABSSource> WRM3Collection::GetSource(RecNo rec_no) {
  if (!imported_ || rec_no < 1 || rec_no > SourceCount()) return nullptr;
  return std::make_unique<WRM3Source>(*this, rec_no);
}

std::unique_ptr<WABSRepo> WRM3Collection::GetRepository(RecNo rec_no) {
  if (!imported_ || rec_no < 1 || rec_no > RepositoryCount()) return nullptr;
  return std::make_unique<WRM3Repo>(*this, rec_no);
}

int WRM3Collection::IndividualCount() { return tab_i_ ? tab_i_->LiveCount() : 0; }
int WRM3Collection::FamilyCount() { return tab_f_ ? tab_f_->LiveCount() : 0; }
int WRM3Collection::NoteCount() { return 0; }
int WRM3Collection::SourceCount() { return tab_s_ ? tab_s_->LiveCount() : 0; }
int WRM3Collection::RepositoryCount() { return tab_a_ ? tab_a_->LiveCount() : 0; }

RecNo WRM3Collection::FindIndividual(const std::string& id) {
  const int person_id = WDBFFile::ParseInt(TrimText(id));
  if (person_id < 1 || !tab_i_) return 0;
  return tab_i_->IdToPos(person_id);
}

std::string WRM3Collection::PlaceText(int place_id, const std::string& place_type) const {
  if (place_type == "T" || place_type == "t") return WRM3Temples::TempleText(place_id);
  return tab_p_ ? tab_p_->PlaceName(place_id) : std::string();
}

void WRM3Collection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  count = 0;
  auto add = [&](const std::string& label, const std::string& value, const std::string& tab_stops) {
    if (count >= kGenHeaderRows) return;
    GenHeaderRec& row = rows[static_cast<size_t>(count++)];
    row.heading = 0;
    row.label = label;
    row.value = value;
    row.tab_stops = tab_stops;
  };
  add("File Type", "Roots Magic", "");
  add("Version", std::to_string(header_->Version()), "");
  add("Files", "Records\tAvg/Per\tFile Size", "60,120,180");
  const int people = IndividualCount();
  const struct {
    const char* label;
    const WRM3DBF* table;
  } kFiles[] = {
      {"People file", tab_i_.get()},  {"Address file", tab_a_.get()},  {"Children file", tab_c_.get()},
      {"Events file", tab_e_.get()},  {"Family file", tab_f_.get()},   {"Link file", tab_l_.get()},
      {"Media file", tab_m_.get()},   {"Place file", tab_p_.get()},    {"Research file", tab_r_.get()},
      {"Sources file", tab_s_.get()}, {"Fact Type file", tab_t_.get()}};
  for (const auto& file : kFiles) {
    if (!file.table) continue;
    const int records = file.table->LiveCount();
    std::string average = "-";
    if (file.table != tab_i_.get()) {
      // A file without people shows 0 rather than dividing by zero.
      char text[32];
      std::snprintf(text, sizeof text, "%.2f", people > 0 ? static_cast<double>(records) / people : 0.0);
      average = text;
    }
    add(file.label,
        FormatCount(records) + "\t" + average + "\t" + FormatFileSize(file.table->FileSize()) + "\t",
        "60,120,180");
  }
}

int64_t WRM3Collection::IndexBytes() const {
  int64_t bytes = 0;
  for (const WRM3DBF* table :
       {static_cast<const WRM3DBF*>(tab_a_.get()), static_cast<const WRM3DBF*>(tab_c_.get()),
        static_cast<const WRM3DBF*>(tab_e_.get()), static_cast<const WRM3DBF*>(tab_f_.get()),
        static_cast<const WRM3DBF*>(tab_i_.get()), static_cast<const WRM3DBF*>(tab_l_.get()),
        static_cast<const WRM3DBF*>(tab_m_.get()), static_cast<const WRM3DBF*>(tab_p_.get()),
        static_cast<const WRM3DBF*>(tab_r_.get()), static_cast<const WRM3DBF*>(tab_s_.get()),
        static_cast<const WRM3DBF*>(tab_t_.get())})
    if (table) bytes += table->Rows().MemoryBytes();
  if (tab_e_) bytes += static_cast<int64_t>(tab_e_->EventOrderCount()) * 4;
  if (prime_events_) bytes += prime_events_->Storage().Capacity();
  return bytes;
}

const WReaderInfo& WRM3Collection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "RootsMagic";
    r.extensions = {".rmg"};
    r.filters = {{"Roots Magic", "*.rmg"}};
    r.recognises = [](const std::string& path) {
      return WDBFFile::HasTableHeader(WRM3DBF::SetFilePath(DirectoryOf(path), "I", BaseNameOf(path), ".dbf"));
    };
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      return std::make_unique<WRM3Collection>(path);
    };
    return r;
  }();
  return info;
}
