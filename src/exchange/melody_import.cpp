#include "exchange/melody_import.h"

#include <fstream>

#include "exchange/import_error.h"
#include "exchange/midi_file_reader.h"
#include "exchange/midi_melody.h"
#include "exchange/musicxml_reader.h"

TMelodyImport importMelody(std::string_view bytes, const TImportOptions& options) {
    if (bytes.size() > LARGEST_IMPORTED_FILE)
        throw TImportError("the file is larger than " +
                           std::to_string(LARGEST_IMPORTED_FILE / (1024 * 1024)) +
                           " MB; no melody of a period is that large");
    if (bytes.substr(0, 4) == "MThd") {
        if (options.part)
            throw TImportError("a MIDI file has tracks, not parts: choose one with --track");
        return convertMelody(midiFileMelody(readMidiFileData(bytes), options.track));
    }
    if (bytes.substr(0, 2) == "PK")
        throw TImportError("compressed MusicXML (.mxl) is not read; save the score uncompressed");
    const size_t first = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string_view::npos || bytes[first] != '<')
        throw TImportError("neither a MusicXML score nor a standard MIDI file");
    if (options.track)
        throw TImportError("a MusicXML score has parts, not tracks: choose one with --part");
    return convertMelody(readMusicXmlMelody(bytes, options.part.value_or(1)));
}

TMelodyImport importMelodyFile(const std::string& path, const TImportOptions& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TImportError("cannot open " + path);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw TImportError("cannot read " + path);
    if (static_cast<uint64_t>(size) > LARGEST_IMPORTED_FILE)
        throw TImportError(path + " is larger than " +
                           std::to_string(LARGEST_IMPORTED_FILE / (1024 * 1024)) +
                           " MB; no melody of a period is that large");
    in.seekg(0);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), size))
        throw TImportError("cannot read " + path);
    return importMelody(bytes, options);
}
