// The MIDI melody import on arbitrary bytes: the file reader checks every length against the
// bytes that are there, and what it accepts either is refused with a one-line error or makes a
// composition that is sound (see import_invariants.h).

#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "import_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // the bytes after a MIDI header: every input is read as a MIDI file
    std::string bytes(fuzzInput(data, size));
    if (bytes.compare(0, 4, "MThd") != 0)
        bytes.insert(0, "MThd");
    TMelodyImport imported;
    try {
        imported = importMelody(bytes);
    } catch (const TImportError&) {
        return 0;
    }
    expectImportedPeriodIsSound(imported);
    return 0;
}
