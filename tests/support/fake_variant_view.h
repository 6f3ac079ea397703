#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "editing/variant_view.h"
#include "model/midi_output.h"

// A MIDI output that keeps every message and knows which keys still sound.
class TRecordingMidiOutput : public TMidiOutputInterface {
  public:
    void noteOn(int16_t channel, int16_t key, int16_t velocity) override {
        messages.push_back({true, channel, key, velocity});
        ++sounding[{channel, key}];
    }
    void noteOff(int16_t channel, int16_t key, int16_t velocity) override {
        messages.push_back({false, channel, key, velocity});
        auto it = sounding.find({channel, key});
        if (it != sounding.end() && --it->second <= 0) {
            sounding.erase(it);
        }
    }
    // Keys still on, by channel and key.
    bool silent() const { return sounding.empty(); }

    struct TMessage {
        bool on;
        int16_t channel;
        int16_t key;
        int16_t velocity;
    };
    std::vector<TMessage> messages;
    std::map<std::pair<int16_t, int16_t>, int> sounding;
};

// The popup's surroundings with no screen: a fixed screen, a view origin that follows where
// the popup was shown, and counters of the paint requests.
class TFakeVariantSurface : public TVariantSurface {
  public:
    TScreenRect screenArea() override { return screen; }
    int32_t popupWidth() override { return VIEW_WIDTH + 2 * VIEW_MARGIN; }
    int32_t popupHeight() override { return VIEW_HEIGHT + 2 * VIEW_MARGIN; }
    void showAt(int32_t left, int32_t top) override {
        shownLeft = left;
        shownTop = top;
        visible = true;
    }
    void hide() override { visible = false; }
    TScreenPoint viewOrigin() override { return {shownLeft + VIEW_MARGIN, shownTop + VIEW_MARGIN}; }
    void setCaption(const std::string& text) override { caption = text; }
    void setHint(const std::string& text) override { hint = text; }
    void paintPane(int pane, bool) override { ++panePaints[pane & 1]; }
    void storeEdgeColumn(int pane) override { ++stores[pane & 1]; }
    void paintEdgeColumn(int pane) override { ++edgePaints[pane & 1]; }
    void markRow(int pane, int32_t row) override { marks.push_back({pane, row}); }
    void paintExtentLine(int pane) override { ++extentPaints[pane & 1]; }

    TScreenRect screen{0, 0, 1280, 800};
    int32_t shownLeft = 0;
    int32_t shownTop = 0;
    bool visible = false;
    std::string caption;
    std::string hint;
    int panePaints[2] = {0, 0};
    int stores[2] = {0, 0};
    int edgePaints[2] = {0, 0};
    int extentPaints[2] = {0, 0};
    std::vector<std::pair<int, int32_t>> marks;
};

class TFakeVariantViewHost : public TVariantViewHost {
  public:
    TMidiOutputInterface& audition() override { return output; }
    int32_t dadCursorDelay() override { return delay; }
    int32_t drumVoice() override { return 37; }
    int32_t upBeatDrumVoice() override { return 36; }
    std::string text(const std::string& key) override { return "text of " + key; }

    TRecordingMidiOutput output;
    int32_t delay = 14;
};

class TFakeAuditionTimer : public TAuditionTimer {
  public:
    void start(int32_t periodMs) override {
        running = true;
        period = periodMs;
    }
    void stop() override { running = false; }
    bool running = false;
    int32_t period = 0;
};

// Everything a view needs, wired together.
struct TVariantViewRig {
    TFakeVariantViewHost host;
    TFakeVariantSurface surface;
    TVirtualPointer pointer;
    TFakeAuditionTimer timer;
    TVariantView view{host, surface, pointer, timer};
};
