#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "support/DBFWriter.h"

// Writes RootsMagic 3 family files for tests: the .rmg file (version and submitter) and the
// eleven tables base_A.dbf ... base_T.dbf with their memo files, from lists of rows.  Field
// names are written in upper case, as dBase programs store them, with a few fields the reader
// does not use between the ones it does; rows can be flagged deleted.
struct RM3Writer {
  struct Person {
    Person() = default;
    Person(int id, std::string sex, std::string given, std::string surname)
        : id(id), sex(std::move(sex)), given(std::move(given)), surname(std::move(surname)) {}
    int id = 0;
    std::string sex, given, surname;
    std::string prefix, suffix, nickname, edit_date, living = "N", note;
    bool deleted = false;
  };
  struct Family {
    int id, father, mother;
    bool deleted = false;
  };
  struct Child {
    int child, family, order;
    bool deleted = false;
  };
  struct Event {
    int id = 0;
    char owner_type = 'P';  // 'P' person, 'F' family
    int owner = 0;
    int type = 0;
    std::string date;       // as stored (see Date/TextDate)
    std::string sort_date;  // as stored
    int place = 0;
    bool primary = false;
    std::string details, note;
    std::string place_type;  // "T" for a temple number in place
    int status = 0;
    bool deleted = false;
  };
  struct Place {
    int id;
    std::string name;
    bool deleted = false;
  };
  struct Source {
    int id;
    std::string name, text, details;
    bool deleted = false;
  };
  struct Link {
    int id, type, subtype, id1, id2;
    std::string details;
    bool deleted = false;
  };
  struct Address {
    int id;
    std::string name, address;  // the address memo: parts separated by form feeds
    bool deleted = false;
  };
  struct FactType {
    int id;
    std::string owner_type, name;
  };

  // A 22-character date: "D", era ("1" AD, "0" BC), year, month, day, qualifier code ("2"
  // none), one unused character, the second date, two unused characters.
  static std::string Date(int year, int month = 0, int day = 0, char qualifier = '2', int year2 = 0,
                          int month2 = 0, int day2 = 0, bool bc = false);
  // A 9-character date: era ("1" AD) and yyyymmdd, as sort dates and edit dates are stored.
  static std::string SortDate(int year, int month = 0, int day = 0);
  // A date that is only text.
  static std::string TextDate(const std::string& text) { return "T" + text; }
  // The memo parts joined by form feeds.
  static std::string Parts(const std::vector<std::string>& parts);
  // The usual fact types (1 Birth ... 309 Sealing to spouse, and a few others).
  static std::vector<FactType> StandardFactTypes();

  // What Write leaves out or changes.
  struct Options {
    bool upper_case_names = false;  // FAMILY_I.DBF instead of family_I.dbf
    std::set<char> missing_tables;  // letters whose table is not written
    std::set<char> missing_memos;   // letters whose memo file is not written
    uint32_t memo_block_size = 64;
  };

  // Writes directory/base.rmg and the tables; returns the .rmg path.
  std::string Write(const std::string& directory, const std::string& base, const Options& options) const;
  std::string Write(const std::string& directory, const std::string& base) const {
    return Write(directory, base, Options());
  }
  // The table of one letter as a writer (for tests that damage it further).
  DBFWriter Table(char letter) const;
  // The .rmg file's bytes.
  std::string HeaderBytes() const;

  uint32_t version = 3;
  std::string submitter_name, address1, address2, address3, phone, email;
  std::vector<Person> people;
  std::vector<Family> families;
  std::vector<Child> children;
  std::vector<Event> events;
  std::vector<Place> places;
  std::vector<Source> sources;
  std::vector<Link> links;
  std::vector<Address> addresses;
  std::vector<FactType> fact_types = StandardFactTypes();
};

// The family of about forty people the RootsMagic tests, golden files and fuzz seeds share:
// four generations with births, christenings, deaths and burials (primary and not), LDS
// ordinances with status words and temples, other events, nicknames, notes, sources with
// citations and repositories, and deleted rows in every table.
RM3Writer RM3SampleFamily();
