#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

// Access of a storage opened on an existing file.
enum class MMFMode { ReadOnly, ReadWrite };

// Whether other processes may keep the file open for reading and writing meanwhile.
// POSIX has no mandatory sharing locks, so this is recorded but not enforced.
enum class MMFShare { Exclusive, ShareReadWrite };

// A byte-addressable storage: a genealogy file mapped read-only, or a growable
// read-write storage for indexes.  Small read-write storages live in a heap block;
// once one outgrows 64 KB it moves into a mapped file (a temporary "brm" file in
// $TMPDIR or /tmp when the storage has no name of its own) that grows in steps.
//
// Records are read in place through Data()/Pointer().  Any call that can grow the
// storage (Write and everything built on it) may move the data, so addresses taken
// earlier are then stale.
//
// Reads never fail: reads outside the logical size give 0 bytes.  Opening, growing
// and closing raise EFCreateError/EFOpenError/EStreamError with the message
// "Error using the file <name>\r\nPlease check that this file is not being used by
// another application."
class WMMF {
 public:
  // Capacities below this stay in a heap block when the storage starts in memory.
  static constexpr int64_t kMemoryLimit = 65536;

  WMMF() = default;
  virtual ~WMMF();
  WMMF(WMMF&& other) noexcept;
  WMMF& operator=(WMMF&& other) noexcept;
  WMMF(const WMMF&) = delete;
  WMMF& operator=(const WMMF&) = delete;

  // New read-write storage.  An empty name makes a temporary storage whose file (if
  // one is ever needed) disappears when the storage is closed.  A named file is
  // created anew (replacing an existing one), unless the storage starts and stays in
  // memory, in which case the file is written when the storage is closed.
  // Size and capacity start at initialSize; the storage grows by needed + growth.
  void Create(const std::string& fileName, bool startInMemory, int64_t growth, int64_t initialSize);

  // Existing file, mapped whole.  Read-only storages are opened O_RDONLY and mapped
  // PROT_READ: nothing can ever be written to them.  An empty file gives an empty
  // storage.  Anything but a regular file is refused.
  void Open(const std::string& fileName, int64_t growth, MMFMode mode,
            MMFShare share = MMFShare::ShareReadWrite);

  // Copies at most Size() - Position() bytes from the position and advances it;
  // 0 when the position or the length is negative or the position is at the end.
  int64_t Read(void* buffer, int64_t length);
  // Writes at the position, growing size and capacity as needed, and advances the
  // position.  Returns the position before the write, or -1 when nothing was written
  // (negative position or length, a write ending at or before 0, a read-only storage).
  int64_t Write(const void* buffer, int64_t length) {
    int64_t start = position_;
    if (!WriteAt(position_, buffer, length)) return -1;
    position_ = start + length;
    return start;
  }
  // origin 0: from the start, 1: from the position, 2: from the size.  Returns the
  // new position; an unknown origin leaves it unchanged.
  int64_t Seek(int64_t offset, int origin);

  // Address of the byte at offset (0 <= offset <= Size()), or nullptr outside that.
  uint8_t* Pointer(int64_t offset) {
    return offset >= 0 && offset <= size_ && base_ ? base_ + offset : nullptr;
  }
  const uint8_t* Pointer(int64_t offset) const {
    return offset >= 0 && offset <= size_ && base_ ? base_ + offset : nullptr;
  }
  // Start of the data (nullptr for an empty or closed storage).
  uint8_t* Data() { return base_; }
  const uint8_t* Data() const { return base_; }

  int64_t Size() const { return size_; }
  int64_t Capacity() const { return capacity_; }
  int64_t Position() const { return position_; }
  int64_t Growth() const { return growth_; }
  bool InMemory() const { return inMemory_; }
  bool IsOpen() const { return open_; }
  bool IsReadOnly() const { return readOnly_; }
  bool IsTemporary() const { return fileName_.empty(); }
  // True once a read of a read-only mapping fell on pages the file no longer has (it shrank
  // while mapped); those pages read as zeros from then on.
  bool ChangedOnDisk() const;
  // The owner's file name; empty for a temporary storage.
  const std::string& FileName() const { return fileName_; }
  // The file actually backing the storage (the temporary name once one was made).
  const std::string& PathInUse() const { return path_; }

  // Writes a mapped view of a named storage back to its file.
  void Flush();
  // Releases the storage (see the class comment); the object is then empty and may
  // be created or opened again.  A failing flush or unmap of a named storage raises
  // EStreamError after everything has been released.
  void Close();

  // --- Bounds-checked reading, for binary readers --------------------------------
  // True when [offset, offset + length) lies inside the logical size.
  bool Contains(int64_t offset, int64_t length) const {
    return offset >= 0 && length >= 0 && offset <= size_ && length <= size_ - offset;
  }
  // Copies length bytes at offset into buffer; false (buffer untouched) when any of
  // them lies outside the storage.
  bool ReadAt(int64_t offset, void* buffer, int64_t length) const {
    if (!Contains(offset, length)) return false;
    if (length > 0) std::memcpy(buffer, base_ + offset, static_cast<size_t>(length));
    return true;
  }
  // Little-endian values at offset; false and 0 when outside the storage.
  bool ReadU8(int64_t offset, uint8_t& value) const { return ReadLE(offset, value); }
  bool ReadU16(int64_t offset, uint16_t& value) const { return ReadLE(offset, value); }
  bool ReadU32(int64_t offset, uint32_t& value) const { return ReadLE(offset, value); }
  bool ReadI32(int64_t offset, int32_t& value) const { return ReadLE(offset, value); }
  uint8_t U8(int64_t offset) const { return offset >= 0 && offset < size_ ? base_[offset] : 0; }
  uint16_t U16(int64_t offset) const {
    uint16_t v;
    ReadLE(offset, v);
    return v;
  }
  uint32_t U32(int64_t offset) const {
    uint32_t v;
    ReadLE(offset, v);
    return v;
  }
  int32_t I32(int64_t offset) const {
    int32_t v;
    ReadLE(offset, v);
    return v;
  }

 protected:
  // Copies length bytes to offset, growing the storage as needed; the position is not
  // used.  False (nothing changed) for the refused writes listed at Write.
  bool WriteAt(int64_t offset, const void* buffer, int64_t length) {
    if (offset < 0 || length < 0 || length > INT64_MAX - offset || offset + length <= 0 || readOnly_ ||
        !open_)
      return false;
    int64_t end = offset + length;
    if (end > capacity_) Grow(end);
    // Index records are mostly 4 or 8 bytes: fixed-size copies compile to one store.
    if (length == 4)
      std::memcpy(base_ + offset, buffer, 4);
    else if (length == 8)
      std::memcpy(base_ + offset, buffer, 8);
    else if (length > 0)
      std::memcpy(base_ + offset, buffer, static_cast<size_t>(length));
    if (end > size_) size_ = end;
    return true;
  }
  // Makes the capacity at least needed (plus the growth), moving from the heap block
  // to a mapped file when the block would reach kMemoryLimit.
  void Grow(int64_t needed);
  // Sets the logical size, growing the capacity when needed (new bytes are zero).
  void EnsureSize(int64_t size) {
    if (size > capacity_) Grow(size);
    if (size > size_) size_ = size;
  }

 private:
  template <class T>
  bool ReadLE(int64_t offset, T& value) const {
    value = 0;
    if (!Contains(offset, sizeof(T))) return false;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&value, base_ + offset, sizeof(T));
    } else {
      uint64_t v = 0;
      for (size_t k = sizeof(T); k-- > 0;) v = (v << 8) | base_[offset + static_cast<int64_t>(k)];
      value = static_cast<T>(v);
    }
    return true;
  }

  // Maps the open descriptor over `capacity` bytes (nothing for 0).
  void MapFile(int64_t capacity);
  // Extends the file behind fd_ from `from` to `to` bytes, refusing when the disk
  // lacks the room.
  void ResizeFile(int64_t from, int64_t to);
  // Opens (creating anew) the file that will back a read-write mapping; a temporary
  // storage gets a fresh "brm" name.  Failures raise EFCreateError, or EFOpenError
  // while growing.
  void CreateBackingFile(bool growing);
  // Releases everything without raising; returns false when writing back, flushing
  // or unmapping a named storage failed.
  bool Release() noexcept;
  void TakeFrom(WMMF& other) noexcept;

  std::string fileName_;
  std::string path_;
  uint8_t* base_ = nullptr;
  int64_t size_ = 0;
  int64_t capacity_ = 0;
  int64_t position_ = 0;
  int64_t growth_ = 0;
  int fd_ = -1;
  bool open_ = false;
  bool inMemory_ = false;
  bool readOnly_ = false;
  bool mapped_ = false;  // base_ is a mapping (not a heap block)
  int guard_ = -1;       // slot of a read-only mapping in the fault guard
  MMFShare share_ = MMFShare::Exclusive;
};
