#include "model/ABSSource.h"

#include "base/TextUtils.h"
#include "model/ABSNote.h"

WABSSource::~WABSSource() = default;

std::string WABSSource::GetRecordText() { return std::string(); }

std::unique_ptr<WABSNote> WABSSource::GetDisplayNote() { return GetNote(); }

std::string WABSSource::GetSummary() {
  std::string summary;
  for (const std::string& value :
       {GetAuthor(), GetTitle(), GetPublication(), GetCallNumber(), GetAbbreviation()}) {
    if (!value.empty()) summary += ", " + FlattenLines(value);
  }
  return summary.empty() ? summary : summary.substr(2);
}
