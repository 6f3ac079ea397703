#include "playback/sound_library_messages.h"

#include <dlfcn.h>

#include <fluidsynth.h>

namespace {

void ignoreFluidMessage(int, const char*, void*) {}

// The ALSA library reports through a handler of its own; ours says nothing.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}
using TAlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using TAlsaSetErrorHandler = int (*)(TAlsaErrorHandler);

}  // namespace

void silenceSoundLibraryMessages() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, ignoreFluidMessage, nullptr);
    // libasound comes in beneath FluidSynth and RtMidi; the program does not link it itself,
    // so its handler is looked up among the libraries already loaded
    if (auto setHandler = reinterpret_cast<TAlsaSetErrorHandler>(
            dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler")))
        setHandler(ignoreAlsaMessage);
}
