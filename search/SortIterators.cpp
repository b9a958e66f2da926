#include "search/SortIterators.h"

#include "base/UIHooks.h"
#include "model/ABSCollection.h"
#include "search/Attrib.h"

WColSortIterator* WSortLists::ForColumn(int column) const {
  switch (column) {
    case acUserID:
      return by_user_id;
    case acSurnameGiven:
      return by_surname;
    case acFullName:
      return by_full_name;
    case acRIN:
      return by_rin;
    default:
      return nullptr;
  }
}

void WSortIterators::SetCollection(WABSCollection* collection) {
  if (collection == collection_) return;
  Clear();
  collection_ = collection;
}

void WSortIterators::Clear() {
  for (auto& list : lists_) list.reset();
}

int WSortIterators::ColumnOfKind(int kind) {
  static constexpr int kColumns[kKinds] = {0, acRIN, acSurnameGiven, acFullName, acUserID};
  return kind >= 1 && kind <= kKinds ? kColumns[kind - 1] : 0;
}

WColSortIterator* WSortIterators::GetSortIterator(int kind, bool sort_now) {
  if (kind < 1 || kind > kKinds || !collection_) return nullptr;
  std::unique_ptr<WColSortIterator>& list = lists_[kind - 1];
  if (!list) {
    BusySection busy;
    list = std::make_unique<WColSortIterator>(collection_, collection_->IndividualCount());
    if (kind == kRecordOrder) {
      list->Fill();
      list->MarkSorted();
    }
  }
  if (sort_now && kind != kRecordOrder) list->SortByColumn(ColumnOfKind(kind));
  return list.get();
}

WSortLists WSortIterators::Lists() {
  WSortLists lists;
  lists.by_rin = GetSortIterator(2, false);
  lists.by_surname = GetSortIterator(3, false);
  lists.by_full_name = GetSortIterator(4, false);
  lists.by_user_id = GetSortIterator(5, false);
  return lists;
}
