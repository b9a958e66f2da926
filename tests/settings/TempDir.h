#pragma once

// Moved to the shared test helpers.
#include "support/TempDir.h"
