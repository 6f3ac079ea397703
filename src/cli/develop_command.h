#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli develop IN.tnr --motive K --way W [--chords-from J] [--more N] -o OUT.tnr
// Gives motive K (0-based, period order) to the way W (chooser index 0..12 or its English
// caption) as its source; with --chords-from the chords of motive J are chosen in the first pane;
// then "more" is pressed N times. Writes a document in the input's frame with one sentence of
// one phrase "A" holding the three panes' motives. Starts from the random generator's initial
// state.
int runDevelopCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
