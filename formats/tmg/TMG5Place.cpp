#include "formats/tmg/TMG5Place.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5PlaceLookup.h"
#include "formats/tmg/TMG5TabPD.h"
#include "formats/tmg/TMGTabP.h"

WTMG5Place::WTMG5Place(WTMG5Collection& collection, int place_id)
    : collection_(collection), place_id_(place_id) {}

std::string WTMG5Place::Part(int k) {
  // A place no row of the places table holds has no parts.
  if (collection_.Places().IdToPos(place_id_) < 1) return std::string();
  return collection_.PlaceDictionary().PartText(collection_.PlaceParts().Uid(place_id_, k));
}

std::string WTMG5Place::JoinParts(int from, int to) {
  std::string text;
  for (int k = from; k <= to; ++k) {
    const std::string part = Part(k);
    if (part.empty()) continue;
    if (!text.empty()) text += ", ";
    text += part;
  }
  return text;
}

std::string WTMG5Place::GetName() { return collection_.PlaceText(place_id_); }
