#include "formats/legacy/MDBHandle.h"

#include <strings.h>
#include <sys/stat.h>

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

uint32_t Get32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

TMDBHandle::TMDBHandle(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) Refuse(path, "the file cannot be read");
  FILE* probe = std::fopen(path.c_str(), "rb");
  if (!probe) Refuse(path, "the file cannot be read");
  unsigned char head[0x20] = {};
  size_t got = std::fread(head, 1, sizeof head, probe);
  std::fclose(probe);
  if (got < sizeof head || head[0] != 0 || std::memcmp(head + 4, "Standard Jet DB", 15) != 0)
    Refuse(path, "the file is not a Jet database");
  // Version byte: 0 is Jet 3 with 2 KiB pages, 1 Jet 4 with 4 KiB pages.
  if (head[0x14] > 1) Refuse(path, "the Jet database version is not supported");
  page_size_ = head[0x14] == 0 ? 2048 : 4096;
  // Page 0 holds the header, page 1 the usage maps and page 2 the catalog's definition.
  if (st.st_size < 3 * static_cast<off_t>(page_size_)) Refuse(path, "the file is too short");
  page_count_ = static_cast<uint32_t>(
      std::min<off_t>((st.st_size + page_size_ - 1) / page_size_, static_cast<off_t>(0xFFFFFF)));

  mdb_ = mdb_open(path.c_str(), MDB_NOFLAGS);
  if (!mdb_) Refuse(path, "the file is not a Jet database");
  mdb_set_date_fmt(mdb_, "%Y-%m-%d %H:%M:%S");
  if (mdb_->fmt->pg_size != page_size_) {
    mdb_close(mdb_);
    Refuse(path, "the Jet database version is not supported");
  }
  GPtrArray* catalog = mdb_read_catalog(mdb_, MDB_TABLE);
  if (!catalog) {
    mdb_close(mdb_);
    Refuse(path, "the catalog of tables cannot be read");
  }
  for (guint i = 0; i < catalog->len; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
    if (entry && entry->table_pg > 2 && entry->table_pg < page_count_) tables_.push_back(entry);
  }
}

TMDBHandle::~TMDBHandle() {
  if (mdb_) mdb_close(mdb_);
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
