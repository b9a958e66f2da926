#include "formats/tmg/TMGTabM.h"

WTMGTabM::WTMGTabM(Opened opened)
    : WTMGTable(std::move(opened)),
      type_(Field("TYPE")),
      info_(Field("INFO")),
      fform_(Field("FFORM")),
      title_(Field("TITLE")),
      text_(Field("TEXT")),
      abbrev_(Field("ABBREV")) {}
