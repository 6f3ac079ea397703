#pragma once

#include <cstdint>
#include <vector>

#include "templates/temp_panel_listener.h"

// Remembers every tempo the tempo panel reported.
class TRecordingTempListener : public TTempPanelListener {
  public:
    void tempValueChanged(int32_t value) override { values.push_back(value); }
    std::vector<int32_t> values;
};
