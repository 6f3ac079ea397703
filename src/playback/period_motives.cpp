#include "playback/period_motives.h"

std::vector<TMotive> periodMotives(const TPeriodData& period) {
    std::vector<TMotive> motives;
    for (const TMotiveAddress& address : period.motiveAddresses())
        motives.push_back(period.motiveAt(address));
    return motives;
}
