#include "ModelFixture.h"
#include "base/DateDiff.h"
#include "model/ABSIndividual.h"

namespace {

class AgesTest : public ModelTest {
 protected:
  std::string Age(RecNo rec) { return col.GetIndividual(rec)->GetAgeText(); }
  bool Living(RecNo rec, int years = 110) { return col.GetIndividual(rec)->IsLiving(years); }
};

TEST_F(AgesTest, ExactAndApproximateAges) {
  RecNo exact = col.AddPerson("A", "B");
  col.AddEvent(exact, evBirth, "1 JAN 1900");
  col.AddEvent(exact, evDeath, "1 JAN 1950");
  EXPECT_EQ(Age(exact), "49");

  RecNo years_only = col.AddPerson("A", "B");
  col.AddEvent(years_only, evBirth, "1900");
  col.AddEvent(years_only, evDeath, "1950");
  EXPECT_EQ(Age(years_only), "~50");
}

TEST_F(AgesTest, ChristeningAndBurialStandInWhenAllowed) {
  RecNo rec = col.AddPerson("A", "B");
  col.AddEvent(rec, evChristening, "1900");
  col.AddEvent(rec, evBurial, "1950");
  EXPECT_EQ(Age(rec), "[~50]");

  Options().SetBool(WOptions::AgeCalcCB, false);
  EXPECT_EQ(Age(rec), "");

  // Burial alone makes the age approximate.
  Options().SetBool(WOptions::AgeCalcCB, true);
  RecNo born = col.AddPerson("A", "B");
  col.AddEvent(born, evBirth, "1 JAN 1900");
  col.AddEvent(born, evBurial, "1 JAN 1950");
  EXPECT_EQ(Age(born), "[49]");
  // An undated death does not stop the burial from standing in.
  col.AddEvent(born, evDeath);
  EXPECT_EQ(Age(born), "[49]");
}

TEST_F(AgesTest, OpenEndedAgeRunsToTodayWithQuestionMark) {
  RecNo rec = col.AddPerson("A", "B");
  col.AddEvent(rec, evChristening, "1950");
  const std::string expected = "[~" + std::to_string(ThisYear() - 1950) + "?]";
  EXPECT_EQ(Age(rec), expected);

  RecNo born = col.AddPerson("A", "B");
  col.AddEvent(born, evBirth, "1950");
  EXPECT_EQ(Age(born), "~" + std::to_string(ThisYear() - 1950) + "?");

  WDateDiff diff;
  bool approximate = true;
  std::string suffix;
  EXPECT_TRUE(col.GetIndividual(born)->ComputeAge(diff, approximate, suffix));
  EXPECT_FALSE(approximate);
  EXPECT_EQ(suffix, "?");
}

TEST_F(AgesTest, NoAgeWithoutUsableDates) {
  RecNo nothing = col.AddPerson("A", "B");
  EXPECT_EQ(Age(nothing), "");

  RecNo only_death = col.AddPerson("A", "B");
  col.AddEvent(only_death, evDeath, "1950");
  EXPECT_EQ(Age(only_death), "");

  RecNo odd = col.AddPerson("A", "B");
  col.AddEvent(odd, evBirth, "SOMETIME");
  col.AddEvent(odd, evDeath, "1950");
  EXPECT_EQ(Age(odd), "");

  // An undated birth event gives no start date: the christening stands in.
  RecNo undated = col.AddPerson("A", "B");
  col.AddEvent(undated, evBirth);
  col.AddEvent(undated, evChristening, "1900");
  col.AddEvent(undated, evDeath, "1950");
  EXPECT_EQ(Age(undated), "[~50]");
}

TEST_F(AgesTest, AgesAbove110YearsAreNotShown) {
  RecNo old = col.AddPerson("A", "B");
  col.AddEvent(old, evBirth, YearsAgo(111));
  EXPECT_EQ(Age(old), "");

  RecNo dead = col.AddPerson("A", "B");
  col.AddEvent(dead, evBirth, "1800");
  col.AddEvent(dead, evDeath, "1920");
  EXPECT_EQ(Age(dead), "");

  RecNo just = col.AddPerson("A", "B");
  col.AddEvent(just, evBirth, "1 JAN 1800");
  col.AddEvent(just, evDeath, "1 JUN 1910");
  EXPECT_EQ(Age(just), "110");
}

TEST_F(AgesTest, LivingTest) {
  RecNo young = col.AddPerson("A", "B");
  col.AddEvent(young, evBirth, YearsAgo(20));
  col.AddEvent(young, evDeath);  // undated: does not make the person dead
  EXPECT_TRUE(Living(young));
  EXPECT_FALSE(Living(young, 20));
  EXPECT_TRUE(Living(young, 21));

  RecNo dead = col.AddPerson("A", "B");
  col.AddEvent(dead, evBirth, YearsAgo(20));
  col.AddEvent(dead, evBurial, YearsAgo(1));
  EXPECT_FALSE(Living(dead));

  RecNo christened = col.AddPerson("A", "B");
  col.AddEvent(christened, evChristening, YearsAgo(30));
  EXPECT_TRUE(Living(christened));

  RecNo undated = col.AddPerson("A", "B");
  col.AddEvent(undated, evBirth);
  EXPECT_FALSE(Living(undated));

  RecNo old = col.AddPerson("A", "B");
  col.AddEvent(old, evBirth, YearsAgo(110));
  EXPECT_FALSE(Living(old));

  RecNo unreadable = col.AddPerson("A", "B");
  col.AddEvent(unreadable, evBirth, "SOON");
  EXPECT_FALSE(Living(unreadable));
}

TEST_F(AgesTest, EventTextsOfMissingEvents) {
  RecNo rec = col.AddPerson("A", "B");
  col.AddEvent(rec, evBirth, "", "Boston");
  col.AddEvent(rec, evOther, "1 MAR 1920", "Paris").type_name = "Occupation";
  col.AddEvent(rec, evOther, "", "").type_name = "Residence";
  auto person = col.GetIndividual(rec);

  EXPECT_EQ(person->GetEventDatePlaceText(evBirth), ", Boston");
  EXPECT_EQ(person->GetEventDatePlaceText(evDeath), "");
  EXPECT_EQ(person->GetEventDateText(evDeath), "");
  EXPECT_EQ(person->GetEventPlaceText(evDeath), "");
  EXPECT_FALSE(person->HasDatedEvent(evBirth));
  EXPECT_EQ(person->GetEventYear(evBirth), 0);
  EXPECT_EQ(person->GetEventYear(evOther, 1), 1920);
  EXPECT_EQ(person->GetEventDatePlaceText(evOther, 1), "1 Mar 1920, Paris");
  EXPECT_EQ(person->GetEventDatePlaceText(evOther, 2), ", ");
  EXPECT_EQ(person->GetEventDatePlaceText(evOther, 3), "");
  EXPECT_FALSE(person->HasLDSEvent(evEndowment));
  col.AddEvent(rec, evEndowment);
  EXPECT_TRUE(col.GetIndividual(rec)->HasLDSEvent(evEndowment));
  EXPECT_EQ(person->GetChangeDateText(), "");
  col.Person(rec).change_date = "2 FEB 2003";
  EXPECT_EQ(col.GetIndividual(rec)->GetChangeDateText(), "2 Feb 2003");
}

}  // namespace
