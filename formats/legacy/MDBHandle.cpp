#include "formats/legacy/MDBHandle.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include "base/Errors.h"

namespace {

constexpr size_t kMemoHeader = 12;
// A memo longer than this is cut; no genealogy note comes near it.
constexpr uint32_t kMaxLongValue = 16u << 20;

[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
  throw ETaravellError("Cannot open the Legacy database " + path + ": " + reason);
}

// Jet's RC4: the header area and, in an encoded database, every page are masked with it.
void Rc4(const unsigned char* key, size_t key_size, unsigned char* data, size_t size) {
  unsigned char s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + key[i % key_size]) & 0xFF;
    std::swap(s[i], s[j]);
  }
  for (size_t n = 0, i = 0, j = 0; n < size; ++n) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    data[n] ^= s[(s[i] + s[j]) & 0xFF];
  }
}

uint16_t Get16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t Get32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

TMDBHandle::TMDBHandle(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) Refuse(path, "the file cannot be read");
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) Refuse(path, "the file cannot be read");
  unsigned char head[0x98] = {};
  const ssize_t got = ::pread(fd_, head, sizeof head, 0);
  if (got < static_cast<ssize_t>(sizeof head) || head[0] != 0 ||
      strncasecmp(reinterpret_cast<const char*>(head + 4), "Standard Jet DB", 15) != 0) {
    ::close(fd_);
    Refuse(path, "the file is not a Jet database");
  }
  // Version byte: 1 is Jet 4 (Access 2000 to 2003), the engine of every Legacy file.
  if (head[0x14] != 1) {
    ::close(fd_);
    Refuse(path, "the Jet database version is not supported");
  }
  page_size_ = 4096;
  // Page 0 holds the header, page 1 the usage maps and page 2 the catalog's definition.
  if (st.st_size < 3 * static_cast<off_t>(page_size_)) {
    ::close(fd_);
    Refuse(path, "the file is too short");
  }
  page_count_ = static_cast<uint32_t>(
      std::min<off_t>((st.st_size + page_size_ - 1) / page_size_, static_cast<off_t>(0xFFFFFF)));
  const unsigned char header_key[4] = {0xC7, 0xDA, 0x39, 0x6B};
  Rc4(header_key, sizeof header_key, head + 0x18, 128);
  db_key_ = Get32(head + 0x3E);
  if (!CheckTableDefinition(2)) {
    ::close(fd_);
    Refuse(path, "the catalog of tables cannot be read");
  }

  mdb_ = mdb_open(path.c_str(), MDB_NOFLAGS);
  if (!mdb_) {
    ::close(fd_);
    Refuse(path, "the file is not a Jet database");
  }
  mdb_set_date_fmt(mdb_, "%Y-%m-%d %H:%M:%S");
  if (mdb_->fmt->pg_size != page_size_) {
    mdb_close(mdb_);
    ::close(fd_);
    Refuse(path, "the Jet database version is not supported");
  }
  GPtrArray* catalog = mdb_read_catalog(mdb_, MDB_TABLE);
  if (!catalog) {
    mdb_close(mdb_);
    ::close(fd_);
    Refuse(path, "the catalog of tables cannot be read");
  }
  for (guint i = 0; i < catalog->len; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
    if (entry && entry->table_pg > 2 && entry->table_pg < page_count_) tables_.push_back(entry);
  }
}

TMDBHandle::~TMDBHandle() {
  if (mdb_) mdb_close(mdb_);
  if (fd_ >= 0) ::close(fd_);
}

std::string TMDBHandle::ReadPage(uint32_t page) const {
  std::string bytes(page_size_, '\0');
  if (page >= page_count_ ||
      ::pread(fd_, bytes.data(), bytes.size(), static_cast<off_t>(page) * page_size_) < 1)
    return std::string();
  if (page != 0 && db_key_ != 0) {
    const uint32_t key = db_key_ ^ page;
    const unsigned char k[4] = {static_cast<unsigned char>(key), static_cast<unsigned char>(key >> 8),
                                static_cast<unsigned char>(key >> 16), static_cast<unsigned char>(key >> 24)};
    Rc4(k, sizeof k, reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
  }
  return bytes;
}

bool TMDBHandle::CheckRow(uint32_t pointer, size_t min_size, std::string* row) const {
  const std::string page = ReadPage(pointer >> 8);
  if (page.empty()) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(page.data());
  constexpr int kRowCount = 12;
  const unsigned index = pointer & 0xFF;
  const unsigned rows = Get16(p + kRowCount);
  if (index >= rows || kRowCount + 2 + 2 * (static_cast<int>(index) + 1) > page_size_) return false;
  const unsigned start = Get16(p + kRowCount + 2 + 2 * index) & 0x1FFF;
  const unsigned end = index == 0 ? page_size_ : Get16(p + kRowCount + 2 * index) & 0x1FFF;
  if (start < kRowCount + 2 || start >= end || end > static_cast<unsigned>(page_size_) ||
      end - start < min_size)
    return false;
  if (row) row->assign(page, start, end - start);
  return true;
}

bool TMDBHandle::CheckTableDefinition(uint32_t page) const {
  const std::string definition = ReadPage(page);
  if (definition.empty() || definition[0] != 0x02) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(definition.data());
  // The usage map: a type byte (0: a bitmap in the row after its first page; 1: pointers to
  // map pages) and at least one entry.  The free-space map is only read, never followed.
  std::string map;
  if (!CheckRow(Get32(p + 55), 5, &map) || (map[0] != 0 && map[0] != 1)) return false;
  return CheckRow(Get32(p + 59), 1);
}

MdbCatalogEntry* TMDBHandle::FindTable(const std::string& name) const {
  for (MdbCatalogEntry* entry : tables_)
    if (strcasecmp(entry->object_name, name.c_str()) == 0) return entry;
  return nullptr;
}

std::string TMDBHandle::ReadLongValue(int start, int size) {
  std::string out;
  if (start < 0 || size < static_cast<int>(kMemoHeader) || start + size > page_size_) return out;
  const unsigned char* header = mdb_->pg_buf + start;
  const uint32_t word = Get32(header);
  const uint32_t length = std::min(word & 0x3FFFFFFFu, kMaxLongValue);
  int32_t pg_row = static_cast<int32_t>(Get32(header + 4));
  if (word & 0x80000000u) {
    // Kept in the row itself, after the header.
    out.assign(reinterpret_cast<const char*>(header + kMemoHeader), size - kMemoHeader);
    return out;
  }
  void* buf = nullptr;
  int offset = 0;
  size_t row_size = 0;
  if (word & 0x40000000u) {
    // One row of one long-value page.
    if (static_cast<uint32_t>(pg_row) >> 8 >= page_count_) return out;
    if (mdb_find_pg_row(mdb_, pg_row, &buf, &offset, &row_size) != 0) return out;
    out.assign(static_cast<const char*>(buf) + offset, std::min<size_t>(row_size, length));
    return out;
  }
  if (word & 0xC0000000u) return out;
  // A chain of rows on long-value pages, each starting with the place of the next.
  std::set<int32_t> visited;
  while (pg_row != 0 && out.size() < length) {
    if (static_cast<uint32_t>(pg_row) >> 8 >= page_count_ || !visited.insert(pg_row).second) break;
    if (mdb_find_pg_row(mdb_, pg_row, &buf, &offset, &row_size) != 0 || row_size < 4) break;
    const auto* piece = static_cast<const unsigned char*>(buf) + offset;
    out.append(reinterpret_cast<const char*>(piece + 4), std::min<size_t>(row_size - 4, length - out.size()));
    pg_row = static_cast<int32_t>(Get32(piece));
  }
  return out;
}
