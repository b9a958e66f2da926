#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formats/tmg/TMGSentence.h"
#include "model/RecNo.h"

class WABSIndividual;
class WDate;
class WTMGCollection;

// An event told as a sentence: the template of the event's tag type (or the principal's own
// witness sentence for the event), split into role segments, each rendered with the event's
// principals, date, place and memo.  The template is chosen on first need.
class WTMGEventSent : public WTMGSentence {
 public:
  // The event at position event_pos of the events table, told by tag type `type`.
  WTMGEventSent(WTMGCollection& collection, int event_pos, int type);
  ~WTMGEventSent() override;

  std::string ExpandVariable(const std::string& name, bool in_condition, bool alone) override;
  // Principal 1 is present and counts as living.
  bool UseSecondVariant() override;
  char PrincipalSex() override;
  int PrincipalCount() override;
  // The template, an empty line, and the sentence (built once).
  std::string GetSentenceText() override;

  const std::string& Template();
  const std::vector<Segment>& Segments();

 protected:
  // A sentence whose principal is `person` alone (a name's sentence).
  WTMGEventSent(WTMGCollection& collection, std::unique_ptr<WABSIndividual> person, int type);

  // The template: the principal's witness sentence for the event when it has one, otherwise
  // the tag type's.
  virtual std::string ChooseTemplate();
  // The principal's own row of the witness table for the event (the first one not flagged
  // primary whose event is this one); 0 when none.
  int PrincipalWitnessRow() const;
  // The tag type's template; empty for a type below 1.
  std::string TagTemplate() const;
  // The number (1..9) of the place part a variable key names; 0 for none.
  virtual int PlacePartNumber(const std::string& key);
  // The value of [L]: "in " and the event's place; empty when it has none.
  virtual std::string PlaceVariable();
  // A memo as the memo variables see it.
  virtual std::string MemoForVariable(const std::string& memo) { return memo; }

  // The value of a variable that depends on the principals only; empty for any other.
  std::string PrincipalVariable(const std::string& key, bool in_condition);
  // The date variable: the date's text ("on " or "in " before it when alone), or the unknown
  // phrase outside a condition when there is no date.
  static std::string DateVariable(const WDate& date, bool in_condition, bool alone);
  // The memo variables M and M1..M9 of a memo whose block number is `block`.
  std::string MemoVariable(const std::string& key, int block, const std::string& memo, bool in_condition);
  // The key by which a variable is known: its first four characters (COUNTY and COUNTRY whole).
  static std::string VariableKey(const std::string& name);
  // An unknown value's phrase, outside conditions only.
  static std::string Unknown(const char* phrase, bool in_condition) { return in_condition ? "" : phrase; }

  WTMGCollection& collection_;
  int event_pos_ = 0;
  int type_ = 0;
  std::unique_ptr<WABSIndividual> principal1_;
  std::unique_ptr<WABSIndividual> principal2_;

 private:
  void Prepare();
  // Age of a principal at the event: whole years, or the exact age; empty when unknown.
  std::string AgeAtEvent(WABSIndividual* person, bool exact);
  // "son of ..." for a principal's first parent family.
  std::string ParentsPhrase(WABSIndividual* person, bool in_condition);
  // Full name of the father (or mother) of the principal's first parent family.
  std::string ParentName(WABSIndividual* person, bool father);
  const WDate& EventDate();

  bool prepared_ = false;
  std::string template_;
  std::vector<Segment> segments_;
  std::unique_ptr<WDate> event_date_;
  std::string sentence_;
  bool built_ = false;
};
