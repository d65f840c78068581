// clip_store.h: the sound clips embedded in the program, found by resource type and id.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The clips are stored under the type "SOUNDS" with the ids 1 to 6. A type
// matches without regard to the case of its letters, so "sounds" finds them.
// Answers the whole stored image byte for byte, or nothing when there is no
// such resource.
std::vector<std::uint8_t> FindClip(std::string_view type, int id);
