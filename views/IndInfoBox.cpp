#include "views/IndInfoBox.h"

#include <memory>

#include "base/Errors.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"

namespace {

// Date and place of an event joined by ", " (either alone when the other is empty).
std::string DatePlace(WABSIndividual& person, int kind) {
  const std::string date = person.GetEventDateText(kind, 1);
  const std::string place = person.GetEventPlaceText(kind, 1);
  if (date.empty()) return place;
  if (place.empty()) return date;
  return date + ", " + place;
}

// The line for an event, with the stand-in event in brackets when the event gives nothing.
std::string EventLine(WABSIndividual& person, int kind, int stand_in, bool use_stand_in) {
  std::string line = DatePlace(person, kind);
  if (line.empty() && use_stand_in) {
    const std::string other = DatePlace(person, stand_in);
    if (!other.empty()) line = "[" + other + "]";
  }
  return line;
}

}  // namespace

void WIndInfoBox::Clear() {
  individual_ = 0;
  name_.clear();
  birth_.clear();
  death_.clear();
  hint_.clear();
  lds_bap_ = lds_end_ = lds_sp_ = lds_ss_ = false;
  background_ = kColorWhite;
  text_color_ = kColorBlack;
}

void WIndInfoBox::Fill(WABSCollection& collection, RecNo m, bool use_lds, bool fam_bir_chr, bool show_hint,
                       WColor background, WColor text_color) {
  Clear();
  use_lds_ = use_lds;
  if (m == 0) return;
  try {
    std::unique_ptr<WABSIndividual> person = collection.GetIndividual(m);
    if (!person) return;
    individual_ = m;
    background_ = background;
    text_color_ = text_color;
    if (use_lds) {
      lds_bap_ = person->HasLDSEvent(evLDSBaptism);
      lds_end_ = person->HasLDSEvent(evEndowment);
      lds_sp_ = person->HasLDSEvent(evSealingToParents);
      lds_ss_ = collection.HasSpouseSealing(m, 0);
    }
    name_ = person->GetDisplayName();
    birth_ = EventLine(*person, evBirth, evChristening, fam_bir_chr);
    death_ = EventLine(*person, evDeath, evBurial, fam_bir_chr);
    if (show_hint) hint_ = collection.GetIndividualSummary(m);
  } catch (const ETaravellError& e) {
    collection.NoteDamage(e.what());
    // A person who cannot be read shows an empty box.
    Clear();
  }
}
