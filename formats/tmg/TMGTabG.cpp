#include "formats/tmg/TMGTabG.h"

WTMGTabG::WTMGTabG(Opened opened)
    : WTMGTable(std::move(opened)),
      etype_(Field("ETYPE")),
      per1_(Field("PER1")),
      per2_(Field("PER2")),
      edate_(Field("EDATE")),
      srtdate_(Field("SRTDATE")),
      recno_(Field("RECNO")),
      placenum_(Field("PLACENUM")),
      efoot_(Field("EFOOT")) {}

bool WTMGTabG::BuildOrder() {
  return order_.Build(LiveCount(), [this](int32_t pos, WTMGEventOrder::EventKeys& keys) {
    keys.per1 = Per1(pos);
    keys.per2 = Per2(pos);
    keys.sort_date = PosBytes(pos, srtdate_);
  });
}
