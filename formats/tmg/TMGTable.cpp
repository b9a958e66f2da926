#include "formats/tmg/TMGTable.h"

#include "base/TextUtils.h"

WTMGTable::WTMGTable(Opened opened)
    : file_(std::move(opened.file)), rows_(opened.rows), memo_(std::move(opened.memo)) {}

WTMGTable::~WTMGTable() = default;

std::string_view WTMGTable::PosBytes(int pos, int field) const {
  std::string_view bytes = file_->FieldBytes(rows_->PhysicalRecord(pos), field);
  const size_t nul = bytes.find('\0');
  return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

std::string WTMGTable::PosTrimmed(int pos, int field) const { return TrimText(PosText(pos, field)); }

std::string WTMGTable::PosMemo(int pos, int field) const {
  if (!memo_) return std::string();
  const int block = PosInt(pos, field);
  return block > 0 ? memo_->ReadMemo(block) : std::string();
}

std::vector<std::string> WTMGTable::SplitParts(std::string_view memo) {
  static constexpr std::string_view kSeparator = "$!&";
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t at = memo.find(kSeparator, start);
    if (at == std::string_view::npos) {
      parts.emplace_back(memo.substr(start));
      return parts;
    }
    parts.emplace_back(memo.substr(start, at - start));
    start = at + kSeparator.size();
  }
}
