#include "formats/paf/PAF5Collection.h"

#include <vector>

#include "base/TextUtils.h"
#include "formats/paf/PAF5Citation.h"
#include "formats/paf/PAF5Individual.h"
#include "formats/paf/PAF5Marriage.h"
#include "formats/paf/PAF5Note.h"
#include "formats/paf/PAF5Source.h"
#include "formats/paf/PAF5Submitter.h"
#include "formats/paf/PAFRepo.h"
#include "formats/paf/PafDate.h"

namespace {

constexpr uint64_t kDataBase = 12288;
constexpr uint64_t kVersion = 0;
constexpr uint64_t kOldestVersion = 4;
constexpr uint64_t kMapCount = 18;
constexpr uint64_t kTotals = 4096;
constexpr int kMaps = 31;
constexpr int kTypes = 32;

}  // namespace

WPAF5Collection::WPAF5Collection(const std::string& path) : WPAFCollection(path, kPAF5Layout) {
  SetRecordSize(kPafIndividual, 221);
  SetRecordSize(kPafMarriage, 106);
  SetRecordSize(kPafNote, 256);
  SetRecordSize(kPafChildLink, 46);
  SetRecordSize(kPafCitation, 145);
  SetRecordSize(kPafSource, 507);
  SetRecordSize(kPafRepository, 497);
  SetRecordSize(kPafOtherEvent, 59);
  SetRecordSize(kPafEventType, 143);
}

bool WPAF5Collection::Import() {
  if (View().Empty()) return false;
  if (!BuildBlockIndex(kDataBase, HeaderInt(kMapCount), kMaps, kTypes, 1, true)) return false;
  std::vector<int32_t> totals;
  for (uint64_t k = 0; k < static_cast<uint64_t>(kMaps) * kTypes; ++k)
    totals.push_back(HeaderShort(kTotals + 2 * k));
  SetTotals(std::move(totals));
  return NumberIndividuals();
}

std::unique_ptr<WABSMarriage> WPAF5Collection::GetFamily(RecNo rec_no) {
  if (rec_no == 0) return nullptr;
  return std::make_unique<WPAF5Marriage>(*this, rec_no, MarriagePos(rec_no));
}

std::unique_ptr<WABSSubmitter> WPAF5Collection::GetSubmitter() {
  return std::make_unique<WPAF5Submitter>(View());
}

std::unique_ptr<WABSSource> WPAF5Collection::GetSource(RecNo rec_no) {
  return std::make_unique<WPAF5Source>(*this, SourcePos(rec_no));
}

std::unique_ptr<WABSRepo> WPAF5Collection::GetRepository(RecNo rec_no) {
  return std::make_unique<WPAFRepo>(*this, RepositoryPos(rec_no));
}

void WPAF5Collection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  count = 0;
  if (!Imported()) return;
  auto add = [&](const char* label, const std::string& value) {
    rows[count++] = GenHeaderRec{0, label, Utf8ToAnsi(value), std::string()};
  };
  add("Source", "PAF");
  add("Oldest Version", HeaderText(kOldestVersion, 4));
  add("Version", HeaderText(kVersion, 4));
  add("Deleted Individuals", std::to_string(DeletedIndividuals()));
  add("Deleted Marriages", std::to_string(DeletedMarriages()));
}

std::unique_ptr<WABSCitation> WPAF5Collection::NewCitation(int32_t n) {
  const uint64_t record = CitationPos(n);
  if (record == 0) return nullptr;
  return std::make_unique<WPAF5Citation>(*this, record);
}

std::unique_ptr<WABSNote> WPAF5Collection::NewNote(int32_t first) {
  return std::make_unique<WPAF5Note>(*this, first);
}

std::unique_ptr<WDate> WPAF5Collection::NewDate(uint64_t offset) const {
  return WPafDate::FromPAF5(View(), offset);
}

std::unique_ptr<WPAFIndividual> WPAF5Collection::NewIndividual(RecNo position, int32_t rin, uint64_t record) {
  return std::make_unique<WPAF5Individual>(*this, position, rin, record);
}
