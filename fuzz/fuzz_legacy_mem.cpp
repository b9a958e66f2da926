// Runs the Legacy reader over in-memory tables built from arbitrary bytes: random Legacy tables
// with random rows, small identifiers that collide and dangle, and random texts in every field
// (coded dates included), then imports, links and reads every record.  No file, no libmdb: this
// harness checks the Legacy logic alone.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzReader.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/MemDatabase.h"

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Mostly small numbers, so that identifiers meet; now and then a large or negative one.
  int64_t Number() {
    uint8_t kind = Byte();
    if (kind < 200) return kind % 12;
    if (kind < 230) return -static_cast<int64_t>(Byte());
    int64_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
    return static_cast<int32_t>(v);
  }
  std::string Text() {
    size_t n = Byte() % 40;
    std::string s;
    for (size_t i = 0; i < n && !Empty(); ++i) s += static_cast<char>(Byte());
    return s;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

struct Schema {
  const char* name;
  std::vector<const char*> numbers;
  std::vector<const char*> texts;
};

const std::vector<Schema>& Schemas() {
  static const std::vector<Schema> schemas = {
      {"TBLIR",
       {"IDIR", "Gender", "IDLRBirth", "IDLRDeath", "IDLRChris", "IDLRBuried", "IDTRBaptism", "IDTREndow",
        "BaptismKind", "Living", "added", "Updated", "IDMRParents", "IDMRPref"},
       {"Surname", "givenname", "prefix", "title", "UserRef", "AncestralRef", "Notes", "References",
        "Medical", "BirthD", "DeathD", "ChrisD", "BuriedD", "BaptismD", "EndowD", "BirthNote", "DeathNote",
        "ChrisNote", "BuriedNote"}},
      {"TBLMR", {"IDMR", "IDIRHusb", "IDIRWife", "IDLRMar", "IDTRSeal"}, {"MarD", "Notes", "SealD"}},
      {"TBLCR", {"IDCR", "IDMR", "IDIR", "Order", "IDTRParSeal"}, {"ParSealD"}},
      {"TBLER", {"IDER", "IDIR", "IDType", "Order", "IDET", "IDLREvent"}, {"EventD", "Desc", "Description"}},
      {"TBLET", {"IDET"}, {"EventType"}},
      {"TBLLR", {"IDLR"}, {"Location"}},
      {"TBLTR", {"IDTR"}, {"Temple"}},
      {"TBLSR",
       {"IDSR", "IDAR"},
       {"SrcName", "SrcTitle", "SrcAuthor", "SrcPubl", "SrcCallNum", "SrcText", "SrcNote"}},
      {"TBLSX", {"IDSX", "IDSR", "IDIME", "Type"}, {"SrcDetail"}},
      {"TBLAR",
       {"IDAR"},
       {"AddrName", "Address1", "Address2", "City", "State", "Zipcode", "Country", "Phone1", "AddrNotes"}},
      {"TBLBP", {"IDBP"}, {"PicPath"}},
      {"TBLBR", {"IDBR", "IDIR", "IDType", "PicPref", "PicOrder", "IDBPPic"}, {"PicName"}},
  };
  return schemas;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ImportCancelled = false;
  Bytes in(data, size);
  auto db = std::make_unique<TMemDatabase>();
  TMemDatabase::Table& settings = db->AddTable("TBLHR", {"Item", "Setting"});
  const char* versions[] = {"3i", "3r", "3s", "4", "3h"};
  settings.rows.push_back({std::string("Version"), std::string(versions[in.Byte() % 5])});
  settings.rows.push_back({std::string("Compiler1"), in.Text()});
  for (const Schema& schema : Schemas()) {
    // A table may be missing altogether.
    if (in.Byte() % 8 == 0) continue;
    std::vector<std::string> columns(schema.numbers.begin(), schema.numbers.end());
    columns.insert(columns.end(), schema.texts.begin(), schema.texts.end());
    TMemDatabase::Table& table = db->AddTable(schema.name, columns);
    const int rows = in.Byte() % 24;
    for (int r = 0; r < rows && !in.Empty(); ++r) {
      std::vector<TMemValue> row;
      for (size_t c = 0; c < schema.numbers.size(); ++c) row.emplace_back(in.Number());
      for (size_t c = 0; c < schema.texts.size(); ++c) {
        if (in.Byte() & 1)
          row.emplace_back(in.Text());
        else
          row.emplace_back();
      }
      table.rows.push_back(std::move(row));
    }
  }
  WLEGCollection collection("memory.fdb", std::move(db));
  return FuzzWalk(collection);
}
