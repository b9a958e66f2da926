#include "formats/tmg/TMGTabS.h"

#include <cstring>

namespace {

constexpr char kKinds[4] = {'N', 'F', 'M', 'E'};

int KindSlot(char kind) {
  for (int i = 0; i < 4; ++i)
    if (kKinds[i] == kind) return i;
  return -1;
}

}  // namespace

WTMGTabS::WTMGTabS(Opened opened)
    : WTMGTable(std::move(opened)),
      stype_(Field("STYPE")),
      refrec_(Field("REFREC")),
      majsource_(Field("MAJSOURCE")),
      subsource_(Field("SUBSOURCE")) {}

WTMGTabS::~WTMGTabS() = default;

void WTMGTabS::BuildCitationIndex() {
  indexed_ = true;
  for (auto& index : by_kind_) index = std::make_unique<WDBFIdPairs>();
  const int count = LiveCount();
  for (int pos = 1; pos <= count; ++pos) {
    const int slot = KindSlot(Kind(pos));
    if (slot >= 0) by_kind_[static_cast<size_t>(slot)]->AddPair(RefRec(pos), pos);
  }
  for (auto& index : by_kind_)
    index->Sort(
        [](const void* a, const void* b) {
          WDBFIdPairs::Pair x, y;
          std::memcpy(&x, a, sizeof x);
          std::memcpy(&y, b, sizeof y);
          // By identifier, then position, so a record's citations come in table order.
          if (x.id != y.id) return x.id < y.id ? -1 : 1;
          return x.pos < y.pos ? -1 : (x.pos > y.pos ? 1 : 0);
        },
        false);
}

std::vector<int> WTMGTabS::CitationsOf(char kind, int refrec) {
  std::vector<int> out;
  const int slot = KindSlot(kind);
  if (slot < 0 || refrec < 1) return out;
  if (!indexed_) BuildCitationIndex();
  const WDBFIdPairs& index = *by_kind_[static_cast<size_t>(slot)];
  for (int k = index.FindFirstEntry(refrec); k > 0 && k <= index.Count() && index.EntryId(k) == refrec; ++k) {
    if (static_cast<int>(out.size()) >= kMaxCitations) break;
    out.push_back(index.EntryPos(k));
  }
  return out;
}
