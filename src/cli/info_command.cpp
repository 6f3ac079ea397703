#include "cli/info_command.h"

#include <cstdlib>
#include <ostream>

#include "cli/cli_args.h"
#include "help/eng_message_bundle.h"
#include "model/document.h"
#include "model/key_names.h"
#include "model/period_data.h"
#include "templates/period_layout.h"
#include "templates/raw_period_data.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli info FILE.tnr\n"
    "Prints the key, meter, anacrusis (ticks), tempo, shape and motive count of a composition.\n";

std::string keyText(const TKey& key) {
    return signatureText(key.signs()) + (key.isMinor() ? ", minor" : ", major");
}

std::string meterText(const TMeasure& measure) {
    const int beat = measure.beatValue();
    if (beat > 0 && 480 % beat == 0)
        return std::to_string(measure.beatsPerMeasure()) + "/" + std::to_string(480 / beat);
    // a beat that is no note value of its own
    return std::to_string(measure.beatsPerMeasure()) + " x " + std::to_string(beat) + " ticks";
}

}  // namespace

int runInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string input = parsed.onlyPositional("input file FILE.tnr");
    TPeriodData period;
    if (!readDocument(period, input))
        throw TCommandError("Unable to open file: " + input);

    const TEngMessageBundle bundle;
    const std::string structure = TPeriodLayout::fromPeriod(period).toRaw(&bundle).structureText();
    out << "File: " << input << "\n"
        << "Key: " << keyText(period.key) << "\n"
        << "Meter: " << meterText(period.measure) << "\n"
        << "Anacrusis: " << period.anacrusis << "\n"
        << "Tempo: " << period.tempo() << "\n"
        << "Structure: " << structure << "\n"
        << "Motives: " << period.motiveCount() << "\n";
    return 0;
}
