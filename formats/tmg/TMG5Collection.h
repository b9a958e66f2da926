#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGEventOrder.h"

class WTMG5NameLookup;
class WTMG5PlaceLookup;
class WTMG5Tab_;
class WTMG5TabND;
class WTMG5TabPD;

// A project of The Master Genealogist 5.x (.pjc).  The tables are those of 4.x with integers
// stored as raw little-endian values and field names matched in exact letter case; the texts of
// name and place parts live in dictionary tables (ND, PD), which the part value tables (NPV,
// PPV, read once at import) tie to each name and place.  People are known by their data set and
// their number in it ("2:15").  Events are grouped by their tag type's group: the chosen events,
// the family events (group 6, type 1004) and the events listed for a person all follow the
// group, and a person's events are those where the person is either principal.
//
// Everything else is the 4.x reader's: this class answers its version hooks.
class WTMG5Collection : public WTMGCollection {
 public:
  explicit WTMG5Collection(const std::string& path);
  ~WTMG5Collection() override;

  // The 5.x reader in the registry: ".pjc" projects.
  static const WReaderInfo& ReaderInfo();
  // The version every 5.x project is taken to have (the project file is not read for it).
  static constexpr const char* kVersion = "5";
  // The table prefix of a 5.x project: the file's base name without its last character
  // ("family_.pjc": "family").
  static std::string TablePrefix(const std::string& path);

  bool Import() override;
  // The person the text names: "2:15" (data set and number, as the list shows it) or the
  // person's PER_NO.
  RecNo FindIndividual(const std::string& id) override;
  IdOrder GetIdOrder() const override { return IdOrder::PairText; }

  WTMG5Tab_& People5();
  WTMG5TabND& NameDictionary() { return *name_dictionary_; }
  WTMG5TabPD& PlaceDictionary() { return *place_dictionary_; }
  const WTMG5NameLookup& NameParts() const { return *name_parts_; }
  const WTMG5PlaceLookup& PlaceParts() const { return *place_parts_; }

  // --- Version hooks.
  std::unique_ptr<WABSIndividual> MakeIndividual(RecNo p) override;
  std::unique_ptr<WTMGName> MakeName(int name_pos) override;
  std::unique_ptr<WABSPlace> MakePlace(int place_id) override;
  std::string PlacePart(int place_id, int k) override;
  // The 4.x marriage types, type 1004 and every type of group 6.
  bool IsFamilyEventType(int type) override;
  bool IsSealingType(int type) const override { return type == 33 || type == 1033; }
  // A sealing is named by its own tag type.
  int SealingTagOf(int event_pos) override;
  std::unique_ptr<WTMGEventSent> MakeEventSentence(int event_pos, int type) override;
  std::unique_ptr<WTMGEventSent> MakeNameSentence(int name_pos, int type, RecNo person) override;
  // The events where the person is the first principal and those where the person is the
  // second, merged in event order.
  std::vector<int> EventsOfPerson(int person_id) override;
  void ChooseEvents(int p, int person_id, WTMGPrimeEventArray::Entry& entry) override;
  // Neither chosen, nor a family event (group 6), nor a couple's sealing.
  bool IsOtherEvent(int event_pos) override;

 protected:
  // Parts 2 to 6 of the place.
  std::string PlaceTextOfRow(int row) override;
  WTMGTable::Opened OpenTable(const std::string& letter, std::string_view key, bool index,
                              bool memo) override;
  std::unique_ptr<WTMGTab_> MakePeopleTable(WTMGTable::Opened opened) override;
  void OpenCompanionTables(const std::string& letter) override;

 private:
  // The events in order of their second principal (then sort date, then first principal).
  bool BuildSecondPrincipalOrder();
  // Reads NPV and PPV into the name and place lookups, closing each table after.
  bool BuildPartLookups();
  // The person at a data set and number; 0 when none.
  RecNo FindByDataSet(int data_set, int ref_id);

  std::unique_ptr<WTMG5TabND> name_dictionary_;
  std::unique_ptr<WTMG5TabPD> place_dictionary_;
  std::unique_ptr<WTMG5NameLookup> name_parts_;
  std::unique_ptr<WTMG5PlaceLookup> place_parts_;
  WTMGEventOrder by_second_;
  // (data set, number, position) of every person, sorted; made on first need.
  struct DataSetKey {
    int32_t data_set;
    int32_t ref_id;
    int32_t pos;
  };
  std::vector<DataSetKey> by_data_set_;
  bool data_set_index_built_ = false;
};
