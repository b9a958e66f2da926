#include "support/TMG5Writer.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "support/DBFWriter.h"

namespace {

using Cell = DBFWriter::Cell;

std::string Number(int value) { return std::to_string(value); }

std::string Flag(bool value) { return value ? "T" : "F"; }

Cell Memo(const std::string& text) {
  if (text == TMGWriter::kEmptyMemo) return Cell::Block(1);
  return Cell(text);
}

// The parts of a memo split at "$!&", empty ones kept.
std::vector<std::string> Parts(const std::string& memo) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t at = memo.find("$!&", start);
    parts.push_back(memo.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + 3;
  }
}

// A dictionary with its part value rows, built from memos.
struct Dictionary {
  std::map<std::string, int> uids;
  std::vector<TMG5Writer::DictionaryEntry> entries;
  std::vector<TMG5Writer::PartValue> values;

  void Add(int owner, int type, const std::string& text) {
    auto [it, fresh] = uids.emplace(text, static_cast<int>(uids.size()) + 1);
    if (fresh) entries.push_back({it->second, text});
    values.push_back({owner, it->second, type});
  }
};

DBFWriter Table() {
  DBFWriter w(0x30);  // Visual FoxPro
  w.HeaderPadding(263);
  return w;
}

DBFWriter DictionaryTable(std::vector<TMG5Writer::DictionaryEntry> entries,
                          const std::vector<TMG5Writer::DictionaryEntry>& extra, bool reversed) {
  entries.insert(entries.end(), extra.begin(), extra.end());
  if (reversed)
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.uid > b.uid; });
  DBFWriter w = Table();
  w.Field("UID", 'I', 4).Field("VALUE", 'M', 4).Field("SORTVALUE", 'C', 20);
  for (const auto& e : entries) w.Row({Number(e.uid), Memo(e.value), e.value.substr(0, 20)});
  return w;
}

DBFWriter ValueTable(std::vector<TMG5Writer::PartValue> values,
                     const std::vector<TMG5Writer::PartValue>& extra) {
  values.insert(values.end(), extra.begin(), extra.end());
  DBFWriter w = Table();
  w.Field("RECNO", 'I', 4).Field("UID", 'I', 4).Field("TYPE", 'I', 4).Field("DSID", 'I', 4);
  for (const auto& v : values) w.Row({Number(v.owner), Number(v.uid), Number(v.type), "1"});
  return w;
}

}  // namespace

const std::vector<std::string>& TMG5Writer::TableLetters() {
  static const std::vector<std::string> letters = {"$",  "N",   "ND", "NPV", "F", "G", "S", "M", "P",
                                                   "PD", "PPV", "E",  "T",   "A", "U", "R", "W"};
  return letters;
}

std::string TMG5Writer::TablePath(const std::string& dir, const std::string& project_name,
                                  const std::string& letter, const std::string& extension) const {
  std::string base = project_name.substr(0, project_name.rfind('.'));
  if (!base.empty()) base.pop_back();
  std::string name = base + letter + extension;
  if (project.upper_case_files)
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return dir + "/" + name;
}

std::string TMG5Writer::Write(const std::string& dir, const std::string& project_name,
                              const std::vector<std::string>& skip) const {
  const TMGWriter& p = project;
  std::string file_name = project_name;
  if (p.upper_case_files)
    for (char& c : file_name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string project_path = dir + "/" + file_name;
  std::ofstream(project_path, std::ios::binary) << "[Project]\r\nVersion=5\r\n";

  auto write = [&](const std::string& letter, DBFWriter& w) {
    if (std::find(skip.begin(), skip.end(), letter) != skip.end()) return;
    w.PadWithNul(p.pad_with_nul);
    w.FreeBlocksBetweenMemos(p.free_memo_blocks);
    w.Write(TablePath(dir, project_name, letter, ".dbf"),
            w.HasMemoFields() ? TablePath(dir, project_name, letter, ".fpt") : std::string());
  };

  // A dictionary and its part value table.
  auto write_parts = [&](const std::string& dictionary_letter, const std::string& values_letter,
                         const Dictionary& parts, const std::vector<DictionaryEntry>& extra_parts,
                         const std::vector<PartValue>& extra_values) {
    DBFWriter dictionary = DictionaryTable(parts.entries, extra_parts, dictionaries_reversed);
    write(dictionary_letter, dictionary);
    DBFWriter values = ValueTable(parts.values, extra_values);
    write(values_letter, values);
  };

  {
    DBFWriter w = Table();
    w.Field("PER_NO", 'I', 4).Field("FATHER", 'I', 4).Field("MOTHER", 'I', 4).Field("LAST_EDIT", 'D', 8);
    w.Field("REFERENCE", 'C', 12).Field("SEX", 'C', 1).Field("LIVING", 'C', 1).Field("PBIRTH", 'C', 30);
    w.Field("PDEATH", 'C', 30).Field("SCBUFF", 'C', 10).Field("DSID", 'I', 4).Field("REF_ID", 'I', 4);
    for (const TMGWriter::Person& x : p.people) {
      DataSetId id{1, x.id};
      if (auto it = data_sets.find(x.id); it != data_sets.end()) id = it->second;
      w.Row({Number(x.id), Number(x.father), Number(x.mother), x.last_edit, x.reference, x.sex, x.living,
             x.birth.empty() ? TMGWriter::NoDate() : x.birth, x.death.empty() ? TMGWriter::NoDate() : x.death,
             "", Number(id.data_set), Number(id.ref_id)},
            x.deleted);
    }
    write("$", w);
  }
  {
    Dictionary names;
    DBFWriter w = Table();
    w.Field("NPER", 'I', 4).Field("RECNO", 'I', 4).Field("ALTYPE", 'I', 4).Field("PRIMARY", 'L', 1);
    w.Field("NDATE", 'C', 30).Field("NNOTE", 'M', 4).Field("SENTENCE", 'M', 4).Field("SRNAMESORT", 'C', 30);
    w.Field("DSID", 'I', 4);
    for (const TMGWriter::Name& n : p.names) {
      w.Row({Number(n.person), Number(n.recno), Number(n.type), Flag(n.primary),
             n.date.empty() ? TMGWriter::NoDate() : n.date, Memo(n.note), Memo(n.sentence), "", "1"});
      const bool alternate = std::find(alternate_part_types.begin(), alternate_part_types.end(), n.recno) !=
                             alternate_part_types.end();
      // Surname, prefix, given names, suffix.
      const int types[] = {alternate ? 8 : 5, 1, alternate ? 9 : 3, 6};
      const std::vector<std::string> parts = Parts(n.memo);
      for (size_t i = 0; i < parts.size() && i < 4; ++i)
        if (!parts[i].empty()) names.Add(n.recno, types[i], parts[i]);
    }
    write("N", w);
    write_parts("ND", "NPV", names, extra_name_parts, extra_name_values);
  }
  {
    DBFWriter w = Table();
    w.Field("CHILD", 'I', 4).Field("PARENT", 'I', 4).Field("PTYPE", 'I', 4).Field("PRIMARY", 'L', 1);
    w.Field("FNOTE", 'M', 4);
    for (const TMGWriter::Relationship& r : p.relationships)
      w.Row({Number(r.child), Number(r.parent), Number(r.type), "F", ""});
    write("F", w);
  }
  {
    DBFWriter w = Table();
    w.Field("ETYPE", 'I', 4).Field("PER1", 'I', 4).Field("PER2", 'I', 4).Field("EDATE", 'C', 30);
    w.Field("SRTDATE", 'C', 30).Field("RECNO", 'I', 4).Field("PLACENUM", 'I', 4).Field("EFOOT", 'M', 4);
    w.Field("SENTENCE", 'M', 4).Field("DSID", 'I', 4);
    for (const TMGWriter::Event& e : p.events) {
      const std::string date = e.date.empty() ? TMGWriter::NoDate() : e.date;
      w.Row({Number(e.type), Number(e.per1), Number(e.per2), date, e.sort_date.empty() ? date : e.sort_date,
             Number(e.recno), Number(e.place), Memo(e.memo), "", "1"},
            e.deleted);
    }
    write("G", w);
  }
  {
    DBFWriter w = Table();
    w.Field("STYPE", 'C', 1).Field("REFREC", 'I', 4).Field("MAJSOURCE", 'I', 4).Field("SUBSOURCE", 'M', 4);
    for (const TMGWriter::Citation& c : p.citations)
      w.Row({std::string(1, c.kind), Number(c.refrec), Number(c.source), Memo(c.memo)});
    write("S", w);
  }
  {
    DBFWriter w = Table();
    w.Field("MAJNUM", 'I', 4).Field("TYPE", 'I', 4).Field("INFO", 'M', 4).Field("FFORM", 'M', 4);
    w.Field("TITLE", 'M', 4).Field("TEXT", 'M', 4).Field("ABBREV", 'C', 50);
    for (const TMGWriter::Source& s : p.sources)
      w.Row({Number(s.id), Number(s.type), Memo(s.info), Memo(s.footnote), Memo(s.title), Memo(s.text),
             s.abbreviation});
    write("M", w);
  }
  {
    Dictionary places;
    DBFWriter w = Table();
    w.Field("RECNO", 'I', 4).Field("SHORTPLACE", 'C', 20).Field("DSID", 'I', 4);
    for (const TMGWriter::Place& x : p.places) {
      w.Row({Number(x.id), "", "1"});
      const std::vector<std::string> parts = Parts(x.memo);
      for (size_t k = 1; k <= parts.size(); ++k)
        if (!parts[k - 1].empty()) places.Add(x.id, static_cast<int>(k), parts[k - 1]);
    }
    write("P", w);
    write_parts("PD", "PPV", places, extra_place_parts, extra_place_values);
  }
  {
    DBFWriter w = Table();
    w.Field("EPER", 'I', 4).Field("GNUM", 'I', 4).Field("PRIMARY", 'L', 1).Field("WSENTENCE", 'M', 4);
    w.Field("ROLE", 'I', 4);
    for (const TMGWriter::Witness& x : p.witnesses)
      w.Row({Number(x.person), Number(x.event), Flag(x.primary), Memo(x.sentence), "0"});
    write("E", w);
  }
  {
    DBFWriter w = Table();
    w.Field("ETYPENUM", 'I', 4).Field("ETYPENAME", 'C', 30).Field("ADMIN", 'I', 4).Field("TSENTENCE", 'M', 4);
    for (const TMGWriter::TagType& t : p.tag_types)
      w.Row({Number(t.id), t.name, Number(t.group), Memo(t.sentence)});
    write("T", w);
  }
  {
    DBFWriter w = Table();
    w.Field("SOURTYPE", 'I', 4).Field("FOOT", 'M', 4).Field("SHORT", 'M', 4);
    for (const TMGWriter::SourceType& t : p.source_types) w.Row({Number(t.type), Memo(t.footnote), ""});
    write("A", w);
  }
  {
    DBFWriter w = Table();
    w.Field("ELEMENT", 'C', 30).Field("GROUPNUM", 'I', 4);
    for (const TMGWriter::Element& e : p.elements) w.Row({e.name, Number(e.group)});
    write("U", w);
  }
  {
    DBFWriter w = Table();
    w.Field("MNUMBER", 'I', 4).Field("RNUMBER", 'I', 4).Field("REFERENCE", 'M', 4);
    write("R", w);
  }
  {
    DBFWriter w = Table();
    w.Field("ID", 'I', 4).Field("NAME", 'C', 30);
    write("W", w);
  }
  return project_path;
}
