#include "TMG5Fixture.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "TMGFixture.h"

namespace {

using W = TMGWriter;

// Tag types of version 5 beside the standard ones.
enum Tag5 : int {
  kBirth5 = 1002,
  kMarriage5 = 1004,
  kLDSBaptism5 = 1016,
  kChristening5 = 1020,
  kSealSpouse5 = 1033,
  kPartnership = 1100,
};

W::Event* FindEvent(W& w, int type, int per1, int per2) {
  for (W::Event& e : w.events)
    if (e.type == type && e.per1 == per1 && e.per2 == per2) return &e;
  return nullptr;
}

int NextRecno(const W& w) {
  int recno = 0;
  for (const W::Event& e : w.events) recno = std::max(recno, e.recno);
  return recno + 1;
}

void AddEvent(W& w, int type, int per1, int per2, const std::string& date, int place = 0,
              const std::string& memo = "") {
  w.AddEvent(NextRecno(w), type, per1, per2, date, place, memo);
}

}  // namespace

TMG5Writer FamilyProject5() {
  TMG5Writer v5;
  v5.project = FamilyProject();
  W& w = v5.project;

  // Places as 5.x keeps them: part k is the k-th piece (part 1 is never shown).
  w.places = {
      {1, "$!&$!&Whitby$!&$!&Yorkshire$!&England"},
      {2, "$!&St Mary's Church$!&Whitby$!&$!&Yorkshire$!&England"},
      {3, "$!&$!&Scarborough$!&North Riding$!&Yorkshire$!&England"},
      {4, "Smithville$!&$!&$!&$!&Ohio$!&USA"},
      {5, " 12 Park Row $!&$!&Leeds$!&$!&Yorkshire$!&England$!&LS1 5HD$!&$!&53.8N 1.5W"},
      {6, ""},
      {7, "$!&Eskdale Parish$!&$!&North Riding$!&$!&England"},
      {8,
       "Lodge$!&Gate House$!&Ruswarp$!&North Riding$!&Yorkshire$!&England$!&YO21$!&01947$!&54.5N 0.6W$!&"
       "Estate"},
  };

  // Version 5 tag types.
  w.tag_types.push_back({kBirth5, "Birth (5)", 4, "[P] was born <[D]> <[L]>"});
  w.tag_types.push_back({kMarriage5, "Marriage (5)", 6, "[P] married$!&[PO] <[D]> <[L]>"});
  w.tag_types.push_back({kLDSBaptism5, "LDS Bapt (5)", 99, "[P] was baptized (LDS) <[D]> <[L]>"});
  w.tag_types.push_back({kChristening5, "Chr (5)", 4, "[P] was christened <[D]> <[L]>"});
  w.tag_types.push_back({kSealSpouse5, "SealSp (5)", 99, "[P] was sealed to [PO] <[D]> <[L]>"});
  w.tag_types.push_back({kPartnership, "Partnership", 6, "[P] and [PO] set up house <[D]> <[L]>"});
  for (W::TagType& t : w.tag_types)
    if (t.id == W::kOccupation) t.sentence = "[P] worked as a [M] <[D]> <[L]>";

  // John and Hannah, Robert and Sarah marry by the 5.x marriage type; Albert and Beatrice are
  // sealed by the 5.x sealing type; Leah's LDS baptism is of the 5.x type.
  FindEvent(w, W::kMarriage, 1, 6)->type = kMarriage5;
  FindEvent(w, W::kMarriage, 27, 4)->type = kMarriage5;
  FindEvent(w, W::kSealSpouse, 7, 32)->type = kSealSpouse5;
  FindEvent(w, W::kLDSBaptism, 31, 0)->type = kLDSBaptism5;
  // William's occupation memo keeps a private note in braces; John's Whitby census moves to the
  // parish of parts 2, 4 and 6.
  FindEvent(w, W::kOccupation, 3, 0)->memo = "{private note {nested}}merchant";
  for (W::Event& e : w.events)
    if (e.type == W::kCensus && e.per1 == 1) e.place = 7;

  // Ezra and Leah set up house (a family by the group of its type); an undated birth of the 5.x
  // type for the nameless person 34; Emma's christening of the 5.x type.
  AddEvent(w, kPartnership, 30, 31, W::Date(1910, 4, 1), 8);
  AddEvent(w, kBirth5, 34, 0, W::Date(1866, 9, 1), 3);
  AddEvent(w, kChristening5, 22, 0, W::Date(1875, 8, 1), 2);
  // Sarah (4) is the second principal of an event of Ned Solo (40), far from her own events, and
  // of one of Thomas (5), right after them.
  AddEvent(w, W::kResidence, 40, 4, W::Date(1880), 5);
  AddEvent(w, W::kOccupation, 5, 4, W::Date(1849), 1, "dairy maid");
  // John's own witness row for his birth holds an empty sentence: his birth is told by its tag.
  for (const W::Event& e : w.events)
    if (e.type == W::kBirth && e.per1 == 1) w.witnesses.push_back({1, e.recno, false, W::kEmptyMemo});

  // Data sets: 1 to 20 in data set 1, the others in data set 2.
  for (const W::Person& p : w.people)
    v5.data_sets[p.id] = p.id <= 20 ? TMG5Writer::DataSetId{1, p.id} : TMG5Writer::DataSetId{2, p.id - 20};

  // Some names use the alternative part types; two carry unused parts of type 2 and 4.
  v5.alternate_part_types = {3, 4, 37};
  v5.extra_name_parts = {{900, "Unseen"}};
  v5.extra_name_values = {{1, 900, 2}, {2, 900, 4}};
  return v5;
}

TMG5Writer EmptyProject5() { return TMG5Writer(); }

OpenedProject5::OpenedProject5(const TMG5Writer& writer, const std::string& project,
                               const std::vector<std::string>& skip) {
  std::string pattern = (std::filesystem::temp_directory_path() / "taravell-tmg5-XXXXXX").string();
  dir_ = mkdtemp(pattern.data()) ? pattern : std::string();
  const std::string path = writer.Write(dir_, project, skip);
  collection_ = std::make_unique<WTMG5Collection>(path);
  try {
    imported_ = collection_->Import();
    if (imported_) collection_->BuildLinks();
  } catch (const std::exception& e) {
    error_ = e.what();
  }
}

OpenedProject5::~OpenedProject5() {
  collection_.reset();
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}
