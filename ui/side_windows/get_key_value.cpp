// get_key_value.cpp: reads one registry value as text.
#include "get_key_value.h"

#include <array>
#include <cstdint>

bool GetKeyValue(Registry& registry, RegRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  RegKey hKey = 0;
  bool result = false;

  if (registry.OpenKey(KeyRoot, KeyName, 0, kKeyOpenAccess, hKey) != kRegOk) {
    hKey = 0;
    KeyVal.clear();
  } else {
    std::array<char, kKeyValueBuffer> buffer{};
    std::uint32_t size = kKeyValueBuffer;
    std::uint32_t type = 0;
    // A registry that claims more bytes than the buffer holds counts as a
    // failed read rather than a licence to read past its end.
    if (registry.QueryValue(hKey, SubKeyRef, type, buffer.data(), size) != kRegOk || size > buffer.size()) {
      KeyVal.clear();
    } else {
      // A text value usually carries its terminating zero; the size counts
      // it. A value of size 0 has nothing to strip and stays empty.
      std::string value(buffer.data(), size);
      if (!value.empty() && value.back() == '\0') value.pop_back();

      if (type == kRegSz) {
        KeyVal = value;
      } else if (type == kRegDword) {
        // The number's bytes lie least significant first; a zero top byte
        // was taken for a terminating zero above and adds no digits.
        std::string hex = "&h";
        for (auto it = value.rbegin(); it != value.rend(); ++it) {
          const auto byte = static_cast<unsigned char>(*it);
          hex += kHexDigits[byte >> 4];
          hex += kHexDigits[byte & 0xF];
        }
        KeyVal = hex;
      }
      result = true;
    }
  }

  // Closed on every path, also after a failed open (handle 0); the answer of
  // the close changes nothing.
  registry.CloseKey(hKey);
  return result;
}
