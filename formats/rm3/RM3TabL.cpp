#include "formats/rm3/RM3TabL.h"

#include <algorithm>
#include <utility>

WRM3TabL::WRM3TabL(const std::string& directory, const std::string& baseName)
    : WRM3DBF(directory, "L", baseName),
      link_type_(FieldIndex("LINKTYPE")),
      sub_type_(FieldIndex("SUBTYPE")),
      id1_(FieldIndex("ID1")),
      id2_(FieldIndex("ID2")),
      details_(FieldIndex("Details")) {}

WRM3TabL::~WRM3TabL() = default;

const WIntArray& WRM3TabL::ById2() const {
  if (!by_id2_) {
    std::vector<std::pair<int32_t, int32_t>> keyed;  // (ID2, position)
    keyed.reserve(static_cast<size_t>(LiveCount()));
    for (int pos = 1; pos <= LiveCount(); ++pos) keyed.emplace_back(Id2(pos), pos);
    std::sort(keyed.begin(), keyed.end());
    by_id2_ = std::make_unique<WIntArray>(static_cast<int32_t>(keyed.size()));
    for (size_t i = 0; i < keyed.size(); ++i) by_id2_->SetValue(static_cast<int32_t>(i) + 1, keyed[i].second);
  }
  return *by_id2_;
}

template <class Take>
void WRM3TabL::LinksOf(int link_type, int subtype, int id, Take&& take) const {
  const WIntArray& order = ById2();
  // The first sorted index whose ID2 is id (a lower bound).
  int32_t low = 1, high = order.Count() + 1;
  while (low < high) {
    const int32_t mid = low + (high - low) / 2;
    if (Id2(order.GetValue(mid)) < id)
      low = mid + 1;
    else
      high = mid;
  }
  for (int32_t k = low; k <= order.Count(); ++k) {
    const int pos = order.GetValue(k);
    if (Id2(pos) != id) break;
    if (LinkType(pos) == link_type && SubType(pos) == subtype && !take(pos)) break;
  }
}

std::vector<int> WRM3TabL::CitationLinks(int subtype, int id) const {
  std::vector<int> links;
  LinksOf(1, subtype, id, [&](int pos) {
    links.push_back(pos);
    return links.size() < kMaxLinks;
  });
  return links;
}

std::vector<int> WRM3TabL::RepositoryLinks(int subtype, int id) const {
  std::vector<int> links;
  LinksOf(2, subtype, id, [&](int pos) {
    links.push_back(Id1(pos));
    return links.size() < kMaxLinks;
  });
  return links;
}
