#include "formats/paf/PAF34Name.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kSurname = 1;
constexpr uint64_t kGivenNames[] = {5, 9, 13};
constexpr uint64_t kSuffix = 17;

}  // namespace

std::string WPAF34Name::PartAt(uint64_t offset) { return collection_.TextAt(view_.I32LE(record_ + offset)); }

std::string WPAF34Name::GetSurname() { return Utf8ToAnsi(PartAt(kSurname)); }

std::string WPAF34Name::GetGivenNames() {
  std::string given = PartAt(kGivenNames[0]);
  for (size_t k = 1; k < std::size(kGivenNames); ++k)
    if (WPAFCollection::IsLink(view_.I32LE(record_ + kGivenNames[k]))) given += " " + PartAt(kGivenNames[k]);
  return Utf8ToAnsi(given);
}

std::string WPAF34Name::GetSuffix() { return Utf8ToAnsi(PartAt(kSuffix)); }
