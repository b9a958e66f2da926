#pragma once

// Reads everything a collection offers, the way the views do: every individual with its
// name, events, ordinances, citations and note, every family with its people, events and
// children, every note, source and repository, the submitter and the header.  Used by the
// corpus tests and the fuzz harnesses to reach every reading path; returns the total size
// of the texts read so that nothing is optimised away.

#include <cstddef>
#include <memory>
#include <string>

#include "model/ABSAddress.h"
#include "model/ABSCitation.h"
#include "model/ABSCollection.h"
#include "model/ABSEvent.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/ABSVitEvent.h"
#include "model/GeneralInfo.h"

namespace collection_walk {

inline size_t Note(std::unique_ptr<WABSNote> note) { return note ? note->GetText("\r\n").size() : 0; }

inline size_t Citation(std::unique_ptr<WABSCitation> citation) {
  if (!citation) return 0;
  size_t n = citation->GetCitationText().size() + citation->GetDetail().size() + Note(citation->GetNote());
  if (auto source = citation->GetSource()) n += source->GetTitle().size();
  return n;
}

inline size_t Event(WABSEvent* event) {
  if (!event) return 0;
  size_t n = event->GetDateText().size() + event->GetPlaceText().size() + event->GetTypeName().size() +
             event->GetDescription().size() + event->GetNoteText().size() + event->GetCitationsText().size();
  if (auto place = event->GetPlace()) {
    n += place->GetName().size() + place->GetDisplayText().size() + Note(place->GetNote());
    for (int i = 1; i <= place->CitationCount(); ++i) n += Citation(place->GetCitation(i));
  }
  for (int i = 1; i <= event->CitationCount(); ++i) n += Citation(event->GetCitation(i));
  if (event->HasNote()) n += Note(event->GetNote());
  return n;
}

}  // namespace collection_walk

inline size_t WalkCollection(WABSCollection& collection) {
  using namespace collection_walk;
  size_t n = collection.GetFileSizeText().size() + collection.GetVersionText().size();
  for (RecNo r = 1; r <= collection.IndividualCount(); ++r) {
    std::unique_ptr<WABSIndividual> person = collection.GetIndividual(r);
    if (!person) continue;
    n += person->GetID().size() + person->GetDisplayName().size() + person->GetNameWithLifespan().size() +
         person->GetAFN().size() + person->GetReferenceNumber().size() + person->GetRecordText().size() +
         person->GetAgeText().size() + person->GetChangeDateText().size() + person->GetNoteText().size() +
         person->GetCitationsText().size() + static_cast<size_t>(person->GetSex());
    if (auto name = person->GetName()) {
      n += name->GetFullName(true).size() + name->GetPrefix().size() + name->GetSuffix().size() +
           name->GetNoteText().size() + name->GetCitationsText().size();
    }
    for (int kind = 1; kind <= 6; ++kind) {
      int count = person->EventCount(kind);
      for (int i = 1; i <= count; ++i) n += Event(person->GetEvent(kind, i).get());
    }
    for (int kind = 7; kind <= 9; ++kind) n += Event(person->GetLDSEvent(kind).get());
    for (int i = 1; i <= person->CitationCount(); ++i) n += Citation(person->GetCitation(i));
    for (int i = 1; i <= person->ParentFamilyCount(); ++i)
      n += static_cast<size_t>(person->GetParentFamily(i));
    for (int i = 1; i <= person->SpouseFamilyCount(); ++i)
      n += static_cast<size_t>(person->GetSpouseFamily(i));
    n += collection.GetIndividualSummary(r).size() + static_cast<size_t>(collection.GetFatherOf(r)) +
         static_cast<size_t>(collection.GetMotherOf(r));
  }
  for (RecNo r = 1; r <= collection.FamilyCount(); ++r) {
    std::unique_ptr<WABSMarriage> family = collection.GetFamily(r);
    if (!family) continue;
    family->OrderChildren();
    n += static_cast<size_t>(family->GetHusband() + family->GetWife()) + family->GetDatePlaceText().size() +
         family->GetRecordText().size() + family->GetNoteText().size() + family->GetCitationsText().size();
    for (int i = 1; i <= family->ChildCount(); ++i) n += static_cast<size_t>(family->GetChild(i));
    for (int i = 1; i <= family->SealingCount(); ++i) n += Event(family->GetSealing(i).get());
  }
  for (RecNo r = 1; r <= collection.NoteCount(); ++r) n += Note(collection.GetNote(r));
  for (RecNo r = 1; r <= collection.SourceCount(); ++r) {
    if (auto source = collection.GetSource(r)) {
      n += source->GetSummary().size() + source->GetRecordText().size() + source->GetAuthor().size() +
           source->GetPublication().size() + source->GetCallNumber().size() + Note(source->GetText());
      if (source->HasRepository()) {
        if (auto repo = collection.GetRepository(source->GetRepositoryRecord())) {
          n += repo->GetName().size() + repo->GetRecordText().size() + Note(repo->GetNote());
          if (auto address = repo->GetAddress())
            n += address->GetAddress().size() + address->GetCity().size();
        }
      }
    }
  }
  if (auto submitter = collection.GetSubmitter()) {
    n += submitter->GetName().size() + submitter->GetAddressLine1().size() + submitter->GetCountry().size() +
         submitter->GetEmail().size() + submitter->GetRecordText().size();
  }
  int rows = 0;
  auto header = std::make_unique<GenHeaderRecs>();
  collection.GetHeaderInfo(rows, *header);
  for (int i = 0; i < rows && i < kGenHeaderRows; ++i)
    n += (*header)[i].label.size() + (*header)[i].value.size();
  n += collection.GetHeaderText().size();
  return n;
}
