// get_key_value.h: reads one registry value as text.
#pragma once

#include <string>

#include "registry.h"

// The value buffer GetKeyValue reads into; longer values fail.
inline constexpr std::uint32_t kKeyValueBuffer = 1024;

// Reads the value SubKeyRef of the key KeyName below KeyRoot. A text value
// comes back without its terminating zero; a 32-bit number as "&h" and its
// bytes in upper-case hex, most significant first, a zero top byte left out.
// A missing key or value, or one too long for the buffer, answers false with
// KeyVal emptied; a value of any other type answers true and leaves KeyVal
// as it was.
bool GetKeyValue(Registry& registry, RegRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal);
