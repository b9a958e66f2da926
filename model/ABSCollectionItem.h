#pragma once

#include "model/RecNo.h"

// Common base of individuals and families: the record number the reader gave the
// constructor (the RecNo by which the collection handed the record out, unless a reader
// stores its file's own record number instead).
class WABSCollectionItem {
 public:
  explicit WABSCollectionItem(RecNo rec_no = 0) : rec_no_(rec_no) {}
  virtual ~WABSCollectionItem() = default;
  WABSCollectionItem(const WABSCollectionItem&) = delete;
  WABSCollectionItem& operator=(const WABSCollectionItem&) = delete;

  RecNo GetRecNo() const { return rec_no_; }

 protected:
  RecNo rec_no_;
};
