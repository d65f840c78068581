// fake_registry.h: an in-memory registry that records the calls made of it.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "registry.h"

struct FakeValue {
  std::uint32_t type = kRegSz;
  std::string bytes;
};

// A text value as the registry stores it, with its terminating zero.
inline FakeValue Text(const std::string& text) { return {kRegSz, text + std::string(1, '\0')}; }

class FakeRegistry final : public Registry {
public:
  // Keys below HKEY_LOCAL_MACHINE, each with its values.
  std::map<std::string, std::map<std::string, FakeValue>> keys;
  // "open <key> <options> <access>", "query <value>", "close <handle>".
  std::vector<std::string> calls;

  void Set(const std::string& key, const std::string& value, FakeValue data) { keys[key][value] = std::move(data); }

  long OpenKey(RegRoot root, const std::string& keyName, std::uint32_t options, std::uint32_t access,
               RegKey& key) override {
    calls.push_back("open " + keyName + " " + std::to_string(options) + " " + Hex(access));
    const auto found = keys.find(keyName);
    if (root != kHKeyLocalMachine || found == keys.end()) {
      key = 0xBAD;  // what a failed open leaves there is nobody's business
      return kRegNotFound;
    }
    opened_.push_back(keyName);
    key = opened_.size();
    return kRegOk;
  }

  long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, char* buffer,
                  std::uint32_t& size) override {
    calls.push_back("query " + valueName);
    if (key == 0 || key > opened_.size()) return kRegBadHandle;
    const auto& values = keys[opened_[key - 1]];
    const auto found = values.find(valueName);
    if (found == values.end()) return kRegNotFound;
    const FakeValue& value = found->second;
    if (value.bytes.size() > size) {
      size = static_cast<std::uint32_t>(value.bytes.size());
      return kRegMoreData;
    }
    std::memcpy(buffer, value.bytes.data(), value.bytes.size());
    type = value.type;
    size = static_cast<std::uint32_t>(value.bytes.size());
    return kRegOk;
  }

  long CloseKey(RegKey key) override {
    calls.push_back("close " + std::to_string(key));
    return key == 0 ? kRegBadHandle : kRegOk;
  }

private:
  static std::string Hex(std::uint32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", n);
    return text;
  }

  std::vector<std::string> opened_;
};
