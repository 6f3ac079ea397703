#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "development/effect_way.h"

// The thirteen ways in chooser order.
constexpr int WAY_COUNT = 13;

// The message keys of the choosers' captions, and their English texts.
constexpr std::array<std::string_view, WAY_COUNT> WAY_CAPTION_KEYS = {
    "sequence up",
    "sequence down",
    "variation",
    "repeat",
    "piece",
    "other",
    "rhythm",
    "rel. sequence up",
    "rel. sequence down",
    "rel. rhythm",
    "rel. repeat",
    "rel. piece",
    "rel. other",
};
constexpr std::array<std::string_view, WAY_COUNT> WAY_CAPTIONS = {
    "Sequence Up",
    "Sequence Down",
    "Variation",
    "Repeat",
    "Parts",
    "Other",
    "Rhythm",
    "Rel. Sequence Up",
    "Rel. Sequence Down",
    "Rel. Rhythm",
    "Rel. Repeat",
    "Rel. Parts",
    "Rel. Other",
};

// The engine of the way at a chooser index, drawing chords from the given set; none for an
// index outside 0..12.
std::unique_ptr<TEffectWay> createWay(int index, const TChordList& chordSet);

// The chooser index named by its decimal index or its English caption.
std::optional<int> wayIndexOf(const std::string& name);
