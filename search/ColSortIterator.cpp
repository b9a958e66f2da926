#include "search/ColSortIterator.h"

#include <cstring>
#include <functional>

#include "base/Settings.h"
#include "model/ABSCollection.h"
#include "search/AttribID.h"
#include "search/AttribIndex.h"
#include "search/AttribIntArray.h"
#include "search/AttribName.h"
#include "search/AttribStrArray.h"

WColSortIterator::WColSortIterator(WABSCollection* collection, int32_t capacity)
    : WCollectionIterator(collection, capacity),
      record_count_(collection ? collection->IndividualCount() : 0) {}

WColSortIterator::~WColSortIterator() = default;

RecNo WColSortIterator::Get(int32_t i) {
  EnsureFilled();
  if (!MoveTo(i)) return 0;
  return Entry(ascending_ ? i : WABSIterator::Count() - i + 1);
}

RecNo WColSortIterator::RecordAt(int32_t i) const {
  const int32_t count = Count();
  if (i < 1 || i > count) return 0;
  return Entry(ascending_ ? i : count - i + 1);
}

bool WColSortIterator::SortBy(WAttrib& attribute, bool toggle) {
  if (IsSorted() && column_ == attribute.Column()) {
    if (toggle) ascending_ = !ascending_;
    return true;
  }
  if (toggle) ascending_ = true;
  EnsureFilled();
  column_ = attribute.Column();
  ClearSortedFlag();
  keys_.reset();

  // Keys are built in record-number order whatever the direction.
  const bool ascending = ascending_;
  ascending_ = true;
  struct Restore {
    bool& flag;
    bool value;
    ~Restore() { flag = value; }
  } restore{ascending_, ascending};

  auto sort_with = [this](auto&& compare_records) {
    return Sort(
        [&compare_records](const void* a, const void* b) {
          RecNo x, y;
          std::memcpy(&x, a, 4);
          std::memcpy(&y, b, 4);
          return compare_records(x, y);
        },
        true);
  };

  switch (attribute.DataType()) {
    case atInteger: {
      auto keys = std::make_unique<WAttribIntArray>(this, record_count_, &attribute);
      const WAttribIntArray* k = keys.get();
      keys_ = std::move(keys);
      if (!keys_->Complete()) return false;
      return sort_with([k](RecNo x, RecNo y) { return WAttribArray::CompareInteger(k->Key(x), k->Key(y)); });
    }
    case atText:
    case atPairText:
    case atIDText: {
      const int type = attribute.DataType();
      const int32_t size = type == atIDText ? WAttribStrArray::kIDKeySize : WAttribStrArray::kTextKeySize;
      auto keys = std::make_unique<WAttribStrArray>(this, size, record_count_, &attribute);
      const WAttribStrArray* k = keys.get();
      keys_ = std::move(keys);
      if (!keys_->Complete()) return false;
      if (type == atText)
        return sort_with([k](RecNo x, RecNo y) { return WAttribArray::CompareText(k->Key(x), k->Key(y)); });
      if (type == atPairText)
        return sort_with([k](RecNo x, RecNo y) { return WAttribArray::ComparePair(k->Key(x), k->Key(y)); });
      return sort_with([k](RecNo x, RecNo y) { return WAttribArray::CompareID(k->Key(x), k->Key(y)); });
    }
    default:
      return false;
  }
}

bool WColSortIterator::SortByColumn(int column) {
  if (IsSorted()) return true;
  std::unique_ptr<WAttrib> attribute;
  switch (column) {
    case acIndex:
      attribute = std::make_unique<WAttribIndex>(collection_);
      break;
    case acRIN:
    case acUserID:
      attribute = std::make_unique<WAttribID>(collection_, column);
      break;
    case acFullName:
    case acSurnameGiven:
      attribute = std::make_unique<WAttribName>(collection_, column);
      break;
    default:
      return false;
  }
  WSettings& options = Settings();
  const bool pre_suf = options.GetBool(WSettings::PreSuf);
  options.SetBool(WSettings::PreSuf, false);
  struct RestorePreSuf {
    WSettings& options;
    bool value;
    ~RestorePreSuf() { options.SetBool(WSettings::PreSuf, value); }
  } restore{options, pre_suf};
  return SortBy(*attribute, true);
}

int32_t WColSortIterator::IndexOf(RecNo n) {
  const int32_t count = Count();
  for (int32_t k = 1; k <= count; ++k) {
    if (Entry(k) == n) {
      if (ascending_) return k;
      // Descending: the first position from the top is the last matching entry.
      int32_t last = k;
      for (int32_t j = count; j > k; --j) {
        if (Entry(j) == n) {
          last = j;
          break;
        }
      }
      return count - last + 1;
    }
  }
  return 0;
}

int ComparePrefix(const std::string& entry, const std::string& typed) {
  auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 0x20 : c; };
  for (size_t i = 0; i < typed.size(); ++i) {
    if (i >= entry.size()) return -1;
    const int a = upper(static_cast<unsigned char>(entry[i]));
    const int b = upper(static_cast<unsigned char>(typed[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}

namespace {

// The prefix search over a list with compare(entry's record number) < 0, 0 or > 0 as
// the entry stands before, at or after the typed text.
int32_t PrefixSearch(WColSortIterator& list, const std::function<int(RecNo)>& compare) {
  const int32_t count = list.Count();
  if (count <= 0) return 0;
  auto at = [&](int32_t position) { return compare(list.Get(position)); };
  int32_t low = 1, high = count, match = 0;
  while (low <= high) {
    const int32_t mid = low + (high - low) / 2;
    const int c = at(mid);
    if (c < 0) {
      low = mid + 1;
    } else if (c > 0) {
      high = mid - 1;
    } else {
      match = mid;
      break;
    }
  }
  if (match == 0) {
    // Land on the entry just before where the text would stand; a text beyond every
    // entry lands on the last one.
    return low > 1 ? low - 1 : 1;
  }
  // The first match: halve the range left of the match instead of walking a long run of
  // equal entries one by one, then step back over any matches the halving skipped.
  high = match - 1;
  while (low <= high) {
    const int32_t mid = low + (high - low) / 2;
    const int c = at(mid);
    if (c < 0) {
      low = mid + 1;
    } else {
      if (c == 0) match = mid;
      high = mid - 1;
    }
  }
  while (match > 1 && at(match - 1) == 0) --match;
  return match;
}

// The stored key of each entry when the list was sorted by `column` with text keys;
// otherwise the key is made from the attribute on the spot, the same way.
class EntryKeys {
 public:
  EntryKeys(WColSortIterator& list, int column) : list_(list), column_(column) {
    if (const auto* keys = dynamic_cast<const WAttribStrArray*>(list.Keys());
        keys && keys->Column() == column && keys->Complete())
      keys_ = keys;
  }
  std::string Key(RecNo n) {
    if (keys_) return keys_->Key(n);
    if (!attribute_) {
      if (column_ == acUserID)
        attribute_ = std::make_unique<WAttribID>(list_.Collection(), column_);
      else
        attribute_ = std::make_unique<WAttribName>(list_.Collection(), column_);
    }
    // Name keys never carry a prefix or suffix, as when the list was sorted.
    WSettings& options = Settings();
    const bool pre_suf = options.GetBool(WSettings::PreSuf);
    options.SetBool(WSettings::PreSuf, false);
    std::string text = attribute_->GetText(n);
    options.SetBool(WSettings::PreSuf, pre_suf);
    return WAttribStrArray::MakeKeyText(text, WAttribStrArray::kTextKeySize - 1);
  }

 private:
  WColSortIterator& list_;
  int column_;
  const WAttribStrArray* keys_ = nullptr;
  std::unique_ptr<WAttrib> attribute_;
};

// The prefix search of typed text (a model text) over a list sorted by a text column: the
// text is folded into a key exactly as the list's keys were, and compared with them.
int32_t FindByKey(WColSortIterator& list, int column, const std::string& typed) {
  const std::string key = TypedKey(typed);
  EntryKeys keys(list, column);
  return PrefixSearch(list, [&](RecNo n) { return ComparePrefix(keys.Key(n), key); });
}

}  // namespace

std::string TypedKey(const std::string& typed) {
  return WAttribStrArray::MakeKeyText(typed, WAttribStrArray::kTextKeySize - 1);
}

int32_t FindBySurnameGiven(WColSortIterator& list, const std::string& surname, const std::string& given) {
  // The keys read "SURNAME, GIVEN": typed given names continue the typed surname that way.
  return FindByKey(list, acSurnameGiven, given.empty() ? surname : surname + ", " + given);
}

int32_t FindByFullName(WColSortIterator& list, const std::string& text) {
  return FindByKey(list, acFullName, text);
}

int32_t FindByUserID(WColSortIterator& list, const std::string& text) {
  return FindByKey(list, acUserID, text);
}
