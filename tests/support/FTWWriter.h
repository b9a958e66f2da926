#pragma once

// A test-only writer of Family Tree Maker files.  It writes a compound file (the container
// such files are kept in: a 512-byte header, the allocation table with its header pages
// and extension chain, a directory of 128-byte entries, a store of 64-byte pieces with
// its own link table, and streams of 512-byte blocks) holding the tables the reader reads:
// the individual table, the slot store with texts, fact names, fact lists, family records
// and source records, the information stream, the source index, and notes as small or
// large streams of their own.
//
// The description names people and families by 1-based numbers: person k stands at record
// position k of the individual table (a person marked `empty` leaves its position empty),
// family k is the k-th family record.  Texts are given in UTF-8 and written as UTF-16.
//
// The image keeps where everything went, so that tests can damage it afterwards (a cycle
// in a chain, a wrong count, a slot out of range).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ftw {

// Date words (the reader's decoding is the reverse of these).
// General form with a qualifier code (0 before, 1 about, 2 none, 3 after, 6 first of a
// range of two full dates, 7 none).
uint32_t DateWord(int day, int month, int year, int code = 2);
// Between two years (code 4).
uint32_t YearRangeWord(int from, int to);
// An estimated year (code 5).
uint32_t EstimatedWord(int year);
// The words the program keeps for the date texts "Dead" and "Unknown" (bit 13 set).
constexpr uint32_t kDeadWord = 0x3402;
constexpr uint32_t kUnknownWord = 0x3C02;

// A fact of the record's own fact slot (at 28): "Fact 1" to "Fact 7" by its place there.
struct SlotFact {
  int number = 1;  // 1 to 7
  uint32_t date = 0;
  std::string text;
};

struct CitationItem {
  std::string note;
  std::string detail;
  int source = 0;             // 1-based source of the description; 0 names none
  bool leading_zero = false;  // a unit 0 before the item, as the format allows
};

struct Fact {
  std::string name;  // the fact's name ("Christening", "Occupation", ...)
  uint32_t date = 0;
  uint32_t date2 = 0;  // second word of a range of two full dates
  std::string place;   // or the temple of an ordinance
  std::vector<CitationItem> citations;
};

struct Person {
  std::string name;    // "Given \Surname\", "Given Surname", ...
  char sex = 'M';      // 'M', 'F' or 'U'
  uint8_t flags = 0;   // when not 0, byte 76 of the record as given (instead of the sex)
  bool empty = false;  // a record whose position holds no one
  uint32_t birth = 0, death = 0;
  uint32_t birth2 = 0, death2 = 0;  // second words of ranges of two full dates
  std::string birth_place, death_place;
  std::vector<Fact> facts;  // in the order of the fact list
  // Facts in the record's own slot; with no `facts`, the fact reference names a slot that holds
  // no fact list (type 0xC7, a date word and an identifier text), as the program writes it.
  std::vector<SlotFact> slot_facts;
  // The uint16 at 82: the surname's first (low 6 bits) and last character (next 6 bits).
  uint16_t surname_range = 0;
  std::string note;
  std::vector<CitationItem> citations;
  int parents = 0;                // family of the first parents
  std::vector<int> more_parents;  // further parent families, in the parent lists
  std::vector<int> spouses;       // the first four in the record, the rest in spouse lists
};

struct Family {
  int husband = 0, wife = 0;  // record positions; 0 for none
  std::vector<int> listed_children;  // record positions at 8 to 20 (up to four)
  uint32_t date = 0;
  std::string place;
  std::string note;
  std::vector<CitationItem> citations;
};

struct Source {
  std::string title, author, publication, call_number, fifth, note, seventh;
};

struct Description {
  std::vector<Person> people;
  std::vector<Family> families;
  std::vector<Source> sources;
  // Submitter fields by key (72 name, 80/88 address lines, 96 city, 104 phone, 120 and 128
  // more of the name, 136 and 144 more of the third line, 152 country, 168 e-mail).
  std::map<int, std::string> submitter;
  // Fact names without facts, and the first key given to fact names.
  std::vector<std::string> extra_fact_names;
  int first_fact_key = 17;
  // The stored individual count; -1 writes the number of people who are not empty.
  int stored_count = -1;
  // A stream of this many blocks laid out before everything else (a file of more than
  // 109 table pages needs about 14,000 blocks).
  int padding_blocks = 0;
  // Streams are laid out in turns of this many blocks (0: one stream after the other), so
  // that their chains interleave; a free block follows every `free_every` blocks (0: none).
  int interleave = 0;
  int free_every = 0;
};

// Where the writer put things, in the numbers the format uses.
struct PersonLayout {
  int position = 0;
  int facts_reference = 0;  // slot at 124
  std::vector<int> fact_lists;
  std::vector<int> fact_data;
  int second_dates = 0;
  int parent_holder = 0;  // slot at 44
  std::vector<int> parent_lists;
  std::vector<int> spouse_lists;  // first at 48
  int note_reference = 0;         // slot at 20
  int citation_reference = 0;     // slot at 32
  int citation_text = 0;
  int name_more = 0;  // slot at 24
  int slot_facts = 0;  // slot at 28
  int birth_place = 0;
};

struct Image {
  std::string bytes;
  // Block numbers of each stream's chain, by name: "individuals", "slots", "information",
  // "sources", "note pieces", "piece links", "directory", "padding"; and "pages" (the
  // allocation-table pages in order) and "extension" (the extension chain).
  std::map<std::string, std::vector<int32_t>> chains;
  std::vector<PersonLayout> people;
  std::vector<int> family_slots;
  std::vector<int> source_slots;
  std::vector<int> fact_name_slots;  // the fact-name records
  int submitter_start = 0;
  int slot_count = 0;
  // Directory entry offsets of the notes, in note order, and of the fixed entries.
  std::vector<uint64_t> note_entries;

  static uint64_t BlockOffset(int64_t block) { return (static_cast<uint64_t>(block) + 1) * 512; }
  uint64_t SlotOffset(int slot) const;
  uint64_t RecordOffset(int position) const;
  int32_t I32(uint64_t offset) const;
  void PutI32(uint64_t offset, int32_t value);
  void PutU8(uint64_t offset, uint8_t value);
  // The allocation-table entry of a block.
  int32_t Next(int32_t block) const;
  void SetNext(int32_t block, int32_t next);
};

Image Write(const Description& description);
// Writes the image to a file; false when it cannot.
bool Save(const Image& image, const std::string& path);

// UTF-8 text as UTF-16 little-endian bytes.
std::string Utf16(const std::string& utf8);

}  // namespace ftw
