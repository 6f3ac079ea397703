#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli harmonize IN.tnr -o OUT.tnr [--motive K]...
// Chooses chords for the named motives (0-based, period order; all of them by default) as each
// motive's canvas does, one after another, and writes the document. Starts from the random
// generator's initial state.
int runHarmonizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
