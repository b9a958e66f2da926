#pragma once

#include <memory>
#include <string>

#include "model/GeneralInfo.h"

class WABSSubmitter;
class WGEDCollection;

// What a GEDCOM file's header record (0 HEAD) tells: the rows of header information the
// General tab lists, the header text and the submitter it names.
class WGEDHeader {
 public:
  // Up to 256 rows, in the order of the header's level-1 lines: GEDC version and form,
  // file name, date (with time), character set, application (name, version,
  // corporation, address) and destination.
  static void GetHeaderInfo(WGEDCollection& collection, int& count, GenHeaderRecs& rows);
  // The header record's text, converted, with CR LF line breaks.
  static std::string GetHeaderText(WGEDCollection& collection);
  // The submitter record that the header's first SUBM line with an identifier names;
  // none when there is no such line or the identifier is unknown.
  static std::unique_ptr<WABSSubmitter> GetSubmitter(WGEDCollection& collection);
};
