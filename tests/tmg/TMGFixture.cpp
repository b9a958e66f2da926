#include "TMGFixture.h"

#include <cstdlib>
#include <filesystem>

#include "base/UIHooks.h"

namespace {

using W = TMGWriter;

// Places: parts address, detail, city, county, state, country, postal code, phone, lat/long.
enum Place { kWhitby = 1, kStMarys, kScarborough, kSmithville, kLeeds, kNowhere };

void AddPlaces(W& w) {
  w.places = {
      {kWhitby, "$!&$!&Whitby$!&$!&^XYorkshire$!&England"},
      {kStMarys, "$!&St Mary's Church$!&Whitby$!&$!&^XYorkshire$!&England"},
      {kScarborough, "$!&$!&Scarborough$!&North Riding$!&Yorkshire$!&England"},
      {kSmithville, "Smithville$!&$!&^XOhio"},
      {kLeeds, " 12 Park Row $!&$!&Leeds$!&$!&Yorkshire$!&England$!&LS1 5HD$!&$!&53.8N 1.5W"},
      {kNowhere, ""},
  };
}

void AddSources(W& w) {
  // Elements by group: 1 title, 2 short title, 3 page, 4 date, 5 subject, 6 author, 15 publisher.
  w.sources = {
      {1, 10,
       "Parish Register of St Mary$!&St Mary PR$!&$!&1850$!&$!&Whitby "
       "Parish$!&$!&$!&$!&$!&$!&$!&$!&$!&Parish "
       "Office",
       "[AUTHOR], <[TITLE]> <([PUBLISHER], [DATE])>", "Parish Register of St Mary, Whitby",
       "Baptisms, marriages\r\nand burials of the parish.", "St Mary PR"},
      {2, 20, "1851 Census$!&$!&$!&1851$!&Whitby household", "", "1851 Census of England", "", "Census 1851"},
      {5, 30, "Family Bible", "", "The Ashdown Family Bible", "", ""},
  };
  w.source_types = {{10, "[TITLE]"}, {20, "[TITLE]: [SUBJECT]"}};
}

}  // namespace

TMGWriter EmptyProject() {
  TMGWriter w;
  return w;
}

TMGWriter FamilyProject() {
  W w;
  w.AddStandardTypes();
  AddPlaces(w);
  AddSources(w);

  // People: number, sex, living, birth, death, reference, change date, father and mother fields.
  auto person = [&](int id, const char* sex, std::string birth = "", std::string death = "", int father = 0,
                    int mother = 0, const char* living = "N") {
    W::Person p;
    p.id = id;
    p.sex = sex;
    p.living = living;
    p.birth = birth;
    p.death = death;
    p.father = father;
    p.mother = mother;
    p.reference = id % 5 == 0 ? "REF-" + std::to_string(id) : "";
    p.last_edit = "2004" + std::string(id % 2 ? "0314" : "1102");
    w.people.push_back(p);
  };
  person(1, "M", W::Date(1820, 1, 3), W::Date(1890, 11, 28));
  person(2, "F", W::Date(1824, 0, 0, '2'), W::Date(1861, 7, 9));
  person(3, "M", W::Date(1846, 4, 21), "", 1, 2);
  person(4, "F", W::Date(1848, 10, 6));
  person(5, "M", W::Date(1850));
  person(6, "F", W::Date(1832, 8, 17));
  person(7, "M", W::Date(1865, 2, 1));
  person(8, "M");
  person(9, "F");
  person(10, "F", W::Date(1855, 3, 1), "", 8, 9);
  {
    W::Person gone;
    gone.id = 11;
    gone.deleted = true;
    w.people.push_back(gone);
  }
  person(12, "M", W::Date(1857), "", 8, 9);
  person(13, "M");
  person(14, "F");
  person(15, "F", W::Date(1880), "", 13, 14);
  person(16, "M", W::Date(1840));
  person(17, "M", W::Date(1862, 5, 5));
  person(18, "F", W::Date(1860, 1, 1));
  person(19, "F");
  person(20, "F", W::Date(1870, 9, 9));
  person(21, "F", W::Date(1849, 2, 2));
  person(22, "F", W::Date(1875, 7, 7));
  person(23, "M", W::Date(1868, 6, 6));
  person(24, "M", W::Date(1872, 11, 11));
  person(25, "F", W::Date(1853));
  person(26, "M", W::Date(1876));
  person(27, "M", W::Date(1822));
  person(28, "F", W::Date(1901, 3, 3));
  person(29, "F", W::Date(1888));
  person(30, "M", W::Date(1880), W::Date(1949));
  person(31, "F", W::Date(1892));
  person(32, "F", W::Date(1868));
  person(33, "M", W::Date(1950, 5, 5), "", 0, 0, "Y");
  person(34, "M");
  person(35, "F");
  person(36, "F");
  person(37, "M", W::Date(1830));
  person(38, "F");
  person(39, "M");
  person(40, "M", "", W::TextDate("in the spring"));
  person(41, "F", W::Date(1830));
  w.people[2].reference = "WA-1846";

  // Names: one primary name each (34 has none), alternates, prefixes and suffixes.
  int recno = 0;
  auto name = [&](int per, const std::string& memo, int type = 0, bool primary = true, std::string date = "",
                  std::string note = "", std::string sentence = "") {
    W::Name& n = w.AddName(++recno, per, memo, type, primary);
    n.date = date;
    n.note = note;
    n.sentence = sentence;
  };
  const struct {
    int id;
    const char* surname;
    const char* given;
  } primaries[] = {
      {1, "Ashdown", "John"},     {2, "Baker", "Mary"},      {3, "Ashdown", "William Henry"},
      {4, "Ashdown", "Sarah"},    {5, "Ashdown", "Thomas"},  {6, "Cole", "Hannah"},
      {8, "Dale", "Peter"},       {9, "Eden", "Ruth"},       {10, "Dale", "Ann"},
      {11, "Deleted", "Person"},  {12, "Dale", "James"},     {13, "Frost", "Samuel"},
      {14, "Gray", "Alice"},      {15, "Frost", "Edith"},    {16, "Fisher", "George"},
      {17, "Fisher", "Jack"},     {18, "Fisher", "Lily"},    {19, "Green", "Eliza"},
      {20, "Green", "Rose"},      {21, "Hill", "Jane"},      {22, "Ashdown", "Emma"},
      {23, "Hill", "Henry"},      {25, "King", "Lucy"},      {26, "Ashdown", "Ned"},
      {27, "Hill", "Robert"},     {28, "Twice", "Clara"},    {29, "Noequal", "Dora"},
      {30, "Wrongdeath", "Ezra"}, {31, "Moore", "Leah"},     {32, "Moore", "Beatrice"},
      {33, "Living", "Oliver"},   {37, "Witness", "Walter"}, {38, "Engaged", "Xena"},
      {39, "Engaged", "Yuri"},    {41, "King", "Ada"},
  };
  for (const auto& p : primaries) name(p.id, W::NameMemo(p.surname, p.given));
  name(7, W::NameMemo("Ashdown", "Albert", "", "Esq."));
  name(24, W::NameMemo("Ashdown", "Mark", "Rev."));
  name(40, "Solo$!&Mr");
  name(3, W::NameMemo("Ashdown", "Bill"), W::kNameVariation, false, W::Date(1870),
       "Called Bill\r\nby his friends.");
  name(4, W::NameMemo("Hill", "Sarah"), W::kNameMarried, false, W::Date(1872, 6, 1), "",
       "[P] became [N] on her marriage <[D]>");
  name(35, W::NameMemo("Old", "Quinn"), 0, false);
  name(35, W::NameMemo("New", "Quinn"), 0, true);
  name(36, W::NameMemo("One", "Vera"), 0, true);
  name(36, W::NameMemo("Two", "Vera"), W::kNameVariation, true, W::Date(1920));
  const int john_name = 1;

  // Events.
  int event_recno = 0;
  auto event = [&](int type, int per1, int per2, std::string date, int place = 0, std::string memo = "") {
    return w.AddEvent(++event_recno, type, per1, per2, date, place, memo).recno;
  };
  event(W::kBirth, 1, 0, W::Date(1820, 1, 3), kWhitby);
  event(W::kChristening, 1, 0, W::Date(1820, 2, 11), kStMarys);
  event(W::kDeath, 1, 0, W::Date(1890, 11, 28), kWhitby);
  event(W::kBurial, 1, 0, W::Date(1890, 12, 2), kStMarys, "Buried beside his first wife.");
  const int john_mary =
      event(W::kMarriage, 1, 2, W::Date(1845, 5, 19), kStMarys, "by banns\r\n\r\nwitnessed");
  const int john_hannah = event(W::kMarriage, 1, 6, W::Date(1863, 4, 2), kScarborough);
  event(W::kSealSpouse, 1, 2, W::Date(1900, 6, 1), kLeeds);
  event(W::kOccupation, 1, 0, W::Date(1851), kWhitby, "farmer||of Whitby");
  const int census = event(W::kCensus, 1, 0, W::Date(1851, 3, 30), kWhitby);
  event(W::kBirth, 2, 0, W::Date(1824, 0, 0, '2'), kScarborough);
  event(W::kDeath, 2, 0, W::Date(1861, 7, 9), kWhitby);
  const int william_birth = event(W::kBirth, 3, 0, W::Date(1846, 4, 21), kWhitby);
  event(W::kOccupation, 3, 0, W::Date(1871), kLeeds, "merchant");
  const int william_jane = event(W::kMarriage, 3, 21, W::Date(1870, 6, 1), kLeeds);
  {
    W::Event gone;
    gone.recno = 500;
    gone.type = W::kBirth;
    gone.per1 = 3;
    gone.date = W::Date(1999);
    gone.deleted = true;
    w.events.push_back(gone);
  }
  event(W::kBirth, 4, 0, W::Date(1848, 10, 6), kWhitby);
  const int robert_sarah = event(W::kMarriage, 27, 4, W::Date(1872, 6, 1), kWhitby);
  event(W::kBirth, 5, 0, W::Date(1850), kWhitby);
  event(W::kMarriage, 5, 25, W::Date(1874, 3, 2), kScarborough);
  event(W::kMarriageBanns, 5, 25, W::Date(1873, 12, 1), kScarborough);
  event(W::kBirth, 6, 0, W::Date(1832, 8, 17), kScarborough);
  event(W::kBirth, 7, 0, W::Date(1865, 2, 1), kScarborough);
  event(W::kMarriage, 32, 7, W::Date(1890), kSmithville);
  event(W::kSealSpouse, 7, 32, W::Date(1891), kLeeds);
  event(W::kBirth, 10, 0, W::Date(1855, 3, 1));
  event(W::kBirth, 17, 0, W::Date(1862, 5, 5), kNowhere);
  event(W::kBirth, 21, 0, W::Date(1849, 2, 2), kLeeds);
  event(W::kBirth, 22, 0, W::Date(1875, 7, 7), kLeeds);
  event(W::kBirth, 28, 0, W::Date(1900, 1, 1));
  event(W::kBirthIllegitimate, 28, 0, W::Date(1901, 3, 3), kSmithville);
  event(W::kBirth, 29, 0, W::Date(1890, 5, 1));
  event(W::kBirth, 29, 0, W::Date(1889));
  event(W::kBirth, 30, 0, W::Date(1880));
  event(W::kDeath, 30, 0, W::Date(1950), kLeeds);
  event(W::kBirth, 31, 0, W::Date(1892));
  event(W::kLDSBaptism, 31, 0, W::Date(1900, 8, 4), kLeeds);
  event(W::kEndowment, 31, 0, W::Date(1901));
  event(W::kSealChild, 31, 0, W::Date(1902, 1, 0, '4'), kLeeds);
  event(W::kBirth, 33, 0, W::Date(1950, 5, 5), kLeeds);
  event(W::kResidence, 33, 0, W::Date(1980), kLeeds);
  event(W::kEngagement, 38, 39, W::Date(1900, 0, 0, '0'));
  event(W::kDeath, 40, 0, W::TextDate("in the spring"));
  event(W::kBurial, 40, 0, W::Date(1900, 0, 0, '5', 1910), kWhitby);
  event(W::kBirth, 37, 0, W::Date(1830, 0, 0, '1'));
  event(W::kCensus, 37, 41, W::Date(1851, 3, 30, '7', 1851, 4, 1), kSmithville);
  event(W::kDivorce, 5, 25, W::Date(1885, 0, 0, '4'));
  (void)john_hannah;

  // Residence's sentence with a second variant for the living.
  for (W::TagType& t : w.tag_types)
    if (t.id == W::kResidence) t.sentence = "[P] lived <[L]> <[D]>||[P] lives <[L]>";

  // Witnesses: the principals' own rows, Robert at John and Mary's wedding, Walter at the
  // census, and William's own sentence for his birth.
  w.witnesses = {
      {1, john_mary, true, ""},
      {2, john_mary, true, ""},
      {27, john_mary, false, "[R=Witness][P] and [PO] married in the presence of friends <[D]>"},
      {37, census, false, ""},
      {3, william_birth, false, "[P] came into the world <[D]> <[L]>, [PAR]"},
      {2, census, false, ""},
  };

  // Relationships.
  auto rel = [&](int child, int parent, int type) { w.relationships.push_back({child, parent, type}); };
  for (int child : {3, 4, 5}) {
    rel(child, 1, W::kFatherBiological);
    rel(child, 2, W::kMotherBiological);
  }
  rel(7, 1, W::kFatherBiological);
  rel(7, 6, W::kMotherBiological);
  rel(10, 8, W::kFatherBiological);
  rel(10, 9, W::kMotherBiological);
  rel(17, 16, W::kFatherBiological);
  rel(18, 16, W::kFatherBiological);
  rel(20, 19, W::kMotherBiological);
  rel(22, 3, W::kFatherAdopted);
  rel(22, 21, W::kMotherAdopted);
  rel(23, 3, W::kFatherStep);
  rel(23, 21, W::kMotherBiological);
  rel(24, 3, W::kFatherBiological);
  rel(24, 21, W::kMotherBiological);
  rel(26, 5, W::kFather);
  rel(26, 25, W::kMotherBiological);
  rel(31, 7, W::kFatherBiological);
  rel(31, 32, W::kMotherBiological);
  rel(25, 41, W::kMotherBiological);
  rel(23, 16, W::kOccupation);  // not a parent relationship: ignored

  // Citations of names and events.
  w.citations = {
      {'E', john_mary, 1, "entry 112"},
      {'E', william_birth, 1, "page 12"},
      {'E', william_birth, 2, ""},
      {'N', john_name, 5, "inside cover"},
      {'E', robert_sarah, 2, "household 14"},
      {'E', william_jane, 77, "a source the project lacks"},
      {'F', 1, 1, "a family citation, never asked for"},
  };
  return w;
}

std::string WriteFamilyProject(const std::string& dir) { return FamilyProject().Write(dir, "family_.tmg"); }

OpenedProject::OpenedProject(const TMGWriter& writer, const std::string& project) {
  std::string pattern = (std::filesystem::temp_directory_path() / "taravell-tmg-XXXXXX").string();
  dir_ = mkdtemp(pattern.data()) ? pattern : std::string();
  path_ = writer.Write(dir_, project);
  ImportCancelled = false;
  collection_ = std::make_unique<WTMGCollection>(path_);
  imported_ = collection_->Import();
  if (imported_) collection_->BuildLinks();
}

OpenedProject::~OpenedProject() {
  collection_.reset();
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}
