#include "formats/paf/PAF34Marriage.h"

#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kPlaceParts = 23;

}  // namespace

std::string WPAF34Marriage::GetPlaceText() {
  return record_ ? collection_.FourPartPlace(record_ + kPlaceParts) : std::string();
}
