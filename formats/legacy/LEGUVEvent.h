#pragma once

#include <cstdint>

#include "formats/legacy/LEGVitEvent.h"

// One of a person's other events: a "TBLER" row with its type from "TBLET", its date, place
// and note ("Desc"), and, from database version "3s", its "Description".
class WLEGUVEvent : public WLEGVitEvent {
 public:
  WLEGUVEvent(WLEGCollection& collection, int32_t ider);

 private:
  // Reads the row; the type name and description come back beside the parts.
  static WLEGEventParts ReadRow(WLEGCollection& collection, int32_t ider, std::string& type_name,
                                std::string& description);
};
