#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/IntArray.h"
#include "formats/rm3/RM3DBF.h"

// Table L: links, keyed by LINKID.  Type 1 links are citations (ID1 the source, Details the
// citation's memo), type 2 links tie a repository (ID1) to a source; the subtype names what
// ID2 is: 1 a person, 2 a source, 3 an event.
class WRM3TabL : public WRM3DBF {
 public:
  static constexpr const char* kKey = "LINKID";
  // Most links one record lists.
  static constexpr int kMaxLinks = 500;

  WRM3TabL(const std::string& directory, const std::string& baseName);
  ~WRM3TabL() override;

  int LinkType(int pos) const { return PosInt(pos, link_type_); }
  int SubType(int pos) const { return PosInt(pos, sub_type_); }
  int Id1(int pos) const { return PosInt(pos, id1_); }
  int Id2(int pos) const { return PosInt(pos, id2_); }
  std::string Details(int pos) const { return MemoText(pos, details_); }

  // Positions of the citation links (type 1) of that subtype and ID2, at most 500.
  std::vector<int> CitationLinks(int subtype, int id) const;
  // ID1 of the repository links (type 2) of that subtype and ID2, at most 500.
  std::vector<int> RepositoryLinks(int subtype, int id) const;

 private:
  // Calls take(pos) for every row with that ID2, LINKTYPE and SUBTYPE, in ID2 order, while
  // it returns true.
  template <class Take>
  void LinksOf(int link_type, int subtype, int id, Take&& take) const;
  // All positions sorted by ID2, made on first use.
  const WIntArray& ById2() const;

  int link_type_, sub_type_, id1_, id2_, details_;
  mutable std::unique_ptr<WIntArray> by_id2_;
};
