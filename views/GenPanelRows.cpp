#include "views/GenPanelRows.h"

#include <cstdio>
#include <memory>

#include "base/TextUtils.h"
#include "model/ABSCollection.h"
#include "model/ABSSubmitter.h"

namespace {

// The row that holds the import time.
constexpr int kImportRow = 5;

}  // namespace

void WGenPanelRows::SetCollection(WABSCollection* collection) {
  collection_ = collection;
  Rebuild();
}

void WGenPanelRows::SetFileName(const std::string& name) {
  file_name_ = name;
  Rebuild();
}

void WGenPanelRows::SetImportTime(const std::string& text) {
  import_time_ = text;
  if (rows_.Count() >= kImportRow) rows_.SetRow(kImportRow, 0, "", import_time_, "Importing");
}

std::string WGenPanelRows::FormatImportTime(double seconds) { return FormatSeconds(seconds); }

void WGenPanelRows::Rebuild() {
  rows_.Clear();
  if (!collection_) return;
  WABSCollection& c = *collection_;
  rows_.Add(1, "File Information", "", "");
  rows_.Add(0, "Name", "", file_name_);
  rows_.Add(0, "Size", "", c.GetFileSizeText());
  rows_.Add(0, "Date", "", c.GetFileDateText());
  rows_.Add(0, "Importing", "", import_time_);
  rows_.Add(0, "# Individuals", "", FormatCount(c.IndividualCount()));
  rows_.Add(0, "# Marriages", "", FormatCount(c.FamilyCount()));
  rows_.Add(0, "# Notes", "", FormatCount(c.NoteCount()));
  rows_.Add(0, "# Sources", "", FormatCount(c.SourceCount()));
  if (c.MetDamage()) rows_.Add(0, "Damage", "", WABSCollection::kDamageNotice);
  rows_.Add(1, "Submitter Information", "", "");
  if (std::unique_ptr<WABSSubmitter> s = c.GetSubmitter()) {
    rows_.Add(0, "Name", "", s->GetName());
    rows_.Add(0, "Address Line 1", "", s->GetAddressLine1());
    rows_.Add(0, "Address Line 2", "", s->GetAddressLine2());
    rows_.Add(0, "Address Line 3", "", s->GetAddressLine3());
    rows_.Add(0, c.GetSubmitterCountryLabel(), "", s->GetCountry());
    rows_.Add(0, "Phone", "", s->GetPhone());
    rows_.Add(0, "Email", "", s->GetEmail());
  } else {
    for (const char* label : {"Name", "Addr 1", "Addr 2", "Addr 3", "Country", "Phone", "Email"})
      rows_.Add(0, label, "", "");
  }
  rows_.Add(1, "Header Information", "", "");
  int count = 0;
  auto header = std::make_unique<GenHeaderRecs>();
  c.GetHeaderInfo(count, *header);
  for (int i = 0; i < count && i < kGenHeaderRows; ++i) {
    const GenHeaderRec& row = (*header)[i];
    rows_.Add(0, row.label, row.tab_stops, row.value);
  }
}
