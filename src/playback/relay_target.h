#pragma once

#include <cstddef>
#include <cstdint>

// Which canvas a notification relayed from the player's timer thread is meant for. Canvases
// carry a number: 255 the free-standing canvas, 48 and above the period panel's canvases in
// period order, smaller numbers the development panes of the relay list.
constexpr int32_t FREE_CANVAS_ID = 255;
constexpr int32_t FIRST_PERIOD_CANVAS_ID = 48;

enum class TRelayTargetKind { NONE, FREE_CANVAS, MOTIVE_SET, RELAY_ENTRY };

struct TRelayTarget {
    TRelayTargetKind kind = TRelayTargetKind::NONE;
    size_t index = 0;  // the motive set or relay-list entry

    bool operator==(const TRelayTarget&) const = default;
};

// The number of the period panel's canvas for motive set k: 48, 49, ... in period order. A period
// of more than 207 motives steps over 255, which names the free-standing canvas.
int32_t periodCanvasId(size_t motiveSet);

// Where a note notification goes; NONE when its canvas does not exist (any more): a motive set
// beyond the panel, an entry beyond the relay list, or no free-standing canvas.
TRelayTarget noteTarget(int32_t canvasId, size_t motiveSets, size_t relayEntries,
                        bool hasFreeCanvas);
// Where a play started/stopped notification goes; the free-standing canvas has no play strip.
TRelayTarget playTarget(int32_t canvasId, size_t motiveSets, size_t relayEntries);
