#pragma once

#include <string>

#include "formats/paf/PAFVitPlace.h"

// The place of a version 3 event: four text pointers after the date, most local part first.
class WPAF3VitPlace : public WPAFVitPlace {
 public:
  using WPAFVitPlace::WPAFVitPlace;

  std::string GetName() override;
};
