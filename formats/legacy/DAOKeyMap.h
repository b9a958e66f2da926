#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rows of one table in the order of one index, built once from a walk of the table: each
// row's place (whatever the engine needs to read it again) with its key values.  Walking the
// index is walking this map; a seek is a search by halves on the first key column, so it costs
// no table scan.  Text keys compare without regard to letter case; an empty (null) value comes
// before every other; rows with equal keys keep their table order.
class TDAOKeyMap {
 public:
  // One flag per key column: true for a text column, false for a number column.
  explicit TDAOKeyMap(std::vector<bool> text_columns);

  // Appends a row; then set each key column's value (an unset value is empty).
  void AddRow(uint64_t place);
  void SetNumber(int column, int64_t value);
  void SetText(int column, const std::string& value);
  // Brings the rows into key order; call once after the last row.
  void Sort();

  int Count() const { return static_cast<int>(places_.size()); }
  // The place of the row at a position (0-based) in key order.
  uint64_t PlaceAt(int position) const { return places_[order_[position]]; }
  // The position of the first row whose first key equals the value; -1 when there is none.  A
  // number sought in a text column is sought as its decimal text, a text in a number column as
  // the number it spells (nothing when it spells none).
  int Find(int64_t key) const;
  int Find(const std::string& key) const;

 private:
  static constexpr int64_t kEmptyNumber = INT64_MIN;
  // Negative, zero or positive as row a's keys come before, with or after row b's.
  int Compare(uint32_t a, uint32_t b) const;
  int LowerBound(const std::string& folded_text, int64_t number, bool text) const;

  std::vector<bool> text_columns_;
  std::vector<uint64_t> places_;
  // Column by column: the number values, or the texts folded to lower case.
  std::vector<std::vector<int64_t>> numbers_;
  std::vector<std::vector<std::string>> texts_;
  std::vector<uint32_t> order_;
};
