// The MusicXML melody import on arbitrary bytes: it either refuses the input with its one-line
// error or makes a composition that is sound (see import_invariants.h).

#include <cstddef>
#include <cstdint>

#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "import_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TImportOptions options;
    options.part = size > 0 && data[0] == '2' ? 2 : 1;
    TMelodyImport imported;
    try {
        imported = importMelody(fuzzInput(data, size), options);
    } catch (const TImportError&) {
        return 0;
    }
    expectImportedPeriodIsSound(imported);
    return 0;
}
