#include "formats/paf/PAF4Collection.h"

#include <algorithm>
#include <vector>

#include "formats/paf/PAF4Citation.h"
#include "formats/paf/PAF4Individual.h"
#include "formats/paf/PAF4Marriage.h"
#include "formats/paf/PAF4Source.h"
#include "formats/paf/PAF4Submitter.h"

namespace {

constexpr uint64_t kDataBase = 4096;
constexpr uint64_t kMapCount = 190;
constexpr uint64_t kTotalsBlock = 1736;
constexpr int kMaps = 102;
constexpr int kTypes = 40;
// The header still counts the blocks of types 1 to 10; the totals block never counts fewer.
constexpr int kHeaderTypes = 10;

}  // namespace

WPAF4Collection::WPAF4Collection(const std::string& path) : WPAF34Collection(path) {
  SetRecordSize(kPafOtherEvent, 84);
  SetRecordSize(kPafEventType, 60);
  SetRecordSize(kPafIndividualExt, 96);
  SetRecordSize(kPafSourceExt, 40);
}

bool WPAF4Collection::Import() {
  if (View().Empty()) return false;
  if (!BuildBlockIndex(kDataBase, HeaderInt(kMapCount), kMaps, kTypes, 1, true)) return false;

  // The totals block: a block of type 14 named by its 1-based number in the whole file.
  const int64_t number = HeaderInt(kTotalsBlock);
  const uint64_t block = static_cast<uint64_t>(number - 1);
  const uint64_t type_byte =
      kDataBase + block / kPafBlocksPerRegion * kPafRegionSize + block % kPafBlocksPerRegion;
  const uint64_t totals_block = kDataBase + block * kPafBlockSize;
  if (number <= 0 || !View().Contains(type_byte, 1)) {
    import_error_ = number <= 0 ? "Invalid PAF 4 File" : "Error with PAF\rInvalid PAF 4 File";
    return false;
  }
  if (View().U8(type_byte) != kPafTotalsBlock || !View().Contains(totals_block, kPafBlockSize)) {
    import_error_ = "Invalid PAF 4 File";
    return false;
  }
  std::vector<int32_t> totals;
  for (int map = 0; map < kMaps; ++map) {
    for (int type = 1; type <= kTypes; ++type) {
      int32_t count = View().I16LE(totals_block + 2 * static_cast<uint64_t>(map * kTypes + type - 1));
      if (type <= kHeaderTypes) count = std::max(count, HeaderBlockCount(map, type));
      totals.push_back(count);
    }
  }
  SetTotals(std::move(totals));
  return NumberIndividuals();
}

std::unique_ptr<WABSMarriage> WPAF4Collection::GetFamily(RecNo rec_no) {
  if (rec_no == 0) return nullptr;
  return std::make_unique<WPAF4Marriage>(*this, rec_no, MarriagePos(rec_no));
}

std::unique_ptr<WABSSubmitter> WPAF4Collection::GetSubmitter() {
  return std::make_unique<WPAF4Submitter>(View());
}

std::unique_ptr<WABSSource> WPAF4Collection::GetSource(RecNo rec_no) {
  return std::make_unique<WPAF4Source>(*this, SourcePos(rec_no), SourceExtPos(rec_no));
}

std::unique_ptr<WABSCitation> WPAF4Collection::NewCitation(int32_t n) {
  const uint64_t record = CitationPos(n);
  if (record == 0) return nullptr;
  return std::make_unique<WPAF4Citation>(*this, record);
}

std::unique_ptr<WPAFIndividual> WPAF4Collection::NewIndividual(RecNo position, int32_t rin, uint64_t record) {
  return std::make_unique<WPAF4Individual>(*this, position, rin, record);
}
