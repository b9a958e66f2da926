#pragma once

#include <memory>
#include <string>

#include "model/ABSRepo.h"
#include "model/RecNo.h"

class WGEDCollection;
class WGEDTextMMF;

// A GEDCOM repository record (0 @R1@ REPO) with its NAME and ADDR lines.
class WGEDRepo : public WABSRepo {
 public:
  // Repository record n; raises EIndexError beyond the number of repository records.
  WGEDRepo(WGEDCollection& collection, RecNo n);

  // The NAME text, its pieces joined by a single CR.
  std::string GetName() override;
  std::unique_ptr<WABSAddress> GetAddress() override;
  // None: the reader shows no repository notes.
  std::unique_ptr<WABSNote> GetNote() override;
  std::string GetRecordText() override;

 private:
  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* record_;
  const char* name_ = nullptr;
  const char* address_ = nullptr;
  bool name_done_ = false;
  std::string name_text_;
};
