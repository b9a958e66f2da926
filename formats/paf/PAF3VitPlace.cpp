#include "formats/paf/PAF3VitPlace.h"

#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kPlaceParts = 6;

}  // namespace

std::string WPAF3VitPlace::GetName() { return collection_.FourPartPlace(event_ + kPlaceParts); }
