#pragma once

#include <memory>
#include <string>

#include "formats/legacy/DAODatabase.h"

class TMDBHandle;

// A Jet database file read through libmdb (mdbtools), opened read-only; its catalog is read
// once.  Tables come as TMDBTable objects.
class TMDBDatabase : public TDAODatabase {
 public:
  // Raises ETaravellError "Cannot open the Legacy database PATH: reason" when the file cannot be
  // read as a Jet database.
  explicit TMDBDatabase(const std::string& path);
  ~TMDBDatabase() override;

  std::unique_ptr<TDAOTable> OpenTable(const std::string& name) override;

 private:
  std::shared_ptr<TMDBHandle> handle_;
};
