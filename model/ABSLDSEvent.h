#pragma once

#include "model/ABSEvent.h"

// An LDS ordinance: baptism, endowment, sealing to parents or to a spouse.
class WABSLDSEvent : public WABSEvent {};
