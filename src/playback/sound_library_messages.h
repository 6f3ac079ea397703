#pragma once

// Keeps FluidSynth and the ALSA library beneath it and RtMidi from writing to stderr: every
// failure of theirs reaches the caller as a result, and the program keeps no log.
void silenceSoundLibraryMessages();
