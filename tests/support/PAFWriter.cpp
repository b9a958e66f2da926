#include "PAFWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

#include "base/TextUtils.h"

namespace {

constexpr uint64_t kBlock = 8192;
constexpr int64_t kBlocksPerRegion = 8192;
constexpr int kText = 1, kIndividual = 2, kMarriage = 3, kNote = 4, kChildLink = 5, kCitation = 6,
              kSource = 7, kRepository = 8, kMap = 11, kOtherEvent = 12, kEventType = 13, kTotals = 14,
              kIndividualExt = 15, kSourceExt = 19;

// --- Where the bytes go.

class Sink {
 public:
  virtual ~Sink() = default;
  virtual void Write(uint64_t offset, const std::string& bytes) = 0;
  virtual bool Finish(uint64_t size) = 0;
};

class MemorySink : public Sink {
 public:
  void Write(uint64_t offset, const std::string& bytes) override {
    if (bytes_.size() < offset + bytes.size()) bytes_.resize(offset + bytes.size(), '\0');
    bytes_.replace(offset, bytes.size(), bytes);
  }
  bool Finish(uint64_t size) override {
    bytes_.resize(size, '\0');
    return true;
  }
  std::string bytes_;
};

class FileSink : public Sink {
 public:
  explicit FileSink(const std::string& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {}
  ~FileSink() override {
    if (fd_ >= 0) ::close(fd_);
  }
  void Write(uint64_t offset, const std::string& bytes) override {
    size_t done = 0;
    while (ok_ && done < bytes.size()) {
      const ssize_t n =
          ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
      if (n <= 0) ok_ = false;
      done += n > 0 ? static_cast<size_t>(n) : 0;
    }
  }
  bool Finish(uint64_t size) override {
    return ok_ && fd_ >= 0 && ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
  }

 private:
  int fd_;
  bool ok_ = fd_ >= 0;
};

// --- Little-endian fields in a record buffer.

void Put8(std::string& b, size_t at, int v) { b[at] = static_cast<char>(v); }
void Put16(std::string& b, size_t at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, size_t at, int64_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<char>((u >> (8 * k)) & 0xFF);
}
// A fixed text field: the text cut to the width, the rest zero.
void PutText(std::string& b, size_t at, size_t width, const std::string& text) {
  std::memcpy(&b[at], text.data(), std::min(width, text.size()));
}

int Qualifier34(PAFQualifier q) {
  switch (q) {
    case PAFQualifier::After:
      return 1;
    case PAFQualifier::Before:
      return 2;
    case PAFQualifier::About:
      return 3;
    case PAFQualifier::Calculated:
      return 4;
    case PAFQualifier::Estimated:
      return 6;
    case PAFQualifier::Exact:
      break;
  }
  return 0;
}

int Qualifier5(PAFQualifier q) {
  switch (q) {
    case PAFQualifier::About:
      return 1;
    case PAFQualifier::After:
      return 2;
    case PAFQualifier::Before:
      return 3;
    case PAFQualifier::Estimated:
      return 4;
    case PAFQualifier::Calculated:
      return 5;
    case PAFQualifier::Exact:
      break;
  }
  return 0;
}

int Keyword34(const std::string& keyword) {
  static const std::pair<const char*, int> kKeywords[] = {
      {"BIC", 104},      {"CHILD", 120},     {"CLEARED", 128},   {"COMPLETED", 136}, {"INFANT", 184},
      {"PRE-1970", 200}, {"STILLBORN", 208}, {"UNCLEARED", 216}, {"SUBMITTED", 232}};
  for (const auto& k : kKeywords)
    if (keyword == k.first) return k.second;
  return 0;
}

int Keyword5(const std::string& keyword) {
  static const char* const kKeywords[] = {"BIC",       "CANCELLED",  "CHILD",    "CLEARED",   "COMPLETED",
                                          "DEAD",      "DECEASED",   "DONE",     "DNS",       "DNSCAN",
                                          "INFANT",    "NOTMARRIED", "PRE-1970", "STILLBORN", "SUBMITTED",
                                          "UNCLEARED", "QUALIFIED",  "DONTDOIT", "INPROCESS"};
  for (size_t k = 0; k < std::size(kKeywords); ++k)
    if (keyword == kKeywords[k]) return static_cast<int>(k) + 1;
  return 0;
}

// Up to four place parts split at ", ".
std::vector<std::string> PlaceParts(const std::string& place) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= place.size() && !place.empty()) {
    size_t end = place.find(", ", start);
    if (parts.size() == 3 || end == std::string::npos) {
      parts.push_back(place.substr(start));
      break;
    }
    parts.push_back(place.substr(start, end - start));
    start = end + 2;
  }
  return parts;
}

class Writer {
 public:
  Writer(const PAFBook& book, Sink& sink)
      : book_(book), sink_(sink), v5_(book.version == 5), v4_(book.version == 4) {
    if (v5_) {
      sizes_ = {{kIndividual, 221}, {kMarriage, 106},   {kNote, 256},      {kChildLink, 46}, {kCitation, 145},
                {kSource, 507},     {kRepository, 497}, {kOtherEvent, 59}, {kEventType, 143}};
    } else {
      sizes_ = {{kIndividual, 298}, {kMarriage, 110}, {kNote, 256},      {kChildLink, 39},
                {kCitation, 127},   {kSource, 479},   {kRepository, 299}};
      if (v4_) {
        sizes_[kOtherEvent] = 84;
        sizes_[kEventType] = 60;
        sizes_[kIndividualExt] = 96;
        sizes_[kSourceExt] = 40;
      }
    }
  }

  bool Run(PAFFileLayout* layout);

 private:
  int People() const {
    return book_.person_count ? book_.person_count : static_cast<int>(book_.people.size());
  }
  int Families() const {
    return book_.family_count ? book_.family_count : static_cast<int>(book_.families.size());
  }
  PAFPerson Person(int rin) const { return book_.person_count ? book_.person(rin) : book_.people[rin - 1]; }
  PAFFamily Family(int mrin) const {
    return book_.family_count ? book_.family(mrin) : book_.families[mrin - 1];
  }
  uint64_t DataBase() const { return v5_ ? 12288 : 4096; }
  uint64_t BlockOffset(int64_t block) const { return DataBase() + static_cast<uint64_t>(block) * kBlock; }
  int32_t Link(int64_t n) const { return n > 0 ? static_cast<int32_t>(n) : book_.none_link; }

  void Precompute();
  int64_t NewBlock(int type);
  // The offset of the next record of a type; its number in `number`.
  uint64_t NewRecord(int type, int32_t& number);
  // Packs a text record into the text block being filled; its offset.
  uint64_t PutTextRecord(const std::string& record);
  int32_t Text(const std::string& text, bool share = true);
  int32_t TypedTexts(const std::vector<std::pair<int, std::string>>& texts);
  int32_t Note(const std::string& text);
  int32_t Citations(const std::vector<PAFCite>& cites);
  void Date(std::string& b, size_t at, const PAFDate& date, bool ordinance);
  void Event(std::string& b, size_t at, const PAFEvent& event);
  void Ordinance(std::string& b, size_t at, const PAFOrdinance& ordinance);
  int32_t OtherEvents(const std::vector<PAFOtherEvent>& others);
  int32_t EventType(const std::string& name);
  void WritePerson(int rin);
  void WriteFamily(int mrin);
  void WriteSource(int n);
  void WriteRepository(int n);
  void WriteHeader();

  const PAFBook& book_;
  Sink& sink_;
  bool v5_, v4_;
  std::map<int, uint32_t> sizes_;
  // Blocks handed out so far; the map block of each region, the blocks of each type per region.
  int64_t next_block_ = 1;
  int64_t used_blocks_ = 0;
  std::vector<std::string> maps_;
  std::vector<std::array<int, 41>> counts_;
  std::map<int, std::vector<int64_t>> blocks_;
  std::map<int, int32_t> written_;  // records written per type
  int64_t totals_block_ = -1;
  // The text block being filled.
  int64_t text_block_ = -1;
  uint64_t text_used_ = 0;
  std::unordered_map<std::string, int32_t> shared_texts_;
  std::map<std::string, int32_t> event_types_;
  // The chains that cross records, worked out before anything is written.
  std::vector<int32_t> first_spouse_family_, husband_next_, wife_next_;
  std::vector<int32_t> first_child_link_, family_first_link_, next_parent_link_;
  std::vector<int32_t> next_deleted_person_, next_deleted_family_;
  int32_t first_deleted_person_ = 0, first_deleted_family_ = 0;
};

void Writer::Precompute() {
  const int people = People(), families = Families();
  first_spouse_family_.assign(people + 1, 0);
  first_child_link_.assign(people + 1, 0);
  husband_next_.assign(families + 1, 0);
  wife_next_.assign(families + 1, 0);
  family_first_link_.assign(families + 1, 0);
  next_parent_link_.assign(1, 0);
  next_deleted_person_.assign(people + 1, 0);
  next_deleted_family_.assign(families + 1, 0);
  std::vector<int32_t> last_family(people + 1, 0), last_link(people + 1, 0);
  int32_t link = 0;
  for (int f = 1; f <= families; ++f) {
    const PAFFamily family = Family(f);
    for (int side = 0; side < 2; ++side) {
      const int person = side == 0 ? family.husband : family.wife;
      if (person < 1 || person > people) continue;
      if (const int32_t before = last_family[person]) {
        // The chain goes on from the side this person took in the family before.
        const PAFFamily previous = Family(before);
        (previous.husband == person ? husband_next_ : wife_next_)[before] = f;
      } else {
        first_spouse_family_[person] = f;
      }
      last_family[person] = f;
    }
    for (int child : family.children) {
      ++link;
      next_parent_link_.push_back(0);
      if (!family_first_link_[f]) family_first_link_[f] = link;
      if (child < 1 || child > people) continue;
      if (last_link[child])
        next_parent_link_[last_link[child]] = link;
      else
        first_child_link_[child] = link;
      last_link[child] = link;
    }
  }
  int32_t previous = 0;
  for (int r = 1; r <= people; ++r) {
    if (!Person(r).deleted) continue;
    (previous ? next_deleted_person_[previous] : first_deleted_person_) = r;
    previous = r;
  }
  previous = 0;
  for (int f = 1; f <= families; ++f) {
    if (!Family(f).deleted) continue;
    (previous ? next_deleted_family_[previous] : first_deleted_family_) = f;
    previous = f;
  }
}

int64_t Writer::NewBlock(int type) {
  if (book_.free_block_every > 0 && used_blocks_ > 0 && used_blocks_ % book_.free_block_every == 0)
    ++next_block_;
  if (next_block_ % kBlocksPerRegion == 0) ++next_block_;  // the next region's map block
  const int64_t block = next_block_++;
  ++used_blocks_;
  const size_t region = static_cast<size_t>(block / kBlocksPerRegion);
  while (maps_.size() <= region) {
    maps_.emplace_back(kBlock, '\0');
    maps_.back()[0] = static_cast<char>(kMap);
    counts_.push_back({});
  }
  maps_[region][block % kBlocksPerRegion] = static_cast<char>(type);
  if (type <= 40) ++counts_[region][type];
  blocks_[type].push_back(block);
  return block;
}

uint64_t Writer::NewRecord(int type, int32_t& number) {
  const uint32_t size = sizes_.at(type);
  const int32_t per_block = static_cast<int32_t>(kBlock / size);
  number = ++written_[type];
  if ((number - 1) % per_block == 0) NewBlock(type);
  return BlockOffset(blocks_[type].back()) + static_cast<uint64_t>((number - 1) % per_block) * size;
}

uint64_t Writer::PutTextRecord(const std::string& record) {
  if (text_block_ < 0 || text_used_ + record.size() > kBlock) {
    text_block_ = NewBlock(kText);
    text_used_ = 0;
  }
  const uint64_t offset = BlockOffset(text_block_) + text_used_;
  text_used_ += record.size();
  sink_.Write(offset, record);
  return offset;
}

int32_t Writer::Text(const std::string& text, bool share) {
  if (text.empty()) return 0;
  if (share) {
    auto found = shared_texts_.find(text);
    if (found != shared_texts_.end()) return found->second;
  }
  const std::string value = text.substr(0, 255);
  std::string record(13 + value.size() + 1, '\0');
  Put32(record, 0, static_cast<int64_t>(value.size()));
  std::memcpy(&record[13], value.data(), value.size());
  const uint64_t offset = PutTextRecord(record);
  if (share && shared_texts_.size() < 100000) shared_texts_[text] = static_cast<int32_t>(offset);
  return static_cast<int32_t>(offset);
}

int32_t Writer::TypedTexts(const std::vector<std::pair<int, std::string>>& texts) {
  // Written last to first, each pointing at the one after it.
  int32_t next = 0;
  for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
    std::string record(15 + it->second.size() + 1, '\0');
    Put32(record, 0, next ? next : book_.none_link);
    Put8(record, 12, it->first);
    Put16(record, 13, static_cast<int>(it->second.size()));
    std::memcpy(&record[15], it->second.data(), it->second.size());
    next = static_cast<int32_t>(PutTextRecord(record));
  }
  return next;
}

int32_t Writer::Note(const std::string& text) {
  if (text.empty()) return 0;
  std::string stored;
  for (char c : text)
    stored += c == '\n' ? (v5_ ? std::string("\r\n") : std::string("\r")) : std::string(1, c);
  const size_t piece = v5_ ? 243 : 244, at = v5_ ? 13 : 12;
  const size_t pieces = (stored.size() + piece - 1) / piece;
  int32_t first = 0;
  for (size_t k = 0; k < pieces; ++k) {
    int32_t number = 0;
    const uint64_t offset = NewRecord(kNote, number);
    if (!first) first = number;
    std::string record(256, '\0');
    Put32(record, 0, k + 1 < pieces ? number + 1 : book_.none_link);
    PutText(record, at, piece, stored.substr(k * piece, piece));
    sink_.Write(offset, record);
  }
  return first;
}

int32_t Writer::Citations(const std::vector<PAFCite>& cites) {
  // The notes first, so that the citation records stay consecutive.
  std::vector<int32_t> notes;
  for (const PAFCite& cite : cites) notes.push_back(Note(cite.note));
  int32_t first = 0;
  for (size_t k = 0; k < cites.size(); ++k) {
    int32_t number = 0;
    const uint64_t offset = NewRecord(kCitation, number);
    if (!first) first = number;
    std::string record(sizes_.at(kCitation), '\0');
    PutText(record, v5_ ? 4 : 5, 92, cites[k].detail);
    Put32(record, v5_ ? 108 : 103, Link(notes[k]));
    Put32(record, v5_ ? 116 : 111, Link(cites[k].source));
    Put32(record, v5_ ? 120 : 115, k + 1 < cites.size() ? number + 1 : book_.none_link);
    sink_.Write(offset, record);
  }
  return first;
}

void Writer::Date(std::string& b, size_t at, const PAFDate& date, bool ordinance) {
  if (!date.IsSet()) return;
  if (!v5_) {
    if (!date.keyword.empty()) {
      Put32(b, at + 2, Keyword34(date.keyword));
    } else if (!date.text.empty() && ordinance) {
      Put16(b, at, 1);
      Put32(b, at + 2, Text(date.text));
    } else {
      Put16(b, at, date.year << 3);
      Put16(b, at + 2, (date.month << 3) | (date.day << 11));
      Put8(b, at + 4, Qualifier34(date.qualifier));
      Put8(b, at + 5, date.second_year ? date.second_year - date.year : 0);
    }
    return;
  }
  if (!date.keyword.empty()) {
    Put8(b, at, 1);
    Put8(b, at + 1, Keyword5(date.keyword));
    return;
  }
  if (!date.text.empty()) {
    Put8(b, at, 2 | (2 << 4));
    Put32(b, at + 2, Text(date.text));
    return;
  }
  auto part = [&](size_t p, int year, int month, int day) {
    const int flags = (year ? 0 : 0x80) | (month ? 0 : 0x40) | (day ? 0 : 0x20);
    const uint32_t jd = PAFWriter::JulianDay(year ? year : 2000, month ? month : 1, day ? day : 1);
    Put8(b, p + 1, flags);
    Put8(b, p + 2, jd & 0xFF);
    Put8(b, p + 3, (jd >> 8) & 0xFF);
    Put8(b, p + 4, (jd >> 16) & 0xFF);
  };
  Put8(b, at, (date.second_year ? 3 : 2) | (1 << 4) | (date.second_year ? 1 << 6 : 0));
  Put8(b, at + 1, Qualifier5(date.qualifier));
  part(at + 2, date.year, date.month, date.day);
  if (date.second_year) part(at + 7, date.second_year, 0, 0);
}

void Writer::Event(std::string& b, size_t at, const PAFEvent& event) {
  Date(b, at, event.date, false);
  const int32_t citations = Citations(event.citations);
  if (v5_) {
    Put32(b, at + 12, Text(event.place));
    Put32(b, at + 20, Link(citations));
    return;
  }
  const std::vector<std::string> parts = PlaceParts(event.place);
  for (size_t k = 0; k < 4; ++k)
    Put32(b, at + 6 + 4 * k, event.parts_none ? -1 : k < parts.size() ? Text(parts[k]) : 0);
  Put32(b, at + 26, Link(citations));
}

void Writer::Ordinance(std::string& b, size_t at, const PAFOrdinance& ordinance) {
  Date(b, at, ordinance.date, true);
  const int32_t citations = Citations(ordinance.citations);
  if (v5_) {
    Put32(b, at + 12, Text(ordinance.temple));
    Put32(b, at + 16, Link(citations));
    Put8(b, at + 20, ordinance.in_temple && !ordinance.temple.empty() ? 1 : 0);
    return;
  }
  Put32(b, at + 6, Text(ordinance.temple));
  Put32(b, at + 10, Link(citations));
  Put32(b, at + 14, Link(Note(ordinance.note)));
}

int32_t Writer::EventType(const std::string& name) {
  auto found = event_types_.find(name);
  if (found != event_types_.end()) return found->second;
  const int32_t text = Text(v4_ ? PAFWriter::ToAnsel(name) : name);
  int32_t number = 0;
  const uint64_t offset = NewRecord(kEventType, number);
  std::string record(sizes_.at(kEventType), '\0');
  Put32(record, 0, text);
  sink_.Write(offset, record);
  event_types_[name] = number;
  return number;
}

int32_t Writer::OtherEvents(const std::vector<PAFOtherEvent>& others) {
  if (others.empty() || (!v4_ && !v5_)) return 0;
  // Everything the records point at first, so that the other-event records stay consecutive.
  std::vector<std::string> records;
  for (const PAFOtherEvent& other : others) {
    std::string record(sizes_.at(kOtherEvent), '\0');
    const std::string description = v4_ ? PAFWriter::ToAnsel(other.description) : other.description;
    Put32(record, v5_ ? 12 : 13, Text(description));
    Put32(record, v5_ ? 16 : 17, Link(EventType(other.type)));
    Event(record, v5_ ? 20 : 21, other.event);
    records.push_back(std::move(record));
  }
  int32_t first = 0;
  for (size_t k = 0; k < records.size(); ++k) {
    int32_t number = 0;
    const uint64_t offset = NewRecord(kOtherEvent, number);
    if (!first) first = number;
    Put32(records[k], 0, k + 1 < records.size() ? number + 1 : book_.none_link);
    sink_.Write(offset, records[k]);
  }
  return first;
}

void Writer::WritePerson(int rin) {
  const PAFPerson p = Person(rin);
  std::string r(sizes_.at(kIndividual), '\0');
  const int32_t note = Note(p.note);
  const int32_t citations = Citations(p.citations);
  if (v5_) {
    std::vector<std::pair<int, std::string>> texts = {{1, p.given + "/" + p.surname + "/" + p.suffix}};
    if (!p.afn.empty()) texts.push_back({10, p.afn});
    if (!p.reference.empty()) texts.push_back({11, p.reference});
    Put32(r, 0, TypedTexts(texts));
    Put32(r, 4, Link(first_spouse_family_[rin]));
    Put32(r, 8, Link(first_child_link_[rin]));
    Put32(r, 12, Link(note));
    Put32(r, 16, Link(citations));
    Put32(r, 20, p.changed);
    Put32(r, 28, Link(OtherEvents(p.others)));
    Event(r, 64, p.birth);
    Event(r, 88, p.christening);
    Event(r, 112, p.death);
    Event(r, 136, p.burial);
    Ordinance(r, 160, p.baptism);
    Ordinance(r, 181, p.endowment);
    Put8(r, 202, p.sex);
    if (p.deleted) Put32(r, 0, Link(next_deleted_person_[rin]));
  } else {
    std::vector<std::string> given = p.given_parts;
    if (given.empty()) {
      const size_t first = p.given.find(' ');
      const size_t second = first == std::string::npos ? first : p.given.find(' ', first + 1);
      given.push_back(p.given.substr(0, first));
      given.push_back(first == std::string::npos ? "" : p.given.substr(first + 1, second - first - 1));
      given.push_back(second == std::string::npos ? "" : p.given.substr(second + 1));
    }
    given.resize(3);
    Put8(r, 0, p.sex);
    Put32(r, 1, Text(p.surname));
    for (size_t k = 0; k < 3; ++k) Put32(r, 5 + 4 * k, Text(given[k]));
    Put32(r, 17, Text(p.suffix));
    Event(r, 22, p.birth);
    Event(r, 60, p.christening);
    Event(r, 98, p.death);
    Event(r, 136, p.burial);
    Ordinance(r, 174, p.baptism);
    Ordinance(r, 196, p.endowment);
    Put32(r, 218, Link(first_spouse_family_[rin]));
    Put32(r, 222, Link(first_child_link_[rin]));
    Put32(r, 226, Link(note));
    Put32(r, 234, Link(citations));
    Put32(r, 254, p.created);
    Put32(r, 258, p.changed);
    PutText(r, 270, 11, p.reference);
    PutText(r, 281, 13, p.afn);
    if (p.deleted) Put32(r, 1, Link(next_deleted_person_[rin]));
    if (v4_ && (book_.extension_records < 0 || rin <= book_.extension_records)) {
      std::string x(sizes_.at(kIndividualExt), '\0');
      Put32(x, 4, Link(OtherEvents(p.others)));
      Put32(x, 28, Text(p.title));
      const std::vector<std::string> parts = PlaceParts(p.ordinance_place);
      for (size_t k = 0; k < parts.size(); ++k) Put32(x, 52 + 4 * k, Text(parts[k]));
      int32_t number = 0;
      const uint64_t offset = NewRecord(kIndividualExt, number);
      sink_.Write(offset, x);
    }
  }
  int32_t number = 0;
  const uint64_t offset = NewRecord(kIndividual, number);
  sink_.Write(offset, r);
}

void Writer::WriteFamily(int mrin) {
  const PAFFamily f = Family(mrin);
  std::string m(sizes_.at(kMarriage), '\0');
  const int32_t note = Note(f.note);
  const size_t husband = v5_ ? 4 : 5, wife = v5_ ? 8 : 9, first_child = v5_ ? 12 : 13;
  Put32(m, husband, Link(f.husband));
  Put32(m, wife, Link(f.wife));
  Put32(m, first_child, Link(family_first_link_[mrin]));
  Put32(m, v5_ ? 16 : 77, Link(husband_next_[mrin]));
  Put32(m, v5_ ? 20 : 81, Link(wife_next_[mrin]));
  Put32(m, v5_ ? 28 : 89, Link(note));
  Event(m, v5_ ? 52 : 17, f.marriage);
  Ordinance(m, v5_ ? 76 : 55, f.sealing);
  if (f.deleted) Put32(m, v5_ ? 0 : 1, Link(next_deleted_family_[mrin]));
  // The child links with their sealings.
  std::vector<std::string> links;
  for (size_t k = 0; k < f.children.size(); ++k) {
    std::string c(sizes_.at(kChildLink), '\0');
    Put32(c, v5_ ? 0 : 1, mrin);
    Put32(c, v5_ ? 12 : 13, Link(f.children[k]));
    if (k < f.child_sealings.size()) Ordinance(c, v5_ ? 16 : 17, f.child_sealings[k]);
    links.push_back(std::move(c));
  }
  int32_t number = 0;
  const uint64_t offset = NewRecord(kMarriage, number);
  sink_.Write(offset, m);
  for (size_t k = 0; k < links.size(); ++k) {
    int32_t link = 0;
    const uint64_t at = NewRecord(kChildLink, link);
    Put32(links[k], v5_ ? 4 : 5, k + 1 < links.size() ? link + 1 : book_.none_link);
    Put32(links[k], v5_ ? 8 : 9, Link(next_parent_link_[link]));
    sink_.Write(at, links[k]);
  }
}

void Writer::WriteSource(int n) {
  const PAFSource& s = book_.sources[n - 1];
  std::string r(sizes_.at(kSource), '\0');
  const int32_t note = Note(s.note);
  const int32_t text = v4_ || v5_ ? Note(s.text) : 0;
  const size_t base = v5_ ? 0 : 1, width = v5_ ? 124 : 122;
  PutText(r, base, width, s.author);
  PutText(r, base + width, width, s.title);
  PutText(r, base + 2 * width, width, s.publication);
  PutText(r, v5_ ? 372 : 367, 92, s.call_number);
  Put32(r, v5_ ? 464 : 459, Link(note));
  Put32(r, v5_ ? 480 : 475, Link(s.repository));
  if (v5_) Put32(r, 488, Link(text));
  int32_t number = 0;
  sink_.Write(NewRecord(kSource, number), r);
  if (v4_) {
    std::string t(sizes_.at(kSourceExt), '\0');
    Put32(t, 8, Link(text));
    sink_.Write(NewRecord(kSourceExt, number), t);
  }
}

void Writer::WriteRepository(int n) {
  const PAFRepository& p = book_.repositories[n - 1];
  std::string r(sizes_.at(kRepository), '\0');
  if (v5_) {
    PutText(r, 0, 84, p.name);
    PutText(r, 84, 84, p.address);
    PutText(r, 168, 84, p.line1);
    PutText(r, 252, 84, p.line2);
    PutText(r, 420, 52, p.phone);
  } else {
    PutText(r, 1, 92, p.name);
    PutText(r, 93, 42, p.address);
    PutText(r, 135, 42, p.line1);
    PutText(r, 177, 42, p.line2);
    PutText(r, 261, 26, p.phone);
  }
  int32_t number = 0;
  sink_.Write(NewRecord(kRepository, number), r);
}

void Writer::WriteHeader() {
  std::string h(DataBase(), '\0');
  const PAFSubmitter& s = book_.submitter;
  const int regions = static_cast<int>(maps_.size());
  if (v5_) {
    PutText(h, 0, 4, "5.2");
    PutText(h, 4, 4, "500");
    PutText(h, 8, 4, "PAF");
    Put32(h, 18, regions);
    Put32(h, 22, written_[kIndividual]);
    Put32(h, 34, Link(first_deleted_person_));
    Put32(h, 130, written_[kMarriage]);
    Put32(h, 142, Link(first_deleted_family_));
    Put32(h, 150, written_[kNote]);
    Put32(h, 190, written_[kSource]);
    PutText(h, 734, 84, s.name);
    PutText(h, 818, 84, s.address1);
    PutText(h, 902, 84, s.address2);
    PutText(h, 986, 84, s.address3);
    PutText(h, 1154, 84, s.country);
    PutText(h, 1238, 52, s.phone);
    PutText(h, 1318, 84, s.email);
    for (int i = 0; i < regions && i < 31; ++i)
      for (int t = 1; t <= 32; ++t) Put16(h, 4096 + 2 * (32 * i + t - 1), counts_[i][t]);
  } else {
    const std::string version = v4_ ? "400" : "300";
    PutText(h, 4, 4, version);
    PutText(h, 8, 4, version);
    Put32(h, 14, written_[kIndividual]);
    Put32(h, 26, Link(first_deleted_person_));
    Put32(h, 30, written_[kMarriage]);
    Put32(h, 38, Link(first_deleted_family_));
    Put32(h, 62, written_[kNote]);
    Put32(h, 86, written_[kSource]);
    Put32(h, 190, regions);
    Put8(h, 272, book_.verify_names);
    Put8(h, 273, book_.exact_match);
    Put8(h, 274, book_.display_lds);
    Put8(h, 275, book_.print_identifier);
    Put8(h, 276, book_.force_uppercase);
    Put8(h, 277, book_.auto_cap);
    PutText(h, 416, 61, s.name);
    PutText(h, 477, 61, s.name2);
    PutText(h, 538, 61, s.address1);
    PutText(h, 599, 61, s.address2);
    PutText(h, 660, 61, s.address3);
    PutText(h, 782, 61, s.country);
    PutText(h, 843, 26, s.phone);
    if (v4_) PutText(h, 1600, 61, s.email);
    PutText(h, 1664, 64, book_.title);
    if (v4_) Put32(h, 1736, totals_block_ + 1);
    for (int i = 0; i < regions && i < 102; ++i)
      for (int t = 1; t <= 10; ++t) Put16(h, 2048 + 20 * i + 2 * (t - 1), counts_[i][t]);
  }
  sink_.Write(0, h);
}

bool Writer::Run(PAFFileLayout* layout) {
  Precompute();
  if (v4_ && !book_.totals_block_last) totals_block_ = NewBlock(kTotals);
  next_block_ += book_.free_blocks_before;
  const int people = People(), families = Families();
  const int sources = static_cast<int>(book_.sources.size());
  const int repositories = static_cast<int>(book_.repositories.size());
  const int rounds = std::max({people, families, sources, repositories});
  for (int k = 1; k <= rounds; ++k) {
    if (k <= people) WritePerson(k);
    if (k <= families) WriteFamily(k);
    if (k <= sources) WriteSource(k);
    if (k <= repositories) WriteRepository(k);
  }
  if (v4_ && book_.totals_block_last) totals_block_ = NewBlock(kTotals);
  if (maps_.empty()) NewBlock(0);  // an empty file still has its first map block
  if (v4_) {
    std::string totals(kBlock, '\0');
    for (size_t i = 0; i < maps_.size() && i < 102; ++i)
      for (int t = 1; t <= 40; ++t)
        if (t != book_.understate_type) Put16(totals, 2 * (40 * i + t - 1), counts_[i][t]);
    sink_.Write(BlockOffset(totals_block_), totals);
  }
  for (size_t i = 0; i < maps_.size(); ++i)
    sink_.Write(BlockOffset(static_cast<int64_t>(i) * kBlocksPerRegion), maps_[i]);
  WriteHeader();
  if (layout) {
    layout->data_base = DataBase();
    layout->blocks = blocks_;
    layout->sizes = std::map<int, uint32_t>(sizes_.begin(), sizes_.end());
    layout->totals_block = totals_block_;
    layout->regions = static_cast<int>(maps_.size());
  }
  return sink_.Finish(BlockOffset(next_block_));
}

}  // namespace

uint64_t PAFFileLayout::Record(int type, int n) const {
  auto blocks = this->blocks.find(type);
  auto size = sizes.find(type);
  if (blocks == this->blocks.end() || size == sizes.end() || n < 1) return 0;
  const int per_block = static_cast<int>(8192 / size->second);
  const size_t block = static_cast<size_t>((n - 1) / per_block);
  if (block >= blocks->second.size()) return 0;
  return Block(blocks->second[block]) + static_cast<uint64_t>((n - 1) % per_block) * size->second;
}

std::string PAFWriter::Bytes(const PAFBook& book, PAFFileLayout* layout) {
  MemorySink sink;
  Writer(book, sink).Run(layout);
  return sink.bytes_;
}

bool PAFWriter::WriteFile(const PAFBook& book, const std::string& path, PAFFileLayout* layout) {
  FileSink sink(path);
  return Writer(book, sink).Run(layout);
}

uint32_t PAFWriter::JulianDay(int year, int month, int day) {
  const int a = (14 - month) / 12;
  const int64_t y = year + 4800 - a, m = month + 12 * a - 3;
  const bool gregorian = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
  const int64_t jd = gregorian ? day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045
                               : day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
  return static_cast<uint32_t>(jd);
}

std::string PAFWriter::ToAnsel(const std::string& utf8) {
  // Windows-1252 letters with a mark: the mark (grave E1, acute E2, circumflex E3, tilde E4,
  // umlaut E8) followed by the base letter.
  static const struct {
    unsigned char ansi;
    unsigned char mark;
    char letter;
  } kPairs[] = {{0xC0, 0xE1, 'A'}, {0xC1, 0xE2, 'A'}, {0xC2, 0xE3, 'A'}, {0xC3, 0xE4, 'A'}, {0xC4, 0xE8, 'A'},
                {0xC8, 0xE1, 'E'}, {0xC9, 0xE2, 'E'}, {0xCA, 0xE3, 'E'}, {0xCB, 0xE8, 'E'}, {0xCC, 0xE1, 'I'},
                {0xCD, 0xE2, 'I'}, {0xCE, 0xE3, 'I'}, {0xCF, 0xE8, 'I'}, {0xD1, 0xE4, 'N'}, {0xD2, 0xE1, 'O'},
                {0xD3, 0xE2, 'O'}, {0xD4, 0xE3, 'O'}, {0xD5, 0xE4, 'O'}, {0xD6, 0xE8, 'O'}, {0xD9, 0xE1, 'U'},
                {0xDA, 0xE2, 'U'}, {0xDB, 0xE3, 'U'}, {0xDC, 0xE8, 'U'}, {0xE0, 0xE1, 'a'}, {0xE1, 0xE2, 'a'},
                {0xE2, 0xE3, 'a'}, {0xE3, 0xE4, 'a'}, {0xE4, 0xE8, 'a'}, {0xE8, 0xE1, 'e'}, {0xE9, 0xE2, 'e'},
                {0xEA, 0xE3, 'e'}, {0xEB, 0xE8, 'e'}, {0xEC, 0xE1, 'i'}, {0xED, 0xE2, 'i'}, {0xEE, 0xE3, 'i'},
                {0xEF, 0xE8, 'i'}, {0xF1, 0xE4, 'n'}, {0xF2, 0xE1, 'o'}, {0xF3, 0xE2, 'o'}, {0xF4, 0xE3, 'o'},
                {0xF5, 0xE4, 'o'}, {0xF6, 0xE8, 'o'}, {0xF9, 0xE1, 'u'}, {0xFA, 0xE2, 'u'}, {0xFB, 0xE3, 'u'},
                {0xFC, 0xE8, 'u'}};
  std::string out;
  for (char c : Utf8ToAnsi(utf8)) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
      continue;
    }
    bool found = false;
    for (const auto& pair : kPairs) {
      if (pair.ansi != b) continue;
      out += static_cast<char>(pair.mark);
      out += pair.letter;
      found = true;
      break;
    }
    if (!found) out += '?';
  }
  return out;
}
