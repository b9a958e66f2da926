// Events, names and sources told as TMG sentences, through the tables of small projects: the
// standard tags read as English, every variable of the event and name sentences, the choice of
// template, role segments and the sentence block of event notes.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TMGFixture.h"
#include "base/Settings.h"
#include "formats/tmg/TMGEventSent.h"
#include "formats/tmg/TMGNameSent.h"
#include "formats/tmg/TMGTabG.h"
#include "model/ABSIndividual.h"
#include "model/ABSNote.h"
#include "model/ABSSource.h"
#include "model/ABSVitEvent.h"

namespace {

using W = TMGWriter;

constexpr int kTold = 900;  // the tag type whose template a test sets

// People: 1 John Smith (born 1 Jan 1850 in Leeds), 2 Mary Jones, 3 William (their son),
// 4 Ann (John's daughter, no mother), 5 Pat (sex unknown, living), 6 Lucy (no parents).
TMGWriter People() {
  W w;
  w.AddStandardTypes();
  w.AddPlace(1,
             "12 High St$!&Back Room$!&Leeds$!&West Riding$!&Yorkshire$!&England$!&LS1$!&0113 555$!&53.8N");
  const struct {
    int id;
    const char* sex;
    const char* given;
    const char* surname;
    const char* living;
  } people[] = {{1, "M", "John Henry", "Smith", "N"}, {2, "F", "Mary", "Jones", "N"},
                {3, "M", "William", "Smith", "N"},    {4, "F", "Ann", "Smith", "N"},
                {5, "U", "Pat", "Doe", "Y"},          {6, "F", "Lucy", "Brown", "N"}};
  for (const auto& p : people) {
    W::Person person;
    person.id = p.id;
    person.sex = p.sex;
    person.living = p.living;
    w.people.push_back(person);
    w.AddName(p.id, p.id, W::NameMemo(p.surname, p.given));
  }
  w.people[0].birth = W::Date(1850, 1, 1);
  w.AddEvent(1, W::kBirth, 1, 0, W::Date(1850, 1, 1), 1);
  w.AddEvent(2, W::kMarriage, 1, 2, W::Date(1875));
  w.AddEvent(3, W::kBirth, 2, 0, W::Date(1852, 6, 15));
  w.AddEvent(4, W::kBirth, 5, 0, W::Date(1990, 2, 3));
  w.relationships = {
      {3, 1, W::kFatherBiological}, {3, 2, W::kMotherBiological}, {4, 1, W::kFatherBiological}};
  return w;
}

class TMGEventSentences : public testing::Test {
 protected:
  void SetUp() override {
    Settings().ResetToDefaults();
    // Names as a sentence should read them.
    Settings().SetBool(WSettings::NameSlash, false);
  }
  void TearDown() override { Settings().ResetToDefaults(); }

  // The sentence (without the template) of an event of type kTold told by `sentence_template`.
  std::string Tell(const std::string& sentence_template, int per1 = 1, int per2 = 0,
                   const std::string& date = "", int place = 0, const std::string& memo = "") {
    W w = People();
    w.AddTagType(kTold, "Told", 7, sentence_template);
    w.AddEvent(100, kTold, per1, per2, date, place, memo);
    return TellIn(w);
  }
  std::string TellIn(const W& w, int recno = 100) {
    OpenedProject p(w);
    EXPECT_TRUE(p.imported());
    const int e = p->Events().IdToPos(recno);
    WTMGEventSent sentence(*p, e, p->Events().Type(e));
    const std::string text = sentence.GetSentenceText();
    const size_t gap = text.find("\r\n\r\n", sentence.Template().size());
    EXPECT_EQ(text.substr(0, gap), sentence.Template());
    return text.substr(gap + 4);
  }
  // The sentence of a standard tag for an event of person 1 (and 2).
  std::string Standard(int type, const std::string& date, int place, int per2 = 0) {
    W w = People();
    w.AddEvent(100, type, 1, per2, date, place);
    return TellIn(w);
  }
};

TEST_F(TMGEventSentences, StandardTagsReadAsEnglish) {
  const std::string leeds =
      "in 12 High St, Back Room, Leeds, West Riding, Yorkshire, England, LS1, 0113 555, 53.8N";
  EXPECT_EQ(Standard(W::kBirth, W::Date(1850, 1, 1), 1), "John Henry Smith was born on 1 Jan 1850 " + leeds);
  // Without a place the condition vanishes and leaves the blank before it.
  EXPECT_EQ(Standard(W::kBirth, W::Date(1850, 1, 1), 0), "John Henry Smith was born on 1 Jan 1850 ");
  EXPECT_EQ(Standard(W::kBirth, "", 1), "John Henry Smith was born  " + leeds);
  EXPECT_EQ(Standard(W::kBirth, W::Date(1850, 3), 0), "John Henry Smith was born in Mar 1850 ");
  EXPECT_EQ(Standard(W::kDeath, W::Date(1900, 5, 6), 1),
            "John Henry Smith died on 6 May 1900 " + leeds + " at age 50");
  EXPECT_EQ(Standard(W::kDeath, W::Date(1900, 0, 0, '2'), 0), "John Henry Smith died in Abt 1900  at age 50");
  EXPECT_EQ(Standard(W::kDeath, "", 0), "John Henry Smith died   ");
  EXPECT_EQ(Standard(W::kBurial, W::Date(1900, 5, 9), 1),
            "John Henry Smith was buried on 9 May 1900 " + leeds);
  EXPECT_EQ(Standard(W::kMarriage, W::Date(1875, 4, 1), 1, 2),
            "John Henry Smith and Mary Jones were married on 1 Apr 1875 " + leeds);
  EXPECT_EQ(Standard(W::kMarriage, W::Date(1875, 4, 1), 0, 0),
            "John Henry Smith married an unknown person on 1 Apr 1875 ");
  EXPECT_EQ(Standard(W::kMarriage, "", 0, 2), "John Henry Smith and Mary Jones were married  ");
}

TEST_F(TMGEventSentences, DatesTakeTheirPrepositionOnlyWhenAlone) {
  EXPECT_EQ(Tell("[P] was born <[D]> <[L]>", 1, 0, W::Date(1850, 1, 1)),
            "John Henry Smith was born on 1 Jan 1850 ");
  EXPECT_EQ(Tell("born [D]", 1, 0, W::Date(1850, 1, 1)), "born 1 Jan 1850");
  EXPECT_EQ(Tell("[D]", 1, 0, W::Date(1850, 1, 1)), "on 1 Jan 1850");
  EXPECT_EQ(Tell("<[DD]>", 1, 0, W::Date(1850)), "in 1850");
  EXPECT_EQ(Tell("<[D]>", 1, 0, W::TextDate("before the war")), "in before the war");
  EXPECT_EQ(Tell("born [D]", 1, 0, ""), "born on an unknown date");
  EXPECT_EQ(Tell("born <on [D]>.", 1, 0, ""), "born .");
}

TEST_F(TMGEventSentences, ThePrincipalIsNamedOncePerSegment) {
  EXPECT_EQ(Tell("[P] moved. [P] stayed."), "John Henry Smith moved. He stayed.");
  EXPECT_EQ(Tell("[P] moved. [P] stayed.", 2), "Mary Jones moved. She stayed.");
  EXPECT_EQ(Tell("[P] moved. [P] stayed.", 5), "Pat Doe moved. He stayed.");
  EXPECT_EQ(Tell("[P] moved. [P] stayed.[R=Witness][P] saw it. [P] left."),
            "John Henry Smith moved. He stayed.\r\nWitness: John Henry Smith saw it. He left.");
  // A template that begins with a role gives a line beginning with it; markers never show.
  EXPECT_EQ(Tell("[R=Witness]saw [P] [x=y] marry"), "Witness: saw John Henry Smith  marry");
}

TEST_F(TMGEventSentences, VariantsFollowThePrincipals) {
  const std::string married = "[P] married [PO]|[P] and [PO] married";
  EXPECT_EQ(Tell(married, 1, 0), "John Henry Smith married an unknown person");
  EXPECT_EQ(Tell(married, 1, 2), "John Henry Smith and Mary Jones married");
  EXPECT_EQ(Tell(married, 1, 77), "John Henry Smith married an unknown person");
  // The second of two variants when principal 1 counts as living.
  EXPECT_EQ(Tell("[P] was here||[P] is here", 1), "John Henry Smith was here");
  EXPECT_EQ(Tell("[P] was here||[P] is here", 5), "Pat Doe is here");
}

TEST_F(TMGEventSentences, AgesOfThePrincipals) {
  EXPECT_EQ(Tell("<at age [A]>", 1, 2, W::Date(1900, 5, 6)), "at age 50");
  EXPECT_EQ(Tell("aged [A1]", 1, 2, W::Date(1900, 5, 6)), "aged 50");
  EXPECT_EQ(Tell("[A]", 1, 2, W::Date(1900, 5, 6)), "at age 50");
  // Exact ages count in years of 365.25 days and months of 30.4275 days.
  EXPECT_EQ(Tell("[AE]", 1, 2, W::Date(1900, 5, 6)), "50 years, 4 months and 1 days");
  EXPECT_EQ(Tell("[A2] and [AO]", 1, 2, W::Date(1900, 5, 6)), "47 and 47");
  EXPECT_EQ(Tell("[A2E]", 1, 2, W::Date(1900, 5, 6)), "47 years, 10 months and 18 days");
  // No dated birth (Lucy), no event date, no second principal.
  EXPECT_EQ(Tell("died <at age [A]>", 6, 0, W::Date(1900)), "died ");
  EXPECT_EQ(Tell("[A]", 6, 0, W::Date(1900)), "at an unknown age");
  EXPECT_EQ(Tell("[A] [AE]", 1, 0, ""), "at an unknown age ");
  EXPECT_EQ(Tell("[A2]|[AOE]", 1, 0, W::Date(1900)), "at an unknown age");
}

TEST_F(TMGEventSentences, NamesOfThePrincipals) {
  EXPECT_EQ(Tell("[P1]/[PF]/[PG]/[PS]/[PFS]/[PGS]/[P1F]/[P1GS]"),
            "John Henry Smith/John/John Henry/John Henry Smith's/John's/John Henry's/John/John Henry's");
  EXPECT_EQ(Tell("[P2]/[PO]/[P2F]/[POG]/[P2S]/[POFS]/[P2GS]", 1, 2),
            "Mary Jones/Mary Jones/Mary/Mary/Mary Jones's/Mary's/Mary's");
  EXPECT_EQ(Tell("[P2]/[P2F]/[POS]/[POGS]", 1, 0), "an unknown person///");
  EXPECT_EQ(Tell("x<[PO]>y", 1, 0), "xy");
  EXPECT_EQ(Tell("[PP] [OBJ]", 1), "his him");
  EXPECT_EQ(Tell("[PP] [OBJ]", 2), "her her");
  EXPECT_EQ(Tell("[PP] [OBJ]", 5), "their their");
}

TEST_F(TMGEventSentences, ParentsOfThePrincipals) {
  EXPECT_EQ(Tell("[PAR]", 3), "son of John Henry Smith and Mary Jones");
  EXPECT_EQ(Tell("[PAR1]", 4), "daughter of John Henry Smith");
  EXPECT_EQ(Tell("[PAR]", 1), "whose parents are unknown");
  EXPECT_EQ(Tell("x<[PAR]>", 1), "x");
  EXPECT_EQ(Tell("[PAR2]|[PAR2]", 1, 4), "daughter of John Henry Smith");
  EXPECT_EQ(Tell("[PAR0]", 1, 0), "whose parents are unknown");
  EXPECT_EQ(Tell("[FATH]/[MOTH]", 3), "John Henry Smith/Mary Jones");
  EXPECT_EQ(Tell("[FATHER]/[MOTHER]", 4), "John Henry Smith/");
}

TEST_F(TMGEventSentences, PlaceAndItsParts) {
  EXPECT_EQ(Tell("[ADDR]|[LA]", 1, 0, "", 1), "12 High St");
  EXPECT_EQ(Tell("[ADDRESSEE]/[DETA]/[LD]/[CITY]/[LCI]/[COUNTY]/[LCN]", 1, 0, "", 1),
            "12 High St/Back Room/Back Room/Leeds/Leeds/West Riding/West Riding");
  EXPECT_EQ(Tell("[STATE]/[LS]/[COUNTRY]/[LCR]/[ZIP]/[LZ]/[PHONE]/[LP]/[LATLONG]/[LL]", 1, 0, "", 1),
            "Yorkshire/Yorkshire/England/England/LS1/LS1/0113 555/0113 555/53.8N/53.8N");
  // COUNTY and COUNTRY are known by their whole names only.
  EXPECT_EQ(Tell("<[COUNTIES]>x", 1, 0, "", 1), "x");
  EXPECT_EQ(Tell("born <[L]>", 1, 0, "", 0), "born ");
  EXPECT_EQ(Tell("[CITY]", 1, 0, "", 42), "");
}

TEST_F(TMGEventSentences, MemoAndItsPieces) {
  EXPECT_EQ(Tell("[M]", 1, 0, "", 0, "a farmer"), "a farmer");
  EXPECT_EQ(Tell("[M]", 1, 0, "", 0, ""), "(an unknown value)");
  EXPECT_EQ(Tell("x<[M]>", 1, 0, "", 0, ""), "x");
  EXPECT_EQ(Tell("[M]", 1, 0, "", 0, W::kEmptyMemo), "(an unknown value)");
  EXPECT_EQ(Tell("[M1], [M2], [M3]", 1, 0, "", 0, "farmer||of Leeds"), "farmer, of Leeds, ");
  EXPECT_EQ(Tell("[M1]", 1, 0, "", 0, ""), "(an unknown value)");
  EXPECT_EQ(Tell("<[M2]>", 1, 0, "", 0, W::kEmptyMemo), "");
}

TEST_F(TMGEventSentences, UnknownAndEmptyVariables) {
  // Letter case counts; longer names by their first four letters; a few names have no value.
  EXPECT_EQ(Tell("[p] [d]", 1, 0, W::Date(1850)), " ");
  EXPECT_EQ(Tell("[DATE]|[W][WO][N]", 1, 0, W::Date(1850)), "");
  EXPECT_EQ(Tell("born [P", 1), "born ");
  // Without a first principal nothing has a value.
  EXPECT_EQ(Tell("[P] born [D] [PO]", 77, 2, W::Date(1850)), " born  ");
}

TEST_F(TMGEventSentences, ThePrincipalsOwnSentenceForTheEventComesFirst) {
  W w = People();
  w.AddTagType(kTold, "Told", 7, "[P] by the tag");
  w.AddEvent(100, kTold, 1, 0, W::Date(1850));
  w.AddEvent(101, kTold, 1, 0, W::Date(1851));
  w.AddEvent(102, kTold, 1, 0, W::Date(1852));
  w.AddEvent(103, kTold, 1, 0, W::Date(1853));
  w.AddWitness(1, 100, false, "[P] by the principal");
  w.AddWitness(1, 101, false, W::kEmptyMemo);  // a sentence memo that is empty: an empty template
  w.AddWitness(1, 102, true, "[P] by a primary row");
  w.AddWitness(2, 103, false, "[P] by someone else");
  EXPECT_EQ(TellIn(w, 100), "John Henry Smith by the principal");
  EXPECT_EQ(TellIn(w, 101), "");
  EXPECT_EQ(TellIn(w, 102), "John Henry Smith by the tag");
  EXPECT_EQ(TellIn(w, 103), "John Henry Smith by the tag");
}

TEST_F(TMGEventSentences, EventNotesCarryTheSentenceBlockWhenAsked) {
  W w = People();
  w.events[0].memo = "Registered\r\n\r\nlate.";
  OpenedProject p(w);
  auto john = p->GetIndividual(1);
  const std::string heading = std::string(100, '-') + "\r\nSENTENCE CONTRUCTION RULE:";
  EXPECT_EQ(john->GetEvent(1, 1)->GetNoteText(),
            "Registered\r\n\r\nlate.\r\n" + heading +
                "\r\n[P] was born <[D]> <[L]>\r\n\r\nJohn Henry Smith was born on 1 Jan 1850 in 12 High St, "
                "Back Room, Leeds, West Riding, Yorkshire, England, LS1, 0113 555, 53.8N");
  // Every event has a note while sentences are shown, even one without a memo or template.
  auto mary = p->GetIndividual(2);
  EXPECT_TRUE(mary->GetEvent(1, 1)->HasNote());
  Settings().SetBool(WSettings::TMGTagSent, false);
  EXPECT_FALSE(mary->GetEvent(1, 1)->HasNote());
  EXPECT_EQ(john->GetEvent(1, 1)->GetNoteText(), "Registered\r\n\r\nlate.");
}

TEST_F(TMGEventSentences, NamesAreToldWithTheirOwnValues) {
  W w = People();
  w.AddName(20, 1, W::NameMemo("Smith", "Jack"), W::kNameVariation, false).date = W::Date(1870, 6);
  w.names.back().note = "short for John||at school";
  W::Name& own = w.AddName(21, 1, W::NameMemo("Smyth", "John"), W::kNameVariation, false);
  own.sentence = "[P] wrote [N] <[D]> [M2] [A] [L] [PAR] [PO] [PP]";
  w.AddName(22, 1, W::NameMemo("Smithe", "John"), W::kNameVariation, false).sentence = W::kEmptyMemo;
  OpenedProject p(w);
  auto john = p->GetIndividual(1);
  ASSERT_EQ(john->EventCount(6), 3);
  auto sentence_of = [&](int i) {
    const std::string note = john->GetEvent(6, i)->GetNoteText();
    return note.substr(note.rfind("\r\n\r\n") + 4);
  };
  EXPECT_EQ(sentence_of(1), "John Henry Smith was also known as Jack Smith in Jun 1870");
  EXPECT_EQ(sentence_of(2), "John Henry Smith wrote John Smyth  (an unknown value)    an unknown person his");
  // An empty sentence memo: an empty template and sentence after the heading.
  const std::string empty = john->GetEvent(6, 3)->GetNoteText();
  EXPECT_EQ(empty.substr(empty.size() - 28), "SENTENCE CONTRUCTION RULE:\r\n");
  EXPECT_EQ(john->GetEvent(6, 1)->GetNoteText().substr(0, 27), "short for John||at school\r\n");
  EXPECT_EQ(john->GetEvent(6, 1)->GetDescription(), "Jack Smith");
  EXPECT_EQ(john->GetEvent(6, 1)->GetTypeName(), "Name-Var");
}

TEST_F(TMGEventSentences, SourcesAreSummarisedByTheirElements) {
  W w = People();
  w.AddSource(1, 0, "Title$!&$!&$!&$!&$!&Jane Author$!&$!&$!&$!&$!&$!&$!&$!&$!&The Press",
              "[AUTHOR]: [TITLE], [PUBLISHER] [P] [P]", "");
  w.AddSource(2, 0, "Only a title", "<[AUTHOR], >[TITLE] [NOSUCH]", "");
  OpenedProject p(w);
  EXPECT_EQ(p->GetSource(1)->GetSummary(), "Jane Author: Title, The Press  He");
  EXPECT_EQ(p->GetSource(2)->GetSummary(), "Only a title ");
}

}  // namespace
