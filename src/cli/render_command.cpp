#include "cli/render_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/export_command.h"
#include "model/period_data.h"
#include "playback/fluid_synth_engine.h"
#include "playback/instrument_conf.h"
#include "playback/offline_renderer.h"
#include "playback/period_motives.h"
#include "playback/wav_file_writer.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli render IN.tnr -o OUT.wav [--instruments NAME] [--soundfont FILE]\n"
    "Renders what \"Play all\" sounds like with the built-in synthesizer to a 44.1 kHz 16-bit\n"
    "stereo WAV file, far faster than real time, with a short tail for the last notes.\n"
    "The programs, volumes and mutes come from the instrument set NAME of the base folder,\n"
    "or are the defaults without it (the metronome is muted by default). The soundfont is\n"
    "FILE, else $MOTIVICA_SOUNDFONT, else a General MIDI soundfont of the system.\n";

}  // namespace

int runRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"-o", "--instruments", "--soundfont"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string output = convertedOutputOption(parsed, "the output file OUT.wav");
    const TPeriodData period = readPeriodArgument(parsed);
    const TInstrumentConf set = readInstrumentsOption(parsed);

    TRenderRequest request;
    if (const std::optional<std::string> chosen = parsed.value("--soundfont")) {
        if (!isSoundfont(*chosen))
            throw TCommandError("Not a soundfont: " + *chosen);
        request.soundfont = *chosen;
    } else if (const std::optional<std::string> found = findSoundfont()) {
        request.soundfont = *found;
    } else {
        throw TCommandError(
            "No General MIDI soundfont found: name one with --soundfont or MOTIVICA_SOUNDFONT");
    }
    request.motives = periodMotives(period);
    request.tempo = period.tempo();
    const TRenderResult result = renderPlayback(request, set);
    if (!result.ok)
        throw TCommandError("Unable to render: " + result.error);
    if (!writeWavFile(result.samples, TRenderResult::SAMPLE_RATE, TRenderResult::CHANNELS, output))
        throw TCommandError("Unable to save file: " + output);
    return 0;
}
