#pragma once

#include "model/ABSEvent.h"

// An event of a person or a family: birth, death, christening, burial, or any other.
class WABSVitEvent : public WABSEvent {};
