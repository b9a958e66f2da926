#include "formats/legacy/LEGIndividual.h"

#include <vector>

#include "base/Date.h"
#include "base/Errors.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGDate.h"
#include "formats/legacy/LEGLDSEvent.h"
#include "formats/legacy/LEGName.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/LEGTabBR.h"
#include "formats/legacy/LEGTabER.h"
#include "formats/legacy/LEGTabInd.h"
#include "formats/legacy/LEGTabMR.h"
#include "formats/legacy/LEGUVEvent.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSName.h"
#include "model/IndLinks.h"

namespace {

constexpr int kPersonCitations = 0;
constexpr int kMotherRelation = 7;
constexpr int kFatherRelation = 1;

}  // namespace

WLEGIndividual::WLEGIndividual(WLEGCollection& collection, RecNo number) : collection_(collection) {
  Load(number);
}

WLEGIndividual::~WLEGIndividual() { FreeCache(); }

void WLEGIndividual::FreeCache() {
  created_.reset();
  changed_.reset();
  dates_loaded_ = false;
  events_.reset();
  citations_.reset();
}

void WLEGIndividual::Load(RecNo number) {
  WLEGTabInd& table = collection_.TabInd();
  if (number < 1 || number > table.Count()) {
    char message[64];
    std::snprintf(message, sizeof message, "Error getting pointer to individual %d", number);
    throw EMemoryError(message);
  }
  number_ = number;
  idir_ = table.At(number).idir;
  rec_no_ = idir_;
  links_ = collection_.IndLinks();
}

std::string WLEGIndividual::Text(const char* field) {
  WLEGTabInd& table = collection_.TabInd();
  return table.Seek(idir_) ? table.Text(field) : std::string();
}

int32_t WLEGIndividual::Int(const char* field) {
  WLEGTabInd& table = collection_.TabInd();
  return table.Seek(idir_) ? table.Int(field) : 0;
}

std::string WLEGIndividual::GetID() { return std::to_string(idir_); }

std::string WLEGIndividual::GetReferenceNumber() { return Text("UserRef"); }

std::string WLEGIndividual::GetAFN() { return Text("AncestralRef"); }

char WLEGIndividual::GetSex() {
  switch (Int("Gender")) {
    case 0:
      return 'M';
    case 1:
      return 'F';
    default:
      return 'U';
  }
}

const WDate* WLEGIndividual::GetCreationDate() {
  if (!dates_loaded_) {
    dates_loaded_ = true;
    if (int32_t added = Int("added"); added >= 1) created_ = std::make_unique<WLEGDate>(added);
    if (int32_t updated = Int("Updated"); updated >= 1) changed_ = std::make_unique<WLEGDate>(updated);
  }
  return created_.get();
}

const WDate* WLEGIndividual::GetChangeDate() {
  GetCreationDate();
  return changed_.get();
}

std::unique_ptr<WABSName> WLEGIndividual::GetName() {
  return std::make_unique<WLEGName>(collection_, number_, idir_);
}

const std::vector<int32_t>& WLEGIndividual::Events() {
  if (!events_) events_ = std::make_unique<std::vector<int32_t>>(collection_.TabER().EventsOf(idir_));
  return *events_;
}

int WLEGIndividual::EventCount(int kind) {
  if (kind == evOther) return static_cast<int>(Events().size());
  // A vital event counts when the person has it (its date or its place is given).
  if (kind >= evBirth && kind <= evBurial) return WLEGVitEvent::OfPerson(collection_, idir_, kind) ? 1 : 0;
  return 0;
}

std::unique_ptr<WABSVitEvent> WLEGIndividual::GetEvent(int kind, int index) {
  if (kind >= evBirth && kind <= evBurial) return WLEGVitEvent::OfPerson(collection_, idir_, kind);
  if (kind != evOther) return nullptr;
  const std::vector<int32_t>& events = Events();
  if (index < 1 || index > static_cast<int>(events.size())) return nullptr;
  return std::make_unique<WLEGUVEvent>(collection_, events[index - 1]);
}

std::unique_ptr<WABSLDSEvent> WLEGIndividual::GetLDSEvent(int kind) {
  return WLEGLDSEvent::OfPerson(collection_, idir_, kind);
}

int WLEGIndividual::ParentFamilyCount() { return links_ ? links_->ParentFamilyCount(number_) : 0; }

void WLEGIndividual::FixPrimaryParent() {
  if (parent_checked_ || !links_) return;
  parent_checked_ = true;
  if (links_->IsPrimaryParentFixed(number_) || links_->ParentFamilyCount(number_) < 2) return;
  if (int family = collection_.TabMR().NumberOf(Int("IDMRParents")); family > 0)
    links_->MakePrimaryParentFamily(number_, family);
}

void WLEGIndividual::FixPrimarySpouse() {
  if (spouse_checked_ || !links_) return;
  spouse_checked_ = true;
  if (links_->IsPrimarySpouseFixed(number_) || links_->SpouseFamilyCount(number_) < 2) return;
  if (int family = collection_.TabMR().NumberOf(Int("IDMRPref")); family > 0)
    links_->MakePrimarySpouseFamily(number_, family);
}

RecNo WLEGIndividual::GetParentFamily(int i) {
  FixPrimaryParent();
  return links_ ? links_->GetParentFamily(number_, i) : 0;
}

bool WLEGIndividual::GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) {
  family = GetParentFamily(i);
  mother_relation = kMotherRelation;
  father_relation = kFatherRelation;
  return family != 0;
}

int WLEGIndividual::SpouseFamilyCount() { return links_ ? links_->SpouseFamilyCount(number_) : 0; }

RecNo WLEGIndividual::GetSpouseFamily(int i) {
  FixPrimarySpouse();
  return links_ ? links_->GetSpouseFamily(number_, i) : 0;
}

bool WLEGIndividual::IsLiving(int) { return Int("Living") == 0; }

bool WLEGIndividual::HasNoParents() { return !links_ || links_->ParentFamilyCount(number_) == 0; }

bool WLEGIndividual::HasNoSpouseFamilies() { return !links_ || links_->SpouseFamilyCount(number_) == 0; }

int WLEGIndividual::CitationCount() {
  if (!citations_) citations_ = std::make_unique<WLEGCitationList>(collection_, idir_, kPersonCitations);
  return citations_->Count();
}

std::unique_ptr<WABSCitation> WLEGIndividual::GetCitation(int i) {
  CitationCount();
  return citations_->Get(collection_, i);
}

std::unique_ptr<WABSNote> WLEGIndividual::GetNote() {
  // Each part present: its heading, CR LF, the text, and CR LF CR LF before the next heading.
  std::string text;
  if (std::string notes = Text("Notes"); !notes.empty()) text += "GENERAL NOTES:\r\n" + notes + "\r\n\r\n";
  if (std::string research = Text("References"); !research.empty())
    text += "RESEARCH NOTES:\r\n" + research + "\r\n\r\n";
  if (std::string medical = Text("Medical"); !medical.empty()) text += "MEDICAL NOTES:\r\n" + medical;
  return WLEGNote::From(text);
}

int WLEGIndividual::PictureCount() { return static_cast<int>(collection_.TabBR().PicturesOf(idir_).size()); }

std::string WLEGIndividual::GetPictureFile(int i) {
  std::vector<const WLEGTabBR::Entry*> pictures = collection_.TabBR().PicturesOf(idir_);
  if (i < 1 || i > static_cast<int>(pictures.size())) return std::string();
  return collection_.ResolvePicture(pictures[i - 1]->name, pictures[i - 1]->folder);
}

std::string WLEGIndividual::GetPrimaryPictureFile() {
  for (const WLEGTabBR::Entry* picture : collection_.TabBR().PicturesOf(idir_))
    if (picture->preferred == 1) return collection_.ResolvePicture(picture->name, picture->folder);
  return std::string();
}

std::string WLEGIndividual::GetRecordText() { return std::string(); }
