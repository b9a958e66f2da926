#include "formats/legacy/LEGTabSR.h"

bool WLEGTabSR::Load() {
  const int idsr = Field("IDSR");
  const bool done = Walk("IDSR", [&] {
    int32_t id = table_->FieldInt(idsr);
    if (id < 1) return false;
    ids_.push_back(id);
    return true;
  });
  if (!done) return false;
  UseSeekIndex();
  return true;
}
