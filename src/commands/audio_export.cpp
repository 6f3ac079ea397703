#include "commands/audio_export.h"

#include "commands/prompts_interface.h"
#include "help/message_bundle.h"
#include "model/period_data.h"
#include "playback/fluid_synth_engine.h"
#include "playback/offline_renderer.h"
#include "playback/period_motives.h"
#include "playback/wav_file_writer.h"

TAudioExport::TAudioExport(const TPeriodData& period, const TInstrumentConf& instruments,
                           TPromptsInterface& prompts, const TMessageBundle& bundle)
    : period_(period), instruments_(instruments), prompts_(prompts), bundle_(bundle) {}

void TAudioExport::tellError(const std::string& text) {
    prompts_.showMessage(bundle_.text("error"), text);
}

bool TAudioExport::exportTo(const std::string& path) {
    TRenderRequest request;
    const std::optional<std::string> soundfont = soundfont_ ? soundfont_ : findSoundfont();
    if (!soundfont) {
        tellError("No General MIDI soundfont was found to render the sound with.");
        return false;
    }
    request.soundfont = *soundfont;
    request.motives = periodMotives(period_);
    request.tempo = period_.tempo();
    const std::unique_ptr<TProgressPrompt> progress =
        prompts_.showProgress("Export to audio", "Rendering the period...");
    request.progress = [&progress](double fraction) { return progress->advance(fraction); };
    const TRenderResult result = renderPlayback(request, instruments_);
    if (result.cancelled) {
        return false;
    }
    if (!result.ok) {
        tellError("Unable to render the sound: " + result.error);
        return false;
    }
    // the writer goes through a temporary file: a failure leaves nothing half written
    if (!writeWavFile(result.samples, TRenderResult::SAMPLE_RATE, TRenderResult::CHANNELS, path)) {
        tellError(bundle_.text("save error") + "\n" + path);
        return false;
    }
    progress->advance(1.0);
    return true;
}
