#include "formats/tmg/TMG5Individual.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5Tab_.h"

WTMG5Individual::WTMG5Individual(WTMG5Collection& collection, RecNo rec_no)
    : WTMGIndividual(collection, rec_no), collection5_(collection) {}

std::string WTMG5Individual::GetID() {
  const WTMG5Tab_& people = collection5_.People5();
  return std::to_string(people.DataSet(rec_no_)) + ":" + std::to_string(people.RefId(rec_no_));
}
