#pragma once

// libmdb's header opens glib inside extern "C"; glib must come first in C++.
#include <glib.h>
#include <mdbtools.h>

#include <cstdint>
#include <string>
#include <vector>

// One Jet database file opened read-only through libmdb, with its catalog read once.  Only the
// Jet engine's own units include this header: libmdb stays behind TMDBDatabase and TMDBTable.
//
// libmdb reports failures by printing to standard error and returning nothing; every failure
// here becomes a message of this program.  What libmdb is handed is checked first (the file's
// size and first page, each table's page, its column count) so that a damaged file is refused
// before libmdb reads beyond what it can.
class TMDBHandle {
 public:
  // Raises ETaravellError "Cannot open the Legacy database PATH: reason".
  explicit TMDBHandle(const std::string& path);
  ~TMDBHandle();
  TMDBHandle(const TMDBHandle&) = delete;
  TMDBHandle& operator=(const TMDBHandle&) = delete;

  MdbHandle* Mdb() { return mdb_; }
  uint32_t PageCount() const { return page_count_; }
  int PageSize() const { return page_size_; }
  // True when the table definition at that page and the usage maps it points to are sound
  // enough to hand to libmdb (libmdb itself follows them without checking).
  bool CheckTableDefinition(uint32_t page) const;
  // The catalog entry of a table (letter case ignored); none when there is no such table.
  MdbCatalogEntry* FindTable(const std::string& name) const;

  // The value bytes of a memo field whose 12-byte header starts at `start` of the current page
  // (`size` bytes in the row, the header included): in the row, on one long-value page, or in a
  // chain of them.  The chain is followed at most once around and never past the stated length.
  std::string ReadLongValue(int start, int size);

 private:
  // A page as stored, decoded when the database is encoded; empty when it cannot be read.
  std::string ReadPage(uint32_t page) const;
  // True when `pointer` (page << 8 | row) names a row of at least `min_size` bytes.
  bool CheckRow(uint32_t pointer, size_t min_size, std::string* row = nullptr) const;

  int fd_ = -1;
  uint32_t db_key_ = 0;
  MdbHandle* mdb_ = nullptr;
  uint32_t page_count_ = 0;
  int page_size_ = 4096;
  std::vector<MdbCatalogEntry*> tables_;
};
