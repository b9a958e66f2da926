#include "formats/tmg/TMGRelLink.h"

#include <cstring>
#include <string>

WTMGRelLink::WTMGRelLink() { Create(std::string(), false, sizeof(Link), 0); }

void WTMGRelLink::Add(int32_t child, int32_t parent, int32_t type) {
  const Link link{child, parent, type, 0, {0, 0, 0}};
  Append(&link);
}

bool WTMGRelLink::SortLinks() {
  return Sort(
      [](const void* a, const void* b) {
        Link x, y;
        std::memcpy(&x, a, sizeof x);
        std::memcpy(&y, b, sizeof y);
        if (x.child != y.child) return x.child < y.child ? -1 : 1;
        if (x.parent != y.parent) return x.parent < y.parent ? -1 : 1;
        return x.type < y.type ? -1 : (x.type > y.type ? 1 : 0);
      },
      true);
}

WTMGRelLink::Link WTMGRelLink::At(int32_t i) const {
  Link link{};
  if (const void* record = Get(i)) std::memcpy(&link, record, sizeof link);
  return link;
}

void WTMGRelLink::MarkMatched(int32_t i) {
  Link link = At(i);
  if (!IsValid(i)) return;
  link.matched = 1;
  Set(i, &link);
}
