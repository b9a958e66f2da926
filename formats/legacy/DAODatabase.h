#pragma once

#include <memory>
#include <string>

#include "formats/legacy/DAOTable.h"

// A Legacy database opened read-only: the tables the reader asks for by name.  Two engines stand
// behind it, the Jet file reader (TMDBDatabase) and the in-memory tables of the tests
// (TMemDatabase); the Legacy logic never knows which.
class TDAODatabase {
 public:
  virtual ~TDAODatabase() = default;
  TDAODatabase() = default;
  TDAODatabase(const TDAODatabase&) = delete;
  TDAODatabase& operator=(const TDAODatabase&) = delete;

  // A new table object over the named table (letter case ignored); none when there is no such
  // table or it cannot be read.  Each object has its own current row and index.
  virtual std::unique_ptr<TDAOTable> OpenTable(const std::string& name) = 0;
};
