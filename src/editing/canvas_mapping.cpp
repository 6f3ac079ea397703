#include "editing/canvas_mapping.h"

#include <algorithm>
#include <cstdlib>

#include "model/motive.h"

int32_t timeAtX(const TMotive& motive, int32_t x) {
    const int32_t offset = std::max(x - CANVAS_MARGIN, 0) / CANVAS_PIXELS_PER_SIXTEENTH * 30;
    const int32_t length = motive.measureLength();
    const int32_t start = motive.startTime();
    const int32_t t = start + offset;
    if (motive.anacrusis != 0 && t < length) {
        return std::clamp(t, start, std::max(start, length - 30));
    }
    const int32_t last = (motive.anacrusis != 0 ? motive.endTime() : length) - 30;
    return std::max(std::min(t, last), start);
}

int32_t xOfTime(const TMotive& motive, int32_t t) {
    return CANVAS_MARGIN + (t - motive.startTime()) / 30 * CANVAS_PIXELS_PER_SIXTEENTH;
}

std::optional<int32_t> pitchAtY(int32_t y) {
    const int32_t b = 153 - y;
    if (b < 0) {
        return std::nullopt;
    }
    return std::clamp(b / 5 + 6, 13, 34);
}

int32_t snapToNote(const TMotive& motive, int32_t t) {
    for (const TNote& n : motive.notes) {
        const int32_t end = n.time + std::abs(static_cast<int32_t>(n.duration));
        if (n.time <= t && t < end) {
            return n.time;
        }
    }
    return t;
}

TScreenPoint popupAnchor(const TScreenRect& canvas, const TScreenRect& screen, int32_t popupWidth) {
    TScreenPoint p{canvas.right, canvas.bottom - 27};
    const int32_t overflow = p.x + popupWidth - screen.right;
    if (overflow > 0) {
        p.x = canvas.left - popupWidth;
        if (screen.left - p.x >= overflow) {
            p.x = screen.right - popupWidth;
        } else {
            p.x = std::max(p.x, screen.left);
        }
    }
    return p;
}
