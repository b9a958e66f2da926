#include "formats/tmg/TMGTabP.h"

WTMGTabP::WTMGTabP(Opened opened) : WTMGTable(std::move(opened)), place_(Field("PLACE")) {}
