#include "base/MMF.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <new>
#include <utility>

#include "base/Errors.h"
#include "base/MappingGuard.h"
#include "base/TempFolder.h"
#include "base/TextUtils.h"

namespace {

enum class Failure { Create, Open, Stream };

[[noreturn]] void RaiseStorageError(Failure kind, const std::string& path) {
  std::string message = FormatMessage(kFileInUseFormat, path.c_str());
  switch (kind) {
    case Failure::Create:
      throw EFCreateError(message);
    case Failure::Open:
      throw EFOpenError(message);
    case Failure::Stream:
      break;
  }
  throw EStreamError(message);
}

bool WriteWhole(int fd, const uint8_t* data, int64_t length) {
  while (length > 0) {
    ssize_t n = ::write(fd, data, static_cast<size_t>(length));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    length -= n;
  }
  return true;
}

// The folder of a temporary file's path.
std::string DirectoryOfTemp(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

// The open error of a failed resize (`error`: the errno value).  The file of a temporary storage
// is nothing the user knows: its folder and the reason are named instead.
[[noreturn]] void RaiseResizeError(bool temporary, const std::string& path, int error) {
  if (temporary) throw EFOpenError(TempFolderMessage(DirectoryOfTemp(path), error));
  RaiseStorageError(Failure::Open, path);
}

}  // namespace

WMMF::~WMMF() { Release(); }

WMMF::WMMF(WMMF&& other) noexcept { TakeFrom(other); }

WMMF& WMMF::operator=(WMMF&& other) noexcept {
  if (this != &other) {
    Release();
    TakeFrom(other);
  }
  return *this;
}

void WMMF::TakeFrom(WMMF& other) noexcept {
  fileName_ = std::move(other.fileName_);
  path_ = std::move(other.path_);
  base_ = std::exchange(other.base_, nullptr);
  size_ = std::exchange(other.size_, 0);
  capacity_ = std::exchange(other.capacity_, 0);
  position_ = std::exchange(other.position_, 0);
  growth_ = std::exchange(other.growth_, 0);
  fd_ = std::exchange(other.fd_, -1);
  open_ = std::exchange(other.open_, false);
  inMemory_ = std::exchange(other.inMemory_, false);
  readOnly_ = std::exchange(other.readOnly_, false);
  mapped_ = std::exchange(other.mapped_, false);
  guard_ = std::exchange(other.guard_, -1);
  share_ = std::exchange(other.share_, MMFShare::Exclusive);
  other.fileName_.clear();
  other.path_.clear();
}

void WMMF::Create(const std::string& fileName, bool startInMemory, int64_t growth, int64_t initialSize) {
  Close();
  if (initialSize < 0) initialSize = 0;
  fileName_ = fileName;
  path_ = fileName;
  growth_ = growth > 0 ? growth : 0;
  readOnly_ = false;
  share_ = MMFShare::Exclusive;
  if (startInMemory && initialSize < kMemoryLimit) {
    base_ = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(initialSize ? initialSize : 1), 1));
    if (!base_) throw std::bad_alloc();
    inMemory_ = true;
    size_ = capacity_ = initialSize;
    position_ = 0;
    open_ = true;
    return;
  }
  try {
    CreateBackingFile(false);
    ResizeFile(0, initialSize);
    MapFile(initialSize);
  } catch (...) {
    Release();
    throw;
  }
  size_ = capacity_ = initialSize;
  position_ = 0;
  open_ = true;
}

void WMMF::Open(const std::string& fileName, int64_t growth, MMFMode mode, MMFShare share) {
  Close();
  fileName_ = fileName;
  path_ = fileName;
  growth_ = growth > 0 ? growth : 0;
  readOnly_ = mode == MMFMode::ReadOnly;
  share_ = share;
  try {
    // O_NONBLOCK keeps a FIFO from blocking the open; such files are refused below.
    fd_ = ::open(fileName.c_str(), (readOnly_ ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) RaiseStorageError(Failure::Open, path_);
    struct stat st;
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) RaiseStorageError(Failure::Open, path_);
    int64_t length = st.st_size;
    MapFile(length);
    size_ = capacity_ = length;
  } catch (...) {
    Release();
    throw;
  }
  if (readOnly_) {
    // A read-only view never grows, so the descriptor is not needed any more.
    ::close(fd_);
    fd_ = -1;
  }
  position_ = 0;
  open_ = true;
}

void WMMF::CreateBackingFile(bool growing) {
  Failure kind = growing ? Failure::Open : Failure::Create;
  if (fileName_.empty()) {
    try {
      path_ = MakeTempFileName();
    } catch (const EFCreateError& e) {
      // While growing, every failure is an open error.
      if (growing) throw EFOpenError(e.what());
      throw;
    }
    // The name was reserved by mkstemp; open that very file (never through a link) and
    // remove its name at once, so that it disappears however the process ends.
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    ::unlink(path_.c_str());
  } else {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  }
  if (fd_ < 0) RaiseStorageError(kind, path_);
}

void WMMF::ResizeFile(int64_t from, int64_t to) {
  if (to <= from) return;
  // The file stays sparse: its pages take disk blocks only if the system writes them
  // back, so a short-lived index usually never costs the file system an allocation
  // (reserving blocks made closing a large index slow on a busy disk).  A full disk
  // is refused here rather than ending in a bus error on a later store.
  struct statvfs fs;
  if (::fstatvfs(fd_, &fs) == 0 &&
      static_cast<uint64_t>(to - from) > static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize)
    RaiseResizeError(IsTemporary(), path_, ENOSPC);
  if (::ftruncate(fd_, to) != 0) RaiseResizeError(IsTemporary(), path_, errno);
}

void WMMF::MapFile(int64_t capacity) {
  if (capacity <= 0) {
    base_ = nullptr;
    mapped_ = false;
    return;
  }
  if (static_cast<uint64_t>(capacity) > SIZE_MAX) RaiseStorageError(Failure::Open, path_);
  int prot = readOnly_ ? PROT_READ : PROT_READ | PROT_WRITE;
  void* view = ::mmap(nullptr, static_cast<size_t>(capacity), prot, MAP_SHARED, fd_, 0);
  if (view == MAP_FAILED) RaiseStorageError(Failure::Open, path_);
  base_ = static_cast<uint8_t*>(view);
  mapped_ = true;
  // A file another program shrinks would raise SIGBUS on the lost pages: the guard answers
  // such faults with zero pages.
  if (readOnly_) guard_ = GuardMapping(view, static_cast<size_t>(capacity));
}

bool WMMF::ChangedOnDisk() const { return MappingFaulted(guard_); }

void WMMF::Grow(int64_t needed) {
  if (needed <= capacity_) return;
  if (!open_ || readOnly_) RaiseStorageError(Failure::Open, path_);
  int64_t newCapacity = needed > INT64_MAX - growth_ ? needed : needed + growth_;
  if (inMemory_) {
    if (newCapacity < kMemoryLimit) {
      auto* block = static_cast<uint8_t*>(std::realloc(base_, static_cast<size_t>(newCapacity)));
      if (!block) throw std::bad_alloc();
      std::memset(block + capacity_, 0, static_cast<size_t>(newCapacity - capacity_));
      base_ = block;
      capacity_ = newCapacity;
      return;
    }
    // The block outgrew the heap: move it into a mapped file.
    uint8_t* block = base_;
    base_ = nullptr;
    try {
      CreateBackingFile(true);
      ResizeFile(0, newCapacity);
      MapFile(newCapacity);
    } catch (...) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = -1;
      base_ = block;
      mapped_ = false;
      throw;
    }
    if (capacity_ > 0) std::memcpy(base_, block, static_cast<size_t>(capacity_));
    std::free(block);
    inMemory_ = false;
    capacity_ = newCapacity;
    return;
  }
  if (fd_ < 0) RaiseStorageError(Failure::Open, path_);
  ResizeFile(capacity_, newCapacity);
  if (!mapped_) {
    MapFile(newCapacity);
  } else {
#ifdef __linux__
    // Growing in place keeps the pages already mapped.
    void* view =
        ::mremap(base_, static_cast<size_t>(capacity_), static_cast<size_t>(newCapacity), MREMAP_MAYMOVE);
    if (view == MAP_FAILED) RaiseStorageError(Failure::Open, path_);
    base_ = static_cast<uint8_t*>(view);
#else
    if (!IsTemporary()) ::msync(base_, static_cast<size_t>(capacity_), MS_SYNC);
    ::munmap(base_, static_cast<size_t>(capacity_));
    base_ = nullptr;
    mapped_ = false;
    MapFile(newCapacity);
#endif
  }
  capacity_ = newCapacity;
}

int64_t WMMF::Read(void* buffer, int64_t length) {
  if (position_ < 0 || length <= 0 || position_ >= size_) return 0;
  int64_t n = length < size_ - position_ ? length : size_ - position_;
  std::memcpy(buffer, base_ + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t WMMF::Seek(int64_t offset, int origin) {
  switch (origin) {
    case 0:
      position_ = offset;
      break;
    case 1:
      position_ += offset;
      break;
    case 2:
      position_ = size_ + offset;
      break;
    default:
      break;
  }
  return position_;
}

void WMMF::Flush() {
  if (!open_ || !mapped_ || readOnly_ || IsTemporary()) return;
  if (::msync(base_, static_cast<size_t>(capacity_), MS_SYNC) != 0) RaiseStorageError(Failure::Stream, path_);
}

void WMMF::Close() {
  std::string path = path_;
  if (!Release()) RaiseStorageError(Failure::Stream, path);
}

bool WMMF::Release() noexcept {
  bool ok = true;
  bool named = !fileName_.empty() && !readOnly_;
  if (inMemory_) {
    if (named && open_) {
      // A named storage that never left the heap is written to its file now.
      int fd = ::open(fileName_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
      ok = fd >= 0 && WriteWhole(fd, base_, size_);
      if (fd >= 0 && ::close(fd) != 0) ok = false;
    }
    std::free(base_);
  } else {
    if (mapped_) {
      UnguardMapping(guard_);
      guard_ = -1;
      if (named && ::msync(base_, static_cast<size_t>(capacity_), MS_SYNC) != 0) ok = false;
      if (::munmap(base_, static_cast<size_t>(capacity_)) != 0) ok = false;
    }
    // The file of a named storage keeps exactly the data written, not the growth.
    if (named && fd_ >= 0 && open_ && ::ftruncate(fd_, size_) != 0) ok = false;
    if (fd_ >= 0) ::close(fd_);
  }
  fileName_.clear();
  path_.clear();
  base_ = nullptr;
  size_ = capacity_ = position_ = growth_ = 0;
  fd_ = -1;
  open_ = inMemory_ = readOnly_ = mapped_ = false;
  share_ = MMFShare::Exclusive;
  return ok;
}
