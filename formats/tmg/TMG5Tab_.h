#pragma once

#include "formats/tmg/TMGTab_.h"

// The people table ($) of a 5.x project: the 4.x fields, plus the data set a person belongs to
// (DSID) and the person's number within it (REF_ID), which together identify the person as the
// program shows it ("2:15").
class WTMG5Tab_ : public WTMGTab_ {
 public:
  explicit WTMG5Tab_(Opened opened);

  int DataSet(int pos) const { return PosInt(pos, dsid_); }
  int RefId(int pos) const { return PosInt(pos, ref_id_); }

 private:
  int dsid_, ref_id_;
};
