#include "search/AttribName.h"

#include <memory>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSName.h"

WAttribName::WAttribName(WABSCollection* collection, int column)
    : WAttrib(collection, column, atText, CaptionOf(column)) {}

std::string WAttribName::TextOf(WABSName& name, int column) {
  if (column == acSurnameGiven) return name.GetSurnameText() + ", " + name.GetGivenNames();
  return name.GetFullName(true);
}

std::string WAttribName::GetText(RecNo n) {
  if (!collection_) return std::string();
  try {
    std::unique_ptr<WABSIndividual> person = collection_->GetIndividual(n);
    if (!person) return std::string();
    std::unique_ptr<WABSName> name = person->GetName();
    return name ? TextOf(*name, column_) : std::string();
  } catch (const ETaravellError&) {
    return std::string();
  }
}
