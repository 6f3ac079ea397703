#include "editing/pointer_control.h"

#include <algorithm>

TScreenPoint TScreenRect::clamp(TScreenPoint p) const {
    if (isEmpty()) {
        return p;
    }
    return {std::clamp(p.x, left, right - 1), std::clamp(p.y, top, bottom - 1)};
}

void TVirtualPointer::setPos(TScreenPoint p) {
    pos_ = confined_ ? zone_.clamp(p) : p;
}

void TVirtualPointer::confine(const TScreenRect& rect) {
    zone_ = rect;
    confined_ = true;
    pos_ = zone_.clamp(pos_);
}
