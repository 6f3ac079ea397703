#include "playback/relay_target.h"

int32_t periodCanvasId(size_t motiveSet) {
    const int32_t id = FIRST_PERIOD_CANVAS_ID + static_cast<int32_t>(motiveSet);
    return id >= FREE_CANVAS_ID ? id + 1 : id;
}

TRelayTarget noteTarget(int32_t canvasId, size_t motiveSets, size_t relayEntries,
                        bool hasFreeCanvas) {
    if (canvasId == FREE_CANVAS_ID)
        return hasFreeCanvas ? TRelayTarget{TRelayTargetKind::FREE_CANVAS, 0} : TRelayTarget{};
    return playTarget(canvasId, motiveSets, relayEntries);
}

TRelayTarget playTarget(int32_t canvasId, size_t motiveSets, size_t relayEntries) {
    if (canvasId < 0 || canvasId == FREE_CANVAS_ID)
        return {};
    if (canvasId >= FIRST_PERIOD_CANVAS_ID) {
        const int32_t skipped = canvasId > FREE_CANVAS_ID ? 1 : 0;
        const size_t set = static_cast<size_t>(canvasId - FIRST_PERIOD_CANVAS_ID - skipped);
        return set < motiveSets ? TRelayTarget{TRelayTargetKind::MOTIVE_SET, set} : TRelayTarget{};
    }
    const size_t entry = static_cast<size_t>(canvasId);
    return entry < relayEntries ? TRelayTarget{TRelayTargetKind::RELAY_ENTRY, entry}
                                : TRelayTarget{};
}
