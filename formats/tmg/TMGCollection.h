#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/tmg/TMGPrimeEventArray.h"
#include "formats/tmg/TMGTable.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ReaderInfo.h"

class WABSPlace;
class WFamLinks;
class WIndLinks;
class WTMGEventSent;
class WTMGName;
class WTMGTab_;
class WTMGTabA;
class WTMGTabE;
class WTMGTabF;
class WTMGTabG;
class WTMGTabM;
class WTMGTabN;
class WTMGTabP;
class WTMGTabS;
class WTMGTabT;
class WTMGTabU;

// A project of The Master Genealogist 4.x, read in place: a project file (.tmg) beside one
// dBase table per letter with its memo file.  People, names, events, places, sources and
// citations are rows; families are not stored and are built at import from marriage events,
// the people's father and mother fields and the relationship table.  Records are read from the
// tables on demand; only the families, the event order and the events chosen for each person
// are kept.
//
// The record and sentence classes reach the tables through the accessors below.  What the
// later version of the program stores differently goes through the virtual operations in the
// "Version hooks" section, so that a reader of that version derives from this one.
class WTMGCollection : public WABSCollection {
 public:
  explicit WTMGCollection(const std::string& path);
  ~WTMGCollection() override;
  std::string GetIdentifierSource() const override { return "TMG"; }

  // The 4.x reader in the registry: ".tmg" projects of versions 4.0, 4.0a, 4.0c and 4.0d.
  static const WReaderInfo& ReaderInfo();
  // The welcome help's note for the users of both generations.
  // The options dialog's tab of both generations' settings.
  static WReaderInfo::OptionsTab OptionsTab();
  static constexpr const char* kHelpNote =
      "TMG Users please note:  Taravell and TMG cannot view the same TMG database at the same time.";

  // --- The collection contract.
  bool Import() override;
  int PreCountIndividuals() override { return 0; }
  std::string GetFileSizeText() override { return "N/A"; }
  std::string GetFileDateText() override;
  // The project file, its tables and their memo and index files.
  std::vector<std::string> SourceFiles() const override;
  void BuildLinks() override;
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override;
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSNote> GetNote(RecNo) override { return nullptr; }
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo) override { return nullptr; }
  int IndividualCount() override;
  int FamilyCount() override;
  int NoteCount() override { return 0; }
  int SourceCount() override;
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;
  std::string GetHeaderText() override { return std::string(); }
  std::string GetVersionText() override { return "N/A"; }
  // The person whose PER_NO the text gives.
  RecNo FindIndividual(const std::string& id) override;
  // The tag type's name.
  std::string GetRelationName(int code) override;
  // For relationship types of the parent groups, the child's side of the type's name ("Son"
  // or "Dau" or "Child" and the part from its first "-": "Dau-Adopted"); other types by name.
  std::string GetChildRelationName(int code, char sex) override;
  bool HasSentences() const override { return true; }

  // --- Tables and links, for the record classes.
  WTMGTab_& People() { return *people_; }
  WTMGTabN& Names() { return *names_; }
  WTMGTabF& Relationships() { return *relationships_; }
  WTMGTabG& Events() { return *events_; }
  WTMGTabS& Citations() { return *citations_; }
  WTMGTabM& Sources() { return *sources_; }
  WTMGTabP& Places() { return *places_; }
  WTMGTabE& Witnesses() { return *witnesses_; }
  WTMGTabT& TagTypes() { return *tag_types_; }
  WTMGTabA& SourceTypes() { return *source_types_; }
  WTMGTabU& Elements() { return *elements_; }
  WIndLinks* IndLinks() { return ind_links_.get(); }
  WFamLinks* FamLinks() override { return fam_links_.get(); }
  const std::string& Version() const { return version_; }

  // The person position of a person identifier (PER_NO); 0 when none.
  int PersonPos(int person_id) const;
  // The events chosen for the person at position p (computed on first need).
  WTMGPrimeEventArray::Entry ChosenEvents(int p);
  // The sorted event indexes of one person's own events (those where the person is the first
  // principal): [first, end).
  struct EventRun {
    int first = 0;
    int end = 0;
  };
  EventRun EventsOf(int person_id) const;
  // The marriage event position of family f; below 1 when the family has none.
  int MarriageEventOf(RecNo f);
  // The place text of a place identifier (PLACENUM); empty when none.  Each place's text is
  // made once: a project has few places and every event names one.
  const std::string& PlaceText(int place_id);

  // --- Version hooks.

  // The individual at position p (in range, after the import).
  virtual std::unique_ptr<WABSIndividual> MakeIndividual(RecNo p);
  // The name record at position n of the names table.
  virtual std::unique_ptr<WTMGName> MakeName(int name_pos);
  // The place of a place identifier; none for an identifier below 1.
  virtual std::unique_ptr<WABSPlace> MakePlace(int place_id);
  // Part k (1-based) of a place, as sentences name them; empty when missing.
  virtual std::string PlacePart(int place_id, int k);
  // Whether an event of this tag type makes a family.
  virtual bool IsFamilyEventType(int type);
  // Whether an event of this type is a sealing of a couple, and the tag type that names it.
  virtual bool IsSealingType(int type) const { return type == 33; }
  virtual int SealingTagOf(int /*event_pos*/) { return 33; }
  // The sentence of an event told by a tag type, and of a person's alternate name.
  virtual std::unique_ptr<WTMGEventSent> MakeEventSentence(int event_pos, int type);
  virtual std::unique_ptr<WTMGEventSent> MakeNameSentence(int name_pos, int type, RecNo person);
  // The events a person's vital, LDS and other events are chosen from, as event positions in
  // event order: the person's own (where the person is the first principal).
  virtual std::vector<int> EventsOfPerson(int person_id);
  // Chooses the person's vital and LDS events into the entry (already cleared, with its
  // first event set).
  virtual void ChooseEvents(int p, int person_id, WTMGPrimeEventArray::Entry& entry);
  // Whether one of the person's events (not chosen) is listed among the other events.
  virtual bool IsOtherEvent(int event_pos);

 protected:
  // For a derived version: its tables' prefix and version text.
  WTMGCollection(const std::string& path, std::string prefix, std::string version);

  // The place text of the places table's row `row`.
  virtual std::string PlaceTextOfRow(int row);

  // Opens the table of a letter and builds its index by the key field (none for an empty
  // key; no index at all when `index` is false), with the memo file when `memo` is set.
  // Raises the open error when the table is missing.
  virtual WTMGTable::Opened OpenTable(const std::string& letter, std::string_view key, bool index, bool memo);
  // OpenTable over `Table`, the keyed dBase table class of a version.
  template <class Table>
  WTMGTable::Opened OpenTableAs(const std::string& letter, std::string_view key, bool index, bool memo) {
    auto table = std::make_unique<Table>(directory_, letter, prefix_);
    table->ReportDamageTo(&Damage());
    if (index && !table->BuildIndex(key)) cancelled_ = true;
    return WTMGTable::Adopt(std::move(table), memo ? OpenMemo(letter) : nullptr);
  }
  // The memo file of a letter's table.
  std::unique_ptr<WFPTFile> OpenMemo(const std::string& letter);
  // The people table over the opened "$" table.
  virtual std::unique_ptr<WTMGTab_> MakePeopleTable(WTMGTable::Opened opened);
  // Opens the tables a version keeps beside the names ("N") and the places ("P") table, right
  // after that table.
  virtual void OpenCompanionTables(const std::string& /*letter*/) {}

  // The import's steps, for a derived version to extend.
  bool OpenTables();
  bool BuildFamilies();

  std::string directory_;
  std::string prefix_;
  std::string version_;
  bool cancelled_ = false;

 private:
  std::unique_ptr<WTMGTab_> people_;
  std::unique_ptr<WTMGTabN> names_;
  std::unique_ptr<WTMGTabF> relationships_;
  std::unique_ptr<WTMGTabG> events_;
  std::unique_ptr<WTMGTabS> citations_;
  std::unique_ptr<WTMGTabM> sources_;
  std::unique_ptr<WTMGTabP> places_;
  std::unique_ptr<WTMGTabE> witnesses_;
  std::unique_ptr<WTMGTabT> tag_types_;
  std::unique_ptr<WTMGTabA> source_types_;
  std::unique_ptr<WTMGTabU> elements_;
  std::unique_ptr<WTMGTable> table_r_;
  std::unique_ptr<WTMGTable> table_w_;
  std::unique_ptr<WIndLinks> ind_links_;
  std::unique_ptr<WFamLinks> fam_links_;
  std::unique_ptr<WTMGPrimeEventArray> prime_;
  std::vector<std::string> place_texts_;  // by place position; read when place_read_ says so
  std::vector<bool> place_read_;
};
