#include "LegacyFixture.h"

#include <strings.h>

#include <cstdio>
#include <map>

#include "base/TextUtils.h"

namespace {

using C = JetWriter::Column;
using V = JetWriter::Value;
constexpr auto L = JetWriter::kLong;
constexpr auto I = JetWriter::kInteger;
constexpr auto B = JetWriter::kByte;
constexpr auto T = JetWriter::kText;
constexpr auto M = JetWriter::kMemo;
constexpr auto D = JetWriter::kDateTime;
constexpr auto Bool = JetWriter::kBoolean;

const std::map<std::string, std::vector<C>>& Schemas() {
  static const std::map<std::string, std::vector<C>> schemas = {
      {"TBLHR", {{"Item", T, 50}, {"Setting", T, 255}}},
      {"TBLIR", {{"IDIR", L},        {"SurName", T, 120}, {"GivenName", T, 120}, {"Prefix", T, 50},
                 {"Title", T, 50},   {"Gender", B},       {"UserRef", T, 50},    {"AncestralRef", T, 50},
                 {"Notes", M},       {"References", M},   {"Medical", M},        {"BirthD", T, 255},
                 {"DeathD", T, 255}, {"ChrisD", T, 255},  {"BuriedD", T, 255},   {"BaptismD", T, 255},
                 {"EndowD", T, 255}, {"BirthNote", M},    {"DeathNote", M},      {"ChrisNote", M},
                 {"BuriedNote", M},  {"IDLRBirth", L},    {"IDLRDeath", L},      {"IDLRChris", L},
                 {"IDLRBuried", L},  {"IDTRBaptism", L},  {"IDTREndow", L},      {"BaptismKind", B},
                 {"Living", B},      {"Added", L},        {"Updated", L},        {"IDMRParents", L},
                 {"IDMRPref", L},    {"Tagged", Bool},    {"LastViewed", D}}},
      {"TBLMR",
       {{"IDMR", L},
        {"IDIRHusb", L},
        {"IDIRWife", L},
        {"MarD", T, 255},
        {"IDLRMar", L},
        {"Notes", M},
        {"SealD", T, 255},
        {"IDTRSeal", L}}},
      {"TBLCR",
       {{"IDCR", L}, {"IDMR", L}, {"IDIR", L}, {"Order", I}, {"ParSealD", T, 255}, {"IDTRParSeal", L}}},
      {"TBLER",
       {{"IDER", L},
        {"IDIR", L},
        {"IDType", I},
        {"Order", I},
        {"IDET", L},
        {"EventD", T, 255},
        {"IDLREvent", L},
        {"Desc", M},
        {"Description", T, 255}}},
      {"TBLET", {{"IDET", L}, {"EventType", T, 100}}},
      {"TBLLR", {{"IDLR", L}, {"Location", T, 255}}},
      {"TBLTR", {{"IDTR", L}, {"Temple", T, 100}}},
      {"TBLSR",
       {{"IDSR", L},
        {"SrcName", T, 255},
        {"SrcTitle", T, 255},
        {"SrcAuthor", T, 255},
        {"SrcPubl", T, 255},
        {"SrcCallNum", T, 100},
        {"SrcText", M},
        {"SrcNote", M},
        {"IDAR", L}}},
      {"TBLSX", {{"IDSX", L}, {"IDSR", L}, {"IDIME", L}, {"Type", I}, {"SrcDetail", M}}},
      {"TBLAR",
       {{"IDAR", L},
        {"AddrName", T, 255},
        {"Address1", T, 255},
        {"Address2", T, 255},
        {"City", T, 100},
        {"State", T, 100},
        {"Zipcode", T, 30},
        {"Country", T, 100},
        {"Phone1", T, 50},
        {"AddrNotes", M}}},
      {"TBLBP", {{"IDBP", L}, {"PicPath", T, 255}}},
      {"TBLBR",
       {{"IDBR", L},
        {"IDIR", L},
        {"IDType", I},
        {"PicPref", B},
        {"PicOrder", I},
        {"PicName", T, 255},
        {"IDBPPic", L}}},
  };
  return schemas;
}

V N(int64_t v) { return V(v); }
V S(const char* s) { return V(std::string(s)); }

JetWriter::Table* Find(JetWriter& w, const char* name) {
  for (const auto& t : w.Tables())
    if (strcasecmp(t.name.c_str(), name) == 0) return const_cast<JetWriter::Table*>(&t);
  return nullptr;
}

}  // namespace

std::string LegacyDate(char qualifier, int day, int month, int year, int day2, int month2, int year2,
                       char era) {
  char text[32];
  std::snprintf(text, sizeof text, "%c%c%02d%02d%04d%02d%02d%04d", qualifier, era, day, month, year, day2,
                month2, year2);
  return text;
}

JetWriter::Table& AddLegacyTable(JetWriter& writer, const std::string& name) {
  return writer.AddTable(name, Schemas().at(name));
}

void AddLegacySkeleton(JetWriter& w, const std::string& version) {
  // Jet keeps tables in no particular order; these come in an order of their own.
  for (const char* name : {"TBLHR", "TBLAR", "TBLBP", "TBLBR", "TBLCR", "TBLER", "TBLET", "TBLIR", "TBLLR",
                           "TBLMR", "TBLSR", "TBLSX", "TBLTR"})
    AddLegacyTable(w, name);
  Find(w, "TBLHR")->Row({{"Item", S("Version")}, {"Setting", V(version)}});
  Find(w, "TBLHR")->Row({{"Item", S("filedesc")}, {"Setting", S("Empty family file")}});
}

void BuildFamilyFixture(JetWriter& w, const std::string& version) {
  AddLegacySkeleton(w, version);
  JetWriter::Table& hr = *Find(w, "TBLHR");
  JetWriter::Table& ir = *Find(w, "TBLIR");
  JetWriter::Table& mr = *Find(w, "TBLMR");
  JetWriter::Table& cr = *Find(w, "TBLCR");
  JetWriter::Table& er = *Find(w, "TBLER");
  JetWriter::Table& et = *Find(w, "TBLET");
  JetWriter::Table& lr = *Find(w, "TBLLR");
  JetWriter::Table& tr = *Find(w, "TBLTR");
  JetWriter::Table& sr = *Find(w, "TBLSR");
  JetWriter::Table& sx = *Find(w, "TBLSX");
  JetWriter::Table& ar = *Find(w, "TBLAR");
  JetWriter::Table& bp = *Find(w, "TBLBP");
  JetWriter::Table& br = *Find(w, "TBLBR");

  hr.rows.clear();
  hr.deleted.clear();
  const std::pair<const char*, const char*> settings[] = {
      {"Compiler1", "Hannelore Müller"},
      {"Compiler2", "Lindenstraße 4"},
      {"Compiler3", "80331 München"},
      {"Compiler4", "Bayern"},
      {"Compiler5", "089 123456"},
      {"Compiler6", "0170 654321"},
      {"Compiler8", "h.mueller@example.org"},
      {"Compiler9", "www.example.org/mueller"},
      {"filedesc", "Müller family of Bavaria"},
      {"Version", nullptr},
  };
  for (const auto& [item, value] : settings)
    hr.Row({{"Item", S(item)}, {"Setting", value ? S(value) : V(version)}});

  // Places, one stored with a leading comma as Legacy keeps unknown parts.
  const char* places[] = {"Nürnberg, Bayern, Germany",  "München, Bayern, Germany",
                          ", Franken, Bayern, Germany", "New York, New York, USA",
                          "Salt Lake City, Utah, USA",  "Ulm, Württemberg, Germany",
                          "Augsburg, Bayern, Germany",  "Bremen, Germany"};
  for (int i = 0; i < 8; ++i) lr.Row({{"IDLR", N(i + 1)}, {"Location", S(places[i])}});
  lr.Row({{"IDLR", N(0)}, {"Location", S("Nowhere (identifier 0)")}});
  const char* temples[] = {"", "SLAKE", "LOGAN", "MANTI", "SGEOR"};
  for (int i = 0; i < 5; ++i) tr.Row({{"IDTR", N(i + 1)}, {"Temple", S(temples[i])}});
  const char* types[] = {"Occupation", "Residence", "Immigration", "Census", "Military"};
  for (int i = 0; i < 5; ++i) et.Row({{"IDET", N(i + 1)}, {"EventType", S(types[i])}});

  // Repositories and sources.
  ar.Row({{"IDAR", N(1)},
          {"AddrName", S("Staatsarchiv Nürnberg")},
          {"Address1", S("Archivstraße 17")},
          {"Address2", S("Postfach 12")},
          {"City", S("Nürnberg")},
          {"State", S("Bayern")},
          {"Zipcode", S("90408")},
          {"Country", S("Germany")},
          {"Phone1", S("0911 93519")},
          {"AddrNotes", S("Open Monday to Thursday.")}});
  ar.Row({{"IDAR", N(2)},
          {"AddrName", S("Family History Library")},
          {"City", S("Salt Lake City")},
          {"State", S("Utah")},
          {"Country", S("USA")}});
  sr.Row({{"IDSR", N(1)},
          {"SrcName", S("Kirchenbuch St. Lorenz")},
          {"SrcTitle", S("Taufen 1800-1870")},
          {"SrcAuthor", S("Evangelische Kirche")},
          {"SrcPubl", S("Nürnberg, 1870")},
          {"SrcCallNum", S("KB 12/3")},
          {"SrcText", S("Baptisms of the parish.\r\nSecond line.")},
          {"SrcNote", S("Microfilm copy.")},
          {"IDAR", N(1)}});
  sr.Row({{"IDSR", N(2)},
          {"SrcName", S("Passenger list")},
          {"SrcTitle", S("Bremen to New York, 1852")},
          {"IDAR", N(2)}});
  sr.Row({{"IDSR", N(0)}, {"SrcName", S("Skipped source (identifier 0)")}});
  sr.Row({{"IDSR", N(5)}, {"SrcTitle", S("Family Bible")}});

  // People: identifier, given names, surname, sex (0 male, 1 female), birth date and place.
  struct P {
    int id;
    const char* given;
    const char* surname;
    int sex;
    std::string birth;
    int birth_place;
  };
  const P people[] = {
      {1, "Johann Georg", "Müller", 0, LegacyDate('0', 12, 4, 1795), 1},
      {2, "Anna Maria", "Schmidt", 1, LegacyDate('1', 0, 0, 1798), 2},
      {3, "Peter", "Müller", 0, LegacyDate('0', 3, 1, 1821), 1},
      {4, "Maria", "Müller", 1, LegacyDate('2', 0, 5, 1823), 1},
      {5, "Karl", "Müller", 0, LegacyDate('3', 0, 0, 1825), 3},
      {6, "Elisabeth", "Müller", 1, LegacyDate('4', 10, 10, 1827), 1},
      {7, "Catharina", "Weber", 1, LegacyDate('5', 0, 0, 1822, 0, 0, 1824), 7},
      {8, "Georg", "Müller", 0, LegacyDate('0', 15, 8, 1845), 1},
      {9, "Johanna", "Müller", 1, LegacyDate('F', 0, 0, 1847, 0, 0, 1848), 1},
      {10, "Friedrich", "Müller", 0, LegacyDate('g', 0, 0, 1850), 4},
      {11, "Margaretha", "Müller", 1, LegacyDate('h', 0, 3, 1852), 4},
      {12, "Friedrich", "Bauer", 0, LegacyDate('0', 0, 0, 1819), 6},
      {13, "Anna", "Bauer", 1, LegacyDate('0', 1, 1, 1848), 6},
      {14, "Jakob", "Bauer", 0, "?", 0},
      {15, "Barbara", "Bauer", 1, "", 6},
      {16, "Susanna", "Klein", 1, ":about the time of the great flood", 0},
      {17, "Margarethe", "Wolf", 1, ":CODED-PART-XXXXXX\\born in the old farmhouse", 2},
      {18, "Heinrich", "Müller", 0, LegacyDate('0', 45, 14, 1850), 3},
      {19, "Katharina", "Müller", 1, "0012AB185000000000", 3},
      {20, "Ludwig", "Müller", 0, "0002061855000000x0", 3},
      {21, "Sophie", "Müller", 1, LegacyDate('0', 5, 6, 1858), 3},
      {22, "Louise", "Fischer", 1, LegacyDate('0', 22, 2, 1849), 5},
      {23, "Wilhelm", "Müller", 0, LegacyDate('0', 9, 9, 1870), 4},
      {24, "Emma", "Müller", 1, LegacyDate('0', 1, 12, 1872), 4},
      {25, "Otto", "Müller", 0, LegacyDate('0', 0, 0, 1875), 4},
      {26, "Hans", "Müller", 0, LegacyDate('0', 17, 3, 1878), 4},
      {27, "Clara", "Braun", 1, LegacyDate('0', 30, 4, 1852), 4},
      {28, "Paul", "Müller", 0, LegacyDate('0', 2, 2, 1880), 4},
      {29, "Rosa", "Müller", 1, LegacyDate('X', 3, 3, 1882), 4},
      {30, "Julius", "Caesar", 0, LegacyDate('0', 13, 7, 100, 0, 0, 0, '1'), 0},
      {31, "Ernst", "Lehmann", 0, LegacyDate('0', 0, 0, 1846), 5},
      {32, "Helene", "Lehmann", 1, LegacyDate('0', 0, 0, 1875), 4},
      {33, "Theodor", "Weber", 0, "c", 0},
      {34, "Anton", "Weber", 0, "a", 0},
      {35, "Christine", "Weber", 1, "z", 0},
      {36, "Martha", "Schulz", 1, "00123456789012345", 5},
      {37, "Richard", "Schulz", 0, LegacyDate('0', 1, 1, 1900), 5},
      {38, "Gertrud", "Schulz", 1, LegacyDate('0', 31, 12, 1999), 5},
      {39, "Max", "Schulz", 0, LegacyDate('0', 1, 5, 2001), 5},
      {45, "Ida", "Müller", 1, LegacyDate('1', 0, 0, 1884), 4},
  };
  for (const P& p : people) {
    std::vector<std::pair<std::string, V>> row = {
        {"IDIR", N(p.id)},
        {"GivenName", S(p.given)},
        {"SurName", S(p.surname)},
        {"Gender", N(p.sex)},
        {"BirthD", V(p.birth)},
        {"IDLRBirth", N(p.birth_place)},
        {"Living", N(1)},
        {"Added", N(20080601 + p.id)},
        {"Updated", N(p.id % 2 ? 20091224 : 0)},
        {"UserRef", V("U-" + std::to_string(p.id))},
        {"Tagged", N(p.id % 3 == 0)},
        {"LastViewed", V(JetWriter::JetDay(2009, 1, 1 + p.id % 28))},
    };
    ir.Row(row);
  }
  // Every further field in one place per person.
  auto set = [&](int id, const char* column, V value) {
    for (auto& row : ir.rows)
      if (std::get<int64_t>(row[0]) == id) row[ir.ColumnIndex(column)] = value;
  };
  set(1, "Prefix", S("Dr."));
  set(1, "Title", S("Sr."));
  set(1, "DeathD", V(LegacyDate('0', 1, 2, 1870)));
  set(1, "IDLRDeath", N(1));
  set(1, "ChrisD", V(LegacyDate('0', 14, 4, 1795)));
  set(1, "IDLRChris", N(1));
  set(1, "BuriedD", V(LegacyDate('0', 5, 2, 1870)));
  set(1, "IDLRBuried", N(1));
  set(1, "AncestralRef", S("AFN-1X2Y"));
  set(1, "Notes", S("Farmer and mayor.\r\n\r\nServed two terms.\r\nLast line with a line feed\nonly."));
  set(1, "References", S("See the church book."));
  set(1, "Medical", S("Gout."));
  set(1, "BirthNote", S("Born at home."));
  set(1, "DeathNote", S("Died of a fever.\r\n"));
  set(1, "ChrisNote", S("Godfather: Georg Schmidt."));
  set(1, "BuriedNote", S("Old cemetery."));
  set(1, "Living", N(1));
  set(2, "DeathD", V(LegacyDate('3', 0, 0, 1880)));
  set(2, "BuriedD", V("b"));
  set(3, "DeathD", V(LegacyDate('0', 7, 7, 1890)));
  set(3, "IDLRDeath", N(4));
  set(3, "IDMRPref", N(0));
  set(4, "DeathD", V("LATER THAN 17"));
  // LDS ordinances: baptism in a temple, baptism outside one (a place), endowment, temple 1 alone.
  set(6, "BaptismD", V(LegacyDate('0', 1, 6, 1900)));
  set(6, "IDTRBaptism", N(2));
  set(6, "BaptismKind", N(1));
  set(6, "EndowD", V(LegacyDate('0', 2, 6, 1900)));
  set(6, "IDTREndow", N(3));
  set(6, "Living", N(0));
  set(3, "BaptismD", V("j"));
  set(3, "IDTRBaptism", N(4));
  set(3, "BaptismKind", N(0));
  set(8, "IDTRBaptism", N(1));
  set(8, "IDTREndow", N(4));
  set(8, "Updated", N(2009122));
  set(5, "IDMRPref", N(5));
  set(26, "IDMRParents", N(7));
  set(38, "Living", N(0));
  set(39, "Living", N(0));
  set(10, "Added", N(20081345));
  set(10, "DeathD", V(LegacyDate('0', 12, 3, 1920)));
  set(10, "IDLRDeath", N(4));

  // Rows the reader skips: an identifier of 0 and a deleted person.
  ir.Row({{"IDIR", N(0)}, {"GivenName", S("Nobody")}, {"SurName", S("Zero")}});
  ir.Row(
      std::vector<std::pair<std::string, V>>{
          {"IDIR", N(40)}, {"GivenName", S("Deleted")}, {"SurName", S("Person")}},
      true);

  // Families: identifier, husband, wife, marriage date and place.
  struct F {
    int id, husband, wife;
    std::string date;
    int place;
  };
  const F families[] = {
      {1, 1, 2, LegacyDate('1', 0, 0, 1820), 1},    {2, 3, 7, LegacyDate('0', 20, 5, 1844), 7},
      {3, 12, 4, LegacyDate('0', 0, 6, 1846), 6},   {4, 5, 16, "", 0},
      {5, 5, 17, LegacyDate('4', 0, 0, 1856), 3},   {6, 8, 22, LegacyDate('0', 11, 11, 1869), 4},
      {7, 31, 27, LegacyDate('0', 1, 8, 1874), 4},  {8, 26, 0, "u", 0},
      {9, 37, 36, LegacyDate('0', 1, 6, 1925), 5},  {10, 0, 38, "", 0},
      {12, 99, 32, LegacyDate('0', 0, 0, 1899), 4},
  };
  for (const F& f : families)
    mr.Row({{"IDMR", N(f.id)},
            {"IDIRHusb", N(f.husband)},
            {"IDIRWife", N(f.wife)},
            {"MarD", V(f.date)},
            {"IDLRMar", N(f.place)}});
  mr.Row({{"IDMR", N(0)}, {"IDIRHusb", N(1)}, {"IDIRWife", N(2)}});
  for (auto& row : mr.rows) {
    if (std::get<int64_t>(row[0]) == 2) {
      row[mr.ColumnIndex("Notes")] = S("Married in the village church.\r\nTwo witnesses.");
      row[mr.ColumnIndex("SealD")] = V(LegacyDate('0', 3, 3, 1901));
      row[mr.ColumnIndex("IDTRSeal")] = N(2);
    }
    if (std::get<int64_t>(row[0]) == 6) row[mr.ColumnIndex("IDTRSeal")] = N(1);
    if (std::get<int64_t>(row[0]) == 7) row[mr.ColumnIndex("IDTRSeal")] = N(5);
  }

  // Children: family, child, order (not in the order of the rows), sealing to parents.
  struct K {
    int id, family, child, order;
  };
  const K children[] = {
      {1, 1, 3, 1},    {2, 1, 5, 3},    {3, 1, 4, 2},   {4, 1, 6, 4},   {5, 2, 8, 1},   {6, 2, 9, 2},
      {7, 2, 10, 3},   {8, 2, 11, 4},   {9, 3, 13, 1},  {10, 3, 14, 2}, {11, 3, 15, 3}, {12, 4, 18, 1},
      {13, 4, 19, 2},  {14, 5, 20, 1},  {15, 5, 21, 2}, {16, 6, 23, 1}, {17, 6, 24, 2}, {18, 6, 25, 3},
      {19, 6, 26, 4},  {20, 7, 26, 1},  {21, 7, 32, 2}, {22, 8, 28, 1}, {23, 8, 29, 2}, {24, 9, 39, 1},
      {25, 10, 45, 1}, {26, 99, 33, 1}, {27, 7, 88, 3},
  };
  for (const K& k : children)
    cr.Row({{"IDCR", N(k.id)}, {"IDMR", N(k.family)}, {"IDIR", N(k.child)}, {"Order", N(k.order)}});
  cr.Row({{"IDCR", N(0)}, {"IDMR", N(1)}, {"IDIR", N(34)}, {"Order", N(9)}});
  for (auto& row : cr.rows) {
    if (std::get<int64_t>(row[0]) == 5) {
      row[cr.ColumnIndex("ParSealD")] = V(LegacyDate('0', 4, 4, 1902));
      row[cr.ColumnIndex("IDTRParSeal")] = N(3);
    }
    if (std::get<int64_t>(row[0]) == 9) row[cr.ColumnIndex("IDTRParSeal")] = N(1);
  }

  // Events: several per person, stored out of order; a family event (type 1) is not the
  // person's; one row has identifier 0.
  er.Row({{"IDER", N(1)},
          {"IDIR", N(1)},
          {"IDType", N(0)},
          {"Order", N(2)},
          {"IDET", N(2)},
          {"EventD", V(LegacyDate('0', 0, 0, 1830))},
          {"IDLREvent", N(2)},
          {"Desc", S("Moved to the city.")},
          {"Description", S("Townhouse")}});
  er.Row({{"IDER", N(2)},
          {"IDIR", N(1)},
          {"IDType", N(0)},
          {"Order", N(1)},
          {"IDET", N(1)},
          {"EventD", V(LegacyDate('1', 0, 0, 1820))},
          {"Description", S("Farmer")}});
  er.Row({{"IDER", N(3)},
          {"IDIR", N(3)},
          {"IDType", N(0)},
          {"Order", N(1)},
          {"IDET", N(3)},
          {"EventD", V(LegacyDate('0', 10, 9, 1852))},
          {"IDLREvent", N(4)},
          {"Description", S("Arrived at Castle Garden")},
          {"Desc", S("Sailed from Bremen.\r\n\r\nAll in good health.")}});
  er.Row({{"IDER", N(4)},
          {"IDIR", N(1)},
          {"IDType", N(1)},
          {"Order", N(3)},
          {"IDET", N(4)},
          {"EventD", V(LegacyDate('0', 0, 0, 1840))},
          {"Description", S("Family census")}});
  er.Row({{"IDER", N(5)},
          {"IDIR", N(8)},
          {"IDType", N(0)},
          {"Order", N(1)},
          {"IDET", N(5)},
          {"EventD", V("?")},
          {"Description", S("Infantry")}});
  er.Row({{"IDER", N(6)},
          {"IDIR", N(1)},
          {"IDType", N(0)},
          {"Order", N(3)},
          {"IDET", N(9)},
          {"EventD", V(":in his old age")}});
  er.Row({{"IDER", N(0)},
          {"IDIR", N(1)},
          {"IDType", N(0)},
          {"Order", N(0)},
          {"IDET", N(1)},
          {"Description", S("Skipped event")}});

  // Citations of every owner type.
  struct X {
    int id, source, owner, type;
    const char* detail;
  };
  const X citations[] = {
      {1, 1, 1, 0, "Page 12"},
      {2, 1, 1, 1, "Page 12, entry 3"},
      {3, 1, 1, 2, "Baptism entry 44"},
      {4, 2, 1, 4, ""},
      {5, 1, 1, 3, "Entry 45"},
      {6, 1, 1, 5, "Burial register"},
      {7, 2, 3, 30, "Line 17"},
      {8, 1, 6, 15, "Temple record"},
      {9, 1, 6, 16, ""},
      {10, 1, 8, 17, "Sealing record"},
      {11, 2, 2, 18, "Not the family's"},
      {12, 1, 2, 18, "Sealing of spouses"},
      {13, 1, 2, 20, "Marriage banns"},
      {14, 5, 1, 0, "Second source of the person"},
      {15, 1, 2, 0, "Her page"},
      {16, 2, 1, 30, "Occupation in the census"},
  };
  for (const X& x : citations)
    sx.Row({{"IDSX", N(x.id)},
            {"IDSR", N(x.source)},
            {"IDIME", N(x.owner)},
            {"Type", N(x.type)},
            {"SrcDetail", S(x.detail)}});
  sx.Row({{"IDSX", N(0)}, {"IDSR", N(1)}, {"IDIME", N(1)}, {"Type", N(0)}, {"SrcDetail", S("Skipped")}});

  // Pictures: the folder and a file that does not exist here.
  bp.Row({{"IDBP", N(1)}, {"PicPath", S("C:\\Legacy\\Pictures\\")}});
  br.Row({{"IDBR", N(1)},
          {"IDIR", N(1)},
          {"IDType", N(0)},
          {"PicPref", N(1)},
          {"PicOrder", N(1)},
          {"PicName", S("johann.jpg")},
          {"IDBPPic", N(1)}});
}

std::unique_ptr<TMemDatabase> MemFromJet(const JetWriter& writer) {
  auto db = std::make_unique<TMemDatabase>();
  for (const JetWriter::Table& t : writer.Tables()) {
    std::vector<std::string> names;
    for (const auto& c : t.columns) names.push_back(c.name);
    TMemDatabase::Table& mt = db->AddTable(t.name, names);
    for (size_t r = 0; r < t.rows.size(); ++r) {
      if (t.deleted[r]) continue;
      std::vector<TMemValue> row(t.columns.size());
      for (size_t c = 0; c < t.columns.size(); ++c) {
        const V& v = t.rows[r][c];
        const JetWriter::Type type = t.columns[c].type;
        if (const auto* n = std::get_if<int64_t>(&v)) {
          const int64_t number = type == JetWriter::kBoolean ? (*n ? -1 : 0) : *n;
          row[c].emplace<int64_t>(number);
        } else if (const auto* d = std::get_if<double>(&v)) {
          // Days since 30 December 1899, as yyyymmdd.
          long z = static_cast<long>(*d) + 693901;  // days from 1 March of year 0
          long era = z / 146097, doe = z - era * 146097;
          long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
          long doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
          long day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
          long year = yoe + era * 400 + (month <= 2);
          row[c] = TMemValue(int64_t{year * 10000 + month * 100 + day});
        } else if (const auto* s = std::get_if<std::string>(&v)) {
          row[c] = TMemValue(Utf8ToAnsi(*s));
        } else if (type == JetWriter::kBoolean) {
          row[c] = TMemValue(int64_t{0});
        }
      }
      mt.rows.push_back(std::move(row));
    }
  }
  return db;
}
