#include "formats/tmg/TMGTabE.h"

WTMGTabE::WTMGTabE(Opened opened)
    : WTMGTable(std::move(opened)),
      eper_(Field("EPER")),
      gnum_(Field("GNUM")),
      primary_(Field("PRIMARY")),
      wsentence_(Field("WSENTENCE")) {}
