#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/melody_conversion.h"

// Which voice of the file becomes the melody: a MusicXML part or a MIDI track, counted from 1.
struct TImportOptions {
    std::optional<int> part;
    std::optional<int> track;
};

// Larger files are refused before they are read: no melody of a period (at most 64 measures)
// comes near it.
constexpr size_t LARGEST_IMPORTED_FILE = 16 * 1024 * 1024;

// Reads a MusicXML score or a standard MIDI file (told apart by their contents) and fits its
// melody into a new composition. Raises TImportError with one line when it cannot.
TMelodyImport importMelody(std::string_view bytes, const TImportOptions& options = {});

// The same for a file; a missing, unreadable or too large file raises TImportError too.
TMelodyImport importMelodyFile(const std::string& path, const TImportOptions& options = {});
