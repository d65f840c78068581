// soundfont_places.h: where the General MIDI SoundFont is looked for, in order.
#pragma once

#include <string>
#include <vector>

// A SoundFont beside the program first, then the distribution's General MIDI
// SoundFont and a few usual system folders. A fixed list: nothing from the
// environment.
std::vector<std::string> SoundFontPlaces();
