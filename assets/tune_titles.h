// tune_titles.h: the titles of the four tunes, shown in the "&Song" menu.
#pragma once

#include <array>

inline constexpr std::array<const char*, 4> kTuneTitles = {
    "&Thirteen Stones", "&Dez Counts His Fingers", "The &Haunted Pendopo", "&Skeletons Do the Kecak"};
