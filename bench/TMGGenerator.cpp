#include "TMGGenerator.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/DBFWriter.h"
#include "support/TMGWriter.h"

namespace {

using Cell = DBFWriter::Cell;

// A memo file written block by block (64-byte blocks after the 512-byte header).
class MemoStream {
 public:
  explicit MemoStream(const std::string& path) : out_(path, std::ios::binary) {
    DBFWriter header;
    header.Field("M", 'M', 10);
    out_ << header.MemoBytes();
    next_ = 512 / 64;
  }
  // The text's first block number; 0 (no memo) for an empty text.
  int Add(const std::string& text) {
    if (text.empty()) return 0;
    std::string block(8, '\0');
    block[3] = 1;
    const uint32_t length = static_cast<uint32_t>(text.size());
    for (int k = 0; k < 4; ++k) block[4 + k] = static_cast<char>((length >> (8 * (3 - k))) & 0xFF);
    block += text;
    block.resize((block.size() + 63) / 64 * 64, '\0');
    out_ << block;
    const int at = next_;
    next_ += static_cast<int>(block.size() / 64);
    return at;
  }

 private:
  std::ofstream out_;
  int next_;
};

// A table written in batches through the dBase writer, its record count set at the end.
class TableStream {
 public:
  TableStream(const std::string& path,
              const std::vector<std::pair<std::string, std::pair<char, int>>>& fields)
      : path_(path), out_(path, std::ios::binary) {
    for (const auto& f : fields) batch_.Field(f.first, f.second.first, f.second.second);
    batch_.EndMarker(false);
    header_length_ = batch_.TableBytes().size();
    out_ << batch_.TableBytes();
    fields_ = fields;
  }
  void Row(const std::vector<Cell>& cells) {
    batch_.Row(cells);
    ++rows_;
    if (batch_.RowCount() >= 20000) Flush();
  }
  ~TableStream() {
    Flush();
    out_ << '\x1A';
    out_.seekp(4);
    for (int k = 0; k < 4; ++k) out_.put(static_cast<char>((rows_ >> (8 * k)) & 0xFF));
  }

 private:
  void Flush() {
    if (batch_.RowCount() == 0) return;
    out_ << batch_.TableBytes().substr(header_length_);
    DBFWriter fresh;
    for (const auto& f : fields_) fresh.Field(f.first, f.second.first, f.second.second);
    fresh.EndMarker(false);
    batch_ = fresh;
  }

  std::string path_;
  std::ofstream out_;
  DBFWriter batch_;
  size_t header_length_ = 0;
  uint32_t rows_ = 0;
  std::vector<std::pair<std::string, std::pair<char, int>>> fields_;
};

const char* const kMale[] = {"John",   "William", "James",  "George",   "Charles", "Thomas",  "Joseph",
                             "Henry",  "Robert",  "Edward", "Samuel",   "David",   "Richard", "Francis",
                             "Arthur", "Albert",  "Walter", "Harry",    "Peter",   "Daniel",  "Johann",
                             "Lars",   "Pierre",  "José",   "Giovanni", "Søren",   "André",   "Jürgen"};
const char* const kFemale[] = {"Mary",      "Elizabeth", "Sarah",  "Ann",      "Margaret", "Jane",
                               "Catherine", "Martha",    "Hannah", "Alice",    "Emma",     "Ellen",
                               "Emily",     "Charlotte", "Agnes",  "Florence", "Edith",    "Clara",
                               "Ruth",      "Grace",     "Anna",   "Maria",    "Ingrid",   "Marguerite",
                               "Hélène",    "Zoë",       "Åsa",    "Thérèse"};
const char* const kSurnames[] = {
    "Smith",   "Jones",     "Williams", "Brown",    "Taylor", "Davies",  "Evans",  "Wilson",  "Thomas",
    "Johnson", "Roberts",   "Robinson", "Thompson", "Wright", "Walker",  "White",  "Edwards", "Hughes",
    "Green",   "Hall",      "Lewis",    "Harris",   "Clarke", "Jackson", "Wood",   "Turner",  "Martin",
    "Cooper",  "Hill",      "Ward",     "Morris",   "Moore",  "Clark",   "Lee",    "King",    "Baker",
    "Schmidt", "Schneider", "Fischer",  "Weber",    "Meyer",  "Wagner",  "Larsen", "Dubois",  "García",
    "Rossi",   "Müller",    "Øster",    "Ashdown",  "Fraser", "Stewart", "Grant",  "MacLeod", "Sinclair"};
const char* const kTowns[] = {"Whitby",   "Leeds",   "York",  "Hull",  "Scarborough",
                              "Bradford", "Halifax", "Ripon", "Selby", "Malton"};
const char* const kCounties[] = {"Yorkshire", "Lancashire", "Durham", "Lincolnshire", "Norfolk"};
const char* const kOccupations[] = {"farmer",  "labourer",  "weaver",     "miner",   "clerk",
                                    "teacher", "carpenter", "blacksmith", "servant", "merchant"};

template <size_t N>
const char* Pick(std::mt19937& random, const char* const (&list)[N]) {
  return list[random() % N];
}

// Text of a model string in Windows-1252 (the lists above are UTF-8).
std::string Ansi(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c == 0xC3 && i + 1 < utf8.size()) {
      out += static_cast<char>(0xC0 + (static_cast<unsigned char>(utf8[++i]) - 0x80));
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

std::string WriteGeneratedTMGProject(const std::string& dir, int persons, unsigned seed) {
  using W = TMGWriter;
  std::mt19937 random(seed);
  const std::string prefix = "bench__";
  auto path = [&](const std::string& letter, const std::string& extension) {
    return dir + "/" + prefix + letter + extension;
  };
  const std::string project = dir + "/" + prefix + ".tmg";
  {
    std::ofstream file(project, std::ios::binary);
    if (!file) return std::string();
    file << "TMG Version 4.0d\r\n";
  }

  // The small tables: tag types, source types, elements, places, sources; R and W empty.
  TMGWriter small;
  small.AddStandardTypes();
  small.source_types = {{1, "[AUTHOR], <[TITLE]> <([PUBLISHER], [DATE])>"}, {2, "[TITLE]: [SUBJECT]"}};
  const int place_count = std::max(50, persons / 200);
  for (int i = 1; i <= place_count; ++i) {
    const std::string town = Pick(random, kTowns);
    small.AddPlace(i, "$!&" + (i % 3 == 0 ? std::string("St Mary's Church") : "") + "$!&" + town + "$!&$!&" +
                          (i % 4 == 0 ? "^X" : "") + Pick(random, kCounties) + "$!&England");
  }
  const int source_count = std::max(20, persons / 500);
  for (int i = 1; i <= source_count; ++i) {
    W::Source s;
    s.id = i;
    s.type = 1 + i % 2;
    s.info = "Register " + std::to_string(i) + "$!&$!&$!&" + std::to_string(1800 + i % 150) +
             "$!&household$!&Parish of " + Pick(random, kTowns) + "$!&$!&$!&$!&$!&$!&$!&$!&$!&County Office";
    if (i % 3 == 0) s.footnote = "[TITLE] ([DATE])";
    s.title = "Parish register " + std::to_string(i);
    small.sources.push_back(s);
  }
  // Written as a project of its own, then the big tables replace its empty ones.
  small.Write(dir, prefix + ".tmg");
  {
    std::ofstream file(project, std::ios::binary);
    file << "TMG Version 4.0d\r\n";
  }

  TableStream people(path("$", ".dbf"), {{"PER_NO", {'N', 10}},
                                         {"FATHER", {'N', 10}},
                                         {"MOTHER", {'N', 10}},
                                         {"LAST_EDIT", {'D', 8}},
                                         {"REFERENCE", {'C', 12}},
                                         {"SEX", {'C', 1}},
                                         {"LIVING", {'C', 1}},
                                         {"PBIRTH", {'C', 30}},
                                         {"PDEATH", {'C', 30}},
                                         {"SCBUFF", {'C', 10}}});
  MemoStream name_memo(path("N", ".fpt"));
  TableStream names(path("N", ".dbf"), {{"NPER", {'N', 10}},
                                        {"RECNO", {'N', 10}},
                                        {"ALTYPE", {'N', 10}},
                                        {"PRIMARY", {'L', 1}},
                                        {"NDATE", {'C', 30}},
                                        {"NAME", {'M', 10}},
                                        {"NNOTE", {'M', 10}},
                                        {"SENTENCE", {'M', 10}},
                                        {"SRNAMESORT", {'C', 30}}});
  MemoStream event_memo(path("G", ".fpt"));
  TableStream events(path("G", ".dbf"), {{"ETYPE", {'N', 10}},
                                         {"PER1", {'N', 10}},
                                         {"PER2", {'N', 10}},
                                         {"EDATE", {'C', 30}},
                                         {"SRTDATE", {'C', 30}},
                                         {"RECNO", {'N', 10}},
                                         {"PLACENUM", {'N', 10}},
                                         {"EFOOT", {'M', 10}},
                                         {"SENTENCE", {'M', 10}}});
  MemoStream relationship_memo(path("F", ".fpt"));
  TableStream relationships(path("F", ".dbf"), {{"CHILD", {'N', 10}},
                                                {"PARENT", {'N', 10}},
                                                {"PTYPE", {'N', 10}},
                                                {"PRIMARY", {'L', 1}},
                                                {"FNOTE", {'M', 10}}});
  MemoStream citation_memo(path("S", ".fpt"));
  TableStream citations(
      path("S", ".dbf"),
      {{"STYPE", {'C', 1}}, {"REFREC", {'N', 10}}, {"MAJSOURCE", {'N', 10}}, {"SUBSOURCE", {'M', 10}}});
  MemoStream witness_memo(path("E", ".fpt"));
  TableStream witnesses(path("E", ".dbf"), {{"EPER", {'N', 10}},
                                            {"GNUM", {'N', 10}},
                                            {"PRIMARY", {'L', 1}},
                                            {"WSENTENCE", {'M', 10}},
                                            {"ROLE", {'N', 5}}});

  // People in generations: person k's parents are two earlier people of the previous
  // generation, married to each other; about a third of the people marry in from outside.
  struct Person {
    int father, mother, birth_year;
    bool male;
    std::string surname;
  };
  std::vector<Person> all(static_cast<size_t>(persons) + 1);
  int event_recno = 0, name_recno = 0;
  auto add_event = [&](int type, int per1, int per2, const std::string& date, int place,
                       const std::string& memo, bool cite) {
    const int recno = ++event_recno;
    events.Row({std::to_string(type), std::to_string(per1), std::to_string(per2), date, date,
                std::to_string(recno), std::to_string(place), Cell::Block(event_memo.Add(memo)), ""});
    if (cite)
      citations.Row(
          {"E", std::to_string(recno), std::to_string(1 + static_cast<int>(random() % source_count)),
           Cell::Block(citation_memo.Add(random() % 2 ? "page " + std::to_string(random() % 400) : ""))});
    return recno;
  };
  auto date = [&](int year) {
    return W::Date(year, 1 + static_cast<int>(random() % 12), 1 + static_cast<int>(random() % 28),
                   random() % 8 == 0 ? '2' : '3');
  };
  auto place = [&] { return 1 + static_cast<int>(random() % place_count); };

  int married_to_previous = 0;
  for (int id = 1; id <= persons; ++id) {
    Person& p = all[static_cast<size_t>(id)];
    p.male = id % 2 == 1;
    // Couples are (2k-1, 2k); the couple's children come later in the file.
    const int couple = (id + 1) / 2;
    const int parent_couple = couple > 3000 ? couple / 2 - static_cast<int>(random() % 1000) : 0;
    if (parent_couple > 0 && random() % 3 != 0) {
      p.father = 2 * parent_couple - 1;
      p.mother = 2 * parent_couple;
      p.surname = all[static_cast<size_t>(p.father)].surname;
      p.birth_year = all[static_cast<size_t>(p.father)].birth_year + 20 + static_cast<int>(random() % 20);
    } else {
      p.surname = Ansi(Pick(random, kSurnames));
      p.birth_year = 1700 + static_cast<int>(random() % 150) + id / 20000;
    }
    if (!p.male && id > 1 && all[static_cast<size_t>(id - 1)].birth_year > 0)
      p.birth_year = all[static_cast<size_t>(id - 1)].birth_year + static_cast<int>(random() % 7) - 3;
    const bool dead = p.birth_year < 1930;
    const std::string birth = date(p.birth_year);
    const std::string death = dead ? date(p.birth_year + 20 + static_cast<int>(random() % 60)) : W::NoDate();
    people.Row({std::to_string(id), std::to_string(p.father), std::to_string(p.mother),
                "2004" + std::string(id % 2 ? "0314" : "1102"), id % 7 == 0 ? "R" + std::to_string(id) : "",
                p.male ? "M" : "F", dead ? "N" : "Y", birth, death, ""});

    const std::string given = Ansi(p.male ? Pick(random, kMale) : Pick(random, kFemale));
    const std::string middle =
        random() % 3 == 0 ? " " + Ansi(p.male ? Pick(random, kMale) : Pick(random, kFemale)) : "";
    names.Row({std::to_string(id), std::to_string(++name_recno), "0", "T", W::NoDate(),
               Cell::Block(name_memo.Add(W::NameMemo(p.surname, given + middle))), Cell::Block(0),
               Cell::Block(0), ""});
    if (random() % 3 == 0) {
      const std::string other = p.male ? given : given;
      names.Row(
          {std::to_string(id), std::to_string(++name_recno),
           std::to_string(p.male ? W::kNameVariation : W::kNameMarried), "F", date(p.birth_year + 20),
           Cell::Block(name_memo.Add(W::NameMemo(p.male ? p.surname : Ansi(Pick(random, kSurnames)), other))),
           Cell::Block(random() % 4 == 0 ? name_memo.Add("as written in the register") : 0), Cell::Block(0),
           ""});
    }

    const int born = add_event(W::kBirth, id, 0, birth, place(), "", random() % 2 == 0);
    if (random() % 2 == 0)
      add_event(W::kChristening, id, 0, date(p.birth_year), place(), "", random() % 3 == 0);
    if (dead) {
      add_event(W::kDeath, id, 0, death, place(), random() % 5 == 0 ? "of a fever" : "", random() % 2 == 0);
      if (random() % 2 == 0) add_event(W::kBurial, id, 0, date(p.birth_year + 60), place(), "", false);
    }
    if (random() % 2 == 0)
      add_event(W::kOccupation, id, 0, date(p.birth_year + 25), place(), Pick(random, kOccupations), false);
    if (random() % 3 == 0) add_event(W::kResidence, id, 0, date(p.birth_year + 30), place(), "", false);
    if (random() % 3 == 0) {
      const int census = add_event(W::kCensus, id, 0, date(1841 + 10 * static_cast<int>(random() % 6)),
                                   place(), "", random() % 2 == 0);
      if (id > 10) witnesses.Row({std::to_string(id - 7), std::to_string(census), "F", Cell::Block(0), "0"});
    }
    if (p.father > 0) {
      relationships.Row({std::to_string(id), std::to_string(p.father), std::to_string(W::kFatherBiological),
                         "T", Cell::Block(0)});
      relationships.Row({std::to_string(id), std::to_string(p.mother),
                         std::to_string(random() % 40 == 0 ? W::kMotherAdopted : W::kMotherBiological), "T",
                         Cell::Block(0)});
    }
    // The wife closes the couple: the marriage, now and then a second one of the husband.
    if (!p.male) {
      const int husband = id - 1;
      add_event(W::kMarriage, husband, id, date(p.birth_year + 22), place(), "", random() % 2 == 0);
      if (random() % 10 == 0)
        witnesses.Row({std::to_string(husband > 4 ? husband - 3 : 1), std::to_string(event_recno), "F",
                       Cell::Block(0), "0"});
      if (random() % 25 == 0 && husband > 100) {
        add_event(W::kMarriage, husband, husband - 99, date(p.birth_year + 40), place(), "", false);
        ++married_to_previous;
      }
    }
    (void)born;
  }
  return project;
}
