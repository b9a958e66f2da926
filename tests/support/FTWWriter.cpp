#include "support/FTWWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <set>

namespace ftw {

namespace {

constexpr int kSector = 512;
constexpr int kSlot = 64;
constexpr int kRecord = 128;
constexpr int kMiniSector = 64;
constexpr int kMiniCutoff = 4096;
constexpr int32_t kFree = -1;
constexpr int32_t kEndOfChain = -2;
constexpr int32_t kFatSector = -3;
constexpr int32_t kDifatSector = -4;
constexpr uint32_t kNoStream = 0xFFFFFFFF;
constexpr int kHeaderPages = 109;
constexpr int kPagesPerExtension = 127;

void Put32(std::string& bytes, size_t at, uint32_t value) {
  for (int k = 0; k < 4; ++k)
    bytes[at + static_cast<size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
}
void Put16(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

// The store of 64-byte slots; slot 0 is the store's own first slot and has no number.
class SlotStore {
 public:
  SlotStore() : bytes_(kSlot, '\0') {}
  int New() {
    bytes_.append(kSlot, '\0');
    return Count() - 1;
  }
  int Count() const { return static_cast<int>(bytes_.size() / kSlot); }
  size_t At(int slot, int offset) const {
    return static_cast<size_t>(slot) * kSlot + static_cast<size_t>(offset);
  }
  void I32(int slot, int offset, int32_t value) {
    Put32(bytes_, At(slot, offset), static_cast<uint32_t>(value));
  }
  void U16(int slot, int offset, uint16_t value) { Put16(bytes_, At(slot, offset), value); }
  void U8(int slot, int offset, uint8_t value) { bytes_[At(slot, offset)] = static_cast<char>(value); }

  // A text of UTF-16 bytes in pieces of 50 bytes (25 units) from byte 8, each piece naming
  // the next at 0, the first holding the whole length at 4.  0 for an empty text.
  int Text(const std::string& units) {
    if (units.empty()) return 0;
    const int pieces = static_cast<int>((units.size() + 49) / 50);
    const int first = New();
    for (int k = 1; k < pieces; ++k) New();
    for (int k = 0; k < pieces; ++k) {
      const int slot = first + k;
      I32(slot, 0, k + 1 < pieces ? slot + 1 : 0);
      if (k == 0) I32(slot, 4, static_cast<int32_t>(units.size()));
      const size_t from = static_cast<size_t>(k) * 50;
      const size_t n = std::min<size_t>(50, units.size() - from);
      bytes_.replace(At(slot, 8), n, units, from, n);
    }
    return first;
  }

  std::string& Bytes() { return bytes_; }

 private:
  std::string bytes_;
};

uint16_t NibbleByte(uint32_t nibble) { return static_cast<uint16_t>(0x30 | (nibble & 15)); }

// A citation text: per item an optional unit 0, the note, a unit 0, the detail, a unit 0,
// then the source slot as eight bytes of one nibble each and four bytes more.
std::string CitationText(const std::vector<CitationItem>& items, const std::vector<int>& source_slots) {
  std::string text;
  for (const CitationItem& item : items) {
    // An empty note needs the leading unit 0, or its end would be taken for that unit.
    if (item.leading_zero || item.note.empty()) text.append(2, '\0');
    text += Utf16(item.note);
    text.append(2, '\0');
    text += Utf16(item.detail);
    text.append(2, '\0');
    const uint32_t v = item.source >= 1 && static_cast<size_t>(item.source) <= source_slots.size()
                           ? static_cast<uint32_t>(source_slots[static_cast<size_t>(item.source) - 1])
                           : 0;
    const uint32_t order[8] = {v >> 4, v, v >> 12, v >> 8, v >> 20, v >> 16, v >> 28, v >> 24};
    for (uint32_t nibble : order) text += static_cast<char>(NibbleByte(nibble));
    text.append(4, '\0');
  }
  return text;
}

// One stream of the compound file and the blocks it got.
struct Stream {
  std::string name;
  std::string data;
  std::vector<int32_t> blocks;
  int Sectors() const { return static_cast<int>((data.size() + kSector - 1) / kSector); }
};

// Directory order of the compound file: shorter names first, then by upper-case name.
bool NameLess(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i] >= u'a' && a[i] <= u'z' ? static_cast<char16_t>(a[i] - 32) : a[i];
    char16_t y = b[i] >= u'a' && b[i] <= u'z' ? static_cast<char16_t>(b[i] - 32) : b[i];
    if (x != y) return x < y;
  }
  return false;
}

struct DirEntry {
  std::u16string name;
  uint8_t type = 2;  // 1 storage, 2 stream, 5 root
  int32_t start = kEndOfChain;
  uint32_t size = 0;
  uint32_t left = kNoStream, right = kNoStream, child = kNoStream;
};

std::u16string U16Name(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

uint32_t DateWord(int day, int month, int year, int code) {
  const uint32_t w0 = static_cast<uint32_t>(code & 7) | (static_cast<uint32_t>(day & 31) << 3) |
                      (static_cast<uint32_t>(month & 15) << 9);
  return w0 | (static_cast<uint32_t>(year & 0xFFFF) << 16);
}

uint32_t YearRangeWord(int from, int to) {
  const uint32_t w0 = (4u | (static_cast<uint32_t>(to) << 4)) & 0xFFFF;
  const uint32_t w1 = (static_cast<uint32_t>(from) << 4) & 0xFFFF;
  return w0 | (w1 << 16);
}

uint32_t EstimatedWord(int year) { return 5u | (((static_cast<uint32_t>(year) << 4) & 0xFFFF) << 16); }

std::string Utf16(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra > 0) cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<size_t>(k) < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]) & 0x3F);
    i += static_cast<size_t>(extra) + 1;
    auto unit = [&out](uint32_t u) {
      out += static_cast<char>(u & 0xFF);
      out += static_cast<char>((u >> 8) & 0xFF);
    };
    if (cp >= 0x10000) {
      cp -= 0x10000;
      unit(0xD800 | (cp >> 10));
      unit(0xDC00 | (cp & 0x3FF));
    } else {
      unit(cp);
    }
  }
  return out;
}

uint64_t Image::SlotOffset(int slot) const {
  const std::vector<int32_t>& blocks = chains.at("slots");
  return BlockOffset(blocks.at(static_cast<size_t>(slot) / 8)) + static_cast<uint64_t>(slot % 8) * kSlot;
}

uint64_t Image::RecordOffset(int position) const {
  const std::vector<int32_t>& blocks = chains.at("individuals");
  return BlockOffset(blocks.at(static_cast<size_t>(position) / 4)) +
         static_cast<uint64_t>(position % 4) * kRecord;
}

int32_t Image::I32(uint64_t offset) const {
  uint32_t v = 0;
  for (int k = 3; k >= 0; --k)
    v = (v << 8) | static_cast<unsigned char>(bytes.at(offset + static_cast<uint64_t>(k)));
  return static_cast<int32_t>(v);
}

void Image::PutI32(uint64_t offset, int32_t value) { Put32(bytes, offset, static_cast<uint32_t>(value)); }

void Image::PutU8(uint64_t offset, uint8_t value) { bytes.at(offset) = static_cast<char>(value); }

int32_t Image::Next(int32_t block) const {
  return I32(BlockOffset(chains.at("pages").at(static_cast<size_t>(block) / 128)) +
             4 * (static_cast<uint64_t>(block) % 128));
}

void Image::SetNext(int32_t block, int32_t next) {
  PutI32(BlockOffset(chains.at("pages").at(static_cast<size_t>(block) / 128)) +
             4 * (static_cast<uint64_t>(block) % 128),
         next);
}

Image Write(const Description& d) {
  Image image;
  SlotStore slots;

  // --- Fact names: the records first, so that they come before anything else in the store.
  std::vector<std::string> fact_names;
  auto add_name = [&fact_names](const std::string& name) {
    if (std::find(fact_names.begin(), fact_names.end(), name) == fact_names.end()) fact_names.push_back(name);
  };
  for (const Person& p : d.people)
    for (const Fact& f : p.facts) add_name(f.name);
  for (const std::string& name : d.extra_fact_names) add_name(name);
  auto key_of = [&](const std::string& name) {
    return d.first_fact_key +
           static_cast<int>(std::find(fact_names.begin(), fact_names.end(), name) - fact_names.begin());
  };
  // A record with key 0 is not a fact name at all, whatever its text says.
  const int zero_key = slots.New();
  for (size_t k = 0; k < fact_names.size(); ++k) image.fact_name_slots.push_back(slots.New());
  slots.U16(zero_key, 0, 0x4C46);
  slots.I32(zero_key, 14, slots.Text(Utf16("Christening")));
  for (size_t k = 0; k < fact_names.size(); ++k) {
    const int slot = image.fact_name_slots[k];
    slots.U16(slot, 0, 0x4C46);  // "FL"
    slots.U16(slot, 6, static_cast<uint16_t>(d.first_fact_key + static_cast<int>(k)));
    slots.I32(slot, 14, slots.Text(Utf16(fact_names[k])));
  }

  // --- Family and source records, so that people can name them.
  for (size_t k = 0; k < d.families.size(); ++k) image.family_slots.push_back(slots.New());
  for (size_t k = 0; k < d.sources.size(); ++k) image.source_slots.push_back(slots.New());
  auto family_slot = [&](int family) {
    return family >= 1 && static_cast<size_t>(family) <= image.family_slots.size()
               ? image.family_slots[static_cast<size_t>(family) - 1]
               : 0;
  };

  // Notes: each becomes a stream of its own, numbered in the order made.
  std::vector<std::string> notes;
  auto note_reference = [&](const std::string& text) {
    if (text.empty()) return 0;
    notes.push_back(Utf16(text));
    const int reference = slots.New(), holder = slots.New();
    slots.I32(reference, 8, holder);
    slots.I32(holder, 24, static_cast<int32_t>(notes.size()));
    return reference;
  };
  auto citation_text = [&](const std::vector<CitationItem>& items) {
    return items.empty() ? 0 : slots.Text(CitationText(items, image.source_slots));
  };

  for (size_t k = 0; k < d.sources.size(); ++k) {
    const Source& s = d.sources[k];
    std::string text;
    for (const std::string* part :
         {&s.title, &s.author, &s.publication, &s.call_number, &s.fifth, &s.note, &s.seventh})
      text += Utf16(*part) + std::string(2, '\0');
    slots.I32(image.source_slots[k], 0, slots.Text(text));
  }

  for (size_t k = 0; k < d.families.size(); ++k) {
    const Family& f = d.families[k];
    const int slot = image.family_slots[k];
    slots.I32(slot, 0, f.husband);
    slots.I32(slot, 4, f.wife);
    for (size_t i = 0; i < f.listed_children.size() && i < 4; ++i)
      slots.I32(slot, 8 + 4 * static_cast<int>(i), f.listed_children[i]);
    slots.I32(slot, 24, static_cast<int32_t>(f.date));
    slots.I32(slot, 36, slots.Text(Utf16(f.place)));
    slots.I32(slot, 44, note_reference(f.note));
    slots.I32(slot, 48, citation_text(f.citations));
  }

  // --- The individual table: record 0 has no position.
  std::string table(kRecord, '\0');
  int stored = 0;
  for (size_t k = 0; k < d.people.size(); ++k) {
    const Person& p = d.people[k];
    PersonLayout layout;
    layout.position = static_cast<int>(k) + 1;
    std::string record(kRecord, '\0');
    if (!p.empty) {
      ++stored;
      Put32(record, 0, p.birth);
      Put32(record, 4, p.death);
      layout.birth_place = slots.Text(Utf16(p.birth_place));
      Put32(record, 8, static_cast<uint32_t>(layout.birth_place));
      Put32(record, 12, static_cast<uint32_t>(slots.Text(Utf16(p.death_place))));
      layout.note_reference = note_reference(p.note);
      Put32(record, 20, static_cast<uint32_t>(layout.note_reference));
      const std::string name = Utf16(p.name);
      record.replace(86, std::min<size_t>(38, name.size()), name, 0, std::min<size_t>(38, name.size()));
      if (name.size() > 38) layout.name_more = slots.Text(name.substr(38));
      Put32(record, 24, static_cast<uint32_t>(layout.name_more));
      if (!p.citations.empty()) {
        layout.citation_reference = slots.New();
        layout.citation_text = citation_text(p.citations);
        slots.I32(layout.citation_reference, 52, layout.citation_text);
      }
      Put32(record, 32, static_cast<uint32_t>(layout.citation_reference));
      // Families.
      Put32(record, 52, static_cast<uint32_t>(family_slot(p.parents)));
      if (!p.more_parents.empty()) {
        layout.parent_holder = slots.New();
        for (size_t i = 0; i < p.more_parents.size(); i += 10) layout.parent_lists.push_back(slots.New());
        slots.I32(layout.parent_holder, 54, layout.parent_lists[0]);
        for (size_t i = 0; i < p.more_parents.size(); ++i) {
          const int list = layout.parent_lists[i / 10];
          slots.I32(list, 8 + 5 * static_cast<int>(i % 10), family_slot(p.more_parents[i]));
        }
        for (size_t i = 0; i + 1 < layout.parent_lists.size(); ++i)
          slots.I32(layout.parent_lists[i], 0, layout.parent_lists[i + 1]);
      }
      Put32(record, 44, static_cast<uint32_t>(layout.parent_holder));
      for (size_t i = 0; i < p.spouses.size() && i < 4; ++i)
        Put32(record, 56 + 4 * i, static_cast<uint32_t>(family_slot(p.spouses[i])));
      if (p.spouses.size() > 4) {
        for (size_t i = 4; i < p.spouses.size(); i += 12) layout.spouse_lists.push_back(slots.New());
        for (size_t i = 4; i < p.spouses.size(); ++i)
          slots.I32(layout.spouse_lists[(i - 4) / 12], 8 + 4 * static_cast<int>((i - 4) % 12),
                    family_slot(p.spouses[i]));
        for (size_t i = 0; i + 1 < layout.spouse_lists.size(); ++i)
          slots.I32(layout.spouse_lists[i], 0, layout.spouse_lists[i + 1]);
        Put32(record, 48, static_cast<uint32_t>(layout.spouse_lists[0]));
      }
      // Facts, and the second date words of birth and death beside them.
      if (!p.facts.empty() || p.birth2 != 0 || p.death2 != 0) {
        layout.facts_reference = slots.New();
        layout.second_dates = slots.New();
        slots.I32(layout.facts_reference, 0, layout.second_dates);
        slots.I32(layout.second_dates, 0, static_cast<int32_t>(p.birth2));
        slots.I32(layout.second_dates, 4, static_cast<int32_t>(p.death2));
        for (size_t i = 0; i < p.facts.size(); i += 8) layout.fact_lists.push_back(slots.New());
        if (!layout.fact_lists.empty()) slots.I32(layout.facts_reference, 8, layout.fact_lists[0]);
        for (size_t i = 0; i + 1 < layout.fact_lists.size(); ++i)
          slots.I32(layout.fact_lists[i], 0, layout.fact_lists[i + 1]);
        for (size_t i = 0; i < p.facts.size(); ++i) {
          const Fact& f = p.facts[i];
          const int data = slots.New();
          layout.fact_data.push_back(data);
          slots.I32(data, 8, static_cast<int32_t>(f.date));
          slots.I32(data, 12, static_cast<int32_t>(f.date2));
          slots.I32(data, 16, slots.Text(Utf16(f.place)));
          slots.I32(data, 20, citation_text(f.citations));
          const int list = layout.fact_lists[i / 8];
          slots.U16(list, 10 + 6 * static_cast<int>(i % 8), static_cast<uint16_t>(key_of(f.name)));
          slots.I32(list, 12 + 6 * static_cast<int>(i % 8), data);
        }
      }
      if (!p.slot_facts.empty()) {
        layout.slot_facts = slots.New();
        for (const SlotFact& f : p.slot_facts) {
          const int k = std::clamp(f.number, 1, 7) - 1;
          slots.I32(layout.slot_facts, 4 * k, static_cast<int32_t>(f.date));
          slots.I32(layout.slot_facts, 28 + 4 * k, slots.Text(Utf16(f.text)));
        }
        slots.U8(layout.slot_facts, 59, 0x49);
        slots.I32(layout.slot_facts, 60, layout.position);
        if (layout.facts_reference == 0) {
          layout.facts_reference = slots.New();
          slots.I32(layout.facts_reference, 0, static_cast<int32_t>(DateWord(1, 1, 2001)));
          slots.I32(layout.facts_reference, 4, slots.Text(Utf16("ID" + std::to_string(layout.position))));
          slots.U8(layout.facts_reference, 59, 0xC7);
        }
      }
      Put32(record, 28, static_cast<uint32_t>(layout.slot_facts));
      Put16(record, 82, p.surname_range);
      Put32(record, 124, static_cast<uint32_t>(layout.facts_reference));
      const uint8_t flags = p.flags != 0 ? p.flags : p.sex == 'M' ? 0x20 : p.sex == 'F' ? 0x40 : 0x80;
      record[76] = static_cast<char>(flags);
    } else {
      record[76] = static_cast<char>(p.flags);
    }
    table += record;
    image.people.push_back(layout);
  }
  // A table shorter than the stream cutoff would live among the small streams.
  while (table.size() < static_cast<size_t>(kMiniCutoff)) table.append(kRecord, '\0');

  // --- The submitter: a stream of 16-byte fields (key byte, value 3 bytes later) over the
  // data bytes 8 to 57 of a chain of twelve slots, the fields from the eighth slot on.
  {
    const int first = slots.New();
    std::vector<int> chain = {first};
    for (int k = 1; k < 12; ++k) chain.push_back(slots.New());
    for (size_t k = 0; k + 1 < chain.size(); ++k) slots.I32(chain[k], 0, chain[k + 1]);
    image.submitter_start = first;
    auto put_stream_byte = [&](int position, uint8_t value) {
      slots.U8(chain[static_cast<size_t>(position / 50)], 8 + position % 50, value);
    };
    auto put_field = [&](int entry, int key, const std::string& text) {
      const int at = 5 + 16 * entry;
      put_stream_byte(at, static_cast<uint8_t>(key));
      const int32_t value = slots.Text(Utf16(text));
      for (int b = 0; b < 4; ++b)
        put_stream_byte(at + 3 + b, static_cast<uint8_t>((value >> (8 * b)) & 0xFF));
    };
    // The first slot of the chain is not the first of the fields: a name key where the
    // fields' first key would stand there belongs to something else.
    if (!d.submitter.empty()) {
      slots.U8(first, 15, 72);
      slots.I32(first, 18, slots.Text(Utf16("Not The Submitter")));
    }
    int entry = 22;
    for (const auto& [key, text] : d.submitter) {
      if (key == 168) continue;
      if (entry == 34) break;
      put_field(entry++, key, text);
    }
    // The e-mail takes the last place, whose value lies in the fifth slot.
    if (auto email = d.submitter.find(168); email != d.submitter.end()) put_field(34, 168, email->second);
  }

  // --- The information stream: the stored count in its second block, the submitter's
  // field stream in its tenth.
  std::string information(10 * kSector, '\0');
  Put32(information, kSector + 108, static_cast<uint32_t>(d.stored_count != -1 ? d.stored_count : stored));
  Put32(information, 9 * kSector + 10, static_cast<uint32_t>(image.submitter_start));
  information.append(kSector, '\0');

  // --- The source index: pages of two blocks from block 2.
  std::string source_index(2 * kSector, '\0');
  {
    size_t k = 0;
    do {
      std::string page(2 * kSector, '\0');
      for (int i = 0; i < 125 && k < image.source_slots.size(); ++i, ++k)
        Put32(page, 12 + 4 * static_cast<size_t>(i), static_cast<uint32_t>(image.source_slots[k]));
      for (int i = 0; i < 127 && k < image.source_slots.size(); ++i, ++k)
        Put32(page, kSector + 4 * static_cast<size_t>(i), static_cast<uint32_t>(image.source_slots[k]));
      const int page_number = static_cast<int>(source_index.size() / (2 * kSector));
      if (k < image.source_slots.size()) Put32(page, 0, static_cast<uint32_t>(page_number + 1));
      source_index += page;
    } while (k < image.source_slots.size());
    while (source_index.size() < static_cast<size_t>(kMiniCutoff)) source_index.append(kSector, '\0');
  }

  image.slot_count = slots.Count() - 1;
  std::string slot_bytes = std::move(slots.Bytes());
  while (slot_bytes.size() < static_cast<size_t>(kMiniCutoff)) slot_bytes.append(kSlot, '\0');

  // --- Notes: small ones in 64-byte pieces of the small-stream store, handed out in turns
  // so that their chains interleave; large ones as streams of their own.
  std::vector<std::vector<int32_t>> pieces(notes.size());
  std::vector<int32_t> piece_links;
  {
    std::vector<size_t> left(notes.size());
    for (size_t k = 0; k < notes.size(); ++k)
      left[k] = notes[k].size() < static_cast<size_t>(kMiniCutoff)
                    ? (notes[k].size() + kMiniSector - 1) / kMiniSector
                    : 0;
    for (bool any = true; any;) {
      any = false;
      for (size_t k = 0; k < notes.size(); ++k) {
        if (left[k] == 0) continue;
        pieces[k].push_back(static_cast<int32_t>(piece_links.size()));
        piece_links.push_back(kEndOfChain);
        --left[k];
        any = true;
      }
    }
    for (const std::vector<int32_t>& chain : pieces)
      for (size_t i = 0; i + 1 < chain.size(); ++i) piece_links[static_cast<size_t>(chain[i])] = chain[i + 1];
  }
  std::string mini_stream(piece_links.size() * kMiniSector, '\0');
  for (size_t k = 0; k < notes.size(); ++k)
    for (size_t i = 0; i < pieces[k].size(); ++i) {
      const size_t from = i * kMiniSector;
      const size_t n = std::min<size_t>(kMiniSector, notes[k].size() - from);
      mini_stream.replace(static_cast<size_t>(pieces[k][i]) * kMiniSector, n, notes[k], from, n);
    }
  std::string mini_fat;
  for (int32_t link : piece_links)
    mini_fat.append(4, '\0'), Put32(mini_fat, mini_fat.size() - 4, static_cast<uint32_t>(link));
  while (mini_fat.size() % kSector != 0)
    mini_fat.append(4, '\0'), Put32(mini_fat, mini_fat.size() - 4, static_cast<uint32_t>(kFree));

  // --- Streams and the blocks they get.
  std::vector<Stream> streams;
  auto add_stream = [&streams](const std::string& name, std::string data) {
    streams.push_back(Stream{name, std::move(data), {}});
    return streams.size() - 1;
  };
  const size_t padding =
      add_stream("padding", std::string(static_cast<size_t>(d.padding_blocks) * kSector, '\0'));
  const size_t directory = add_stream("directory", std::string());
  const size_t individuals = add_stream("individuals", std::move(table));
  const size_t slot_store = add_stream("slots", std::move(slot_bytes));
  const size_t info = add_stream("information", std::move(information));
  const size_t sources = add_stream("sources", std::move(source_index));
  const size_t note_pieces = add_stream("note pieces", std::move(mini_stream));
  const size_t links = add_stream("piece links", std::move(mini_fat));
  std::vector<size_t> long_notes(notes.size(), 0);
  for (size_t k = 0; k < notes.size(); ++k)
    if (notes[k].size() >= static_cast<size_t>(kMiniCutoff)) long_notes[k] = add_stream("note", notes[k]);

  // Directory entries: eight fixed ones, then the notes (with one other entry among them).
  std::vector<DirEntry> entries(8);
  const char* fixed[] = {"Root Entry", "IND.DB",   "AUX.DB",    "GENERAL.DB",
                         "MISC.DB",    "EXTRA.DB", "SOURCE.DB", "PADDING.DB"};
  for (int k = 0; k < 8; ++k) entries[static_cast<size_t>(k)].name = U16Name(fixed[k]);
  entries[0].type = 5;
  for (size_t k = 0; k < notes.size(); ++k) {
    char name[32];
    std::snprintf(name, sizeof name, "F%05zu", k + 1);
    DirEntry note;
    note.name = U16Name(name);
    note.size = static_cast<uint32_t>(notes[k].size());
    entries.push_back(note);
    if (k == 0) entries.push_back(DirEntry{U16Name("Layout"), 2, kEndOfChain, 0});
  }
  const size_t directory_bytes = std::max<size_t>(entries.size() * kRecord, 2 * kSector);
  streams[directory].data.assign((directory_bytes + kSector - 1) / kSector * kSector, '\0');

  // Block 0 is the first allocation-table page; the directory begins at block 1.
  int32_t next_block = 0;
  std::vector<int32_t> fat_entries;  // by block
  auto take_block = [&](int32_t owner_mark) {
    const int32_t block = next_block++;
    fat_entries.push_back(owner_mark);
    return block;
  };
  std::vector<int32_t> pages = {take_block(kFatSector)};
  streams[directory].blocks = {take_block(kEndOfChain), take_block(kEndOfChain)};
  for (int k = 0; k < streams[padding].Sectors(); ++k)
    streams[padding].blocks.push_back(take_block(kEndOfChain));
  {
    // The rest in turns, with free blocks among them.
    std::vector<int> left(streams.size());
    for (size_t k = 0; k < streams.size(); ++k)
      left[k] = k == padding ? 0 : streams[k].Sectors() - static_cast<int>(streams[k].blocks.size());
    int since_free = 0;
    for (bool any = true; any;) {
      any = false;
      for (size_t k = 0; k < streams.size(); ++k) {
        const int turn = d.interleave > 0 ? std::min(d.interleave, left[k]) : left[k];
        for (int i = 0; i < turn; ++i) {
          streams[k].blocks.push_back(take_block(kEndOfChain));
          if (d.free_every > 0 && ++since_free == d.free_every) {
            take_block(kFree);
            since_free = 0;
          }
        }
        left[k] -= turn;
        any = any || left[k] > 0;
      }
    }
  }
  for (const Stream& s : streams)
    for (size_t i = 0; i + 1 < s.blocks.size(); ++i)
      fat_entries[static_cast<size_t>(s.blocks[i])] = s.blocks[i + 1];

  // Allocation-table pages and extension blocks at the end, as many as all blocks need.
  const int32_t base = next_block;
  int page_count = 1, extension_count = 0;
  for (;;) {
    extension_count = page_count > kHeaderPages
                          ? (page_count - kHeaderPages + kPagesPerExtension - 1) / kPagesPerExtension
                          : 0;
    if (static_cast<int64_t>(page_count) * 128 >= base + (page_count - 1) + extension_count) break;
    ++page_count;
  }
  for (int k = 1; k < page_count; ++k) pages.push_back(take_block(kFatSector));
  std::vector<int32_t> extension;
  for (int k = 0; k < extension_count; ++k) extension.push_back(take_block(kDifatSector));
  fat_entries.resize(static_cast<size_t>(page_count) * 128, kFree);

  // --- The directory's entries, now that the streams have their blocks.
  auto first_block = [&](size_t stream) {
    return streams[stream].blocks.empty() ? kEndOfChain : streams[stream].blocks[0];
  };
  entries[0].start = streams[note_pieces].data.empty() ? kEndOfChain : first_block(note_pieces);
  entries[0].size = static_cast<uint32_t>(streams[note_pieces].data.size());
  const std::pair<int, size_t> fixed_streams[] = {
      {1, individuals}, {2, slot_store}, {3, info}, {6, sources}, {7, padding}};
  for (const auto& [entry, stream] : fixed_streams) {
    entries[static_cast<size_t>(entry)].start = first_block(stream);
    entries[static_cast<size_t>(entry)].size = static_cast<uint32_t>(streams[stream].data.size());
  }
  for (size_t k = 0, entry = 8; k < notes.size(); ++k, ++entry) {
    if (k == 1) ++entry;  // the other entry among the notes
    DirEntry& e = entries[entry];
    e.start = long_notes[k] != 0  ? first_block(long_notes[k])
              : pieces[k].empty() ? kEndOfChain
                                  : pieces[k][0];
    image.note_entries.push_back(Image::BlockOffset(streams[directory].blocks[entry / 4]) +
                                 (entry % 4) * kRecord);
  }
  // A balanced tree of the root's children.
  {
    std::vector<uint32_t> order;
    for (uint32_t k = 1; k < entries.size(); ++k) order.push_back(k);
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return NameLess(entries[a].name, entries[b].name); });
    std::function<uint32_t(size_t, size_t)> build = [&](size_t from, size_t to) -> uint32_t {
      if (from >= to) return kNoStream;
      const size_t mid = (from + to) / 2;
      DirEntry& e = entries[order[mid]];
      e.left = build(from, mid);
      e.right = build(mid + 1, to);
      return order[mid];
    };
    entries[0].child = build(0, order.size());
  }
  {
    std::string& bytes = streams[directory].data;
    for (size_t k = 0; k < bytes.size() / kRecord; ++k) {
      const size_t at = k * kRecord;
      Put32(bytes, at + 68, kNoStream);
      Put32(bytes, at + 72, kNoStream);
      Put32(bytes, at + 76, kNoStream);
      if (k >= entries.size()) continue;
      const DirEntry& e = entries[k];
      for (size_t i = 0; i < e.name.size() && i < 31; ++i) Put16(bytes, at + 2 * i, e.name[i]);
      Put16(bytes, at + 64, static_cast<uint16_t>(2 * (std::min<size_t>(e.name.size(), 31) + 1)));
      bytes[at + 66] = static_cast<char>(e.type);
      bytes[at + 67] = 1;  // black
      Put32(bytes, at + 68, e.left);
      Put32(bytes, at + 72, e.right);
      Put32(bytes, at + 76, e.child);
      Put32(bytes, at + 116, static_cast<uint32_t>(e.start));
      Put32(bytes, at + 120, e.size);
    }
  }

  // --- The file.
  std::string& out = image.bytes;
  out.assign((static_cast<size_t>(next_block) + 1) * kSector, '\0');
  const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::memcpy(out.data(), signature, 8);
  Put16(out, 24, 0x3E);
  Put16(out, 26, 3);
  Put16(out, 28, 0xFFFE);
  Put16(out, 30, 9);
  Put16(out, 32, 6);
  Put32(out, 44, static_cast<uint32_t>(page_count));
  Put32(out, 48, static_cast<uint32_t>(streams[directory].blocks[0]));
  Put32(out, 56, kMiniCutoff);
  Put32(out, 60, static_cast<uint32_t>(streams[links].data.empty() ? kEndOfChain : first_block(links)));
  Put32(out, 64, static_cast<uint32_t>(streams[links].Sectors()));
  Put32(out, 68, static_cast<uint32_t>(extension.empty() ? kEndOfChain : extension[0]));
  Put32(out, 72, static_cast<uint32_t>(extension.size()));
  for (int k = 0; k < kHeaderPages; ++k)
    Put32(out, 76 + 4 * static_cast<size_t>(k),
          static_cast<uint32_t>(k < page_count ? pages[static_cast<size_t>(k)] : kFree));
  for (size_t k = 0; k < extension.size(); ++k) {
    const size_t at = Image::BlockOffset(extension[k]);
    for (int i = 0; i < kPagesPerExtension; ++i) {
      const size_t page = kHeaderPages + k * kPagesPerExtension + static_cast<size_t>(i);
      Put32(out, at + 4 * static_cast<size_t>(i),
            static_cast<uint32_t>(page < pages.size() ? pages[page] : kFree));
    }
    Put32(out, at + 508, static_cast<uint32_t>(k + 1 < extension.size() ? extension[k + 1] : kEndOfChain));
  }
  for (size_t page = 0; page < pages.size(); ++page)
    for (size_t i = 0; i < 128; ++i)
      Put32(out, Image::BlockOffset(pages[page]) + 4 * i, static_cast<uint32_t>(fat_entries[page * 128 + i]));
  for (const Stream& s : streams)
    for (size_t i = 0; i < s.blocks.size(); ++i) {
      const size_t from = i * kSector;
      const size_t n = std::min<size_t>(kSector, s.data.size() - from);
      out.replace(Image::BlockOffset(s.blocks[i]), n, s.data, from, n);
    }

  for (size_t k = 0; k < streams.size(); ++k)
    if (streams[k].name != "note") image.chains[streams[k].name] = streams[k].blocks;
  image.chains["pages"] = pages;
  image.chains["extension"] = extension;
  return image;
}

bool Save(const Image& image, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(image.bytes.data(), static_cast<std::streamsize>(image.bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace ftw
