#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli rewrite IN.tnr -o OUT.tnr
// Reads a document and writes it again in the program's own layout, as Open followed by
// Save As does.
int runRewriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
