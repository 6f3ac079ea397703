#pragma once

#include <functional>

#include <QPoint>

#include "editing/pointer_control.h"

// The real mouse pointer, where the window system lets the program move it (X11, also under
// XWayland). A confinement is kept by clamping: a pointer found outside the zone is moved back
// to the nearest point inside before anyone reads it, as a clip rectangle would hold it.
class TScreenPointer : public TPointerControl {
  public:
    TScreenPoint pos() override;
    void setPos(TScreenPoint p) override;
    void confine(const TScreenRect& rect) override;
    void release() override { confined_ = false; }

  private:
    TScreenRect zone_;
    bool confined_ = false;
};

// A pointer the popup draws itself and moves by the relative motion of the real mouse: for
// window systems that cannot warp the pointer, for offscreen tests and for demonstrations.
class TDrawnPointer : public TVirtualPointer {
  public:
    void setPos(TScreenPoint p) override;
    void confine(const TScreenRect& rect) override;
    // Told after every move, so that the popup can draw the pointer where it now is.
    void setOnMoved(std::function<void()> onMoved) { onMoved_ = std::move(onMoved); }

  private:
    std::function<void()> onMoved_;
};

class QPainter;

// The drawn pointer's arrow, its tip at `tip`.
void drawPointerArrow(QPainter& painter, QPoint tip);
