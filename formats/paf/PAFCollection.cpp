#include "formats/paf/PAFCollection.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/ChainGuard.h"
#include "base/Errors.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/paf/PAF3Collection.h"
#include "formats/paf/PAF4Collection.h"
#include "formats/paf/PAF5Collection.h"
#include "formats/paf/PAFIndividual.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

namespace {

// The numbering gives the user interface a chance every this many RINs.
constexpr int32_t kYieldEvery = 1000;
// The highest block number within a region (block 0 is the map block).
constexpr int kLastBlock = 8191;

// Reads up to `length` bytes at the start of a file; the number read, or -1 when the file
// cannot be opened.
ssize_t ReadFileStart(const std::string& path, void* buffer, size_t length) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  size_t done = 0;
  while (done < length) {
    const ssize_t n = ::pread(fd, static_cast<char*>(buffer) + done, length - done, static_cast<off_t>(done));
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return static_cast<ssize_t>(done);
}

std::string FieldText(const char* bytes, size_t width) { return std::string(bytes, strnlen(bytes, width)); }

}  // namespace

int WPAFCollection::DetectPAFVersion(const std::string& path) {
  char bytes[12] = {};
  if (ReadFileStart(path, bytes, sizeof bytes) != static_cast<ssize_t>(sizeof bytes)) return 1;
  const std::string oldest = FieldText(bytes + 4, 4);
  const std::string version = FieldText(bytes + 8, 4);
  if (version == "300") return 300;
  if (version == "400") return 400;
  if (version == "PAF" && oldest == "500") return 500;
  return 1;
}

const WReaderInfo& WPAFCollection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "Personal Ancestral File";
    r.extensions = {".paf"};
    r.filters = {{"PAF", "*.paf"}};
    r.probe = [](const std::string& path) -> std::string {
      return DetectPAFVersion(path) == 1 ? "Unknown PAF file format" : std::string();
    };
    r.recognises = [](const std::string& path) { return DetectPAFVersion(path) != 1; };
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      switch (DetectPAFVersion(path)) {
        case 300:
          return std::make_unique<WPAF3Collection>(path);
        case 400:
          return std::make_unique<WPAF4Collection>(path);
        case 500:
          return std::make_unique<WPAF5Collection>(path);
      }
      throw EFileFormatError("Unknown PAF file format");
    };
    return r;
  }();
  return info;
}

WPAFCollection::WPAFCollection(const std::string& path, const WPAFLayout& layout) : layout_(layout) {
  file_name_ = path;
  file_ = std::make_unique<WPAFMMF>(path);
  view_ = file_->View();
  view_.ReportDamageTo(&Damage());
}

WPAFCollection::~WPAFCollection() = default;

int WPAFCollection::PreCountIndividuals() {
  if (!imported_ && !Import()) return 0;
  return IndividualCount();
}

void WPAFCollection::Close() {
  view_ = WCheckedView();
  if (file_) file_->Close();
}

std::string WPAFCollection::GetFileSizeText() { return FormatFileSize(static_cast<int64_t>(view_.Size())); }

std::string WPAFCollection::GetFileDateText() { return FormatFileDate(FileTimeOf(file_name_)); }

std::string WPAFCollection::GetHeaderText() { return std::string(); }

std::string WPAFCollection::GetVersionText() { return "N/A/"; }

int WPAFCollection::IndividualCount() { return individuals_; }

int WPAFCollection::FamilyCount() { return family_count_; }

int WPAFCollection::NoteCount() { return note_count_; }

int WPAFCollection::SourceCount() { return source_count_; }

int WPAFCollection::RecordToFileNumber(RecNo rec_no) {
  return rec_no >= 1 && rec_no <= individuals_ ? rin_of_position_.GetValue(rec_no) : 0;
}

RecNo WPAFCollection::FileNumberToRecord(int rin) {
  const RecNo position = position_of_rin_.GetValue(rin);
  return position > 0 ? position : 0;
}

RecNo WPAFCollection::FindIndividual(const std::string& id) {
  int rin = 0;
  if (!WSettings::ParseInteger(TrimText(id), &rin) || rin < 1) return 0;
  return FileNumberToRecord(rin);
}

std::unique_ptr<WABSIndividual> WPAFCollection::GetIndividual(RecNo rec_no) {
  if (rec_no < 1 || rec_no > individuals_) return nullptr;
  const int32_t rin = RecordToFileNumber(rec_no);
  const uint64_t record = IndividualPos(rin);
  if (record == 0) return nullptr;
  return NewIndividual(rec_no, rin, record);
}

std::unique_ptr<WABSNote> WPAFCollection::GetNote(RecNo rec_no) { return NewNote(rec_no); }

uint64_t WPAFCollection::IndividualPos(int32_t rin) { return Locate(kPafIndividual, rin); }
uint64_t WPAFCollection::MarriagePos(int32_t mrin) { return Locate(kPafMarriage, mrin); }
uint64_t WPAFCollection::NotePos(int32_t n) { return Locate(kPafNote, n); }
uint64_t WPAFCollection::NoteChainPos(int32_t n) { return NotePos(n); }
uint64_t WPAFCollection::ChildLinkPos(int32_t n) { return Locate(kPafChildLink, n); }
uint64_t WPAFCollection::SpouseFamilyPos(int32_t mrin) { return MarriagePos(mrin); }
uint64_t WPAFCollection::SourcePos(int32_t n) { return Locate(kPafSource, n); }
uint64_t WPAFCollection::RepositoryPos(int32_t n) { return Locate(kPafRepository, n); }
uint64_t WPAFCollection::CitationPos(int32_t n) { return Locate(kPafCitation, n); }
uint64_t WPAFCollection::OtherEventPos(int32_t n) { return Locate(kPafOtherEvent, n); }
uint64_t WPAFCollection::EventTypePos(int32_t n) { return Locate(kPafEventType, n); }

std::vector<int32_t> WPAFCollection::CitationChain(int32_t first) {
  constexpr size_t kMaxCitations = 99;
  std::vector<int32_t> list;
  WChainGuard guard(1, RecordLimit(kPafCitation));
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t n = first; list.size() < kMaxCitations && guard.Step(n);) {
    const uint64_t record = CitationPos(n);
    if (record == 0) break;
    list.push_back(n);
    n = view_.I32LE(record + layout_.cit_next);
  }
  return list;
}

std::string WPAFCollection::FourPartPlace(uint64_t offset) const {
  std::string place;
  for (uint64_t part = 0; part < 4; ++part) {
    const int32_t pointer = view_.I32LE(offset + 4 * part);
    if (!IsLink(pointer)) continue;
    if (!place.empty()) place += ", ";
    place += TextAt(pointer);
  }
  return Utf8ToAnsi(place);
}

int32_t WPAFCollection::RecordLimit(int type) const {
  if (type < 1 || type > kPafMaxType) return 0;
  return static_cast<int32_t>(std::min<int64_t>(limits_[type], std::numeric_limits<int32_t>::max()));
}

bool WPAFCollection::BuildBlockIndex(uint64_t data_base, int64_t map_count, int max_maps, int types,
                                     int first_entry, bool require_map_type) {
  data_base_ = data_base;
  types_ = types;
  blocks_ = std::make_unique<WPAFBlockArray>(types);
  // Only regions whose whole map block lies inside the file count, however many the header
  // names.
  int64_t maps = std::clamp<int64_t>(map_count, 0, max_maps);
  while (maps > 0 &&
         !view_.Contains(data_base + static_cast<uint64_t>(maps - 1) * kPafRegionSize, kPafBlockSize))
    --maps;
  maps_ = static_cast<int>(maps);
  for (int i = 0; i < maps_; ++i) {
    const uint64_t map_block = data_base + static_cast<uint64_t>(i) * kPafRegionSize;
    if (require_map_type && view_.U8(map_block) != kPafMapBlock) return false;
    blocks_->AddMap(view_.Bytes(map_block, kPafBlockSize), first_entry);
  }
  return true;
}

void WPAFCollection::SetTotals(std::vector<int32_t> totals) {
  totals_ = std::move(totals);
  totals_.resize(static_cast<size_t>(maps_) * types_, 0);
  for (int32_t& count : totals_) count = std::clamp(count, 0, kLastBlock);
  // What each type's numbers can reach: the records before the last region that holds a block
  // of the type inside the file, and those of that region's blocks.
  limits_.fill(0);
  for (int type = 1; type <= types_ && type <= kPafMaxType; ++type) {
    if (sizes_[type] == 0) continue;
    const int64_t per_block = kPafBlockSize / sizes_[type];
    int64_t before = 0, limit = 0;
    for (int i = 0; i < maps_; ++i) {
      const int64_t total = totals_[static_cast<size_t>(i) * types_ + (type - 1)];
      const uint64_t region = data_base_ + static_cast<uint64_t>(i) * kPafRegionSize;
      int64_t present = 0;
      const int listed = std::min<int64_t>(total, blocks_->BlockCount(i, type));
      while (present < listed && view_.Contains(region + static_cast<uint64_t>(blocks_->Block(
                                                             i, type, static_cast<int>(present))) *
                                                             kPafBlockSize,
                                                1))
        ++present;
      if (present > 0) limit = (before + present) * per_block;
      before += total;
    }
    limits_[type] = limit;
  }
  family_count_ = ClampedCount(layout_.marriage_count, kPafMarriage);
  note_count_ = ClampedCount(layout_.note_count, kPafNote);
  source_count_ = ClampedCount(layout_.source_count, kPafSource);
}

int32_t WPAFCollection::ClampedCount(uint64_t header_offset, int type) const {
  return std::clamp(HeaderInt(header_offset), 0, RecordLimit(type));
}

uint64_t WPAFCollection::Locate(int type, int64_t n) const {
  if (type < 1 || type > types_ || type > kPafMaxType || n < 1 || n > limits_[type]) return 0;
  const uint64_t size = sizes_[type];
  const int64_t per_block = static_cast<int64_t>(kPafBlockSize / size);
  const int64_t index = n - 1, ordinal = index / per_block;
  int64_t before = 0;
  for (int i = 0; i < maps_; ++i) {
    const int64_t total = totals_[static_cast<size_t>(i) * types_ + (type - 1)];
    if (ordinal < before + total) {
      const int block = blocks_->Block(i, type, static_cast<int>(ordinal - before));
      if (block < 0 || block > kLastBlock) return 0;
      const uint64_t offset = data_base_ + static_cast<uint64_t>(i) * kPafRegionSize +
                              static_cast<uint64_t>(block) * kPafBlockSize +
                              static_cast<uint64_t>(index % per_block) * size;
      return view_.Contains(offset, size) ? offset : 0;
    }
    before += total;
  }
  return 0;
}

bool WPAFCollection::NumberIndividuals() {
  // The deleted marriages only count.
  deleted_marriages_ = 0;
  WChainGuard marriages(1, family_count_);
  marriages.ReportDamageTo(view_.DamageLog());
  for (int32_t mrin = HeaderInt(layout_.first_deleted_marriage); marriages.Step(mrin);) {
    const uint64_t record = MarriagePos(mrin);
    if (record == 0) break;
    ++deleted_marriages_;
    mrin = view_.I32LE(record + layout_.mar_deleted_next);
  }

  // The deleted individuals keep their RIN but get no list position.
  const int32_t records = ClampedCount(layout_.individual_count, kPafIndividual);
  position_of_rin_.Create(std::string(), records);
  deleted_individuals_ = 0;
  WChainGuard deleted(1, records);
  deleted.ReportDamageTo(view_.DamageLog());
  for (int32_t rin = HeaderInt(layout_.first_deleted_individual); deleted.Step(rin);) {
    const uint64_t record = IndividualPos(rin);
    if (record == 0) break;
    position_of_rin_.SetValue(rin, -1);
    ++deleted_individuals_;
    rin = view_.I32LE(record + layout_.ind_deleted_next);
  }

  rin_of_position_.Create(std::string(), records - deleted_individuals_);
  individuals_ = 0;
  for (int32_t rin = 1; rin <= records; ++rin) {
    if (rin % kYieldEvery == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
    if (position_of_rin_.GetValue(rin) == -1) continue;
    rin_of_position_.SetValue(individuals_ + 1, rin);
    position_of_rin_.SetValue(rin, ++individuals_);
  }
  imported_ = true;
  return true;
}
