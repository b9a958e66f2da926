#include "support/RM3Writer.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

std::string Num(int value) { return std::to_string(value); }

std::string FileName(const std::string& base, char letter, const char* extension, bool upper) {
  std::string name = base + "_" + letter + extension;
  if (upper)
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

std::string RM3Writer::Date(int year, int month, int day, char qualifier, int year2, int month2, int day2,
                            bool bc) {
  char text[32];
  std::snprintf(text, sizeof text, "D%c%04d%02d%02d%c.%04d%02d%02d..", bc ? '0' : '1', year, month, day,
                qualifier, year2, month2, day2);
  return text;
}

std::string RM3Writer::SortDate(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "1%04d%02d%02d", year, month, day);
  return text;
}

std::string RM3Writer::Parts(const std::vector<std::string>& parts) {
  std::string joined;
  for (size_t i = 0; i < parts.size(); ++i) joined += (i ? "\x0c" : "") + parts[i];
  return joined;
}

std::vector<RM3Writer::FactType> RM3Writer::StandardFactTypes() {
  return {{1, "P", "Birth"},
          {2, "P", "Death"},
          {3, "P", "Christening"},
          {4, "P", "Burial"},
          {10, "P", "Occupation"},
          {11, "P", "Residence"},
          {12, "P", "Education"},
          {20, "P", "Census"},
          {31, "P", "LDS Baptism"},
          {32, "P", "LDS Endowment"},
          {33, "P", "LDS Sealing to parents"},
          {34, "P", "Ancestral File Number"},
          {35, "P", "Reference Number"},
          {300, "F", "Marriage"},
          {301, "F", "Divorce"},
          {309, "F", "LDS Sealing to spouse"}};
}

DBFWriter RM3Writer::Table(char letter) const {
  DBFWriter w(0xF5);  // FoxPro with memo
  switch (letter) {
    case 'A':
      w.Field("ADDRESSID", 'N', 8).Field("ADDRTYPE", 'N', 2).Field("NAME", 'C', 40).Field("ADDRESS", 'M', 10);
      for (const Address& a : addresses) w.Row({Num(a.id), "1", a.name, a.address}, a.deleted);
      break;
    case 'C':
      w.Field("RECID", 'N', 8).Field("CHILDID", 'N', 8).Field("FAMILYID", 'N', 8).Field("RELFATHER", 'N', 2);
      w.Field("CHILDORDER", 'N', 4);
      for (size_t i = 0; i < children.size(); ++i) {
        const Child& c = children[i];
        w.Row({Num(static_cast<int>(i) + 1), Num(c.child), Num(c.family), "0", Num(c.order)}, c.deleted);
      }
      break;
    case 'E':
      w.Field("EVENTID", 'N', 8)
          .Field("OWNERTYPE", 'C', 1)
          .Field("OWNERID", 'N', 8)
          .Field("EVENTTYPE", 'N', 5);
      w.Field("DATE", 'C', 22).Field("SORTDATE", 'C', 12).Field("PLACEID", 'N', 8).Field("PLACETYPE", 'C', 1);
      w.Field("SITEID", 'N', 8).Field("PRIMARY", 'C', 1).Field("STATUS", 'N', 2).Field("DETAILS", 'M', 10);
      w.Field("NOTE", 'M', 10);
      for (const Event& e : events)
        w.Row({Num(e.id), std::string(1, e.owner_type), Num(e.owner), Num(e.type), e.date, e.sort_date,
               Num(e.place), e.place_type, "0", e.primary ? "P" : "", Num(e.status), e.details, e.note},
              e.deleted);
      break;
    case 'F':
      w.Field("FAMILYID", 'N', 8)
          .Field("FATHERID", 'N', 8)
          .Field("MOTHERID", 'N', 8)
          .Field("CHILDID", 'N', 8);
      w.Field("NOTE", 'M', 10);
      for (const Family& f : families) w.Row({Num(f.id), Num(f.father), Num(f.mother), "0", ""}, f.deleted);
      break;
    case 'I':
      w.Field("PERSONID", 'N', 8).Field("SEX", 'C', 1).Field("COLOR", 'N', 2).Field("PREFIX", 'C', 20);
      w.Field("GIVEN", 'C', 40).Field("SURNAME", 'C', 40).Field("SUFFIX", 'C', 20).Field("NICKNAME", 'C', 30);
      w.Field("EDITDATE", 'D', 8).Field("LIVING", 'C', 1).Field("NOTE", 'M', 10);
      for (const Person& p : people)
        w.Row({Num(p.id), p.sex, "0", p.prefix, p.given, p.surname, p.suffix, p.nickname, p.edit_date,
               p.living, p.note},
              p.deleted);
      break;
    case 'L':
      w.Field("LINKID", 'N', 8).Field("LINKTYPE", 'N', 2).Field("SUBTYPE", 'N', 2).Field("ID1", 'N', 8);
      w.Field("ID2", 'N', 8).Field("DETAILS", 'M', 10);
      for (const Link& l : links)
        w.Row({Num(l.id), Num(l.type), Num(l.subtype), Num(l.id1), Num(l.id2), l.details}, l.deleted);
      break;
    case 'M':
      w.Field("MEDIAID", 'N', 8).Field("FILENAME", 'C', 60).Field("CAPTION", 'M', 10);
      break;
    case 'P':
      w.Field("PLACEID", 'N', 8).Field("NAME", 'C', 60).Field("ABBREV", 'C', 20).Field("NOTE", 'M', 10);
      for (const Place& p : places) w.Row({Num(p.id), p.name, "", ""}, p.deleted);
      break;
    case 'R':
      w.Field("TASKID", 'N', 8).Field("NAME", 'C', 40).Field("NOTE", 'M', 10);
      break;
    case 'S':
      w.Field("SOURCEID", 'N', 8).Field("NAME", 'C', 60).Field("TEXT", 'M', 10).Field("DETAILS", 'M', 10);
      for (const Source& s : sources) w.Row({Num(s.id), s.name, s.text, s.details}, s.deleted);
      break;
    case 'T':
      w.Field("FACTTYPEID", 'N', 5).Field("OWNERTYPE", 'C', 1).Field("NAME", 'C', 30).Field("NOTE", 'M', 10);
      for (const FactType& t : fact_types) w.Row({Num(t.id), t.owner_type, t.name, ""});
      break;
    default:
      throw std::invalid_argument("no RootsMagic table " + std::string(1, letter));
  }
  return w;
}

std::string RM3Writer::HeaderBytes() const {
  std::string bytes(22 + 6 * 51 + 40, '\0');
  for (int k = 0; k < 4; ++k) bytes[static_cast<size_t>(k)] = static_cast<char>((version >> (8 * k)) & 0xFF);
  const std::string* texts[] = {&submitter_name, &address1, &address2, &address3, &phone, &email};
  for (size_t i = 0; i < 6; ++i)
    bytes.replace(22 + 51 * i, std::min<size_t>(texts[i]->size(), 50), *texts[i]);
  return bytes;
}

std::string RM3Writer::Write(const std::string& directory, const std::string& base,
                             const Options& options) const {
  std::string rmg = directory + "/" + base + (options.upper_case_names ? ".RMG" : ".rmg");
  std::ofstream(rmg, std::ios::binary) << HeaderBytes();
  for (char letter : std::string("ACEFILMPRST")) {
    if (options.missing_tables.count(letter)) continue;
    DBFWriter table = Table(letter);
    table.MemoBlockSize(options.memo_block_size);
    const bool memo = table.HasMemoFields() && !options.missing_memos.count(letter);
    table.Write(
        directory + "/" + FileName(base, letter, ".dbf", options.upper_case_names),
        memo ? directory + "/" + FileName(base, letter, ".fpt", options.upper_case_names) : std::string());
  }
  return rmg;
}
