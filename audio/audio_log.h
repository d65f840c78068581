// audio_log.h: keeps the sound libraries' own messages off the terminal, holding the last one for diagnostics.
#pragma once

#include <string>

struct AudioLibraries;

// Routes FluidSynth's log, ALSA's error handler and SDL's log into one place
// that prints nothing. OpenAudioLibraries does it as it opens them.
void QuietAudioLibraries(const AudioLibraries& libraries);

// Keeps a message of our own the same way (a device that would not open...).
void NoteAudioError(const std::string& message);

// The last message kept, "" when there was none.
std::string LastAudioError();
