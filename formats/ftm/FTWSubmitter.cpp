#include "formats/ftm/FTWSubmitter.h"

#include <vector>

#include "formats/ftm/FTWCollection.h"

namespace {

// The information chain's block that names the field stream, and where.
constexpr int kFieldBlock = 9;
constexpr uint64_t kFieldSlotAt = 10;

// Where each slot holds field keys; the value of a key stands 3 bytes after it.
struct KeyPlace {
  int slot;  // 0 = S1
  int key_at;
};
constexpr KeyPlace kKeyPlaces[] = {{0, 15}, {0, 31}, {0, 47}, {1, 13}, {1, 29}, {1, 45},
                                   {2, 11}, {2, 27}, {2, 43}, {3, 9},  {3, 25}, {3, 41}};
// The last key of S4 has its value in S5.
constexpr int kLastKeyAt = 57;
constexpr uint64_t kLastValueAt = 10;

std::string Trim(const std::string& s) {
  const size_t start = s.find_first_not_of(' ');
  if (start == std::string::npos) return std::string();
  return s.substr(start, s.find_last_not_of(' ') - start + 1);
}

}  // namespace

WFTWSubmitter::WFTWSubmitter(const WFTWCollection& collection) : collection_(collection) {
  const int32_t block = collection.BlockAfter(collection.InformationChain(), kFieldBlock);
  if (block < 0) return;
  const int32_t start = collection.View().I32LE(collection.BlockOffset(block) + kFieldSlotAt);
  const std::vector<int32_t> chain = collection.SlotChain(start, kLinksToFields + kSlots);
  for (size_t k = kLinksToFields; k < chain.size(); ++k)
    slots_[k - kLinksToFields] = collection.SlotOffset(chain[k]);
}

std::string WFTWSubmitter::Field(int key) const {
  const WCheckedView& view = collection_.View();
  auto text = [&](int32_t value) { return value > 0 ? collection_.ReadText(value, true) : std::string(); };
  for (const KeyPlace& p : kKeyPlaces) {
    const uint64_t at = slots_[static_cast<size_t>(p.slot)];
    if (at != 0 && view.U8(at + static_cast<uint64_t>(p.key_at)) == key)
      return text(view.I32LE(at + static_cast<uint64_t>(p.key_at) + 3));
  }
  if (slots_[3] != 0 && view.U8(slots_[3] + kLastKeyAt) == key)
    return slots_[4] != 0 ? text(view.I32LE(slots_[4] + kLastValueAt)) : std::string();
  return std::string();
}

std::string WFTWSubmitter::Joined(int a, int b, int c) const {
  return Trim(Field(a) + " " + Field(b) + " " + Field(c));
}

std::string WFTWSubmitter::GetName() { return Joined(72, 120, 128); }

std::string WFTWSubmitter::GetAddressLine3() { return Joined(96, 136, 144); }
