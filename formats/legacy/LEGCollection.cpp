#include "formats/legacy/LEGCollection.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "base/Errors.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/legacy/DAODatabase.h"
#include "formats/legacy/DAOValues.h"
#include "formats/legacy/LEGIndividual.h"
#include "formats/legacy/LEGMarriage.h"
#include "formats/legacy/LEGRepo.h"
#include "formats/legacy/LEGSource.h"
#include "formats/legacy/LEGSubmitter.h"
#include "formats/legacy/LEGTabAR.h"
#include "formats/legacy/LEGTabBP.h"
#include "formats/legacy/LEGTabBR.h"
#include "formats/legacy/LEGTabCR.h"
#include "formats/legacy/LEGTabER.h"
#include "formats/legacy/LEGTabET.h"
#include "formats/legacy/LEGTabHR.h"
#include "formats/legacy/LEGTabInd.h"
#include "formats/legacy/LEGTabLR.h"
#include "formats/legacy/LEGTabMR.h"
#include "formats/legacy/LEGTabSR.h"
#include "formats/legacy/LEGTabSX.h"
#include "formats/legacy/LEGTabTR.h"
#include "formats/legacy/MDBDatabase.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// Relation codes of a child to its mother and to its father: Legacy keeps natural links only.
constexpr int kMotherRelation = 7;
constexpr int kFatherRelation = 1;

}  // namespace

WLEGCollection::WLEGCollection(const std::string& path)
    : WLEGCollection(path, std::make_unique<TMDBDatabase>(path)) {}

WLEGCollection::WLEGCollection(const std::string& path, std::unique_ptr<TDAODatabase> database)
    : database_(std::move(database)) {
  file_name_ = path;
  tab_hr_ = std::make_unique<WLEGTabHR>(*database_);
  version_ = tab_hr_->Setting("Version");
  version_supported_ = version_ >= "3i";
}

WLEGCollection::~WLEGCollection() = default;

bool WLEGCollection::IsLegacyDatabase(const std::string& path, std::string& error) {
  char bytes[4] = {};
  ssize_t got = -1;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    got = ::pread(fd, bytes, sizeof bytes, 13);
    ::close(fd);
  }
  if (got == static_cast<ssize_t>(sizeof bytes) && strncasecmp(bytes, "Jet ", 4) == 0) return true;
  error = "Not a valid Legacy Family Tree Database";
  return false;
}

const WReaderInfo& WLEGCollection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "Legacy Family Tree";
    r.extensions = {".fdb"};
    r.filters = {{"Legacy Family Tree", "*.fdb"}};
    r.help_note =
        "Legacy Users please note:  Taravell reads Legacy files through the MDB Tools library "
        "(libmdb, Debian package libmdb3), which must be installed.";
    r.options.caption = "Legacy";
    r.options.note =
        "Caching individual names causes slower loading time, but speeds up the displaying of "
        "information.  However, it requires more memory for this option.";
    r.options.check_boxes = {{"Cache Names of Individuals for faster displaying", WSettings::LEGCacheNames}};
    r.probe = [](const std::string& path) -> std::string {
      std::string error;
      return IsLegacyDatabase(path, error) ? std::string() : error;
    };
    r.recognises = [](const std::string& path) {
      std::string error;
      return IsLegacyDatabase(path, error);
    };
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      auto collection = std::make_unique<WLEGCollection>(path);
      // Every Legacy database names its version in its settings: none at all means the pages
      // that hold them could not be read, which no update of the file would mend.
      if (collection->Version().empty()) throw EFileFormatError(kDamagedDatabase);
      if (!collection->IsVersionSupported()) throw EFileFormatError(kVersionTooOld);
      return collection;
    };
    return r;
  }();
  return info;
}

std::string WLEGCollection::Setting(const std::string& item) { return tab_hr_->Setting(item); }

bool WLEGCollection::Import() {
  if (!folders_loaded_) LoadPictureFolders();
  tab_ind_ = std::make_unique<WLEGTabInd>(*database_);
  tab_mr_ = std::make_unique<WLEGTabMR>(*database_);
  tab_cr_ = std::make_unique<WLEGTabCR>(*database_);
  tab_lr_ = std::make_unique<WLEGTabLR>(*database_);
  tab_et_ = std::make_unique<WLEGTabET>(*database_);
  tab_er_ = std::make_unique<WLEGTabER>(*database_);
  tab_sr_ = std::make_unique<WLEGTabSR>(*database_);
  tab_sx_ = std::make_unique<WLEGTabSX>(*database_);
  tab_ar_ = std::make_unique<WLEGTabAR>(*database_);
  tab_tr_ = std::make_unique<WLEGTabTR>(*database_);
  tab_bp_ = std::make_unique<WLEGTabBP>(*database_);
  tab_br_ = std::make_unique<WLEGTabBR>(*database_);
  WLEGTable* order[] = {tab_ind_.get(), tab_mr_.get(), tab_cr_.get(), tab_lr_.get(),
                        tab_et_.get(),  tab_er_.get(), tab_sr_.get(), tab_sx_.get(),
                        tab_ar_.get(),  tab_tr_.get(), tab_bp_.get(), tab_br_.get()};
  for (WLEGTable* table : order) {
    if (ImportCancelled || !table->Load()) return false;
  }
  if (!BuildLinkTables()) return false;
  return !ImportCancelled;
}

bool WLEGCollection::BuildLinkTables() {
  const int individuals = tab_ind_->Count();
  const int families = tab_mr_->Count();
  ind_links_ = std::make_unique<WIndLinks>(individuals);
  fam_links_ = std::make_unique<WFamLinks>(families);
  for (int i = 0; i < tab_cr_->Count(); ++i) {
    const WLEGTabCR::Entry& e = tab_cr_->At(i);
    const int child = tab_ind_->NumberOf(e.idir);
    const int family = tab_mr_->NumberOf(e.idmr);
    if (child > 0 && family > 0) {
      ind_links_->AddParentFamily(child, false, false, kMotherRelation, kFatherRelation, family);
      fam_links_->AddChild(family, child, e.order);
    }
    if ((i + 1) % 500 == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
  }
  for (int f = 1; f <= families; ++f) {
    const WLEGTabMR::Entry& e = tab_mr_->At(f);
    if (const int husband = tab_ind_->NumberOf(e.husband); husband > 0) {
      fam_links_->SetHusband(f, husband);
      ind_links_->AddSpouseFamily(husband, false, false, f);
    }
    if (const int wife = tab_ind_->NumberOf(e.wife); wife > 0) {
      fam_links_->SetWife(f, wife);
      ind_links_->AddSpouseFamily(wife, false, false, f);
    }
    if (f % 500 == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
  }
  return true;
}

void WLEGCollection::LoadPictureFolders() {
  // Legacy names its three picture folders in its settings file beside the program, found
  // through the Windows registry; this system has neither, so only the folders of the
  // database's own picture-folder table ("TBLBP") are searched.
  picture_folders_ = {};
  folders_loaded_ = false;
}

int WLEGCollection::PreCountIndividuals() {
  std::unique_ptr<TDAOTable> table = database_->OpenTable("TBLIR");
  return table ? std::max(table->RecordCount() - 1, 0) : 0;
}

std::string WLEGCollection::GetFileSizeText() {
  return FormatFileSize(std::max<int64_t>(FileSizeOf(file_name_), 0));
}

std::string WLEGCollection::GetFileDateText() { return FormatFileDate(FileTimeOf(file_name_)); }

void WLEGCollection::BuildLinks() {
  if (ind_links_) ind_links_->OrderSpouseFamilies(*this);
}

std::unique_ptr<WABSIndividual> WLEGCollection::GetIndividual(RecNo rec_no) {
  if (rec_no <= 0 || rec_no > IndividualCount()) return nullptr;
  return std::make_unique<WLEGIndividual>(*this, rec_no);
}

std::unique_ptr<WABSMarriage> WLEGCollection::GetFamily(RecNo rec_no) {
  if (rec_no <= 0 || rec_no > FamilyCount()) return nullptr;
  return std::make_unique<WLEGMarriage>(*this, rec_no);
}

std::unique_ptr<WABSSubmitter> WLEGCollection::GetSubmitter() {
  return std::make_unique<WLEGSubmitter>(*this);
}

std::unique_ptr<WABSNote> WLEGCollection::GetNote(RecNo) { return nullptr; }

std::unique_ptr<WABSSource> WLEGCollection::GetSource(RecNo rec_no) {
  if (!tab_sr_ || !tab_sr_->IsOpen() || rec_no < 1 || rec_no > SourceCount()) return nullptr;
  return std::make_unique<WLEGSource>(*this, tab_sr_->IdOf(rec_no));
}

std::unique_ptr<WABSRepo> WLEGCollection::GetRepository(RecNo rec_no) {
  if (!tab_ar_ || !tab_ar_->IsOpen() || rec_no < 1) return nullptr;
  return std::make_unique<WLEGRepo>(*this, rec_no);
}

int WLEGCollection::IndividualCount() { return tab_ind_ ? tab_ind_->Count() : 0; }

int WLEGCollection::FamilyCount() { return tab_mr_ ? tab_mr_->Count() : 0; }

int WLEGCollection::NoteCount() { return 0; }

int WLEGCollection::SourceCount() { return tab_sr_ ? tab_sr_->Count() : 0; }

void WLEGCollection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  count = 0;
  auto add = [&](const char* label, const std::string& value) {
    GenHeaderRec& row = rows[count++];
    row.heading = 0;
    row.label = label;
    row.value = value;
    row.tab_stops.clear();
  };
  add("File Type", "Legacy Genealogy Database");
  add("Database Version", version_);
  add("File Description", Setting("filedesc"));
}

std::string WLEGCollection::GetHeaderText() { return std::string(); }

std::string WLEGCollection::GetVersionText() { return "N/A"; }

RecNo WLEGCollection::FindIndividual(const std::string& id) {
  const int32_t idir = DAOStrictInt(id);
  if (idir < 1 || !tab_ind_) return 0;
  return tab_ind_->NumberOf(idir);
}

std::string WLEGCollection::GetReferenceCaption() const { return "User ID"; }

std::string WLEGCollection::GetSubmitterCountryLabel() const { return "Web Site"; }

std::string WLEGCollection::ResolvePicture(const std::string& name, int32_t folder) {
  if (name.empty()) return std::string();
  // Legacy writes Windows paths; here a backslash separates folders as "/" does.
  auto exists = [](const std::string& path) -> std::string {
    std::string local = ReplaceChar(path, '\\', "/");
    std::error_code ec;
    return std::filesystem::is_regular_file(local, ec) ? local : std::string();
  };
  for (const std::string& dir : picture_folders_)
    if (!dir.empty())
      if (std::string found = exists(dir + name); !found.empty()) return found;
  if (const WLEGTabBP::Entry* entry = tab_bp_->Find(folder))
    if (std::string found = exists(entry->path + name); !found.empty()) return found;
  // Every folder of the table, as many as it kept.
  for (int i = 0; i < tab_bp_->Count(); ++i)
    if (std::string found = exists(tab_bp_->At(i).path + name); !found.empty()) return found;
  return std::string();
}
