#include "formats/tmg/TMGTabN.h"

WTMGTabN::WTMGTabN(Opened opened)
    : WTMGTable(std::move(opened)),
      recno_(Field("RECNO")),
      name_(Field("NAME")),
      nnote_(Field("NNOTE")),
      altype_(Field("ALTYPE")),
      primary_(Field("PRIMARY")),
      nper_(Field("NPER")),
      ndate_(Field("NDATE")),
      sentence_(Field("SENTENCE")) {}
