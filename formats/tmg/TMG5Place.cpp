#include "formats/tmg/TMG5Place.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5PlaceLookup.h"
#include "formats/tmg/TMG5TabPD.h"

WTMG5Place::WTMG5Place(WTMG5Collection& collection, int place_id)
    : collection_(collection), place_id_(place_id) {}

std::string WTMG5Place::Part(int k) {
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

std::string WTMG5Place::GetName() { return JoinParts(2, 6); }
