#pragma once

// A test-only writer of Personal Ancestral File databases of versions 3, 4 and 5, from a small
// description of people, families, sources and repositories.  It lays the file out the way
// the format asks: the header, a map block at the start of every 64 MiB region, blocks of one
// record type each, handed out in file order as the records are written (so blocks of
// different types interleave), text records packed into blocks of their own, version 4's
// totals block, deleted records left in place and chained, and every chain (spouse families,
// child links, notes, citations, other events, typed texts) written as the reader follows it.
//
// Layout choices (free blocks, where the totals block goes, "no link" written as 0 or -1) are
// options, since real files differ from any one writer's tidy output.  A large book can give
// its people and families through functions instead of vectors, and a file can be written
// sparse past 64 MiB so that its second map region is used.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

enum class PAFQualifier { Exact, About, After, Before, Estimated, Calculated };

// A date as the user entered it; the writer encodes it for the version.
struct PAFDate {
  int year = 0, month = 0, day = 0;
  PAFQualifier qualifier = PAFQualifier::Exact;
  int second_year = 0;  // double dating: 1710/11 is year 1710, second year 1711
  std::string keyword;  // "COMPLETED", "CHILD", ...: the date is the keyword alone
  std::string text;     // a date kept as text (version 5; an ordinance in versions 3 and 4)

  bool IsSet() const { return year || month || day || !keyword.empty() || !text.empty(); }
};

struct PAFCite {
  int source = 0;  // source number, 0 for none
  std::string detail;
  std::string note;  // lines separated by '\n'
};

struct PAFEvent {
  PAFDate date;
  std::string place;  // versions 3 and 4 split it at ", " into up to four parts
  std::vector<PAFCite> citations;
  bool parts_none = false;  // versions 3 and 4: all four place pointers written as -1
};

struct PAFOrdinance {
  PAFDate date;
  std::string temple;
  std::vector<PAFCite> citations;
  std::string note;       // versions 3 and 4
  bool in_temple = true;  // version 5's temple flag
};

// A version 4 or 5 event of a type of the user's own ("Occupation").
struct PAFOtherEvent {
  std::string type;
  std::string description;
  PAFEvent event;
};

struct PAFPerson {
  char sex = 'M';
  std::string given, surname, suffix;
  // Versions 3 and 4 keep three given names: by default the first two words of `given` and the
  // rest; when set, these three texts as written ("" for none).
  std::vector<std::string> given_parts;
  std::string title;  // version 4: the prefix of the name
  PAFEvent birth, christening, death, burial;
  PAFOrdinance baptism, endowment;
  std::string reference, afn;
  std::string note;
  std::vector<PAFCite> citations;
  std::vector<PAFOtherEvent> others;  // versions 4 and 5
  std::string ordinance_place;        // version 4: where ordinances without a temple took place
  int32_t created = 0, changed = 0;   // seconds since 1970
  bool deleted = false;
};

struct PAFFamily {
  int husband = 0, wife = 0;                 // RINs, 0 for none
  std::vector<int> children;                 // RINs in the order of the child chain
  std::vector<PAFOrdinance> child_sealings;  // sealing to parents, by child (may be shorter)
  PAFEvent marriage;
  PAFOrdinance sealing;
  std::string note;
  bool deleted = false;
};

struct PAFSource {
  std::string author, title, publication, call_number;
  std::string note;
  std::string text;  // versions 4 (extension record) and 5
  int repository = 0;
};

struct PAFRepository {
  std::string name, address, line1, line2, phone;
};

struct PAFSubmitter {
  std::string name, name2;  // versions 3 and 4 keep the name in two parts
  std::string address1, address2, address3, country, phone, email;
};

// The description of one file.
struct PAFBook {
  int version = 5;                  // 3, 4 or 5
  std::vector<PAFPerson> people;    // RIN = index + 1
  std::vector<PAFFamily> families;  // MRIN = index + 1
  std::vector<PAFSource> sources;
  std::vector<PAFRepository> repositories;
  PAFSubmitter submitter;
  std::string title;            // versions 3 and 4
  char print_identifier = 'R';  // versions 3 and 4
  bool verify_names = true, exact_match = false, display_lds = true, force_uppercase = false, auto_cap = true;

  // Large books: when a count is set, people (families) come from the function instead.
  int person_count = 0, family_count = 0;
  std::function<PAFPerson(int rin)> person;
  std::function<PAFFamily(int mrin)> family;

  // Layout.
  int32_t none_link = 0;           // how a link to nothing is written (0 or -1); text pointers stay 0
  int free_blocks_before = 0;      // free blocks before the first record block (8191: past 64 MiB)
  int free_block_every = 0;        // a free block after every so many used blocks
  bool totals_block_last = false;  // version 4: the totals block after the records
  int understate_type = 0;         // version 4: the totals block counts no blocks of this type
  int extension_records = -1;      // version 4: only the first so many RINs get an extension record
};

// Where the writer put things, for tests that damage a file on purpose.
struct PAFFileLayout {
  uint64_t data_base = 0;
  std::map<int, std::vector<int64_t>> blocks;  // record type -> its blocks (0-based over the file)
  std::map<int, uint32_t> sizes;               // record type -> record size
  int64_t totals_block = -1;                   // version 4: 0-based block of the totals block
  int regions = 0;

  // The file offset of record n of a type; 0 when there is none.
  uint64_t Record(int type, int n) const;
  uint64_t MapBlock(int region) const { return data_base + static_cast<uint64_t>(region) * 67108864; }
  uint64_t Block(int64_t block) const { return data_base + static_cast<uint64_t>(block) * 8192; }
};

class PAFWriter {
 public:
  // The whole file in memory.
  static std::string Bytes(const PAFBook& book, PAFFileLayout* layout = nullptr);
  // Writes the file; blocks that are never used stay holes (the file is sparse).  False when it
  // cannot be written.
  static bool WriteFile(const PAFBook& book, const std::string& path, PAFFileLayout* layout = nullptr);

  // The Julian day number of a date: Gregorian from 15 October 1582, Julian before.
  static uint32_t JulianDay(int year, int month, int day);
  // A UTF-8 text in ANSEL (accented Latin letters as a combining mark and the letter).
  static std::string ToAnsel(const std::string& utf8);
};
