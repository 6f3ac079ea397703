#include "editing/pressure_meter.h"

#include <algorithm>

TPressureMeter pressureMeter(int32_t edgeX, int inward, int32_t percentLeft, int32_t bottom,
                             int32_t top) {
    const int32_t left = inward < 0 ? edgeX - 1 - PRESSURE_METER_WIDTH : edgeX + 2;
    TPressureMeter m;
    m.track = {left, top, left + PRESSURE_METER_WIDTH, bottom};
    const int32_t risen = 100 - std::clamp(percentLeft, 0, 100);
    const int32_t height = (bottom - top) * risen / 100;
    m.fill = {left, bottom - height, left + PRESSURE_METER_WIDTH, bottom};
    return m;
}
