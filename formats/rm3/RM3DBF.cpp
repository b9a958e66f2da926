#include "formats/rm3/RM3DBF.h"

#include "base/CheckedView.h"
#include "base/FilePaths.h"
#include "base/TextUtils.h"

WRM3DBF::WRM3DBF(const std::string& directory, const std::string& letter, const std::string& baseName)
    : WDBFKeyedTable<WDBFFile>(SetFilePath(directory, letter, baseName, ".dbf")),
      directory_(directory),
      letter_(letter),
      base_name_(baseName) {}

WRM3DBF::~WRM3DBF() = default;

void WRM3DBF::OpenMemo() {
  memo_ = std::make_unique<WRM3FPT>(directory_, letter_, base_name_);
  memo_->ReportDamageTo(DamageLog());
}

int WRM3DBF::MemoBlock(int pos, int field) const {
  const Field* f = FieldAt(field);
  if (f && f->type == 'M' && f->length == 4) return WCheckedView(PosBytes(pos, field)).I32LE(0);
  return PosInt(pos, field);
}

std::string WRM3DBF::MemoText(int pos, int field) const {
  if (!memo_) return std::string();
  const int block = MemoBlock(pos, field);
  return block > 0 ? memo_->ReadMemo(block) : std::string();
}

std::string WRM3DBF::TrimmedText(int pos, int field) const { return TrimText(PosText(pos, field)); }

std::string WRM3DBF::SetFilePath(const std::string& directory, const std::string& letter,
                                 const std::string& baseName, const std::string& extension) {
  return SiblingFilePath(directory, baseName + "_" + letter + extension);
}

std::vector<std::string> WRM3DBF::Pieces(const std::string& memo) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    const size_t ff = memo.find('\x0c', start);
    if (ff == std::string::npos) break;
    pieces.push_back(memo.substr(start, ff - start));
    start = ff + 1;
  }
  pieces.push_back(memo.substr(start));
  return pieces;
}

std::string WRM3DBF::Piece(const std::string& memo, int k) {
  if (k < 1) return std::string();
  const std::vector<std::string> pieces = Pieces(memo);
  return static_cast<size_t>(k) <= pieces.size() ? pieces[static_cast<size_t>(k) - 1] : std::string();
}
