#include "cli/develop_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "development/effect_way.h"
#include "development/ways.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/document.h"
#include "model/period_data.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli develop IN.tnr --motive K --way W [--chords-from J] [--more N] "
    "-o OUT.tnr\n"
    "Develops motive K (0-based, in period order) by the way W, given as its chooser index\n"
    "0..12 or its caption:\n"
    "   0 Sequence Up      1 Sequence Down      2 Variation    3 Repeat    4 Parts\n"
    "   5 Other            6 Rhythm             7 Rel. Sequence Up         8 Rel. Sequence Down\n"
    "   9 Rel. Rhythm     10 Rel. Repeat       11 Rel. Parts  12 Rel. Other\n"
    "--chords-from J chooses the chords of motive J in the first pane (the relative ways\n"
    "generate from them); --more N presses \"more\" N times (ways 2, 4, 6, 9 and 11 only).\n"
    "Writes the input's key, meter, anacrusis and tempo with one sentence of one phrase A\n"
    "holding the three variants (an empty motive where a pane has none).\n";

// The letter code of phrase "A".
constexpr COLORED_BOX_SUFFIX LETTER_A = 5;
// More presses than anyone makes by hand; keeps a mistyped number from running for hours.
constexpr int MAX_MORE = 10000;

int motiveOption(const TCliArgs& parsed, const std::string& option, size_t count) {
    const std::string text = parsed.required(option, "a motive index");
    if (count == 0)
        throw TUsageError("option " + option + ": the document has no motives");
    return parseIntOrThrow(text, option, 0, static_cast<int>(count) - 1);
}

}  // namespace

int runDevelopCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"-o", "--motive", "--way", "--chords-from", "--more"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string input = parsed.onlyPositional("input file IN.tnr");
    const std::string output = parsed.required("-o", "the output file OUT.tnr");
    const std::string wayName = parsed.required("--way", "a way index 0..12 or its caption");
    const std::optional<int> wayIndex = wayIndexOf(wayName);
    if (!wayIndex)
        throw TUsageError(
            "option --way accepts a way index from 0 to 12 or a way's caption "
            "such as \"Rel. Parts\"");

    parsed.required("--motive", "the index of the motive to develop");
    const TScheme scheme;
    const std::unique_ptr<TEffectWay> way = createWay(*wayIndex, scheme.chordSet());

    int more = 0;
    if (parsed.has("--more")) {
        if (!way->hasMore())
            throw TUsageError("option --more: the way \"" +
                              std::string(WAY_CAPTIONS[static_cast<size_t>(*wayIndex)]) +
                              "\" has no \"more\"");
        more = *parsed.intValue("--more", 0, MAX_MORE);
    }

    TPeriodData period;
    if (!readDocument(period, input))
        throw TCommandError("Unable to open file: " + input);
    const std::vector<TMotiveAddress> addresses = period.motiveAddresses();
    const int source = motiveOption(parsed, "--motive", addresses.size());
    std::optional<int> chordsFrom;
    if (parsed.has("--chords-from"))
        chordsFrom = motiveOption(parsed, "--chords-from", addresses.size());

    // every run draws the same numbers, as the program does after start
    resetMotivicaRand();
    way->setFrame(period.measure, period.key, period.anacrusis);
    way->acceptMotive(period.motiveAt(addresses[static_cast<size_t>(source)]));
    if (chordsFrom) {
        // as when the user chooses chords in the first pane's canvas
        way->editStarted(0);
        way->pane(0).setChords(period.motiveAt(addresses[static_cast<size_t>(*chordsFrom)]).chords);
        way->chordsChosen(0);
    }
    for (int press = 0; press < more; ++press)
        way->moreEffect();

    TPeriodData developed(period);
    developed.clearSentences();
    TPhraseData phrase(PANE_COUNT, LETTER_A, period.key, period.measure, period.anacrusis);
    for (int index = 0; index < PANE_COUNT; ++index)
        phrase.motives[static_cast<size_t>(index)] = way->pane(index);
    TSentenceData sentence;
    sentence.phrases.push_back(phrase);
    developed.sentences.push_back(sentence);

    if (!writeDocument(developed, output))
        throw TCommandError("Unable to save file: " + output);
    return 0;
}
