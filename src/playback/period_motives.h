#pragma once

#include <vector>

#include "model/motive.h"
#include "model/period_data.h"

// The motives of the period in the order "Play all" and the Export command hand them on:
// sentence by sentence, phrase by phrase.
std::vector<TMotive> periodMotives(const TPeriodData& period);
