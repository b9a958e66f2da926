#pragma once

#include <string>

#include "formats/paf/PAFVitPlace.h"

// The place of a version 5 event: one text pointer after the date.
class WPAF5VitPlace : public WPAFVitPlace {
 public:
  using WPAFVitPlace::WPAFVitPlace;

  std::string GetName() override;
};
