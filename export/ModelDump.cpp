#include "export/ModelDump.h"

#include <exception>
#include <memory>

#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/ABSVitEvent.h"
#include "model/ABSWitness.h"

namespace {

// Builds one JSON object: keys in the order they are added.
class JsonObject {
 public:
  JsonObject& Text(const char* key, const std::string& model_text) {
    return Raw(key, JsonString(AnsiToUtf8(model_text)));
  }
  JsonObject& Number(const char* key, long long value) { return Raw(key, std::to_string(value)); }
  JsonObject& Bool(const char* key, bool value) { return Raw(key, value ? "true" : "false"); }
  JsonObject& Raw(const char* key, const std::string& json) {
    out_ += out_.empty() ? "{" : ",";
    out_ += JsonString(key) + ":" + json;
    return *this;
  }
  std::string Close() const { return out_.empty() ? "{}" : out_ + "}"; }

 private:
  std::string out_;
};

// A JSON array of the items added.
class JsonArray {
 public:
  void Add(const std::string& json) { out_ += (out_.empty() ? "" : ",") + json; }
  std::string Close() const { return "[" + out_ + "]"; }

 private:
  std::string out_;
};

std::string ErrorLine(const char* type, RecNo n, const std::string& message) {
  return JsonObject().Text("type", type).Number("n", n).Text("error", message).Close();
}

std::string NoteLines(std::unique_ptr<WABSNote> note) { return note ? note->GetText("\r\n") : std::string(); }

std::string EventObject(WABSVitEvent& event, int kind, int i) {
  return JsonObject()
      .Number("kind", kind)
      .Number("i", i)
      .Text("type", event.GetTypeName())
      .Text("date", event.GetDateText())
      .Text("sort", event.GetSortDateText())
      .Text("place", event.GetPlaceText())
      .Text("desc", event.GetDescription())
      .Text("note", event.GetNoteText())
      .Text("citations", event.GetCitationsText())
      .Close();
}

}  // namespace

std::string WModelDump::IndividualLine(RecNo n) {
  try {
    std::unique_ptr<WABSIndividual> person = collection_.GetIndividual(n);
    if (!person) return ErrorLine("individual", n, "no such individual");
    JsonObject line;
    line.Text("type", "individual").Number("n", n);
    line.Text("id", person->GetID()).Text("ref", person->GetReferenceNumber()).Text("afn", person->GetAFN());
    line.Text("sex", std::string(1, person->GetSex()));
    std::unique_ptr<WABSName> name = person->GetName();
    line.Raw("name", name ? JsonString(AnsiToUtf8(name->GetFullName(true))) : "null");
    line.Text("given", person->GetGivenNamesText()).Text("surname", person->GetSurnameText());
    line.Text("display", person->GetDisplayName()).Text("change", person->GetChangeDateText());

    JsonArray events;
    for (int kind = evBirth; kind <= evBurial; ++kind)
      if (std::unique_ptr<WABSVitEvent> event = person->GetEvent(kind, 1))
        events.Add(EventObject(*event, kind, 1));
    const int others = person->EventCount(evOther);
    for (int i = 1; i <= others; ++i)
      if (std::unique_ptr<WABSVitEvent> event = person->GetEvent(evOther, i))
        events.Add(EventObject(*event, evOther, i));
    line.Raw("events", events.Close());

    JsonArray lds;
    for (int kind = evLDSBaptism; kind <= evSealingToParents; ++kind) {
      std::unique_ptr<WABSLDSEvent> event = person->GetLDSEvent(kind);
      if (!event) continue;
      lds.Add(JsonObject()
                  .Number("kind", kind)
                  .Text("type", event->GetTypeName())
                  .Text("date", event->GetDateText())
                  .Text("place", event->GetPlaceText())
                  .Text("desc", event->GetDescription())
                  .Close());
    }
    line.Raw("lds", lds.Close());

    JsonArray parents;
    const int parent_count = person->ParentFamilyCount();
    for (int i = 1; i <= parent_count; ++i) {
      RecNo family = 0;
      int mother = 0, father = 0;
      if (!person->GetParentFamilyLink(i, family, mother, father)) continue;
      parents.Add(
          JsonObject().Number("family", family).Number("father", father).Number("mother", mother).Close());
    }
    line.Raw("parents", parents.Close());

    JsonArray spouses;
    const int spouse_count = person->SpouseFamilyCount();
    for (int i = 1; i <= spouse_count; ++i) spouses.Add(std::to_string(person->GetSpouseFamily(i)));
    line.Raw("spouses", spouses.Close());

    JsonArray witness;
    const int witness_count = person->WitnessCount();
    for (int i = 1; i <= witness_count; ++i) {
      std::unique_ptr<WABSWitness> w = person->GetWitness(i);
      if (!w) continue;
      witness.Add(JsonObject()
                      .Text("type", w->GetTypeName())
                      .Text("date", w->GetDateText())
                      .Text("desc", w->GetDescription())
                      .Close());
    }
    line.Raw("witness", witness.Close());
    line.Text("note", person->GetNoteText()).Text("citations", person->GetCitationsText());
    return line.Close();
  } catch (const std::exception& e) {
    return ErrorLine("individual", n, e.what());
  }
}

std::string WModelDump::FamilyLine(RecNo n) {
  try {
    std::unique_ptr<WABSMarriage> family = collection_.GetFamily(n);
    if (!family) return ErrorLine("family", n, "no such family");
    family->OrderChildren();
    JsonObject line;
    line.Text("type", "family")
        .Number("n", n)
        .Number("husband", family->GetHusband())
        .Number("wife", family->GetWife());
    JsonArray children;
    for (int i = 1; i <= family->ChildCount(); ++i) children.Add(std::to_string(family->GetChild(i)));
    line.Raw("children", children.Close());
    line.Text("date", family->GetDateText()).Text("place", family->GetPlaceText());
    line.Text("note", family->GetNoteText()).Text("citations", family->GetCitationsText());
    JsonArray sealings;
    const int sealing_count = family->SealingCount();
    for (int i = 1; i <= sealing_count; ++i) {
      std::unique_ptr<WABSLDSEvent> sealing = family->GetSealing(i);
      if (!sealing) continue;
      sealings.Add(
          JsonObject().Text("date", sealing->GetDateText()).Text("place", sealing->GetPlaceText()).Close());
    }
    line.Raw("sealings", sealings.Close());
    line.Bool("synthesized", family->IsSynthesized());
    return line.Close();
  } catch (const std::exception& e) {
    return ErrorLine("family", n, e.what());
  }
}

std::string WModelDump::SourceLine(RecNo n) {
  try {
    std::unique_ptr<WABSSource> source = collection_.GetSource(n);
    if (!source) return ErrorLine("source", n, "no such source");
    return JsonObject()
        .Text("type", "source")
        .Number("n", n)
        .Text("title", source->GetTitle())
        .Text("author", source->GetAuthor())
        .Text("publication", source->GetPublication())
        .Text("call", source->GetCallNumber())
        .Text("abbrev", source->GetAbbreviation())
        .Number("repository", source->GetRepositoryRecord())
        .Text("note", NoteLines(source->GetNote()))
        .Text("text", NoteLines(source->GetText()))
        .Text("summary", source->GetSummary())
        .Close();
  } catch (const std::exception& e) {
    return ErrorLine("source", n, e.what());
  }
}

std::string WModelDump::SubmitterLine() {
  try {
    std::unique_ptr<WABSSubmitter> submitter = collection_.GetSubmitter();
    if (!submitter) return std::string();
    return JsonObject()
        .Text("type", "submitter")
        .Text("name", submitter->GetName())
        .Text("address1", submitter->GetAddressLine1())
        .Text("address2", submitter->GetAddressLine2())
        .Text("address3", submitter->GetAddressLine3())
        .Text("country", submitter->GetCountry())
        .Text("phone", submitter->GetPhone())
        .Text("email", submitter->GetEmail())
        .Close();
  } catch (const std::exception& e) {
    return ErrorLine("submitter", 0, e.what());
  }
}

bool WModelDump::WriteAll(const std::function<void(const std::string&)>& emit) {
  // Yields every few hundred records, like the readers' own long loops.
  constexpr int kYieldEvery = 512;
  int since_yield = 0;
  auto tick = [&]() {
    if (++since_yield < kYieldEvery) return true;
    since_yield = 0;
    YieldToUI();
    return !ImportCancelled;
  };
  for (RecNo n = 1; n <= collection_.IndividualCount(); ++n) {
    emit(IndividualLine(n) + "\n");
    if (!tick()) return false;
  }
  for (RecNo n = 1; n <= collection_.FamilyCount(); ++n) {
    emit(FamilyLine(n) + "\n");
    if (!tick()) return false;
  }
  for (RecNo n = 1; n <= collection_.SourceCount(); ++n) {
    emit(SourceLine(n) + "\n");
    if (!tick()) return false;
  }
  const std::string submitter = SubmitterLine();
  if (!submitter.empty()) emit(submitter + "\n");
  return true;
}
