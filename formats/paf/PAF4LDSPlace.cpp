#include "formats/paf/PAF4LDSPlace.h"

#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kOrdinancePlace = 52;

}  // namespace

WPAF4LDSPlace::WPAF4LDSPlace(WPAFCollection& collection, uint64_t ordinance, uint64_t extension)
    : WPAF34LDSPlace(collection, ordinance), extension_(extension) {}

std::string WPAF4LDSPlace::FallbackPlace() {
  return extension_ ? collection_.FourPartPlace(extension_ + kOrdinancePlace) : std::string();
}
