#include "formats/legacy/MDBDatabase.h"

#include "formats/legacy/MDBHandle.h"
#include "formats/legacy/MDBTable.h"

TMDBDatabase::TMDBDatabase(const std::string& path) : handle_(std::make_shared<TMDBHandle>(path)) {}

TMDBDatabase::~TMDBDatabase() = default;

std::unique_ptr<TDAOTable> TMDBDatabase::OpenTable(const std::string& name) {
  MdbCatalogEntry* entry = handle_->FindTable(name);
  if (!entry) return nullptr;
  auto table = std::make_unique<TMDBTable>(handle_, entry);
  if (!table->Valid()) return nullptr;
  return table;
}
