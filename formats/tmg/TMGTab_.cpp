#include "formats/tmg/TMGTab_.h"

WTMGTab_::WTMGTab_(Opened opened)
    : WTMGTable(std::move(opened)),
      sex_(Field("SEX")),
      living_(Field("LIVING")),
      per_no_(Field("PER_NO")),
      pbirth_(Field("PBIRTH")),
      pdeath_(Field("PDEATH")),
      reference_(Field("REFERENCE")),
      last_edit_(Field("LAST_EDIT")),
      father_(Field("FATHER")),
      mother_(Field("MOTHER")) {}

char WTMGTab_::Sex(int pos) const {
  const char c = PosChar(pos, sex_);
  return c == 'F' || c == 'M' ? c : 'U';
}
