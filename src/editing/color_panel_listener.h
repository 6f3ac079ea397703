#pragma once

#include <cstdint>

class TScheme;
class TVariantModel;

// The popup as a canvas drives it while its mouse button is held.
class TColorPanelListener {
  public:
    virtual ~TColorPanelListener() = default;
    virtual void close() = 0;
    // The screen point is where the popup's bottom-left corner should go.
    virtual void open(TScheme& scheme, TVariantModel& model, int32_t screenX, int32_t screenY) = 0;
    // shift carries Ctrl as bit value 4.
    virtual void mouseMoved(uint32_t shift, int32_t screenX, int32_t screenY) = 0;
};
