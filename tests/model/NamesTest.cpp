#include "ModelFixture.h"
#include "model/ABSIndividual.h"
#include "model/ABSName.h"

namespace {

class NamesTest : public ModelTest {
 protected:
  RecNo Named(const std::string& prefix, const std::string& given, const std::string& surname,
              const std::string& suffix) {
    RecNo rec = col.AddPerson(given, surname);
    col.Person(rec).name->prefix = prefix;
    col.Person(rec).name->suffix = suffix;
    return rec;
  }
  std::string Full(RecNo rec, bool with_prefix_suffix) {
    return col.GetIndividual(rec)->GetFullName(with_prefix_suffix);
  }
};

TEST_F(NamesTest, FullNameFollowsPrefixSuffixSlashAndUpperCaseSettings) {
  RecNo john = Named("Dr", "John", "Smith", "Jr");
  EXPECT_EQ(Full(john, true), "Dr John /Smith/ Jr");
  EXPECT_EQ(Full(john, false), "John /Smith/");

  Options().SetBool(WOptions::PreSuf, false);
  EXPECT_EQ(Full(john, true), "John /Smith/");

  Options().SetBool(WOptions::PreSuf, true);
  Options().SetBool(WOptions::NameSlash, false);
  EXPECT_EQ(Full(john, true), "Dr John Smith Jr");

  Options().SetBool(WOptions::NameSlash, true);
  Options().SetBool(WOptions::NameUpper, true);
  EXPECT_EQ(Full(john, false), "John /SMITH/");
  EXPECT_EQ(col.GetIndividual(john)->GetSurnameText(), "SMITH");
  EXPECT_EQ(col.GetIndividual(john)->GetGivenNamesText(), "John");
}

TEST_F(NamesTest, UpperCaseCoversWindows1252Letters) {
  Options().SetBool(WOptions::NameUpper, true);
  RecNo rec = col.AddPerson("J\xfcrgen", "M\xfcller");
  EXPECT_EQ(Full(rec, true), "J\xfcrgen /M\xdcLLER/");
}

TEST_F(NamesTest, MissingPartsKeepTheirBlanks) {
  // A prefix without given names leaves two blanks before the surname.
  EXPECT_EQ(Full(Named("Dr", "", "Smith", ""), true), "Dr  /Smith/");
  EXPECT_EQ(Full(Named("", "", "", ""), true), "//");
  EXPECT_EQ(Full(Named("", "", "Smith", "Sr"), true), "/Smith/ Sr");
  Options().SetBool(WOptions::NameSlash, false);
  EXPECT_EQ(Full(Named("", "", "", "III"), true), "III");
  EXPECT_EQ(Full(Named("", "Ann", "", ""), true), "Ann ");
}

TEST_F(NamesTest, PersonWithoutNameHasEmptyTexts) {
  RecNo rec = col.AddNamelessPerson();
  auto person = col.GetIndividual(rec);
  EXPECT_EQ(person->GetFullName(true), "");
  EXPECT_EQ(person->GetSurnameText(), "");
  EXPECT_EQ(person->GetGivenNamesText(), "");
  EXPECT_EQ(person->GetDisplayName(), " [I1]");
  EXPECT_EQ(col.GetIndividualName(rec), "");
  EXPECT_EQ(col.GetIndividualName(99), "");
  EXPECT_EQ(col.GetIndividualDisplayName(0), "");
}

TEST_F(NamesTest, DisplayNameSuffixes) {
  for (int i = 1; i < 57; ++i) col.AddPerson("Filler", "Person");
  RecNo rec = col.AddPerson("John", "Smith");
  ASSERT_EQ(rec, 57);
  col.Person(rec).id = "I57";
  col.Person(rec).reference = "R-9";

  EXPECT_EQ(col.GetIndividualDisplayName(rec), "John /Smith/ [I57]");
  Options().SetInt(WOptions::FNValue, 2);
  EXPECT_EQ(col.GetIndividualDisplayName(rec), "John /Smith/ (57)");
  Options().SetInt(WOptions::FNValue, 3);
  EXPECT_EQ(col.GetIndividualDisplayName(rec), "John /Smith/ {R-9}");
  Options().SetInt(WOptions::FNValue, 7);
  EXPECT_EQ(col.GetIndividualDisplayName(rec), "John /Smith/ [I57]");
  Options().SetBool(WOptions::FNValueFlag, false);
  EXPECT_EQ(col.GetIndividualDisplayName(rec), "John /Smith/");
  EXPECT_EQ(col.GetIndividualName(rec), "John /Smith/");
}

TEST_F(NamesTest, LifespanLineKeepsSeparatorsOfMissingParts) {
  Options().SetBool(WOptions::FNValueFlag, false);
  RecNo rec = Named("Dr", "John", "Smith", "");
  col.AddEvent(rec, evBirth, "1 JAN 1900", "Boston");
  auto person = col.GetIndividual(rec);
  EXPECT_EQ(person->GetNameWithLifespan(true), "Dr John /Smith/, (b. 1 Jan 1900, Boston), (d. , )");
  EXPECT_EQ(person->GetNameWithLifespan(false), "John /Smith/, (b. 1 Jan 1900, Boston), (d. , )");

  col.AddEvent(rec, evDeath, "", "Paris");
  EXPECT_EQ(col.GetIndividual(rec)->GetNameWithLifespan(false),
            "John /Smith/, (b. 1 Jan 1900, Boston), (d. , Paris)");

  RecNo nobody = col.AddNamelessPerson();
  EXPECT_EQ(col.GetIndividual(nobody)->GetNameWithLifespan(false), ", (b. , ), (d. , )");
}

TEST_F(NamesTest, NameRecordTexts) {
  MemNameData data{"Sir", "John", "de la Mare", "KBE", {"about the name"}, {}};
  RecNo rec = col.AddNamelessPerson();
  col.Person(rec).name = data;
  auto name = col.GetIndividual(rec)->GetName();
  ASSERT_TRUE(name);
  EXPECT_EQ(name->GetFullName(true), "Sir John /de la Mare/ KBE");
  EXPECT_EQ(name->GetNoteText(), "about the name");
  EXPECT_EQ(name->CitationCount(), 0);
  EXPECT_EQ(name->GetCitationsText(), "");
}

}  // namespace
