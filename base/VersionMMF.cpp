#include "base/VersionMMF.h"

void WVersionMMF::Create(const std::string& fileName, int64_t growth, int64_t initialSize) {
  WMMF::Create(fileName, true, growth, initialSize);
  zero_from_ = 0;
  Reset();
}

void WVersionMMF::Reset() {
  EnsureSize(kHeaderSize);
  StoreI32(0, 1);
  StoreI32(4, static_cast<int32_t>(kHeaderSize));
  NoteWritten(kHeaderSize);
}

int64_t WVersionMMF::AppendZeros(int64_t n) {
  int64_t at = UsedEnd();
  if (at < kHeaderSize || n < 0 || n > INT32_MAX - at || IsReadOnly() || !IsOpen()) return -1;
  // One growth for the whole run, then the bytes are cleared in place where they may hold
  // data from before the used end was lowered.  The never-written rest is zero already, so
  // a long run of zeros in fresh storage touches none of its pages.
  EnsureSize(at + n);
  int64_t dirty_end = zero_from_ < at + n ? zero_from_ : at + n;
  if (dirty_end > at) std::memset(Data() + at, 0, static_cast<size_t>(dirty_end - at));
  NoteWritten(at + n);
  StoreI32(4, static_cast<int32_t>(at + n));
  return at;
}
