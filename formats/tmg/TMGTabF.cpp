#include "formats/tmg/TMGTabF.h"

WTMGTabF::WTMGTabF(Opened opened)
    : WTMGTable(std::move(opened)),
      child_(Field("CHILD")),
      parent_(Field("PARENT")),
      ptype_(Field("PTYPE")) {}
