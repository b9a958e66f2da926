#include "base/ABSArrayIndex.h"

#include <unistd.h>

#include <stdexcept>
#include <utility>

WABSArrayIndex::~WABSArrayIndex() { Release(); }

WABSArrayIndex::WABSArrayIndex(WABSArrayIndex&& other) noexcept
    : WABSIndex(std::move(other)),
      storage_(std::move(other.storage_)),
      fileName_(std::exchange(other.fileName_, {})),
      keepFile_(std::exchange(other.keepFile_, false)),
      recordSize_(std::exchange(other.recordSize_, 0)),
      count_(std::exchange(other.count_, 0)),
      sorted_(std::exchange(other.sorted_, false)),
      sorting_(std::exchange(other.sorting_, false)) {}

WABSArrayIndex& WABSArrayIndex::operator=(WABSArrayIndex&& other) noexcept {
  if (this != &other) {
    Release();
    storage_ = std::move(other.storage_);
    fileName_ = std::exchange(other.fileName_, {});
    keepFile_ = std::exchange(other.keepFile_, false);
    recordSize_ = std::exchange(other.recordSize_, 0);
    count_ = std::exchange(other.count_, 0);
    sorted_ = std::exchange(other.sorted_, false);
    sorting_ = std::exchange(other.sorting_, false);
  }
  return *this;
}

void WABSArrayIndex::Create(const std::string& fileName, bool keepFile, int32_t recordSize,
                            int32_t initialCount) {
  if (recordSize <= 0) throw std::invalid_argument("index record size must be positive");
  Release();
  fileName_ = fileName;
  keepFile_ = keepFile;
  recordSize_ = recordSize;
  int64_t initialSize =
      initialCount > 0 ? static_cast<int64_t>(recordSize) * initialCount + 1024 : static_cast<int64_t>(2048);
  storage_.Create(fileName, kGrowth, initialSize);
  WABSArrayIndex::Clear();
}

void WABSArrayIndex::Clear() {
  count_ = 0;
  sorted_ = false;
  if (!storage_.IsOpen()) return;
  storage_.Reset();
  int32_t header[2] = {0, recordSize_};
  storage_.Append(header, sizeof header);
}

void WABSArrayIndex::SetCount(int32_t n) {
  if (!storage_.IsOpen()) return;
  if (n < 0) n = 0;
  if (n > count_) {
    int64_t bytes = static_cast<int64_t>(n - count_) * recordSize_;
    if (storage_.AppendZeros(bytes) < 0) ThrowFull();
    // Zero records may not keep the order of the records before them.
    sorted_ = false;
  } else {
    storage_.SetUsedEnd(kRecordsStart + static_cast<int64_t>(n) * recordSize_);
  }
  count_ = n;
}

void WABSArrayIndex::ThrowFull() { throw std::length_error("index array exceeds its 2 GB storage"); }

void WABSArrayIndex::Release() noexcept {
  if (storage_.IsOpen()) {
    storage_.StoreI32(8, count_);
    try {
      storage_.Close();
    } catch (...) {
      // Destruction must go on; the storage has released its resources already.
    }
  }
  if (!fileName_.empty() && !keepFile_) ::unlink(fileName_.c_str());
  fileName_.clear();
  keepFile_ = false;
  count_ = 0;
  sorted_ = sorting_ = false;
}
