#include "search/AttribID.h"

#include <charconv>
#include <memory>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"

WAttribID::WAttribID(WABSCollection* collection, int column)
    : WAttrib(collection, column, DataTypeFor(collection, column), CaptionOf(column)) {}

int WAttribID::DataTypeFor(WABSCollection* collection, int column) {
  if (column != acRIN) return atText;
  switch (collection ? collection->GetIdOrder() : IdOrder::Integer) {
    case IdOrder::IdText:
      return atIDText;
    case IdOrder::PairText:
      return atPairText;
    case IdOrder::Integer:
      break;
  }
  return atInteger;
}

void WAttribID::SetCollection(WABSCollection* collection) {
  WAttrib::SetCollection(collection);
  data_type_ = DataTypeFor(collection, column_);
}

std::string WAttribID::Read(RecNo n, bool reference) {
  if (!collection_) return std::string();
  try {
    std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
    if (!person) return std::string();
    return reference ? person->GetReferenceNumber() : person->GetID();
  } catch (const ETaravellError&) {
    return std::string();
  }
}

std::string WAttribID::GetText(RecNo n) { return Read(n, column_ == acUserID); }

int32_t WAttribID::GetValue(RecNo n) {
  const std::string id = Read(n, false);
  int32_t value = 0;
  const char* end = id.data() + id.size();
  auto [ptr, ec] = std::from_chars(id.data(), end, value);
  if (ec != std::errc() || ptr != end) return 0;
  return value;
}
