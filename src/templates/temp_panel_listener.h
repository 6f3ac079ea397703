#pragma once

#include <cstdint>

// Told whenever the user changes the tempo in a tempo panel, by category or by value.
class TTempPanelListener {
  public:
    virtual ~TTempPanelListener() = default;
    virtual void tempValueChanged(int32_t value) = 0;
};
