#include "formats/tmg/TMG5TabNPV.h"

WTMG5TabNPV::WTMG5TabNPV(Opened opened)
    : WTMGTable(std::move(opened)), recno_(Field("RECNO")), uid_(Field("UID")), type_(Field("TYPE")) {}
