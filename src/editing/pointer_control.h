#pragma once

#include <cstdint>

#include "model/screen_point.h"

// A rectangle on the screen; right and bottom are exclusive.
struct TScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool contains(int32_t x, int32_t y) const {
        return left <= x && x < right && top <= y && y < bottom;
    }
    bool isEmpty() const { return right <= left || bottom <= top; }
    // The nearest point inside; an empty rectangle leaves the point alone.
    TScreenPoint clamp(TScreenPoint p) const;
    bool operator==(const TScreenRect&) const = default;
};

// The mouse pointer as the popup reads, moves and confines it. The desktop moves the real
// pointer where the window system lets it; elsewhere (and in tests and demonstrations) a
// pointer drawn by the popup stands in for it.
class TPointerControl {
  public:
    virtual ~TPointerControl() = default;
    // Where the pointer is; a pointer outside the confining rectangle is first brought back to
    // the nearest point inside, as a window system's clip rectangle would keep it.
    virtual TScreenPoint pos() = 0;
    virtual void setPos(TScreenPoint p) = 0;
    // Keeps the pointer inside `rect` from now on.
    virtual void confine(const TScreenRect& rect) = 0;
    // Lets the pointer go anywhere again.
    virtual void release() = 0;
};

// A pointer that exists only as a position: moved by the program or by the relative motion
// of the real mouse, and always kept inside its confinement.
class TVirtualPointer : public TPointerControl {
  public:
    TScreenPoint pos() override { return pos_; }
    void setPos(TScreenPoint p) override;
    void confine(const TScreenRect& rect) override;
    void release() override { confined_ = false; }

    // The real mouse moved by (dx, dy).
    void moveBy(int32_t dx, int32_t dy) { setPos({pos_.x + dx, pos_.y + dy}); }
    bool confined() const { return confined_; }
    const TScreenRect& confinement() const { return zone_; }

  private:
    TScreenPoint pos_;
    TScreenRect zone_;
    bool confined_ = false;
};
