#include "notation/row_scroll.h"

#include <algorithm>

int scrollToShow(int position, int viewWidth, int left, int width) {
    const int right = left + width;
    if (right > position && left < position + viewWidth)
        return position;
    if (left < position || width >= viewWidth)
        return std::max(left, 0);
    return std::max(right - viewWidth, 0);
}

int scrollByWheel(int position, int steps, int stepPixels, int maximum) {
    return std::clamp(position + steps * stepPixels, 0, std::max(maximum, 0));
}
