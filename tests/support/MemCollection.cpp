#include "support/MemCollection.h"

#include "base/Date.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSSource.h"
#include "model/ABSVitEvent.h"

namespace {

std::unique_ptr<WABSNote> NoteOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return nullptr;
  return MemCollection::MakeNote(lines);
}

template <class Data>
const Data* At(const std::vector<Data>& list, int i) {
  return i >= 1 && i <= static_cast<int>(list.size()) ? &list[i - 1] : nullptr;
}

class MemCitation : public WABSCitation {
 public:
  MemCitation(MemCollection& collection, const MemCitationData& data)
      : collection_(collection), data_(data) {}
  std::string GetDetail() override { return data_.detail; }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }
  std::unique_ptr<WABSSource> GetSource() override { return collection_.GetSource(data_.source); }

 private:
  MemCollection& collection_;
  MemCitationData data_;
};

std::unique_ptr<WABSCitation> CitationOf(MemCollection& collection, const MemCitations& list, int i) {
  if (i < 1 || i > static_cast<int>(list.size()) || !list[i - 1]) return nullptr;
  return std::make_unique<MemCitation>(collection, *list[i - 1]);
}

class MemPlace : public WABSPlace {
 public:
  MemPlace(MemCollection& collection, const MemPlaceData& data) : collection_(collection), data_(data) {
    citation_count_ = static_cast<int32_t>(data.citations.size());
  }
  std::string GetName() override { return data_.name; }
  std::unique_ptr<WABSCitation> GetCitation(int i) override {
    return CitationOf(collection_, data_.citations, i);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }

 private:
  MemCollection& collection_;
  MemPlaceData data_;
};

// One event class for vital and LDS events alike.
template <class Base>
class MemEvent : public Base {
 public:
  MemEvent(MemCollection& collection, const MemEventData& data) : collection_(collection), data_(data) {
    this->kind_ = static_cast<uint8_t>(data.kind);
    this->type_name_ = data.type_name;
    this->description_ = data.description;
    this->citation_count_ = static_cast<int32_t>(data.citations.size());
  }
  void LoadDate() override {
    if (!this->date_ && data_.date) this->date_ = std::make_unique<WDate>(*data_.date);
  }
  std::unique_ptr<WABSPlace> GetPlace() override {
    return data_.place ? std::make_unique<MemPlace>(collection_, *data_.place) : nullptr;
  }
  std::unique_ptr<WABSCitation> GetCitation(int i) override {
    return CitationOf(collection_, data_.citations, i);
  }
  bool HasNote() override { return !data_.note.empty(); }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }

 private:
  MemCollection& collection_;
  MemEventData data_;
};

class MemName : public WABSName {
 public:
  MemName(MemCollection& collection, const MemNameData& data) : collection_(collection), data_(data) {
    citation_count_ = static_cast<int32_t>(data.citations.size());
  }
  std::string GetSurname() override { return data_.surname; }
  std::string GetGivenNames() override { return data_.given; }
  std::string GetPrefix() override { return data_.prefix; }
  std::string GetSuffix() override { return data_.suffix; }
  std::unique_ptr<WABSCitation> GetCitation(int i) override {
    return CitationOf(collection_, data_.citations, i);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }

 private:
  MemCollection& collection_;
  MemNameData data_;
};

class MemIndividual : public WABSIndividual {
 public:
  MemIndividual(MemCollection& collection, RecNo rec_no) : WABSIndividual(rec_no), collection_(collection) {
    Load(rec_no);
  }
  void FreeCache() override { change_date_.reset(); }
  void Load(RecNo) override {}
  std::string GetID() override { return Data().id; }
  std::string GetReferenceNumber() override { return Data().reference; }
  std::string GetAFN() override { return Data().afn; }
  char GetSex() override { return Data().sex; }
  const WDate* GetCreationDate() override { return nullptr; }
  const WDate* GetChangeDate() override {
    if (!change_date_ && Data().change_date) change_date_ = std::make_unique<WDate>(*Data().change_date);
    return change_date_.get();
  }
  std::unique_ptr<WABSName> GetName() override {
    return Data().name ? std::make_unique<MemName>(collection_, *Data().name) : nullptr;
  }
  int EventCount(int kind) override {
    if (kind < evBirth || (kind > evBurial && kind != evOther)) return 0;
    int count = 0;
    for (const MemEventData& event : Data().events) count += event.kind == kind;
    return kind == evOther ? count : (count > 0 ? 1 : 0);
  }
  std::unique_ptr<WABSVitEvent> GetEvent(int kind, int index) override {
    if (kind < evBirth || kind > evOther) return nullptr;
    const MemEventData* event = Find(kind, kind == evOther ? index : 1);
    if (kind != evOther && index != 1) return nullptr;
    return event ? std::make_unique<MemEvent<WABSVitEvent>>(collection_, *event) : nullptr;
  }
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(int kind) override {
    if (kind < evLDSBaptism || kind > evSealingToParents) return nullptr;
    const MemEventData* event = Find(kind, 1);
    return event ? std::make_unique<MemEvent<WABSLDSEvent>>(collection_, *event) : nullptr;
  }
  int ParentFamilyCount() override { return static_cast<int>(Data().parent_families.size()); }
  RecNo GetParentFamily(int i) override {
    const MemParentLink* link = At(Data().parent_families, i);
    return link ? link->family : 0;
  }
  bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) override {
    const MemParentLink* link = At(Data().parent_families, i);
    if (!link) return false;
    family = link->family;
    mother_relation = link->mother_relation;
    father_relation = link->father_relation;
    return true;
  }
  int SpouseFamilyCount() override { return static_cast<int>(Data().spouse_families.size()); }
  RecNo GetSpouseFamily(int i) override {
    const RecNo* family = At(Data().spouse_families, i);
    return family ? *family : 0;
  }
  bool HasNoParents() override { return ParentFamilyCount() == 0; }
  bool HasNoSpouseFamilies() override { return SpouseFamilyCount() == 0; }
  int CitationCount() override { return static_cast<int>(Data().citations.size()); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override {
    return CitationOf(collection_, Data().citations, i);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(Data().note); }
  int PictureCount() override { return 0; }
  std::string GetPictureFile(int) override { return std::string(); }
  std::string GetPrimaryPictureFile() override { return std::string(); }
  std::string GetRecordText() override { return std::string(); }

 private:
  MemPersonData& Data() { return collection_.Person(GetRecNo()); }
  const MemEventData* Find(int kind, int index) {
    int seen = 0;
    for (const MemEventData& event : Data().events) {
      if (event.kind == kind && ++seen == index) return &event;
    }
    return nullptr;
  }

  MemCollection& collection_;
  std::unique_ptr<WDate> change_date_;
};

class MemMarriage : public WABSMarriage {
 public:
  MemMarriage(MemCollection& collection, RecNo rec_no) : WABSMarriage(rec_no), collection_(collection) {
    child_count_ = static_cast<int32_t>(Data().children.size());
    citation_count_ = static_cast<int32_t>(Data().citations.size());
  }
  void LoadDate() override {
    if (!date_ && Data().date) date_ = std::make_unique<WDate>(*Data().date);
  }
  RecNo GetHusband() override { return Data().husband; }
  RecNo GetWife() override { return Data().wife; }
  RecNo GetChild(int i) override {
    const RecNo* child = At(Data().children, i);
    return child ? *child : 0;
  }
  int SpouseCount() override { return (Data().husband != 0) + (Data().wife != 0); }
  void OrderChildren() override { ++Data().order_children_calls; }
  int SealingCount() override { return static_cast<int>(Data().sealings.size()); }
  std::unique_ptr<WABSLDSEvent> GetSealing(int i) override {
    const MemEventData* sealing = At(Data().sealings, i);
    return sealing ? std::make_unique<MemEvent<WABSLDSEvent>>(collection_, *sealing) : nullptr;
  }
  std::string GetPlaceText() override { return Data().place; }
  std::string GetRecordText() override { return std::string(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override {
    return CitationOf(collection_, Data().citations, i);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(Data().note); }

 private:
  MemFamilyData& Data() { return collection_.Family(GetRecNo()); }
  MemCollection& collection_;
};

class MemSource : public WABSSource {
 public:
  explicit MemSource(const MemSourceData& data) : data_(data) {}
  RecNo GetRepositoryRecord() override { return data_.repository; }
  std::string GetAuthor() override { return data_.author; }
  std::string GetTitle() override { return data_.title; }
  std::string GetPublication() override { return data_.publication; }
  std::string GetCallNumber() override { return data_.call_number; }
  std::string GetAbbreviation() override { return data_.abbreviation; }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }
  std::unique_ptr<WABSNote> GetText() override { return NoteOf(data_.text); }
  bool HasNote() override { return !data_.note.empty(); }
  bool HasText() override { return !data_.text.empty(); }
  bool HasRepository() override { return data_.repository != 0; }

 private:
  MemSourceData data_;
};

}  // namespace

MemCollection::MemCollection() {
  file_name_ = "memory";
  file_kind_ = FileKind::None;
}

RecNo MemCollection::AddPerson(const std::string& given, const std::string& surname, char sex) {
  RecNo rec_no = AddNamelessPerson(sex);
  MemNameData name;
  name.given = given;
  name.surname = surname;
  Person(rec_no).name = name;
  return rec_no;
}

RecNo MemCollection::AddNamelessPerson(char sex) {
  MemPersonData person;
  person.sex = sex;
  people_.push_back(person);
  const RecNo rec_no = static_cast<RecNo>(people_.size());
  people_.back().id = "I" + std::to_string(rec_no);
  return rec_no;
}

MemEventData& MemCollection::AddEvent(RecNo person, int kind, const std::string& date,
                                      const std::string& place) {
  MemEventData event;
  event.kind = kind;
  if (!date.empty()) event.date = date;
  if (!place.empty()) event.place = MemPlaceData{place, {}, {}};
  Person(person).events.push_back(event);
  return Person(person).events.back();
}

RecNo MemCollection::AddFamily(RecNo husband, RecNo wife, const std::string& date, const std::string& place) {
  MemFamilyData family;
  family.husband = husband;
  family.wife = wife;
  if (!date.empty()) family.date = date;
  family.place = place;
  families_.push_back(family);
  const RecNo rec_no = static_cast<RecNo>(families_.size());
  if (husband > 0) Person(husband).spouse_families.push_back(rec_no);
  if (wife > 0) Person(wife).spouse_families.push_back(rec_no);
  return rec_no;
}

void MemCollection::AddChild(RecNo family, RecNo child, int mother_relation, int father_relation) {
  Family(family).children.push_back(child);
  Person(child).parent_families.push_back(MemParentLink{family, mother_relation, father_relation});
}

MemCitationData& MemCollection::AddCitation(RecNo person, const std::string& detail, RecNo source) {
  MemCitations& list = Person(person).citations;
  list.push_back(MemCitationData{detail, {}, source});
  return *list.back();
}

RecNo MemCollection::AddSource(const std::string& title) {
  MemSourceData source;
  source.title = title;
  sources_.push_back(source);
  return static_cast<RecNo>(sources_.size());
}

RecNo MemCollection::AddNote(const std::vector<std::string>& lines) {
  notes_.push_back(lines);
  return static_cast<RecNo>(notes_.size());
}

std::unique_ptr<WABSIndividual> MemCollection::GetIndividual(RecNo rec_no) {
  if (rec_no < 1 || rec_no > IndividualCount()) return nullptr;
  return std::make_unique<MemIndividual>(*this, rec_no);
}

std::unique_ptr<WABSMarriage> MemCollection::GetFamily(RecNo rec_no) {
  if (rec_no < 1 || rec_no > FamilyCount()) return nullptr;
  return std::make_unique<MemMarriage>(*this, rec_no);
}

std::unique_ptr<WABSNote> MemCollection::GetNote(RecNo rec_no) {
  const std::vector<std::string>* lines = At(notes_, rec_no);
  return lines ? MakeNote(*lines) : nullptr;
}

std::unique_ptr<WABSSource> MemCollection::GetSource(RecNo rec_no) {
  const MemSourceData* source = At(sources_, rec_no);
  return source ? std::make_unique<MemSource>(*source) : nullptr;
}

RecNo MemCollection::FindIndividual(const std::string& id) {
  if (id.empty()) return 0;
  for (size_t i = 0; i < people_.size(); ++i) {
    if (people_[i].id == id) return static_cast<RecNo>(i + 1);
  }
  return 0;
}

std::unique_ptr<WABSNote> MemCollection::MakeNote(const std::vector<std::string>& lines) {
  auto note = std::make_unique<WABSNote>();
  for (const std::string& line : lines) note->AddLine(line);
  return note;
}

IdOrder MemCollection::GetIdOrder() const {
  if (file_kind_ == FileKind::GEDCOM) return IdOrder::IdText;
  if (file_kind_ == FileKind::TMG5) return IdOrder::PairText;
  return IdOrder::Integer;
}

std::string MemCollection::GetIdCaption() const { return file_kind_ == FileKind::GEDCOM ? "REF" : "RIN"; }

std::string MemCollection::GetReferenceCaption() const {
  return file_kind_ == FileKind::Legacy ? "User ID" : "Custom";
}

std::string MemCollection::IdentifierFromTyped(const std::string& typed) const {
  const bool letter = !typed.empty() && ((typed[0] | 0x20) >= 'a' && (typed[0] | 0x20) <= 'z');
  return file_kind_ == FileKind::GEDCOM && !letter ? "I" + typed : typed;
}

bool MemCollection::HasSentences() const {
  return file_kind_ == FileKind::TMG4 || file_kind_ == FileKind::TMG5;
}

std::string MemCollection::GetSubmitterCountryLabel() const {
  return file_kind_ == FileKind::Legacy ? "Web Site" : "Country";
}
