#include "formats/paf/PAF4VitPlace.h"

#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kPlaceParts = 6;

}  // namespace

std::string WPAF4VitPlace::GetName() { return collection_.FourPartPlace(event_ + kPlaceParts); }
