#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a TMG 4.x project for tests: the project file and the dBase tables with their memo
// files ($, N, F, G, S, M, P, E, T, A, U, R, W), from lists of people, names, events and the
// rest.  Tables are laid out with the fields the program keeps (numbers right-aligned in numeric
// fields, 30-character coded dates, logical flags, memos by block number) plus a few fields the
// reader never looks at, as the program's own tables have them.
//
// A memo whose text is kEmptyMemo is written as a block that holds no text (the field names a
// block, the block is empty); an empty text writes no memo at all (block number 0).
class TMGWriter {
 public:
  static const char* const kEmptyMemo;

  struct Person {
    int id = 0;
    std::string sex = "M";
    std::string living = "N";
    std::string birth;  // 30-character dates (Date, TextDate)
    std::string death;
    std::string reference;
    std::string last_edit;  // yyyymmdd
    int father = 0;
    int mother = 0;
    bool deleted = false;
  };
  struct Name {
    int recno = 0;
    int person = 0;
    // Surname, prefix, given names and suffix, joined with "$!&" (NameMemo) or any memo text.
    std::string memo;
    int type = 0;  // ALTYPE
    bool primary = true;
    std::string date;
    std::string note;
    std::string sentence;
  };
  struct Event {
    int recno = 0;
    int type = 0;
    int per1 = 0;
    int per2 = 0;
    std::string date;
    std::string sort_date;  // the date itself when empty
    int place = 0;
    std::string memo;
    bool deleted = false;
  };
  struct Relationship {
    int child = 0;
    int parent = 0;
    int type = 0;
  };
  struct Citation {
    char kind = 'E';
    int refrec = 0;
    int source = 0;
    std::string memo;
  };
  struct Source {
    int id = 0;
    int type = 0;
    std::string info;  // elements joined with "$!&"
    std::string footnote;
    std::string title;
    std::string text;
    std::string abbreviation;
  };
  struct Place {
    int id = 0;
    std::string memo;  // parts joined with "$!&"
  };
  struct Witness {
    int person = 0;
    int event = 0;
    bool primary = false;
    std::string sentence;
  };
  struct TagType {
    int id = 0;
    std::string name;
    int group = 0;
    std::string sentence;
  };
  struct SourceType {
    int type = 0;
    std::string footnote;
  };
  struct Element {
    std::string name;
    int group = 0;
  };

  // The project file's first line, then what follows it.
  std::string version_line = "TMG Version 4.0d";
  std::string project_rest = "\r\n";
  // File names in upper case, as projects copied from Windows have them.
  bool upper_case_files = false;
  // Character fields padded with NUL bytes instead of blanks.
  bool pad_with_nul = false;
  // Free memo blocks left between memos, as edited files have them.
  int free_memo_blocks = 0;

  std::vector<Person> people;
  std::vector<Name> names;
  std::vector<Event> events;
  std::vector<Relationship> relationships;
  std::vector<Citation> citations;
  std::vector<Source> sources;
  std::vector<Place> places;
  std::vector<Witness> witnesses;
  std::vector<TagType> tag_types;
  std::vector<SourceType> source_types;
  std::vector<Element> elements;

  // Rows added with the fields most tests set.
  Name& AddName(int recno, int person, const std::string& memo, int type = 0, bool primary = true);
  Event& AddEvent(int recno, int type, int per1, int per2, const std::string& date, int place = 0,
                  const std::string& memo = "");
  void AddWitness(int person, int event, bool primary = false, const std::string& sentence = "");
  void AddCitation(char kind, int refrec, int source, const std::string& memo = "");
  void AddSource(int id, int type, const std::string& info, const std::string& footnote,
                 const std::string& title);
  void AddPlace(int id, const std::string& memo);
  void AddTagType(int id, const std::string& name, int group, const std::string& sentence = "");

  // The standard tag types (births, deaths, marriages, burials, LDS ordinances, parent
  // relationships and more) with their groups and sentences, and the standard source elements.
  void AddStandardTypes();

  // Writes the project file `project` (a name such as "family_.tmg") and its tables into dir;
  // returns the project file's path.  Letters in `skip` are tables left out (with their memo).
  std::string Write(const std::string& dir, const std::string& project, const std::string& skip = "") const;

  // The path of a table or memo file of a project written by Write.
  std::string TablePath(const std::string& dir, const std::string& project, const std::string& letter,
                        const std::string& extension) const;

  // 30-character dates: a regular date (qualifier '3' exact, '0' before, '1' say, '2' about,
  // '4' after, '5' between, '7' from; the second date for ranges), and a free-text date.
  static std::string Date(int year, int month = 0, int day = 0, char qualifier = '3', int year2 = 0,
                          int month2 = 0, int day2 = 0);
  static std::string TextDate(const std::string& text);
  // The empty date the program writes.
  static std::string NoDate();
  // A name memo.
  static std::string NameMemo(const std::string& surname, const std::string& given,
                              const std::string& prefix = "", const std::string& suffix = "");

  // Standard tag type numbers (AddStandardTypes).
  enum Tag : int {
    kBirth = 2,
    kDeath = 3,
    kMarriage = 4,
    kBurial = 6,
    kBirthIllegitimate = 12,
    kLDSBaptism = 16,
    kChristening = 20,
    kEngagement = 23,
    kEndowment = 24,
    kMarriageContract = 26,
    kMarriageBanns = 27,
    kMarriageLicense = 28,
    kDivorce = 29,
    kSealChild = 32,
    kSealSpouse = 33,
    kNameVariation = 36,
    kNameMarried = 37,
    kOccupation = 45,
    kResidence = 46,
    kCensus = 47,
    kFatherBiological = 101,
    kFatherAdopted = 102,
    kFatherStep = 103,
    kFather = 104,  // no hyphen in its name
    kMotherBiological = 111,
    kMotherAdopted = 112,
    kMotherStep = 113,
    kParentFoster = 121,
  };
};
