#pragma once

#include <vector>

#include "development/effect_way.h"

// Remembers which panes a way asked to keep and how often it asked to play its variants.
class TRecordingListener : public TDevelopmentWayListener {
  public:
    void keepVariant(int pane) override { kept.push_back(pane); }
    void playVariants() override { ++played; }
    std::vector<int> kept;
    int played = 0;
};
