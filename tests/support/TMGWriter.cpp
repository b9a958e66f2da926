#include "support/TMGWriter.h"

#include <cctype>
#include <cstdio>
#include <fstream>

#include "support/DBFWriter.h"
#include "support/TMGCells.h"

const char* const TMGWriter::kEmptyMemo = "\x01<empty memo>";

namespace {

using tmg_cells::Flag;
using tmg_cells::Memo;
using tmg_cells::Number;

}  // namespace

std::string TMGWriter::Date(int year, int month, int day, char qualifier, int year2, int month2, int day2) {
  char text[40];
  std::snprintf(text, sizeof text, "1%04d%02d%02d0%c%04d%02d%02d00000000000", year, month, day, qualifier,
                year2, month2, day2);
  return std::string(text, 30);
}

std::string TMGWriter::TextDate(const std::string& text) {
  std::string date = "0" + text;
  date.resize(30, ' ');
  return date;
}

std::string TMGWriter::NoDate() { return Date(0); }

std::string TMGWriter::NameMemo(const std::string& surname, const std::string& given,
                                const std::string& prefix, const std::string& suffix) {
  return surname + "$!&" + prefix + "$!&" + given + "$!&" + suffix;
}

TMGWriter::Name& TMGWriter::AddName(int recno, int person, const std::string& memo, int type, bool primary) {
  Name n;
  n.recno = recno;
  n.person = person;
  n.memo = memo;
  n.type = type;
  n.primary = primary;
  names.push_back(n);
  return names.back();
}

TMGWriter::Event& TMGWriter::AddEvent(int recno, int type, int per1, int per2, const std::string& date,
                                      int place, const std::string& memo) {
  Event e;
  e.recno = recno;
  e.type = type;
  e.per1 = per1;
  e.per2 = per2;
  e.date = date;
  e.place = place;
  e.memo = memo;
  events.push_back(e);
  return events.back();
}

void TMGWriter::AddWitness(int person, int event, bool primary, const std::string& sentence) {
  Witness x;
  x.person = person;
  x.event = event;
  x.primary = primary;
  x.sentence = sentence;
  witnesses.push_back(x);
}

void TMGWriter::AddCitation(char kind, int refrec, int source, const std::string& memo) {
  Citation c;
  c.kind = kind;
  c.refrec = refrec;
  c.source = source;
  c.memo = memo;
  citations.push_back(c);
}

void TMGWriter::AddSource(int id, int type, const std::string& info, const std::string& footnote,
                          const std::string& title) {
  Source s;
  s.id = id;
  s.type = type;
  s.info = info;
  s.footnote = footnote;
  s.title = title;
  sources.push_back(s);
}

void TMGWriter::AddPlace(int id, const std::string& memo) {
  Place p;
  p.id = id;
  p.memo = memo;
  places.push_back(p);
}

void TMGWriter::AddTagType(int id, const std::string& name, int group, const std::string& sentence) {
  TagType t;
  t.id = id;
  t.name = name;
  t.group = group;
  t.sentence = sentence;
  tag_types.push_back(t);
}

void TMGWriter::AddStandardTypes() {
  const TagType types[] = {
      {kBirth, "Birth", 4, "[P] was born <[D]> <[L]>"},
      {kDeath, "Death", 5, "[P] died <[D]> <[L]> <at age [A]>"},
      {kMarriage, "Marriage", 6, "[P] married [PO] <[D]> <[L]>|[P] and [PO] were married <[D]> <[L]>"},
      {kBurial, "Burial", 9, "[P] was buried <[D]> <[L]>"},
      {kBirthIllegitimate, "Birth-Illeg", 4, "[P] was born <[D]> <[L]>"},
      {kLDSBaptism, "LDS Baptism", 99, "[P] was baptized (LDS) <[D]> <[L]>"},
      {kChristening, "Christening", 4, "[P] was christened <[D]> <[L]>"},
      {kEngagement, "Engagement", 6, "[P] was engaged to [PO] <[D]> <[L]>"},
      {kEndowment, "Endowment", 99, "[P] was endowed <[D]> <[L]>"},
      {kMarriageContract, "Marr Contract", 6, "[P] and [PO] signed a marriage contract <[D]> <[L]>"},
      {kDivorce, "Divorce", 7, "[P] and [PO] were divorced <[D]> <[L]>"},
      {kMarriageBanns, "Marr Banns", 6, "Marriage banns of [P] and [PO] were published <[D]> <[L]>"},
      {kMarriageLicense, "Marr Lic", 6, "[P] and [PO] obtained a marriage license <[D]> <[L]>"},
      {kSealChild, "SealChild", 99, "[P] was sealed to [PAR] <[D]> <[L]>"},
      {kSealSpouse, "SealSpouse", 99, "[P] was sealed to [PO] <[D]> <[L]>"},
      {kNameVariation, "Name-Var", 1, "[P] was also known as [N] <[D]>"},
      {kNameMarried, "Name-Marr", 1, "[P] took the name [N] <[D]>"},
      {kOccupation, "Occupation", 7, "[P] was a [M1] <[M2]> <[D]> <[L]>"},
      {kResidence, "Residence", 7, "[P] lived <[L]> <[D]>"},
      {kCensus, "Census", 7, "[P] appeared in the census <[D]> <[L]>"},
      {kFatherBiological, "Father-Biological", 2, ""},
      {kFatherAdopted, "Father-Adopted", 2, ""},
      {kFatherStep, "Father-Step", 2, ""},
      {kFather, "Father", 2, ""},
      {kMotherBiological, "Mother-Biological", 3, ""},
      {kMotherAdopted, "Mother-Adopted", 3, ""},
      {kMotherStep, "Mother-Step", 3, ""},
      {kParentFoster, "Parent-Foster", 12, ""},
  };
  for (const TagType& t : types) tag_types.push_back(t);
  const Element standard[] = {{"[AUTHOR]", 6},     {"[TITLE]", 1},  {"[SHORT TITLE]", 2}, {"[PAGE]", 3},
                              {"[PUBLISHER]", 15}, {"[DATE]", 4},   {"[SUBJECT]", 5},     {"[FILM]", 7},
                              {"[COMPILER]", 8},   {"[EDITOR]", 9}, {"[REPOSITORY]", 10}, {"[CD]", 11}};
  for (const Element& e : standard) elements.push_back(e);
}

std::string TMGWriter::TablePath(const std::string& dir, const std::string& project,
                                 const std::string& letter, const std::string& extension) const {
  std::string base = project.substr(0, project.rfind('.'));
  base = base.substr(0, 7);
  std::string name = base + letter + extension;
  if (upper_case_files)
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return dir + "/" + name;
}

std::string TMGWriter::Write(const std::string& dir, const std::string& project,
                             const std::string& skip) const {
  std::string project_name = project;
  if (upper_case_files)
    for (char& c : project_name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string project_path = dir + "/" + project_name;
  std::ofstream(project_path, std::ios::binary) << version_line << project_rest;

  auto table = [&](uint8_t version = 0xF5) {
    DBFWriter w(version);
    w.PadWithNul(pad_with_nul);
    w.FreeBlocksBetweenMemos(free_memo_blocks);
    return w;
  };
  auto write = [&](const std::string& letter, const DBFWriter& w, bool memo) {
    if (skip.find(letter) != std::string::npos) return;
    w.Write(TablePath(dir, project, letter, ".dbf"),
            memo ? TablePath(dir, project, letter, ".fpt") : std::string());
  };

  {
    DBFWriter w = table();
    w.Field("PER_NO", 'N', 10).Field("FATHER", 'N', 10).Field("MOTHER", 'N', 10).Field("LAST_EDIT", 'D', 8);
    w.Field("REFERENCE", 'C', 12).Field("SEX", 'C', 1).Field("LIVING", 'C', 1).Field("PBIRTH", 'C', 30);
    w.Field("PDEATH", 'C', 30).Field("SCBUFF", 'C', 10);
    for (const Person& p : people)
      w.Row({Number(p.id), Number(p.father), Number(p.mother), p.last_edit, p.reference, p.sex, p.living,
             p.birth.empty() ? NoDate() : p.birth, p.death.empty() ? NoDate() : p.death, ""},
            p.deleted);
    write("$", w, false);
  }
  {
    DBFWriter w = table();
    w.Field("NPER", 'N', 10).Field("RECNO", 'N', 10).Field("ALTYPE", 'N', 10).Field("PRIMARY", 'L', 1);
    w.Field("NDATE", 'C', 30).Field("NAME", 'M', 10).Field("NNOTE", 'M', 10).Field("SENTENCE", 'M', 10);
    w.Field("SRNAMESORT", 'C', 30);
    for (const Name& n : names)
      w.Row({Number(n.person), Number(n.recno), Number(n.type), Flag(n.primary),
             n.date.empty() ? NoDate() : n.date, Memo(n.memo), Memo(n.note), Memo(n.sentence), ""});
    write("N", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("CHILD", 'N', 10).Field("PARENT", 'N', 10).Field("PTYPE", 'N', 10).Field("PRIMARY", 'L', 1);
    w.Field("FNOTE", 'M', 10);
    for (const Relationship& r : relationships)
      w.Row({Number(r.child), Number(r.parent), Number(r.type), "F", ""});
    write("F", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("ETYPE", 'N', 10).Field("PER1", 'N', 10).Field("PER2", 'N', 10).Field("EDATE", 'C', 30);
    w.Field("SRTDATE", 'C', 30).Field("RECNO", 'N', 10).Field("PLACENUM", 'N', 10).Field("EFOOT", 'M', 10);
    w.Field("SENTENCE", 'M', 10);
    for (const Event& e : events) {
      const std::string date = e.date.empty() ? NoDate() : e.date;
      w.Row({Number(e.type), Number(e.per1), Number(e.per2), date, e.sort_date.empty() ? date : e.sort_date,
             Number(e.recno), Number(e.place), Memo(e.memo), ""},
            e.deleted);
    }
    write("G", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("STYPE", 'C', 1).Field("REFREC", 'N', 10).Field("MAJSOURCE", 'N', 10).Field("SUBSOURCE", 'M', 10);
    for (const Citation& c : citations)
      w.Row({std::string(1, c.kind), Number(c.refrec), Number(c.source), Memo(c.memo)});
    write("S", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("MAJNUM", 'N', 10).Field("TYPE", 'N', 10).Field("INFO", 'M', 10).Field("FFORM", 'M', 10);
    w.Field("TITLE", 'M', 10).Field("TEXT", 'M', 10).Field("ABBREV", 'C', 50);
    for (const Source& s : sources)
      w.Row({Number(s.id), Number(s.type), Memo(s.info), Memo(s.footnote), Memo(s.title), Memo(s.text),
             s.abbreviation});
    write("M", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("RECNO", 'N', 10).Field("PLACE", 'M', 10).Field("SHORTPLACE", 'C', 20);
    for (const Place& p : places) w.Row({Number(p.id), Memo(p.memo), ""});
    write("P", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("EPER", 'N', 10).Field("GNUM", 'N', 10).Field("PRIMARY", 'L', 1).Field("WSENTENCE", 'M', 10);
    w.Field("ROLE", 'N', 5);
    for (const Witness& x : witnesses)
      w.Row({Number(x.person), Number(x.event), Flag(x.primary), Memo(x.sentence), "0"});
    write("E", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("ETYPENUM", 'N', 10)
        .Field("ETYPENAME", 'C', 30)
        .Field("ADMIN", 'N', 5)
        .Field("TSENTENCE", 'M', 10);
    for (const TagType& t : tag_types) w.Row({Number(t.id), t.name, Number(t.group), Memo(t.sentence)});
    write("T", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("SOURTYPE", 'N', 10).Field("FOOT", 'M', 10).Field("SHORT", 'M', 10);
    for (const SourceType& t : source_types) w.Row({Number(t.type), Memo(t.footnote), ""});
    write("A", w, true);
  }
  {
    DBFWriter w = table();
    w.Field("ELEMENT", 'C', 30).Field("GROUPNUM", 'N', 5);
    for (const Element& e : elements) w.Row({e.name, Number(e.group)});
    write("U", w, false);
  }
  {
    DBFWriter w = table();
    w.Field("MNUMBER", 'N', 10).Field("RNUMBER", 'N', 10).Field("REFERENCE", 'M', 10);
    write("R", w, true);
  }
  {
    DBFWriter w = table(0x03);
    w.Field("ID", 'N', 10).Field("NAME", 'C', 30);
    write("W", w, false);
  }
  return project_path;
}
