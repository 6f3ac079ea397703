#include "editing/canvas_mapping.h"

#include <algorithm>
#include <cstdlib>

#include "model/motive.h"
#include "notation/canvas_layout.h"

int32_t timeAtX(const TMotive& motive, int32_t x) {
    return canvasTimeAtX(motive, x);
}

int32_t xOfTime(const TMotive& motive, int32_t t) {
    return canvasXOfTime(motive, t) - CURSOR_BEFORE_HEAD;
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
