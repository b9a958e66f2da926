#pragma once

#include <string>

#include "formats/tmg/TMGIndividual.h"

class WTMG5Collection;

// A person of a 5.x project: a 4.x person (whose events the collection's 5.x rules choose)
// identified by its data set and its number in it.
class WTMG5Individual : public WTMGIndividual {
 public:
  WTMG5Individual(WTMG5Collection& collection, RecNo rec_no);

  // DSID and REF_ID joined by ":" ("2:15").
  std::string GetID() override;

 private:
  WTMG5Collection& collection5_;
};
