// get_key_value_test.cpp: reading registry values as text, against a fake registry.
#include "get_key_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>

#include "fake_registry.h"

namespace {

constexpr const char* kKey = "SOFTWARE\\Wirangga\\Test";
constexpr const char* kValue = "Value";

FakeValue Dword(std::uint32_t n) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((n >> (8 * i)) & 0xFF);
  return {kRegDword, bytes};
}

struct KeyValueCase {
  const char* what;
  bool keyExists;
  std::optional<FakeValue> stored;  // the value under kValue, if any
  bool expectedResult;
  std::string expectedKeyVal;  // KeyVal starts as "before"
};

void PrintTo(const KeyValueCase& c, std::ostream* os) { *os << c.what; }

class GetKeyValueReads : public ::testing::TestWithParam<KeyValueCase> {};

TEST_P(GetKeyValueReads, OneValueAsText) {
  const KeyValueCase& c = GetParam();
  FakeRegistry registry;
  if (c.keyExists) registry.keys[kKey];
  if (c.stored) registry.Set(kKey, kValue, *c.stored);

  std::string keyVal = "before";
  EXPECT_EQ(GetKeyValue(registry, kHKeyLocalMachine, kKey, kValue, keyVal), c.expectedResult);
  EXPECT_EQ(keyVal, c.expectedKeyVal);

  // The key is opened with options 0 and access 0x2003F, and closed exactly
  // once on every path: with handle 0 after a failed open.
  ASSERT_FALSE(registry.calls.empty());
  EXPECT_EQ(registry.calls.front(), std::string("open ") + kKey + " 0 0x2003F");
  EXPECT_EQ(registry.calls.back(), c.keyExists ? "close 1" : "close 0");
  EXPECT_EQ(std::count_if(registry.calls.begin(), registry.calls.end(),
                          [](const std::string& call) { return call.starts_with("close"); }),
            1);
}

const std::string k1023(1023, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, GetKeyValueReads,
    ::testing::Values(
        KeyValueCase{"a missing key fails and empties KeyVal", false, std::nullopt, false, ""},
        KeyValueCase{"a missing value fails and empties KeyVal", true, std::nullopt, false, ""},
        KeyValueCase{"a text loses its terminating zero", true, Text("C:\\Tools\\msinfo32.exe"), true,
                     "C:\\Tools\\msinfo32.exe"},
        KeyValueCase{"a text without terminating zero comes back whole", true,
                     FakeValue{kRegSz, "C:\\Tools\\msinfo32.exe"}, true, "C:\\Tools\\msinfo32.exe"},
        KeyValueCase{"only the last zero of a text goes", true, FakeValue{kRegSz, std::string("ab\0\0", 4)}, true,
                     std::string("ab\0", 3)},
        KeyValueCase{"an empty value gives an empty text", true, FakeValue{kRegSz, ""}, true, ""},
        KeyValueCase{"a text that fills the buffer with its zero is read", true, Text(k1023), true, k1023},
        KeyValueCase{"a text one byte longer than the buffer fails", true, Text(k1023 + "y"), false, ""},
        KeyValueCase{"a number with a non-zero top byte gives eight digits", true, Dword(0x12345678), true,
                     "&h12345678"},
        KeyValueCase{"hex digits are upper case", true, Dword(0xDEADBEEF), true, "&hDEADBEEF"},
        KeyValueCase{"zero low bytes still give two digits each", true, Dword(0xFF000000), true, "&hFF000000"},
        KeyValueCase{"a number with a zero top byte gives six digits", true, Dword(0x00ABCDEF), true, "&hABCDEF"},
        KeyValueCase{"only the top zero byte is dropped", true, Dword(0x0000BEEF), true, "&h00BEEF"},
        KeyValueCase{"zero gives six zero digits", true, Dword(0), true, "&h000000"},
        KeyValueCase{"a value of another type leaves KeyVal and answers true", true,
                     FakeValue{3, std::string("\x01\x02", 2)}, true, "before"}),
    [](const ::testing::TestParamInfo<KeyValueCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

// A registry that claims to have written more than the buffer holds must not
// make GetKeyValue read past the buffer.
class OverclaimingRegistry final : public Registry {
public:
  long OpenKey(RegRoot, const std::string&, std::uint32_t, std::uint32_t, RegKey& key) override {
    key = 7;
    return kRegOk;
  }
  long QueryValue(RegKey, const std::string&, std::uint32_t& type, char*, std::uint32_t& size) override {
    type = kRegSz;
    size = 4096;
    return kRegOk;
  }
  long CloseKey(RegKey) override { return kRegOk; }
};

TEST(GetKeyValue, TreatsASizeBeyondTheBufferAsAFailedRead) {
  OverclaimingRegistry registry;
  std::string keyVal = "before";
  EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kKey, kValue, keyVal));
  EXPECT_EQ(keyVal, "");
}

}  // namespace
