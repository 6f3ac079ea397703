#include "cli/new_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "generation/chord_selection.h"
#include "generation/previous_motive.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "help/eng_message_bundle.h"
#include "model/document.h"
#include "model/period_data.h"
#include "templates/raw_letter_scheme.h"
#include "templates/raw_period_data.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli new [options] -o OUT.tnr\n"
    "Builds a new composition as the New command does and writes it.\n\n"
    "  --template 1..7          period template (default 1)\n"
    "  --letters 1..5           letter scheme applied to the template (default 4)\n"
    "  --key -7..7              flats (negative) or sharps of the key (default 1)\n"
    "  --mode major|minor       mode of the key (default minor)\n"
    "  --meter 2/4|3/4|2/8|3/8  meter (default 2/4)\n"
    "  --anacrusis TICKS        0, or a multiple of 30 below the measure length (default 60)\n"
    "  --tempo 50..150          tempo (default 100)\n"
    "  --no-chords              leave the first motive without chords\n";

TMeasure parseMeter(const std::string& text) {
    if (text == "2/4")
        return TMeasure(2, QUARTER);
    if (text == "3/4")
        return TMeasure(3, QUARTER);
    if (text == "2/8")
        return TMeasure(2, EIGHTH);
    if (text == "3/8")
        return TMeasure(3, EIGHTH);
    throw TUsageError("option --meter accepts 2/4, 3/4, 2/8 or 3/8");
}

uint8_t parseMode(const std::string& text) {
    if (text == "major")
        return MAJOR;
    if (text == "minor")
        return MINOR;
    throw TUsageError("option --mode accepts major or minor");
}

}  // namespace

int runNewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(
        args,
        {"-o", "--template", "--letters", "--key", "--mode", "--meter", "--anacrusis", "--tempo"},
        {"--no-chords"});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    if (!parsed.positionals().empty())
        throw TUsageError("unexpected argument " + parsed.positionals().front());
    const std::string output = parsed.required("-o", "the output file OUT.tnr");

    const TEngMessageBundle bundle;
    const std::vector<TRawPeriodData> templates = TRawPeriodData::builtInTemplates(&bundle);
    const std::vector<TRawLetterScheme> schemes = TRawLetterScheme::builtInSchemes();
    const int templateNumber = parsed.intValue("--template", 1, int(templates.size())).value_or(1);
    const int schemeNumber = parsed.intValue("--letters", 1, int(schemes.size()))
                                 .value_or(DEFAULT_LETTER_SCHEME_INDEX + 1);
    const int signs = parsed.intValue("--key", -7, 7).value_or(1);
    const uint8_t mode = parseMode(parsed.value("--mode").value_or("minor"));
    const TMeasure measure = parseMeter(parsed.value("--meter").value_or("2/4"));
    const int32_t length = measure.measureLength();
    const int anacrusis = parsed.intValue("--anacrusis", 0, length - 30).value_or(60);
    if (anacrusis % 30 != 0)
        throw TUsageError("option --anacrusis accepts 0 or a multiple of 30 from 30 to " +
                          std::to_string(length - 30));
    if (anacrusis >= length)
        throw TUsageError("option --anacrusis must be shorter than the measure (" +
                          std::to_string(length) + " ticks)");
    const int tempo = parsed.intValue("--tempo", MIN_TEMPO, MAX_TEMPO).value_or(DEFAULT_TEMPO);

    // the dialog's shape: the template assigned, then the letter scheme applied
    TRawPeriodData shape(&bundle);
    shape.assignTemplate(templates[size_t(templateNumber - 1)]);
    shape.applyLetterScheme(schemes[size_t(schemeNumber - 1)]);

    TPeriodData period;
    period.buildFromLayout(shape.phrasesPerSentence(), shape.motivesPerPhrase(),
                           shape.phraseLetters(), TKey(signs, mode), measure,
                           static_cast<DURATION>(anacrusis), tempo);

    if (!parsed.has("--no-chords") && period.motiveCount() > 0) {
        // as after New: the first motive is given chords, from the generator's initial state
        resetMotivicaRand();
        const TScheme scheme;
        harmonizePeriod(period, {0}, scheme);
    }

    if (!writeDocument(period, output))
        throw TCommandError("Unable to save file: " + output);
    return 0;
}
