#pragma once

#include <cstdint>
#include <memory>
#include <string>

class WABSCitation;
class WABSNote;

// A person's name.
class WABSName {
 public:
  virtual ~WABSName();

  virtual std::string GetSurname() = 0;
  virtual std::string GetGivenNames() = 0;
  virtual std::string GetPrefix() = 0;
  virtual std::string GetSuffix() = 0;
  virtual std::unique_ptr<WABSCitation> GetCitation(int i) = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  int CitationCount() const { return citation_count_; }

  // The full name as the settings PreSuf, NameSlash and NameUpper ask for it; prefix and
  // suffix only when `with_prefix_suffix` is set.
  std::string GetFullName(bool with_prefix_suffix);
  // The surname, upper-cased when NameUpper is on.
  std::string GetSurnameText();
  std::string GetCitationsText();
  std::string GetNoteText();

  // The full-name rule applied to the four parts of a name.
  static std::string BuildFullName(const std::string& prefix, const std::string& given,
                                   const std::string& surname, const std::string& suffix,
                                   bool with_prefix_suffix);
  // The surname in display form (upper case when NameUpper is on).
  static std::string SurnameDisplayForm(const std::string& surname);

 protected:
  int32_t citation_count_ = 0;
};
