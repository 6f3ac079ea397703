#pragma once

#include <cstdint>
#include <vector>

#include "editing/pointer_control.h"

// The pixels two rectangles share.
int64_t overlapArea(const TScreenRect& a, const TScreenRect& b);

// Where a helper window of `width` × `height` (its frame included) goes so that it covers as
// little as possible of what must stay in sight: `keepVisible`, most important first, each
// weighing ten times the one after it. It stays on `screen`. Beside `owner` (right, left, below,
// above) is tried first, then the owner's top-right corner, then every place on the screen; of
// equal covering, the earlier place wins.
TScreenRect placeClearOf(const TScreenRect& screen, const TScreenRect& owner,
                         const std::vector<TScreenRect>& keepVisible, int32_t width,
                         int32_t height);
