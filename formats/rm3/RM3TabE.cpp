#include "formats/rm3/RM3TabE.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/UIHooks.h"
#include "formats/dbf/DBFRowIndex.h"

WRM3TabE::WRM3TabE(const std::string& directory, const std::string& baseName)
    : WRM3DBF(directory, "E", baseName),
      event_id_(FieldIndex("eventid")),
      owner_id_(FieldIndex("ownerid")),
      owner_type_(FieldIndex("ownertype")),
      sort_date_(FieldIndex("sortdate")),
      event_type_(FieldIndex("EVENTTYPE")),
      place_id_(FieldIndex("PLACEID")),
      date_(FieldIndex("DATE")),
      primary_(FieldIndex("PRIMARY")),
      note_(FieldIndex("Note")),
      place_type_(FieldIndex("PlaceType")),
      details_(FieldIndex("Details")),
      status_(FieldIndex("STATUS")) {}

WRM3TabE::~WRM3TabE() = default;

bool WRM3TabE::BuildIndex() { return WRM3DBF::BuildIndex("") && BuildEventOrder(); }

namespace {

// The first eight bytes of a text as a big-endian number, a shorter text padded with zeros:
// numbers compare as the texts do, a prefix first.
uint64_t HeadOf(std::string_view text) {
  uint64_t head = 0;
  for (size_t i = 0; i < 8; ++i)
    head = (head << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  return head;
}

}  // namespace

bool WRM3TabE::BuildEventOrder() {
  const int count = LiveCount();
  // One key per event, sorted where they lie: the owner and the first eight bytes of the sort
  // date decide almost every comparison; the rest of a sort date is read only when two events
  // of one owner begin alike.
  struct Key {
    int32_t owner;
    int32_t pos;
    uint64_t head;
  };
  std::vector<Key> keys;
  keys.reserve(static_cast<size_t>(count));
  for (int pos = 1; pos <= count; ++pos) {
    if (pos % WDBFRowIndex::kYieldInterval == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
    keys.push_back(Key{OwnerId(pos), pos, HeadOf(CutAtNul(PosBytes(pos, sort_date_)))});
  }
  std::sort(keys.begin(), keys.end(), [this](const Key& a, const Key& b) {
    if (a.owner != b.owner) return a.owner < b.owner;
    if (a.head != b.head) return a.head < b.head;
    // Byte by byte as unsigned characters; a prefix first.
    const int c = CutAtNul(PosBytes(a.pos, sort_date_)).compare(CutAtNul(PosBytes(b.pos, sort_date_)));
    return c != 0 ? c < 0 : a.pos < b.pos;
  });
  YieldToUI();
  if (ImportCancelled) return false;
  order_ = std::make_unique<WIntArray>(count);
  for (int k = 1; k <= count; ++k) order_->SetValue(k, keys[static_cast<size_t>(k) - 1].pos);
  return true;
}

int WRM3TabE::FirstEventOfOwner(int id) const {
  if (!order_) return 0;
  int32_t low = 1, high = order_->Count() + 1;
  while (low < high) {
    const int32_t mid = low + (high - low) / 2;
    if (OwnerId(order_->GetValue(mid)) < id)
      low = mid + 1;
    else
      high = mid;
  }
  return low <= order_->Count() && OwnerId(order_->GetValue(low)) == id ? low : 0;
}

const char* WRM3TabE::StatusWord(int event_type, int status) {
  static constexpr const char* kWordsBaptismEndowment[] = {"Submitted", "Completed", "Excluded",  "Child",
                                                           "Stillborn", "Pre-1970",  "Uncleared", "Cleared"};
  static constexpr const char* kWordsSealingToParents[] = {"Submitted",        "Completed", "Excluded",
                                                           "Born in covenant", "Stillborn", "Do not seal",
                                                           "Pre-1970",         "Uncleared", "Cleared"};
  static constexpr const char* kWordsSealingToSpouse[] = {"Submitted", "Completed",   "Excluded",
                                                          "Canceled",  "Do not seal", "DNS/CAN",
                                                          "Pre-1970",  "Uncleared",   "Cleared"};
  switch (event_type) {
    case kLDSBaptism:
    case kEndowment:
      return status >= 1 && status <= 8 ? kWordsBaptismEndowment[status - 1] : "";
    case kSealingToParents:
      return status >= 1 && status <= 9 ? kWordsSealingToParents[status - 1] : "";
    case kSealingToSpouse:
      return status >= 1 && status <= 9 ? kWordsSealingToSpouse[status - 1] : "";
    default:
      return "";
  }
}

std::unique_ptr<WRM3Date> WRM3TabE::EventDateFor(int pos) const {
  const char* word = StatusWord(EventType(pos), Status(pos));
  if (*word) return std::make_unique<WRM3Date>(std::string("T") + word);
  return std::make_unique<WRM3Date>(PosText(pos, date_));
}
