#include "formats/tmg/TMGEventSent.h"

#include "base/Date.h"
#include "base/DateDiff.h"
#include "base/Errors.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGTabE.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabT.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSVitEvent.h"

namespace {

// Principal 1's own variables and principal 2's ("2" or "O" for "other").
struct PrincipalKey {
  bool second;
  char form;  // 'P' full name, 'F' first given name, 'G' given names
  bool possessive;
};

bool ParsePrincipalKey(const std::string& key, PrincipalKey& out) {
  static const struct {
    const char* key;
    PrincipalKey value;
  } kKeys[] = {
      {"P", {false, 'P', false}},   {"P1", {false, 'P', false}}, {"P2", {true, 'P', false}},
      {"PO", {true, 'P', false}},   {"PF", {false, 'F', false}}, {"P1F", {false, 'F', false}},
      {"P2F", {true, 'F', false}},  {"POF", {true, 'F', false}}, {"PG", {false, 'G', false}},
      {"P1G", {false, 'G', false}}, {"P2G", {true, 'G', false}}, {"POG", {true, 'G', false}},
      {"PS", {false, 'P', true}},   {"P1S", {false, 'P', true}}, {"P2S", {true, 'P', true}},
      {"POS", {true, 'P', true}},   {"PFS", {false, 'F', true}}, {"P1FS", {false, 'F', true}},
      {"P2FS", {true, 'F', true}},  {"POFS", {true, 'F', true}}, {"PGS", {false, 'G', true}},
      {"P1GS", {false, 'G', true}}, {"P2GS", {true, 'G', true}}, {"POGS", {true, 'G', true}},
  };
  for (const auto& k : kKeys) {
    if (key == k.key) {
      out = k.value;
      return true;
    }
  }
  return false;
}

std::string GivenNames(WABSIndividual& person) {
  std::unique_ptr<WABSName> name = person.GetName();
  return name ? name->GetGivenNames() : std::string();
}

std::string ByPrincipalSex(char sex, const char* male, const char* female, const char* other) {
  return sex == 'M' ? male : sex == 'F' ? female : other;
}

}  // namespace

WTMGEventSent::WTMGEventSent(WTMGCollection& collection, int event_pos, int type)
    : collection_(collection), event_pos_(event_pos), type_(type) {
  const WTMGTabG& events = collection.Events();
  if (const int p1 = collection.PersonPos(events.Per1(event_pos))) principal1_ = collection.GetIndividual(p1);
  if (const int p2 = collection.PersonPos(events.Per2(event_pos))) principal2_ = collection.GetIndividual(p2);
}

WTMGEventSent::WTMGEventSent(WTMGCollection& collection, std::unique_ptr<WABSIndividual> person, int type)
    : collection_(collection), type_(type), principal1_(std::move(person)) {}

WTMGEventSent::~WTMGEventSent() = default;

int WTMGEventSent::PrincipalWitnessRow() const {
  const WTMGTabG& events = collection_.Events();
  const WTMGTabE& witnesses = collection_.Witnesses();
  const int per1 = events.Per1(event_pos_);
  const int recno = events.RecNo(event_pos_);
  if (per1 < 1) return 0;
  for (int k = witnesses.FirstEntry(per1); k > 0 && witnesses.EntryId(k) == per1; ++k) {
    const int row = witnesses.EntryPos(k);
    if (witnesses.Event(row) == recno && !witnesses.IsPrimary(row)) return row;
  }
  return 0;
}

std::string WTMGEventSent::TagTemplate() const {
  return type_ > 0 ? collection_.TagTypes().TagSentence(type_) : std::string();
}

std::string WTMGEventSent::ChooseTemplate() {
  const WTMGTabE& witnesses = collection_.Witnesses();
  const int row = PrincipalWitnessRow();
  if (row > 0 && witnesses.SentenceBlock(row) > 0) return witnesses.SentenceMemo(row);
  return TagTemplate();
}

void WTMGEventSent::Prepare() {
  if (prepared_) return;
  prepared_ = true;
  template_ = ChooseTemplate();
  segments_ = SplitRoles(template_);
}

const std::string& WTMGEventSent::Template() {
  Prepare();
  return template_;
}

const std::vector<WTMGSentence::Segment>& WTMGEventSent::Segments() {
  Prepare();
  return segments_;
}

std::string WTMGEventSent::GetSentenceText() {
  Prepare();
  if (!built_) {
    built_ = true;
    for (size_t i = 0; i < segments_.size(); ++i) {
      if (i > 0) sentence_ += "\r\n";
      if (!segments_[i].role.empty()) sentence_ += segments_[i].role + ": ";
      sentence_ += Render(segments_[i].text);
    }
  }
  return template_ + "\r\n\r\n" + sentence_;
}

bool WTMGEventSent::UseSecondVariant() { return principal1_ && principal1_->IsLiving(110); }

char WTMGEventSent::PrincipalSex() { return principal1_ ? principal1_->GetSex() : 'U'; }

int WTMGEventSent::PrincipalCount() { return (principal1_ ? 1 : 0) + (principal2_ ? 1 : 0); }

std::string WTMGEventSent::VariableKey(const std::string& name) {
  if (name == "COUNTY" || name == "COUNTRY") return name;
  return name.substr(0, 4);
}

const WDate& WTMGEventSent::EventDate() {
  if (!event_date_)
    event_date_ = std::make_unique<WTMGDate>(collection_.Events().DateText(event_pos_), WTMGDate::Form::Long);
  return *event_date_;
}

std::string WTMGEventSent::DateVariable(const WDate& date, bool in_condition, bool alone) {
  if (!date.IsValid()) return Unknown("on an unknown date", in_condition);
  std::string text = date.GetDisplayText();
  if (alone) text = (date.Day() != 0 ? "on " : "in ") + text;
  return text;
}

std::string WTMGEventSent::MemoVariable(const std::string& key, int block, const std::string& memo,
                                        bool in_condition) {
  if (key == "M") {
    if (block <= 0 || memo.empty()) return Unknown("(an unknown value)", in_condition);
    return MemoForVariable(memo);
  }
  if (block <= 0) return Unknown("(an unknown value)", in_condition);
  return Piece(MemoForVariable(memo), key[1] - '0');
}

std::string WTMGEventSent::AgeAtEvent(WABSIndividual* person, bool exact) {
  if (!person) return std::string();
  std::unique_ptr<WABSVitEvent> birth = person->GetEvent(1, 1);
  if (!birth) return std::string();
  WDateDiff age;
  if (!age.Compute(birth->GetDate(), &EventDate())) return std::string();
  if (!exact) return std::to_string(age.Years());
  return FormatMessage("%d years, %d months and %d days", age.Years(), age.Months(), age.Days());
}

std::string WTMGEventSent::ParentName(WABSIndividual* person, bool father) {
  if (!person) return std::string();
  std::unique_ptr<WABSMarriage> family = collection_.GetFamily(person->GetParentFamily(1));
  if (!family) return std::string();
  return collection_.GetIndividualName(father ? family->GetHusband() : family->GetWife());
}

std::string WTMGEventSent::ParentsPhrase(WABSIndividual* person, bool in_condition) {
  std::unique_ptr<WABSMarriage> family = person ? collection_.GetFamily(person->GetParentFamily(1)) : nullptr;
  const RecNo husband = family ? family->GetHusband() : 0;
  const RecNo wife = family ? family->GetWife() : 0;
  if (husband == 0 && wife == 0) return Unknown("whose parents are unknown", in_condition);
  std::string text = ByPrincipalSex(person->GetSex(), "son", "daughter", "child");
  text += " of ";
  if (husband != 0) text += collection_.GetIndividualName(husband);
  if (husband != 0 && wife != 0) text += " and ";
  if (wife != 0) text += collection_.GetIndividualName(wife);
  return text;
}

int WTMGEventSent::PlacePartNumber(const std::string& key) {
  static const struct {
    const char* long_key;
    const char* short_key;
  } kParts[] = {{"ADDR", "LA"},     {"DETA", "LD"}, {"CITY", "LCI"}, {"COUNTY", "LCN"}, {"STAT", "LS"},
                {"COUNTRY", "LCR"}, {"ZIP", "LZ"},  {"PHON", "LP"},  {"LATL", "LL"}};
  for (size_t i = 0; i < std::size(kParts); ++i)
    if (key == kParts[i].long_key || key == kParts[i].short_key) return static_cast<int>(i + 1);
  return 0;
}

std::string WTMGEventSent::PlaceVariable() {
  const std::string place = collection_.PlaceText(collection_.Events().PlaceNum(event_pos_));
  return place.empty() ? std::string() : "in " + place;
}

std::string WTMGEventSent::PrincipalVariable(const std::string& key, bool in_condition) {
  PrincipalKey principal;
  if (ParsePrincipalKey(key, principal)) {
    WABSIndividual* person = principal.second ? principal2_.get() : principal1_.get();
    if (!person)
      return principal.form == 'P' && !principal.possessive ? Unknown("an unknown person", in_condition)
                                                            : std::string();
    std::string value;
    if (principal.form == 'P') {
      value = person->GetFullName(true);
    } else {
      value = GivenNames(*person);
      if (principal.form == 'F') value = value.substr(0, value.find(' '));
    }
    if (principal.possessive && !value.empty()) value += "'s";
    return value;
  }
  if (key == "PP") return ByPrincipalSex(PrincipalSex(), "his", "her", "their");
  if (key == "OBJ") return ByPrincipalSex(PrincipalSex(), "him", "her", "their");
  return std::string();
}

std::string WTMGEventSent::ExpandVariable(const std::string& name, bool in_condition, bool alone) {
  if (!principal1_) return std::string();
  const std::string key = VariableKey(name);
  const WTMGTabG& events = collection_.Events();
  if (key == "A" || key == "A1" || key == "A2" || key == "AO") {
    WABSIndividual* person = key == "A" || key == "A1" ? principal1_.get() : principal2_.get();
    const std::string age = AgeAtEvent(person, false);
    if (age.empty()) return Unknown("at an unknown age", in_condition);
    return alone ? "at age " + age : age;
  }
  if (key == "AE" || key == "A1E") return AgeAtEvent(principal1_.get(), true);
  if (key == "A2E" || key == "AOE") return AgeAtEvent(principal2_.get(), true);
  if (key == "D" || key == "DD") return DateVariable(EventDate(), in_condition, alone);
  if (key == "L") return PlaceVariable();
  if (key == "M" || (key.size() == 2 && key[0] == 'M' && key[1] >= '1' && key[1] <= '9'))
    return MemoVariable(key, events.FootBlock(event_pos_), events.FootMemo(event_pos_), in_condition);
  if (key == "PAR" || key == "PAR1") return ParentsPhrase(principal1_.get(), in_condition);
  if (key == "PAR2" || key == "PAR0") {
    if (!principal2_) return Unknown("whose parents are unknown", in_condition);
    return ParentsPhrase(principal2_.get(), in_condition);
  }
  if (key == "FATH") return ParentName(principal1_.get(), true);
  if (key == "MOTH") return ParentName(principal1_.get(), false);
  if (const int part = PlacePartNumber(key)) return collection_.PlacePart(events.PlaceNum(event_pos_), part);
  return PrincipalVariable(key, in_condition);
}
