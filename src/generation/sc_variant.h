#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_set>
#include <vector>

#include "model/duration.h"

// One note the assistant offers: a pitch with the durations it may take.
struct TScVariant {
    int32_t pitch = 0;
    bool sharp = false;
    std::vector<DURATION> durations;
    bool chording = false;
    int32_t turnPosition = -1;    // index in the turn scheme of the kind that proposed it
    int32_t rhythmPosition = -1;  // index in the rhythm scheme that gave the durations

    bool operator==(const TScVariant&) const = default;
};

// Candidates are told apart by pitch alone: the first proposer of a pitch keeps it.
struct TScVariantHash {
    size_t operator()(const TScVariant& v) const { return std::hash<int32_t>()(v.pitch); }
};

struct TScVariantEqual {
    bool operator()(const TScVariant& a, const TScVariant& b) const { return a.pitch == b.pitch; }
};

using variant_set = std::unordered_set<TScVariant, TScVariantHash, TScVariantEqual>;
