#include "formats/paf/PAF3Collection.h"

#include <vector>

#include "formats/paf/PAF3Citation.h"
#include "formats/paf/PAF3Individual.h"
#include "formats/paf/PAF3Marriage.h"
#include "formats/paf/PAF3Source.h"
#include "formats/paf/PAF3Submitter.h"

namespace {

constexpr uint64_t kDataBase = 4096;
constexpr int kMaps = 102;
// The header counts blocks of types 1 to 10.
constexpr int kTypes = 10;

}  // namespace

WPAF3Collection::WPAF3Collection(const std::string& path) : WPAF34Collection(path) {}

bool WPAF3Collection::Import() {
  if (View().Empty()) return false;
  // Version 3 counts the map block's own entry like any other.
  BuildBlockIndex(kDataBase, kMaps, kMaps, kTypes, 0, false);
  std::vector<int32_t> totals;
  for (int map = 0; map < kMaps; ++map)
    for (int type = 1; type <= kTypes; ++type) totals.push_back(HeaderBlockCount(map, type));
  SetTotals(std::move(totals));
  return NumberIndividuals();
}

std::unique_ptr<WABSMarriage> WPAF3Collection::GetFamily(RecNo rec_no) {
  if (rec_no == 0) return nullptr;
  const uint64_t record = MarriagePos(rec_no);
  if (record == 0) return nullptr;
  return std::make_unique<WPAF3Marriage>(*this, rec_no, record);
}

std::unique_ptr<WABSSubmitter> WPAF3Collection::GetSubmitter() {
  return std::make_unique<WPAF3Submitter>(View());
}

std::unique_ptr<WABSSource> WPAF3Collection::GetSource(RecNo rec_no) {
  return std::make_unique<WPAF3Source>(*this, SourcePos(rec_no));
}

uint64_t WPAF3Collection::OtherEventPos(int32_t) { return 0; }

uint64_t WPAF3Collection::EventTypePos(int32_t) { return 0; }

std::unique_ptr<WABSCitation> WPAF3Collection::NewCitation(int32_t n) {
  const uint64_t record = CitationPos(n);
  if (record == 0) return nullptr;
  return std::make_unique<WPAF3Citation>(*this, record);
}

std::unique_ptr<WPAFIndividual> WPAF3Collection::NewIndividual(RecNo position, int32_t rin, uint64_t record) {
  return std::make_unique<WPAF3Individual>(*this, position, rin, record);
}
