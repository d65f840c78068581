// audio_libraries.h: FluidSynth, SDL and ALSA, opened when the audio is first used rather than with the program.
#pragma once

#include <SDL.h>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

// Every function of the three libraries that the audio calls. The libraries
// and the forty-odd more they bring with them cost a start-up a sixth of a
// bare window's time; opened on first use, they load in the background
// after the window is up.
#define WIRANGGA_AUDIO_FUNCTIONS(X)                                        \
  X(SDL_BuildAudioCVT) X(SDL_CloseAudioDevice) X(SDL_ConvertAudio)         \
  X(SDL_FreeWAV) X(SDL_GetError) X(SDL_InitSubSystem) X(SDL_LoadWAV_RW)    \
  X(SDL_LockAudioDevice) X(SDL_LogSetOutputFunction) X(SDL_OpenAudioDevice) \
  X(SDL_PauseAudioDevice) X(SDL_QuitSubSystem) X(SDL_RWFromConstMem)       \
  X(SDL_SetHint) X(SDL_UnlockAudioDevice)                                  \
  X(delete_fluid_player) X(delete_fluid_settings) X(delete_fluid_synth)    \
  X(fluid_player_add_mem) X(fluid_player_get_current_tick)                 \
  X(fluid_player_get_status) X(fluid_player_play) X(fluid_player_set_loop) \
  X(fluid_player_stop) X(fluid_set_log_function) X(fluid_settings_setint)  \
  X(fluid_settings_setnum) X(fluid_settings_setstr)                        \
  X(fluid_synth_all_sounds_off) X(fluid_synth_get_active_voice_count)      \
  X(fluid_synth_set_gain) X(fluid_synth_set_interp_method)                 \
  X(fluid_synth_sfload) X(fluid_synth_system_reset)                        \
  X(fluid_synth_write_float) X(new_fluid_player) X(new_fluid_settings)     \
  X(new_fluid_synth) X(snd_lib_error_set_handler)

struct AudioLibraries {
#define WIRANGGA_AUDIO_POINTER(name) decltype(&::name) name = nullptr;
  WIRANGGA_AUDIO_FUNCTIONS(WIRANGGA_AUDIO_POINTER)
#undef WIRANGGA_AUDIO_POINTER
};

// Opens the libraries on the first call from any thread (the others wait for
// it) and routes their messages into the audio log. Null when one of them
// or one of its functions is missing: then the program runs silent.
const AudioLibraries* OpenAudioLibraries();
