#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli render IN.tnr -o OUT.wav [--instruments NAME] [--soundfont FILE]
// Renders what "Play all" sounds like (the set's programs, volumes and mutes, the metronome
// when it is not muted) with the built-in synthesizer into a 44.1 kHz 16-bit stereo WAV file.
int runRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
