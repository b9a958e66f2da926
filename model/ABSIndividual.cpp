#include "model/ABSIndividual.h"

#include <ctime>

#include "base/Date.h"
#include "base/DateDiff.h"
#include "base/Settings.h"
#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSVitEvent.h"
#include "model/ABSWitness.h"

namespace {

// Ages above this many years are not shown.
constexpr int kMaxShownAge = 110;

int CurrentYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

}  // namespace

void WABSIndividual::Reset() {}

int WABSIndividual::WitnessCount() { return witness_count_; }

std::unique_ptr<WABSWitness> WABSIndividual::GetWitness(int) { return nullptr; }

bool WABSIndividual::IsLiving(int years) {
  if (HasDatedEvent(evDeath) || HasDatedEvent(evBurial)) return false;
  int year = GetEventYear(evBirth);
  if (year == 0) year = GetEventYear(evChristening);
  if (year <= 0) return false;
  return CurrentYear() - year < years;
}

std::string WABSIndividual::GetFullName(bool with_prefix_suffix) {
  std::unique_ptr<WABSName> name = GetName();
  return name ? name->GetFullName(with_prefix_suffix) : std::string();
}

std::string WABSIndividual::GetDisplayName() {
  std::string text = GetFullName(true);
  const WSettings& options = Settings();
  if (options.GetBool(WSettings::FNValueFlag)) {
    switch (options.GetInt(WSettings::FNValue)) {
      case 2:
        text += " (" + std::to_string(GetRecNo()) + ")";
        break;
      case 3:
        text += " {" + GetReferenceNumber() + "}";
        break;
      default:
        text += " [" + GetID() + "]";
        break;
    }
  }
  return text;
}

std::string WABSIndividual::GetNameWithLifespan(bool display_name) {
  std::string text = display_name ? GetDisplayName() : GetFullName(false);
  text += ", (b. " + GetEventDateText(evBirth) + ", " + GetEventPlaceText(evBirth);
  text += "), (d. " + GetEventDateText(evDeath) + ", " + GetEventPlaceText(evDeath) + ")";
  return text;
}

std::string WABSIndividual::GetGivenNamesText() {
  std::unique_ptr<WABSName> name = GetName();
  return name ? name->GetGivenNames() : std::string();
}

std::string WABSIndividual::GetSurnameText() {
  std::unique_ptr<WABSName> name = GetName();
  return name ? name->GetSurnameText() : std::string();
}

std::string WABSIndividual::GetEventDateText(int kind, int index) {
  std::unique_ptr<WABSVitEvent> event = GetEvent(kind, index);
  return event ? event->GetDateText() : std::string();
}

std::string WABSIndividual::GetEventPlaceText(int kind, int index) {
  std::unique_ptr<WABSVitEvent> event = GetEvent(kind, index);
  return event ? event->GetPlaceText() : std::string();
}

std::string WABSIndividual::GetEventDatePlaceText(int kind, int index) {
  std::unique_ptr<WABSVitEvent> event = GetEvent(kind, index);
  return event ? event->GetDateText() + ", " + event->GetPlaceText() : std::string();
}

bool WABSIndividual::HasDatedEvent(int kind, int index) {
  std::unique_ptr<WABSVitEvent> event = GetEvent(kind, index);
  return event && event->HasValidDate();
}

int WABSIndividual::GetEventYear(int kind, int index) {
  std::unique_ptr<WABSVitEvent> event = GetEvent(kind, index);
  if (!event) return 0;
  const WDate* date = event->GetDate();
  return date && date->IsValid() ? date->Year() : 0;
}

bool WABSIndividual::HasLDSEvent(int kind) { return GetLDSEvent(kind) != nullptr; }

std::string WABSIndividual::GetNoteText() { return WABSNote::TextOf(GetNote().get()); }

std::string WABSIndividual::GetCitationsText() {
  return WABSCitation::ListText(CitationCount(), [this](int i) { return GetCitation(i); });
}

std::string WABSIndividual::GetChangeDateText() {
  const WDate* date = GetChangeDate();
  return date ? date->GetDisplayText() : std::string();
}

bool WABSIndividual::ComputeAge(WDateDiff& age, bool& approximate, std::string& suffix) {
  approximate = false;
  suffix.clear();
  const bool use_chr_bur = Settings().GetBool(WSettings::AgeCalcCB);

  // The events own their dates, so they stay alive until the difference is taken.
  std::unique_ptr<WABSVitEvent> start_event = GetEvent(evBirth, 1);
  const WDate* start = start_event ? start_event->GetDate() : nullptr;
  if (!start && use_chr_bur) {
    start_event = GetEvent(evChristening, 1);
    start = start_event ? start_event->GetDate() : nullptr;
    approximate = start != nullptr;
  }
  if (!start) return false;

  std::unique_ptr<WABSVitEvent> end_event = GetEvent(evDeath, 1);
  const WDate* end = end_event && end_event->HasValidDate() ? end_event->GetDate() : nullptr;
  if (!end && use_chr_bur) {
    end_event = GetEvent(evBurial, 1);
    end = end_event && end_event->HasValidDate() ? end_event->GetDate() : nullptr;
    if (end) approximate = true;
  }
  std::unique_ptr<WDate> today;
  if (!end) {
    today = std::make_unique<WDate>("TODAY");
    end = today.get();
    suffix = "?";
  }
  if (!start->IsValid() || !end->IsValid()) return false;
  return age.Compute(start, end);
}

std::string WABSIndividual::GetAgeText() {
  WDateDiff age;
  bool approximate = false;
  std::string suffix;
  if (!ComputeAge(age, approximate, suffix) || age.Years() > kMaxShownAge) return std::string();
  std::string text = age.GetAgeText() + suffix;
  return approximate ? "[" + text + "]" : text;
}
