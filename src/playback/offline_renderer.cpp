#include "playback/offline_renderer.h"

#include <algorithm>

#include "playback/apply_instrument_set.h"
#include "playback/fluid_synth_engine.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/player.h"

namespace {

// Messages go straight into the synthesizer, between two blocks of rendered samples.
class TEnginePort : public TMidiPortInterface {
  public:
    explicit TEnginePort(TFluidSynthEngine& engine) : engine_(engine) {}
    void sendShortMessage(uint32_t packed) override { engine_.playShortMessage(packed); }
    void sendSystemExclusive(const uint8_t* data, size_t size) override {
        engine_.playSystemExclusive(data, size);
    }

  private:
    TFluidSynthEngine& engine_;
};

class TEngineDevice : public TMidiDevicesInterface {
  public:
    explicit TEngineDevice(TFluidSynthEngine& engine) : engine_(engine) {}
    int deviceCount() override { return 1; }
    std::optional<std::string> deviceName(int) override { return "Renderer"; }
    std::unique_ptr<TMidiPortInterface> openPort(int index) override {
        if (index != 0)
            return nullptr;
        return std::make_unique<TEnginePort>(engine_);
    }

  private:
    TFluidSynthEngine& engine_;
};

}  // namespace

// How often the progress callback hears of the rendering: every sixteenth sequencer period.
constexpr int64_t PROGRESS_STEPS = 16;

TRenderResult renderPlayback(const TRenderRequest& request, const TInstrumentConf& set) {
    TRenderResult result;
    TFluidSynthEngine engine;
    if (!engine.valid()) {
        result.error = "the synthesizer cannot be created";
        return result;
    }
    if (!engine.loadSoundfont(request.soundfont)) {
        result.error = "cannot load the soundfont " + request.soundfont;
        return result;
    }
    TEngineDevice device(engine);
    TPlayer player(device);
    player.openDevice(0);
    applyInstrumentSet(set, player);

    TMotivePlayer sequencer(player, set, TMotivePlayer::TDrive::MANUAL);
    for (const TMotive& motive : request.motives)
        sequencer.addMotive(motive);

    // the timer's period; a tempo a hand-edited file puts out of range still advances
    const int64_t periodMs = std::max<int64_t>(1, 200 - request.tempo);
    const int rate = TRenderResult::SAMPLE_RATE;
    std::vector<int16_t>& samples = result.samples;
    int64_t framesDone = 0;
    auto renderUntil = [&](int64_t frame) {
        if (frame <= framesDone)
            return;
        const size_t at = samples.size();
        samples.resize(at + static_cast<size_t>(frame - framesDone) * TRenderResult::CHANNELS);
        engine.renderFrames(samples.data() + at, static_cast<int>(frame - framesDone));
        framesDone = frame;
    };
    // the first step plays at once: the real timer's first period of silence is left out
    const double length = std::max(1, sequencer.nextStart());
    for (int64_t step = 1; sequencer.playing(); ++step) {
        sequencer.tick();
        // the step that ends the run starts the tail
        if (!sequencer.playing())
            break;
        renderUntil(step * periodMs * rate / 1000);
        if (request.progress && step % PROGRESS_STEPS == 0 &&
            !request.progress(std::min(1.0, sequencer.currentTime() / length))) {
            result.cancelled = true;
            result.error = "cancelled";
            samples.clear();
            return result;
        }
    }
    renderUntil(framesDone + static_cast<int64_t>(request.tailSeconds * rate));
    result.ok = true;
    return result;
}
