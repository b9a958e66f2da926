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
  // The catalog entry of a table (letter case ignored); none when there is no such table.
  MdbCatalogEntry* FindTable(const std::string& name) const;

  // The value bytes of a memo field whose 12-byte header starts at `start` of the current page
  // (`size` bytes in the row, the header included): in the row, on one long-value page, or in a
  // chain of them.  The chain is followed at most once around and never past the stated length.
  std::string ReadLongValue(int start, int size);

 private:
  MdbHandle* mdb_ = nullptr;
  uint32_t page_count_ = 0;
  int page_size_ = 4096;
  std::vector<MdbCatalogEntry*> tables_;
};
