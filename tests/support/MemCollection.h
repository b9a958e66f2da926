#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ABSCollection.h"
#include "model/ABSRepo.h"
#include "model/ABSSubmitter.h"

// An in-memory collection for tests: people, families, sources and notes are plain
// data, filled through the builder operations below (or by editing the data directly),
// and handed out through the model's record classes like any reader's records.

struct MemCitationData {
  std::string detail;
  std::vector<std::string> note;  // lines; empty = no note
  RecNo source = 0;
};

// A missing entry stands for a citation number that yields no citation.
using MemCitations = std::vector<std::optional<MemCitationData>>;

struct MemPlaceData {
  std::string name;
  MemCitations citations;
  std::vector<std::string> note;
};

struct MemEventData {
  int kind = 0;
  std::string type_name;
  std::optional<std::string> date;  // the stored date text; none = no date object
  std::optional<MemPlaceData> place;
  std::string description;
  std::vector<std::string> note;
  MemCitations citations;
};

struct MemNameData {
  std::string prefix, given, surname, suffix;
  std::vector<std::string> note;
  MemCitations citations;
};

struct MemParentLink {
  RecNo family = 0;
  int mother_relation = 7;
  int father_relation = 1;
};

struct MemPersonData {
  std::string id, reference, afn;
  char sex = 'U';
  std::optional<MemNameData> name;
  // Vital events (kinds 1 to 4, the first of each kind counts), other events (kind 6,
  // in order) and LDS ordinances (kinds 7 to 9).
  std::vector<MemEventData> events;
  std::vector<MemParentLink> parent_families;
  std::vector<RecNo> spouse_families;
  std::vector<std::string> note;
  MemCitations citations;
  std::optional<std::string> change_date;
};

struct MemFamilyData {
  RecNo husband = 0, wife = 0;
  std::vector<RecNo> children;
  std::optional<std::string> date;
  std::string place;
  std::vector<MemEventData> sealings;
  std::vector<std::string> note;
  MemCitations citations;
  // Counted by OrderChildren, which otherwise does nothing.
  int order_children_calls = 0;
};

struct MemSourceData {
  std::string author, title, publication, call_number, abbreviation;
  std::vector<std::string> note;
  std::vector<std::string> text;
  RecNo repository = 0;
};

// The reader whose answers a MemCollection gives (its identifier order, captions, sentences).
enum class FileKind : uint8_t {
  None,
  GEDCOM,
  PAF,
  Legacy,
  FamilyTreeMaker,
  TMG4,
  TMG5,
  RootsMagic3,
};

class MemCollection : public WABSCollection {
 public:
  MemCollection();

  // Builder.  Every operation returns the new record's number.
  RecNo AddPerson(const std::string& given, const std::string& surname, char sex = 'U');
  // A person without a name record.
  RecNo AddNamelessPerson(char sex = 'U');
  // Adds an event (an empty date or place = none); the data can be edited further.
  MemEventData& AddEvent(RecNo person, int kind, const std::string& date = "", const std::string& place = "");
  // A family with these spouses (0 = none), entered in the spouses' spouse family lists.
  RecNo AddFamily(RecNo husband, RecNo wife, const std::string& date = "", const std::string& place = "");
  // A child of the family, entered in the child's parent family list.
  void AddChild(RecNo family, RecNo child, int mother_relation = 7, int father_relation = 1);
  // Adds a citation to the person's own citations.
  MemCitationData& AddCitation(RecNo person, const std::string& detail, RecNo source = 0);
  RecNo AddSource(const std::string& title);
  RecNo AddNote(const std::vector<std::string>& lines);

  MemPersonData& Person(RecNo rec_no) { return people_.at(rec_no - 1); }
  MemFamilyData& Family(RecNo rec_no) { return families_.at(rec_no - 1); }
  MemSourceData& Source(RecNo rec_no) { return sources_.at(rec_no - 1); }

  // The collection contract.
  int PreCountIndividuals() override { return IndividualCount(); }
  std::string GetFileSizeText() override { return "0"; }
  std::string GetFileDateText() override { return std::string(); }
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override;
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote(RecNo rec_no) override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo) override { return nullptr; }
  int IndividualCount() override { return static_cast<int>(people_.size()); }
  int FamilyCount() override { return static_cast<int>(families_.size()); }
  int NoteCount() override { return static_cast<int>(notes_.size()); }
  int SourceCount() override { return static_cast<int>(sources_.size()); }
  void GetHeaderInfo(int& count, GenHeaderRecs&) override { count = 0; }
  std::string GetHeaderText() override { return std::string(); }
  std::string GetVersionText() override { return "N/A"; }
  bool Import() override { return true; }
  RecNo FindIndividual(const std::string& id) override;

  // The answers of the reader whose kind the collection pretends to be (set file_kind_).
  IdOrder GetIdOrder() const override;
  std::string GetIdCaption() const override;
  std::string GetReferenceCaption() const override;
  std::string IdentifierFromTyped(const std::string& typed) const override;
  bool HasSentences() const override;
  std::string GetSubmitterCountryLabel() const override;
  FileKind GetFileKind() const { return file_kind_; }

  // Record objects for data that does not belong to the collection.
  static std::unique_ptr<WABSNote> MakeNote(const std::vector<std::string>& lines);

 protected:
  FileKind file_kind_ = FileKind::None;

 private:
  std::vector<MemPersonData> people_;
  std::vector<MemFamilyData> families_;
  std::vector<MemSourceData> sources_;
  std::vector<std::vector<std::string>> notes_;
};
