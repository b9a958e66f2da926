#pragma once

// Reads every record of a collection through the model, as the views would: each
// individual with its name, events, ordinances, citations and notes, each family, note,
// source and repository, the submitter and the header.  Used on real and damaged files.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/ABSAddress.h"
#include "model/ABSCitation.h"
#include "model/ABSCollection.h"
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

namespace gedwalk {

// Reads everything a source shows; returns the number of texts read.
inline size_t WalkSource(WABSCollection& c, WABSSource& s) {
  size_t n = s.GetTitle().size() + s.GetAuthor().size() + s.GetPublication().size() +
             s.GetCallNumber().size() + s.GetAbbreviation().size() + s.GetRecordText().size() +
             s.GetSummary().size();
  s.GetNote();
  s.GetText();
  s.GetDisplayNote();
  s.HasNote();
  s.HasText();
  if (RecNo r = s.GetRepositoryRecord()) {
    EXPECT_GT(r, 0);
    if (auto repo = c.GetRepository(r)) {
      n += repo->GetName().size() + repo->GetRecordText().size();
      if (auto a = repo->GetAddress())
        n += a->GetAddress().size() + a->GetLine1().size() + a->GetLine2().size() + a->GetCity().size() +
             a->GetState().size() + a->GetPostalCode().size() + a->GetCountry().size() + a->GetPhone().size();
    }
  }
  return n;
}

inline void WalkEvent(WABSEvent& e) {
  e.GetDateText();
  e.GetDescription();
  e.GetPlaceText();
  e.GetCitationsText();
  e.GetNoteText();
  if (auto place = e.GetPlace()) {
    place->GetCitationsText();
    place->GetNote();
  }
}

inline void WalkIndividual(WABSCollection& c, RecNo n) {
  auto p = c.GetIndividual(n);
  ASSERT_NE(p, nullptr) << n;
  EXPECT_FALSE(p->GetID().empty()) << n;
  p->GetDisplayName();
  p->GetReferenceNumber();
  p->GetAFN();
  p->GetChangeDateText();
  if (auto name = p->GetName()) {
    name->GetPrefix();
    name->GetSuffix();
    name->GetCitationsText();
    name->GetNoteText();
  }
  for (int kind = 1; kind <= 4; ++kind)
    if (auto e = p->GetEvent(kind, 1)) WalkEvent(*e);
  for (int i = 1; i <= p->EventCount(6); ++i) {
    auto e = p->GetEvent(6, i);
    ASSERT_NE(e, nullptr);
    WalkEvent(*e);
  }
  for (int kind = 7; kind <= 9; ++kind)
    if (auto e = p->GetLDSEvent(kind)) WalkEvent(*e);
  p->GetCitationsText();
  p->GetNoteText();
  p->GetRecordText();
  c.GetIndividualSummary(n);
}

inline void WalkFamily(WABSCollection& c, RecNo f) {
  auto fam = c.GetFamily(f);
  ASSERT_NE(fam, nullptr) << f;
  fam->GetDatePlaceText();
  fam->OrderChildren();
  for (int i = 1; i <= fam->ChildCount(); ++i) EXPECT_LE(fam->GetChild(i), c.IndividualCount());
  for (int i = 1; i <= fam->SealingCount(); ++i)
    if (auto s = fam->GetSealing(i)) WalkEvent(*s);
  fam->GetCitationsText();
  fam->GetNoteText();
  fam->GetRecordText();
}

inline void WalkCollection(WABSCollection& c) {
  for (RecNo n = 1; n <= c.IndividualCount(); ++n) WalkIndividual(c, n);
  for (RecNo f = 1; f <= c.FamilyCount(); ++f) WalkFamily(c, f);
  for (RecNo n = 1; n <= c.NoteCount(); ++n) EXPECT_NE(c.GetNote(n), nullptr);
  for (RecNo s = 1; s <= c.SourceCount(); ++s) {
    auto source = c.GetSource(s);
    ASSERT_NE(source, nullptr);
    WalkSource(c, *source);
  }
  if (auto s = c.GetSubmitter()) {
    s->GetName();
    s->GetAddressLine1();
    s->GetAddressLine2();
    s->GetAddressLine3();
    s->GetCountry();
    s->GetPhone();
    s->GetEmail();
    s->GetRecordText();
  }
  int count = -1;
  auto rows = std::make_unique<GenHeaderRecs>();
  c.GetHeaderInfo(count, *rows);
  EXPECT_GE(count, 0);
  EXPECT_LE(count, kGenHeaderRows);
  c.GetHeaderText();
}

}  // namespace gedwalk
