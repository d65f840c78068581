// wine_registry_check.cpp: a Windows program that reads back, through the
// registry layer of advapi32, the values that wine_registry_check.sh wrote
// with reg.exe, and says which came back as they should.
#include <cstdio>
#include <string>

#include "get_key_value.h"
#include "registry.h"

namespace {

// Non-ASCII bytes printed as escapes, so that the console's code page does
// not matter.
std::string Shown(const std::string& text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      shown += escape;
    }
  }
  return shown;
}

struct Case {
  const char* what;
  const char* key;
  const char* value;
  bool expectedResult;
  std::string expectedKeyVal;  // KeyVal starts as "before"
};

}  // namespace

int main() {
  const std::string key = "SOFTWARE\\Wirangga Check";
  // "Überblick" and "Café", in UTF-8: the layer converts names to the system
  // code page and texts back from it.
  const std::string umlautKey = key + "\\\xC3\x9C" "berblick";
  const std::string cafe = "Caf\xC3\xA9";

  const Case cases[] = {
      {"a text written by reg.exe comes back without its zero", key.c_str(), "Tool", true,
       "C:\\Program Files\\Some Tool\\msinfo32.exe"},
      {"a 32-bit number with a non-zero top byte", key.c_str(), "Big", true, "&h12345678"},
      {"a 32-bit number with a zero top byte", key.c_str(), "Small", true, "&hABCDEF"},
      {"a value of another type leaves KeyVal", key.c_str(), "Blob", true, "before"},
      {"a value longer than the buffer fails", key.c_str(), "Long", false, ""},
      {"a missing value fails", key.c_str(), "Missing", false, ""},
      {"a missing key fails", "SOFTWARE\\Wirangga Check\\Missing", "Tool", false, ""},
      {"a key and a text beyond ASCII", umlautKey.c_str(), cafe.c_str(), true, cafe},
      {"the information program's place that nobody registered", "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
       "PATH", false, ""},
  };

  auto registry = MakePlatformRegistry();
  int passed = 0;
  int failed = 0;
  for (const Case& c : cases) {
    std::string keyVal = "before";
    const bool result = GetKeyValue(*registry, kHKeyLocalMachine, c.key, c.value, keyVal);
    if (result == c.expectedResult && keyVal == c.expectedKeyVal) {
      ++passed;
      std::printf("ok: %s\n", c.what);
    } else {
      ++failed;
      std::printf("FAILED: %s: answered %s with \"%s\", expected %s with \"%s\"\n", c.what, result ? "true" : "false",
                  Shown(keyVal).c_str(), c.expectedResult ? "true" : "false", Shown(c.expectedKeyVal).c_str());
    }
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
