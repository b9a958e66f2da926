#include "formats/tmg/TMG5Tab_.h"

WTMG5Tab_::WTMG5Tab_(Opened opened)
    : WTMGTab_(std::move(opened)), dsid_(Field("DSID")), ref_id_(Field("REF_ID")) {}
