#include "cli/commands.h"

#include "cli/candidates_command.h"
#include "cli/develop_command.h"
#include "cli/devices_command.h"
#include "cli/export_command.h"
#include "cli/harmonize_command.h"
#include "cli/import_command.h"
#include "cli/info_command.h"
#include "cli/new_command.h"
#include "cli/play_command.h"
#include "cli/render_command.h"
#include "cli/rewrite_command.h"

const std::vector<TCliCommand>& cliCommands() {
    static const std::vector<TCliCommand> commands = {
        {"new", "build a new composition from a template and a letter scheme", runNewCommand},
        {"import", "read the melody of a MusicXML score or a MIDI file into a new composition",
         runImportCommand},
        {"info", "describe a composition: key, meter, anacrusis, tempo, shape", runInfoCommand},
        {"rewrite", "read a composition and write it again in the program's layout",
         runRewriteCommand},
        {"harmonize", "choose chords for the motives of a composition", runHarmonizeCommand},
        {"candidates", "list the notes the assistant offers at a time of a motive",
         runCandidatesCommand},
        {"develop", "develop a motive into three variants by one of the thirteen ways",
         runDevelopCommand},
        {"devices", "list the MIDI output devices", runDevicesCommand},
        {"export", "write a composition as a standard MIDI file, a MusicXML score or a PDF",
         runExportCommand},
        {"render", "render a composition to a WAV file with the built-in synthesizer",
         runRenderCommand},
        {"play", "play a composition through a MIDI output device", runPlayCommand},
    };
    return commands;
}
